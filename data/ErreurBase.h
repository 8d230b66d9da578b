// The one error type of the database layer: the server's interpreted status vector and its code.
#pragma once

#include <stdexcept>
#include <string>

class ErreurBase : public std::runtime_error {
public:
    explicit ErreurBase(const std::string& message, long gdscode = 0, int sqlcode = 0)
        : std::runtime_error(message), gdscode_(gdscode), sqlcode_(sqlcode) {}

    long gdscode() const noexcept { return gdscode_; }
    int sqlcode() const noexcept { return sqlcode_; }

private:
    long gdscode_;
    int sqlcode_;
};

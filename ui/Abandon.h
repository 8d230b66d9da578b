// The silent abort: raised to stop an operation where the user already knows why, and shown by no box.
#pragma once

#include <exception>

namespace ui {

class Abandon final : public std::exception {
public:
    const char* what() const noexcept override { return "Abandon"; }
};

}  // namespace ui

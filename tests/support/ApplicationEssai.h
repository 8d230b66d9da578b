// The application object of a widget test: one for the whole test program, named after it, with the
// user's settings (window placements) kept in a folder of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>
#include <cerrno>
#include <memory>

#include "Application.h"

class ApplicationEssai final : public ::testing::Environment {
public:
    static ui::Application& instance() { return *instance_; }

    void SetUp() override {
        application_ = std::make_unique<ui::Application>(argc_, argv_);
        instance_ = application_.get();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, reglages_.path());
    }
    void TearDown() override {
        instance_ = nullptr;
        application_.reset();
    }

private:
    static inline ui::Application* instance_ = nullptr;
    int argc_ = 1;
    char* argv_[2] = {program_invocation_short_name, nullptr};
    std::unique_ptr<ui::Application> application_;
    QTemporaryDir reglages_;
};

[[maybe_unused]] inline const auto* const kApplicationEssai =
    ::testing::AddGlobalTestEnvironment(new ApplicationEssai);

#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/MainWindowController.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"

namespace corvane::test {

/// A program folder with a DATA subfolder, a fake platform and a main window on them.
class AppFixture : public ::testing::Test {
protected:
    AppFixture() {
        home.write("DATA/.keep", "");
        app = std::make_unique<MainWindowController>(platform, home.path());
    }

    /// Creates the window (start-up and first activation).
    void start() { app->start(); }
    /// Types `text` key by key into `control`.
    void type(const std::string& control, const std::string& text) {
        for (const char c : text) {
            app->keyPress(control, static_cast<unsigned char>(c));
        }
    }
    MainWindowModel& window() { return app->window(); }
    ProgramState& state() { return app->state(); }
    AppContext& context() { return app->context(); }

    TempFolder home;
    FakePlatform platform;
    std::unique_ptr<MainWindowController> app;
};

}  // namespace corvane::test

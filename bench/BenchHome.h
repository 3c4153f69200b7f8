#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "app/MainWindowController.h"
#include "platform/LocalFileSystem.h"
#include "platform/Platform.h"

namespace corvane::bench {

/// A quiet platform for benchmarks: Yes to every question, no folder browser, a fixed clock.
class BenchPlatform final : public Platform {
public:
    MessageAnswer showMessage(const std::string&, const std::string&, MessageIcon,
                              MessageButtons buttons) override {
        ++messages;
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
    }
    std::optional<std::string> browseForFolder(const std::string&) override { return {}; }
    ScreenSize screenSize() const override { return {1920LL * 15, 1080LL * 15}; }
    ClockTime localTime() const override { return {14, 30}; }
    FileSystem& files() override { return files_; }

    int messages = 0;

private:
    LocalFileSystem files_;
};

/// A program folder whose settings point at a simulated snapshot of `aircraft` pilot lines
/// and at the bundled procedure files (or a large generated one).
class BenchHome {
public:
    BenchHome(std::size_t aircraft, std::size_t extraProcedureLines);
    ~BenchHome();
    BenchHome(const BenchHome&) = delete;
    BenchHome& operator=(const BenchHome&) = delete;

    /// A new window on this home, started and connected as the demo controller.
    std::unique_ptr<MainWindowController> connect();
    const std::string& path() const { return path_; }

    BenchPlatform platform;

private:
    std::string path_;
};

}  // namespace corvane::bench

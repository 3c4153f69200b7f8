// corvane: the desktop program. The splash, then the main window on the program folder.
#include <QApplication>
#include <QMessageBox>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "LiveFeedProcess.h"
#include "MainWindow.h"
#include "QtPlatform.h"
#include "QuitOnSignal.h"
#include "SplashPicture.h"
#include "SplashWindow.h"
#include "UiText.h"
#include "WindowOptions.h"
#include "app/MainWindowController.h"
#include "common/ProgramVersion.h"
#include "platform/LocalFileSystem.h"
#include "platform/ProgramFolderLocator.h"
#include "settings/FolderChoice.h"

namespace {

int refuse(const std::string& error) {
    std::cerr << "corvane: " << error << '\n' << corvane::WindowOptions::usage();
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // Help, version and mistakes are answered before the window system starts.
    std::string error;
    const auto first =
        corvane::WindowOptions::parse(std::vector<std::string>(argv + 1, argv + argc), true, error);
    if (!first) {
        return refuse(error);
    }
    if (first->help) {
        std::cout << corvane::WindowOptions::usage();
        return 0;
    }
    if (first->version) {
        std::cout << corvane::ProgramVersion::text("corvane");
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("corvane"));
    QApplication::setWindowIcon(QIcon(corvane::SplashPicture::draw(QSize(64, 64))));
    QApplication::setDesktopFileName(QStringLiteral("corvane"));
    // What the window system did not take must be the program's own.
    std::vector<std::string> left;
    for (const QString& argument : QApplication::arguments().mid(1)) {
        left.push_back(corvane::UiText::toModel(argument));
    }
    const auto line = corvane::WindowOptions::parse(left, false, error);
    if (!line) {
        return refuse(error);
    }

    corvane::LocalFileSystem files;
    const auto folder = corvane::ProgramFolderLocator::locate(
        corvane::ProgramFolderLocator::fromEnvironment(line->home, argv[0]), files, error);
    if (!folder) {
        QMessageBox::critical(nullptr, QStringLiteral("ATC Corvane"), corvane::UiText::show(error));
        return 2;
    }

    corvane::QtPlatform platform;
    corvane::MainWindowController controller(platform, *folder);
    corvane::MainWindow window(controller, platform);
    window.setFollowing(line->follow || line->feed);
    std::unique_ptr<corvane::LiveFeedProcess> liveFeed;
    if (line->feed) {
        const std::string live = *folder + "/live";
        corvane::FolderChoice::useDataFolder(controller.context().state, live);
        liveFeed = std::make_unique<corvane::LiveFeedProcess>(
            platform, corvane::UiText::show(live + "/recent.dat"));
    }
    QObject::connect(&window, &corvane::MainWindow::programEnded, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    // Ended from outside, the program still leaves through the event loop, which stops the
    // reader.
    const corvane::QuitOnSignal quitOnSignal;
    corvane::SplashWindow splash;
    QObject::connect(&splash, &corvane::SplashWindow::finished, &window,
                     &corvane::MainWindow::start, Qt::QueuedConnection);
    splash.show();
    return QApplication::exec();
}

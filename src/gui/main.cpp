// corvane: the desktop program. The splash, then the main window on the program folder.
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>

#include "LiveFeedProcess.h"
#include "MainWindow.h"
#include "QtPlatform.h"
#include "SplashPicture.h"
#include "SplashWindow.h"
#include "UiText.h"
#include "app/MainWindowController.h"
#include "platform/LocalFileSystem.h"
#include "platform/ProgramFolderLocator.h"
#include "settings/FolderChoice.h"

namespace {

struct Options {
    std::optional<std::string> home;
    bool feed = false;  ///< --feed: the live IVAO feed writes the snapshot
    bool valid = true;
};

Options parseOptions(const QStringList& arguments) {
    Options options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--home") && i + 1 < arguments.size()) {
            options.home = corvane::UiText::toModel(arguments[++i]);
        } else if (arguments[i] == QLatin1String("--feed")) {
            options.feed = true;
        } else {
            options.valid = false;
        }
    }
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("corvane"));
    QApplication::setWindowIcon(QIcon(corvane::SplashPicture::draw(QSize(64, 64))));
    QApplication::setDesktopFileName(QStringLiteral("corvane"));

    const Options options = parseOptions(QApplication::arguments());
    if (!options.valid) {
        QMessageBox::warning(nullptr, QStringLiteral("ATC Corvane"),
                             QStringLiteral("usage: corvane [--home DIR] [--feed]"));
        return 2;
    }
    corvane::LocalFileSystem files;
    std::string error;
    const auto folder = corvane::ProgramFolderLocator::locate(
        corvane::ProgramFolderLocator::fromEnvironment(options.home, argv[0]), files, error);
    if (!folder) {
        QMessageBox::critical(nullptr, QStringLiteral("ATC Corvane"), corvane::UiText::show(error));
        return 1;
    }

    corvane::QtPlatform platform;
    corvane::MainWindowController controller(platform, *folder);
    corvane::MainWindow window(controller, platform);
    std::unique_ptr<corvane::LiveFeedProcess> liveFeed;
    if (options.feed) {
        const std::string live = *folder + "/live";
        corvane::FolderChoice::useDataFolder(controller.context(), live);
        liveFeed = std::make_unique<corvane::LiveFeedProcess>(
            platform, corvane::UiText::show(live + "/recent.dat"));
    }
    QObject::connect(&window, &corvane::MainWindow::programEnded, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    corvane::SplashWindow splash;
    QObject::connect(&splash, &corvane::SplashWindow::finished, &window,
                     &corvane::MainWindow::start, Qt::QueuedConnection);
    splash.show();
    return QApplication::exec();
}

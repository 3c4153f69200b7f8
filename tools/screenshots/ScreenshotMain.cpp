// corvane-screenshots: works a short session on the offscreen platform and saves pictures of the
// splash, the collapsed window, each panel, the flight plan sheet and marked list entries.
//   corvane-screenshots --home DIR --out DIR [--account NAME]
// The program folder must already name the snapshot and the procedures folder in its settings.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <iostream>

#include "MainWindow.h"
#include "QtPlatform.h"
#include "SplashWindow.h"
#include "UiText.h"
#include "app/MainWindowController.h"

namespace {

using corvane::MainWindow;

void settle() {
    for (int round = 0; round < 5; ++round) {
        QCoreApplication::processEvents();
    }
}

class Session {
public:
    Session(MainWindow& window, QString out) : window_(window), out_(std::move(out)) {}

    void click(const char* name) {
        if (auto* button = qobject_cast<QPushButton*>(find(name)); button && button->isEnabled()) {
            QTest::mouseClick(button, Qt::LeftButton);
            settle();
        }
    }
    void clickItem(const char* name, int row) {
        auto* list = qobject_cast<QListWidget*>(find(name));
        if (list == nullptr || row >= list->count()) {
            return;
        }
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
        settle();
    }
    void choose(const char* name, int index) {
        auto* combo = qobject_cast<QComboBox*>(find(name));
        if (combo == nullptr || index >= combo->count()) {
            return;
        }
        combo->showPopup();
        settle();
        QAbstractItemView* view = combo->view();
        const QRect rect = view->visualRect(view->model()->index(index, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
        settle();
    }
    void type(const char* name, const QString& text) {
        if (auto* line = qobject_cast<QLineEdit*>(find(name))) {
            QTest::keyClicks(line, text);
            settle();
        }
    }
    /// Clicks down `list` until `field` shows something: an aircraft with a flight plan.
    void clickFlight(const char* list, const char* field) {
        auto* box = qobject_cast<QListWidget*>(find(list));
        auto* shown = qobject_cast<QLabel*>(find(field));
        for (int row = 0; box != nullptr && shown != nullptr && row < box->count(); ++row) {
            clickItem(list, row);
            if (!shown->text().isEmpty()) {
                return;
            }
        }
    }
    bool save(QWidget* widget, const char* file) {
        const QString path = QDir(out_).filePath(QString::fromUtf8(file));
        const bool saved = widget->grab().save(path);
        std::cout << (saved ? "saved " : "could not save ") << path.toStdString() << '\n';
        return saved;
    }

private:
    QWidget* find(const char* name) const { return window_.control(QString::fromUtf8(name)); }

    MainWindow& window_;
    QString out_;
};

// Has `callsign` squawk `code` in the snapshot the program folder names, as a pilot would set it.
void squawkInSnapshot(const QString& home, const QString& callsign, const QString& code) {
    QFile setting(QDir(home).filePath(QStringLiteral("DATA/dirRecent.txt")));
    if (!setting.open(QIODevice::ReadOnly)) {
        return;
    }
    QFile snapshot(QString::fromUtf8(setting.readLine().trimmed()));
    if (!snapshot.open(QIODevice::ReadOnly)) {
        return;
    }
    QList<QByteArray> lines = snapshot.readAll().split('\n');
    snapshot.close();
    constexpr qsizetype kSquawk = 36;
    for (QByteArray& line : lines) {
        QList<QByteArray> fields = line.split(':');
        if (fields.size() > kSquawk && fields[0] == callsign.toUtf8()) {
            fields[kSquawk] = code.toUtf8();
            line = fields.join(':');
        }
    }
    if (snapshot.open(QIODevice::WriteOnly)) {
        snapshot.write(lines.join('\n'));
    }
}

QString itemText(MainWindow& window, const char* list, int row) {
    auto* box = qobject_cast<QListWidget*>(window.control(QString::fromUtf8(list)));
    return box != nullptr && row < box->count() ? box->item(row)->text() : QString();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QString home;
    QString out;
    QString account = QStringLiteral("jane doe");
    const QStringList arguments = QApplication::arguments();
    for (qsizetype i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == QLatin1String("--home")) {
            home = arguments[i + 1];
        } else if (arguments[i] == QLatin1String("--out")) {
            out = arguments[i + 1];
        } else if (arguments[i] == QLatin1String("--account")) {
            account = arguments[i + 1];
        }
    }
    if (home.isEmpty() || out.isEmpty()) {
        std::cerr << "usage: corvane-screenshots --home DIR --out DIR [--account NAME]\n";
        return 2;
    }
    QDir().mkpath(out);

    corvane::QtPlatform platform;
    platform.setScreenOverride(corvane::QtPlatform::twipsOf(1920, 1080));
    platform.setMessageHandler([](const corvane::MessageRequest& request) {
        std::cerr << "message: " << request.text << '\n';
        return corvane::MessageAnswer::No;
    });
    corvane::MainWindowController controller(platform, corvane::UiText::toModel(home));
    MainWindow window(controller, platform);
    Session session(window, out);
    bool saved = true;

    corvane::SplashWindow splash;
    splash.show();
    settle();
    saved &= session.save(&splash, "splash.png");
    splash.close();

    window.start();
    settle();
    saved &= session.save(&window, "collapsed.png");

    session.type("TxtOperatorName", account);
    session.click("CmdExecute");
    session.click("Command3(0)");
    saved &= session.save(&window, "atis-panel.png");

    session.click("Command3(1)");
    session.clickFlight("LstDeparture", "LblFiledAlt");
    session.click("cmdFPDep");
    if (QWidget* sheet = window.sheet()) {
        saved &= session.save(sheet, "flight-plan-sheet.png");
        sheet->close();
        settle();
    }
    session.choose("CmbTORwy", 0);
    session.choose("CmbSid", 0);
    session.type("TxtInClimb", QStringLiteral("5000"));
    session.click("cmdSidGen");
    session.clickItem("List1", 0);
    session.clickItem("lstRulTum", 0);
    saved &= session.save(&window, "departure-panel.png");

    session.click("Command3(3)");
    session.clickFlight("LstArrival", "LblFiledAlt");
    session.choose("cmbLandRwy", 0);
    session.choose("cmbStar", 0);
    session.type("txtDescend", QStringLiteral("6000"));
    session.click("cmdStarGen");
    session.clickItem("List2", 0);
    session.clickItem("List5", 0);
    saved &= session.save(&window, "arrival-panel.png");

    // The departure panel once more, its entries marked from what their aircraft squawk: one
    // declares an emergency and two others squawk the same code.
    squawkInSnapshot(home, itemText(window, "LstDeparture", 1), QStringLiteral("7700"));
    squawkInSnapshot(home, itemText(window, "LstDeparture", 2), QStringLiteral("4521"));
    squawkInSnapshot(home, itemText(window, "LstDeparture", 3), QStringLiteral("4521"));
    session.click("Command3(1)");
    session.clickItem("LstDeparture", 0);
    if (auto* cleared = qobject_cast<QListWidget*>(window.control(QStringLiteral("List1")))) {
        cleared->clearSelection();
    }
    saved &= session.save(&window, "marked-entries.png");
    return saved ? 0 : 1;
}

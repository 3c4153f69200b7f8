#include "GuiFixture.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDirIterator>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

namespace corvane::test {

QString textOf(const QObject* widget) {
    for (const char* property : {"text", "plainText", "title", "currentText"}) {
        if (const QVariant value = widget->property(property); value.isValid()) {
            return value.toString();
        }
    }
    return {};
}

GuiFixture::GuiFixture() {
    const QString from = QStringLiteral(CORVANE_GUI_TEST_DATA "/home");
    for (QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories); files.hasNext();) {
        const QString target = home.path() + files.next().mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(files.filePath(), target);
    }
    platform.setScreenOverride(QtPlatform::twipsOf(1280, 1024));
    platform.setMessageHandler([this](const MessageRequest& request) {
        messages.push_back(request);
        if (request.buttons == MessageButtons::Ok) {
            return MessageAnswer::Ok;
        }
        const bool yes = !answers.empty() && answers.front();
        answers.erase(answers.begin(), answers.begin() + (answers.empty() ? 0 : 1));
        return yes ? MessageAnswer::Yes : MessageAnswer::No;
    });
    controller = std::make_unique<MainWindowController>(platform, home.path().toStdString());
    window = std::make_unique<MainWindow>(*controller, platform);
    QObject::connect(window.get(), &MainWindow::programEnded, [this] { ended = true; });
}

GuiFixture::~GuiFixture() {
    window.reset();
    settle();
}

void GuiFixture::start() {
    window->start();
    settle();
}

void GuiFixture::settle() {
    for (int round = 0; round < 5; ++round) {
        QCoreApplication::processEvents();
    }
}

QWidget* GuiFixture::widget(const QString& control) const {
    QWidget* found = window->control(control);
    EXPECT_NE(found, nullptr) << "no widget " << control.toStdString();
    return found;
}

QStringList GuiFixture::items(const QString& control) const {
    auto* combo = qobject_cast<QComboBox*>(widget(control));
    auto* list = qobject_cast<QAbstractItemView*>(widget(control));
    QAbstractItemModel* model = combo != nullptr  ? combo->model()
                                : list != nullptr ? list->model()
                                                  : nullptr;
    QStringList result;
    for (int row = 0; model != nullptr && row < model->rowCount(); ++row) {
        result.append(model->index(row, 0).data().toString());
    }
    return result;
}

QColor GuiFixture::background(const QWidget* widget) {
    const bool base = qobject_cast<const QListWidget*>(widget) != nullptr ||
                      qobject_cast<const QPlainTextEdit*>(widget) != nullptr;
    return widget->palette().color(base ? QPalette::Base : QPalette::Window);
}

void GuiFixture::click(const QString& control) {
    QTest::mouseClick(widget(control), Qt::LeftButton);
    settle();
}

void GuiFixture::clickItem(const QString& control, int row) {
    auto* box = qobject_cast<QListWidget*>(widget(control));
    ASSERT_TRUE(box != nullptr && row < box->count()) << control.toStdString() << " " << row;
    const QRect rect = box->visualItemRect(box->item(row));
    QTest::mouseClick(box->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    settle();
}

void GuiFixture::choose(const QString& control, const QString& wanted) {
    auto* box = qobject_cast<QComboBox*>(widget(control));
    const int target = box->findText(wanted);
    ASSERT_GE(target, 0) << wanted.toStdString() << " not in " << control.toStdString();
    // Drop the list down and click the item, as the user does: one choice, one activation.
    box->showPopup();
    settle();
    ASSERT_TRUE(box->view()->isVisible()) << control.toStdString();
    const QRect rect = box->view()->visualRect(box->model()->index(target, 0));
    QTest::mouseClick(box->view()->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    settle();
}

void GuiFixture::type(const QString& control, const QString& keys) {
    for (const QChar key : keys) {
        // QTest knows no key code for a letter beyond ASCII: send its text, as a layout does.
        const Qt::Key code =
            key.unicode() < 0x80 ? QTest::asciiToKey(key.toLatin1()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Press, widget(control), code, QString(key), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget(control), code, QString(key), Qt::NoModifier);
    }
    settle();
}

void GuiFixture::connect() {
    for (const auto& [button, folder] :
         {std::pair("Command3(6)", "radar"), std::pair("Command3(5)", "SIDSTARS")}) {
        const std::string path = homeFile(QString::fromLatin1(folder)).toStdString();
        platform.setFolderHandler([path](const std::string&) { return std::optional(path); });
        click(QString::fromLatin1(button));
    }
    type("TxtOperatorName", QStringLiteral("jane doe"));
    click("CmdExecute");
}

}  // namespace corvane::test

#include "GuiFixture.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "UiText.h"

namespace corvane::test {

namespace {

void copyTree(const QString& from, const QString& to) {
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(source, target);
    }
}

}  // namespace

GuiFixture::GuiFixture() {
    copyTree(QStringLiteral(CORVANE_GUI_TEST_DATA), home.path());
    platform.setScreenOverride(QtPlatform::twipsOf(1280, 1024));
    platform.setMessageHandler([this](const MessageRequest& request) {
        messages.push_back(request);
        if (request.buttons == MessageButtons::Ok) {
            return MessageAnswer::Ok;
        }
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return yes ? MessageAnswer::Yes : MessageAnswer::No;
    });
    platform.setFolderHandler([this](const std::string&) -> std::optional<std::string> {
        if (folders.empty()) {
            return std::nullopt;
        }
        std::string folder = folders.front();
        folders.pop_front();
        return folder;
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

bool GuiFixture::waitFor(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) {
            return false;
        }
        QTest::qWait(20);
    }
    return true;
}

QWidget* GuiFixture::widget(const QString& control) const {
    QWidget* found = window->control(control);
    EXPECT_NE(found, nullptr) << "no widget " << control.toStdString();
    return found;
}

QLabel* GuiFixture::label(const QString& control) const {
    return qobject_cast<QLabel*>(widget(control));
}

QLineEdit* GuiFixture::lineEdit(const QString& control) const {
    return qobject_cast<QLineEdit*>(widget(control));
}

QListWidget* GuiFixture::list(const QString& control) const {
    return qobject_cast<QListWidget*>(widget(control));
}

QComboBox* GuiFixture::combo(const QString& control) const {
    return qobject_cast<QComboBox*>(widget(control));
}

QString GuiFixture::text(const QString& control) const {
    QWidget* target = widget(control);
    if (auto* field = qobject_cast<QLabel*>(target)) {
        return field->text();
    }
    if (auto* line = qobject_cast<QLineEdit*>(target)) {
        return line->text();
    }
    if (auto* memo = qobject_cast<QPlainTextEdit*>(target)) {
        return memo->toPlainText();
    }
    if (auto* button = qobject_cast<QPushButton*>(target)) {
        return button->text();
    }
    if (auto* box = qobject_cast<QComboBox*>(target)) {
        return box->currentText();
    }
    return {};
}

QStringList GuiFixture::items(const QString& control) const {
    QStringList result;
    QWidget* target = widget(control);
    if (auto* box = qobject_cast<QListWidget*>(target)) {
        for (int row = 0; row < box->count(); ++row) {
            result.append(box->item(row)->text());
        }
    } else if (auto* choices = qobject_cast<QComboBox*>(target)) {
        for (int index = 0; index < choices->count(); ++index) {
            result.append(choices->itemText(index));
        }
    }
    return result;
}

QColor GuiFixture::background(const QWidget* widget) {
    if (qobject_cast<const QListWidget*>(widget) != nullptr ||
        qobject_cast<const QPlainTextEdit*>(widget) != nullptr) {
        return widget->palette().color(QPalette::Base);
    }
    return widget->palette().color(QPalette::Window);
}

void GuiFixture::click(const QString& control) {
    auto* button = qobject_cast<QPushButton*>(widget(control));
    ASSERT_NE(button, nullptr) << control.toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
    settle();
}

void GuiFixture::clickItem(const QString& control, int row) {
    QListWidget* box = list(control);
    ASSERT_NE(box, nullptr);
    ASSERT_LT(row, box->count()) << control.toStdString();
    const QRect rect = box->visualItemRect(box->item(row));
    QTest::mouseClick(box->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    settle();
}

void GuiFixture::choose(const QString& control, const QString& wanted) {
    QComboBox* box = combo(control);
    ASSERT_NE(box, nullptr);
    const int target = box->findText(wanted);
    ASSERT_GE(target, 0) << wanted.toStdString() << " not in " << control.toStdString();
    // Drop the list down and click the item, as the user does: one choice, one activation.
    box->showPopup();
    settle();
    QAbstractItemView* view = box->view();
    ASSERT_TRUE(view->isVisible()) << control.toStdString();
    const QRect rect = view->visualRect(view->model()->index(target, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    settle();
    ASSERT_EQ(box->currentIndex(), target) << control.toStdString();
}

void GuiFixture::type(const QString& control, const QString& keys) {
    QLineEdit* line = lineEdit(control);
    ASSERT_NE(line, nullptr);
    for (const QChar key : keys) {
        if (key.unicode() < 0x80) {
            QTest::keyClick(line, key.toLatin1());
        } else {
            // QTest knows no key code for a letter beyond ASCII: send its text, as a layout does.
            QTest::sendKeyEvent(QTest::Press, line, Qt::Key_unknown, QString(key), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, line, Qt::Key_unknown, QString(key),
                                Qt::NoModifier);
        }
    }
    settle();
}

QString GuiFixture::homeFile(const QString& relative) const {
    return home.filePath(relative);
}

}  // namespace corvane::test

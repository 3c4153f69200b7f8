#include "QtPlatform.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTime>
#include <iostream>

#include "Twips.h"
#include "UiText.h"

namespace corvane {

MessageAnswer QtPlatform::showMessage(const std::string& text, const std::string& title,
                                      MessageIcon icon, MessageButtons buttons) {
    const MessageRequest request{text, title, icon, buttons};
    if (messageHandler_) {
        return messageHandler_(request);
    }
    return showMessageBox(request);
}

MessageAnswer QtPlatform::showMessageBox(const MessageRequest& request) {
    const bool question = request.buttons == MessageButtons::YesNo;
    // A huge text would take the layout minutes and the box off the screen: the box shows it
    // shortened, standard error keeps it whole.
    const std::string text = UiText::forMessageBox(request.text);
    if (text != request.text) {
        std::cerr << "corvane: " << request.text << '\n';
    }
    QMessageBox box(
        request.icon == MessageIcon::Question ? QMessageBox::Question : QMessageBox::Warning,
        UiText::show(UiText::forMessageBox(request.title)), UiText::show(text),
        question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner_.data());
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setWindowModality(Qt::ApplicationModal);
    // The owner stays on top of every window; its message boxes must not fall behind it.
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    const int pressed = box.exec();
    if (!question) {
        return MessageAnswer::Ok;
    }
    return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

std::optional<std::string> QtPlatform::browseForFolder(const std::string& prompt) {
    if (folderHandler_) {
        return folderHandler_(prompt);
    }
    const QString folder = QFileDialog::getExistingDirectory(owner_.data(), UiText::show(prompt),
                                                             QString(), QFileDialog::ShowDirsOnly);
    if (folder.isEmpty()) {
        return std::nullopt;
    }
    return UiText::toModel(folder);
}

ScreenSize QtPlatform::twipsOf(int width, int height) {
    return {static_cast<long long>(width) * Twips::kPerPixel,
            static_cast<long long>(height) * Twips::kPerPixel};
}

ScreenSize QtPlatform::screenSize() const {
    if (screenOverride_) {
        return *screenOverride_;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    // QScreen::size() is in device-independent pixels already: the scaling is taken out.
    return twipsOf(screen->size().width(), screen->size().height());
}

ClockTime QtPlatform::localTime() const {
    const QTime now = QTime::currentTime();
    return {now.hour(), now.minute()};
}

}  // namespace corvane

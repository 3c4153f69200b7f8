#include "KeyForwarder.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace corvane {

namespace {

bool passesToQt(const QKeyEvent* key) {
    return key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut) ||
           key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
           key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll);
}

bool printable(const QString& text) {
    if (text.isEmpty()) {
        return false;
    }
    for (const QChar character : text) {
        if (!character.isPrint() && !character.isSurrogate()) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool KeyForwarder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (passesToQt(key)) {
        return false;
    }
    if (key->key() == Qt::Key_Backspace) {
        emit typed(kBackspace);
        return true;
    }
    if (printable(key->text())) {
        for (const char32_t code : key->text().toUcs4()) {
            emit typed(code);
        }
        return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        emit entered();
        return true;
    }
    // Delete would change the text behind the logic's back; moving keys (arrows, Tab, Home,
    // End) pass.
    return key->key() == Qt::Key_Delete;
}

}  // namespace corvane

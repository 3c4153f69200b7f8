#pragma once

#include <QObject>

namespace corvane {

/// Watches a filtered text box: every typed character (and Backspace) is taken away from Qt and
/// handed on as `typed`, so the logic's key filter decides what reaches the text. Pastes, cuts
/// and undo pass to Qt; the window hands their result on as a paste.
class KeyForwarder : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    static constexpr char32_t kBackspace = 8;

signals:
    /// A character code typed into the watched box.
    void typed(char32_t code);
    /// Enter or Return was pressed in the watched box.
    void entered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace corvane

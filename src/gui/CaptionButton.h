#pragma once

#include <QPushButton>

namespace corvane {

/// A command button whose caption wraps onto more lines when it is wider than the button, as
/// the form's buttons always did; text() stays the caption as written.
class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    static constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;
    QRect captionArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace corvane

#include "TextFit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <QVariant>
#include <algorithm>

namespace corvane {

QRect TextFit::labelArea(const QLabel* label) {
    QRect area = label->contentsRect();
    const int margin = label->margin();
    area.adjust(margin, margin, -margin, -margin);
    // A framed label without an indent of its own keeps half an "x" from the edges it is
    // aligned to.
    int indent = label->indent();
    if (indent < 0) {
        indent =
            label->frameWidth() > 0 ? QFontMetrics(label->font()).horizontalAdvance(u'x') / 2 : 0;
    }
    const Qt::Alignment align =
        QStyle::visualAlignment(label->layoutDirection(), label->alignment());
    if (align & Qt::AlignLeft) {
        area.setLeft(area.left() + indent);
    }
    if (align & Qt::AlignRight) {
        area.setRight(area.right() - indent);
    }
    if (align & Qt::AlignTop) {
        area.setTop(area.top() + indent);
    }
    if (align & Qt::AlignBottom) {
        area.setBottom(area.bottom() - indent);
    }
    return area;
}

int TextFit::labelFlags(const QLabel* label) {
    return static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
}

bool TextFit::fits(const QFont& font, const QRect& area, int flags, const QString& text) {
    const QRect needed = QFontMetrics(font).boundingRect(area, flags, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

QFont TextFit::largestFitting(QFont font, double pointSize, const QRect& area, int flags,
                              const QString& text) {
    for (double size = pointSize; size > kSmallestPointSize; size -= 0.5) {
        font.setPointSizeF(size);
        if (fits(font, area, flags, text)) {
            return font;
        }
    }
    font.setPointSizeF(std::min(pointSize, kSmallestPointSize));
    return font;
}

void TextFit::showWarning(QLabel* field, const QString& text, int pointSize) {
    if (field->text() != text) {
        field->setText(text);
    }
    const QFont fitted =
        largestFitting(field->font(), pointSize, labelArea(field), labelFlags(field), text);
    if (fitted != field->font()) {
        field->setFont(fitted);
    }
}

void TextFit::showShrunk(QLabel* field, const QString& text) {
    // The size the form gave the field, kept from the first text it showed.
    const char* kDesignSize = "corvaneDesignPointSize";
    if (!field->property(kDesignSize).isValid()) {
        field->setProperty(kDesignSize, field->font().pointSizeF());
        field->setWordWrap(true);
    }
    if (field->text() != text) {
        field->setText(text);
    }
    const QFont fitted = largestFitting(field->font(), field->property(kDesignSize).toDouble(),
                                        labelArea(field), labelFlags(field), text);
    if (fitted != field->font()) {
        field->setFont(fitted);
    }
}

}  // namespace corvane

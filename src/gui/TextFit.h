#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QLabel;

namespace corvane {

/// Whether a text stays whole inside a widget at a font, and the largest font that keeps it so.
class TextFit {
public:
    static constexpr double kSmallestPointSize = 6.0;

    /// The rectangle a label draws its text in: its contents less its margin and indent.
    static QRect labelArea(const QLabel* label);
    /// The flags a label draws its text with: its alignment, and word wrap when it wraps.
    static int labelFlags(const QLabel* label);
    static bool fits(const QFont& font, const QRect& area, int flags, const QString& text);
    /// `font` at `pointSize` when the text fits there, else at the largest smaller size (in
    /// half points, down to kSmallestPointSize) that fits.
    static QFont largestFitting(QFont font, double pointSize, const QRect& area, int flags,
                                const QString& text);
    /// Shows `text` on a warning field at the font size the logic asks for, or smaller when the
    /// text would not fit at it.
    static void showWarning(QLabel* field, const QString& text, int pointSize);
    /// Shows `text` at the field's own font size, or smaller and wrapped when it would not fit
    /// (a long airline name stays whole rather than cut).
    static void showShrunk(QLabel* field, const QString& text);
};

}  // namespace corvane

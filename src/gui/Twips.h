#pragma once

#include <QRect>

class QWidget;

namespace corvane {

/// The form's geometry is written in twips, as the window was designed; Qt works in
/// device-independent pixels, 15 twips each (the program's fixed 96 dpi assumption).
class Twips {
public:
    static constexpr int kPerPixel = 15;

    /// Twips to device-independent pixels (rounded to the nearest pixel).
    static int toPixels(int twips);
    /// A rectangle given in twips, in pixels.
    static QRect rect(int left, int top, int width, int height);
    /// Places `widget` inside its parent at a rectangle given in twips.
    static void place(QWidget* widget, int left, int top, int width, int height);
};

}  // namespace corvane

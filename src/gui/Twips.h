#pragma once

#include <QRect>

class QWidget;

namespace corvane {

/// The form's geometry is written in twips, as the window was designed; Qt works in
/// device-independent pixels, 15 twips each (the program's fixed 96 dpi assumption).
class Twips {
public:
    static constexpr int kPerPixel = 15;

    /// What a window's height in twips counts beyond its client area: the title bar and the
    /// borders of the window the form was designed in.
    static constexpr int kNonClientHeight = 330;

    /// Twips to device-independent pixels (rounded to the nearest pixel).
    static int toPixels(int twips);
    /// The client height in pixels of a window `height` twips high with its title bar: the
    /// collapsed window then shows the top strip and nothing of the panels below it.
    static int clientHeight(int height);
    static QRect rect(int left, int top, int width, int height);
    /// Places `widget` inside its parent at a rectangle given in twips.
    static void place(QWidget* widget, int left, int top, int width, int height);
};

}  // namespace corvane

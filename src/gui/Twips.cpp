#include "Twips.h"

#include <QWidget>
#include <cmath>

namespace corvane {

int Twips::toPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kPerPixel));
}

int Twips::clientHeight(int height) {
    return toPixels(height - kNonClientHeight);
}

QRect Twips::rect(int left, int top, int width, int height) {
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

void Twips::place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(rect(left, top, width, height));
}

}  // namespace corvane

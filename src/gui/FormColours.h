#pragma once

#include <QColor>

namespace corvane {

/// The colours the window paints its fields with.
class FormColours {
public:
    /// A window colour number (blue x 65536 + green x 256 + red) as a QColor.
    static QColor fromWindowColour(int value);

    static QColor yellow() { return {255, 255, 0}; }
    static QColor green() { return {0, 255, 0}; }
    static QColor magenta() { return {255, 0, 255}; }
    static QColor cyan() { return {0, 255, 255}; }
    static QColor lightCyan() { return {192, 255, 255}; }
    static QColor red() { return {255, 0, 0}; }
    static QColor grey() { return {128, 128, 128}; }
};

}  // namespace corvane

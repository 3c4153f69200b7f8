#include "FormColours.h"

namespace corvane {

QColor FormColours::fromWindowColour(int value) {
    return {value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF};
}

}  // namespace corvane

#include "common/SquawkCode.h"

namespace corvane {

std::optional<int> SquawkCode::value(std::string_view code) {
    if (code.size() != 4) {
        return std::nullopt;
    }
    int number = 0;
    for (const char digit : code) {
        if (digit < '0' || digit > '7') {
            return std::nullopt;
        }
        number = number * 8 + (digit - '0');
    }
    return number;
}

bool SquawkCode::isEmergency(int value) {
    return value == 07500 || value == 07600 || value == 07700;
}

}  // namespace corvane

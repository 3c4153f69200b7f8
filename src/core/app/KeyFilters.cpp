#include "app/KeyFilters.h"

#include "window/MainWindowModel.h"

namespace corvane {

char32_t KeyFilters::upperKey(char32_t key) {
    return key >= 97 && key <= 122 ? key - 32 : key;
}

bool KeyFilters::hasFilter(const std::string& control) {
    return control == "TxtOperatorName" || control == "TxtInClimb" || control == "txtDescend";
}

char32_t KeyFilters::filter(MainWindowModel& window, const std::string& control, char32_t key) {
    if (control == "TxtOperatorName") {
        const char32_t upper = upperKey(key);
        window.topStrip.connect.enabled = true;
        return upper;
    }
    const bool digit = key >= U'0' && key <= U'9';
    return (digit || key == kBackspace) ? key : 0;
}

}  // namespace corvane

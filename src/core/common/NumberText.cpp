#include "common/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace corvane {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the number at the start of `text` (sign, digits, optional fraction), 0 when none.
std::size_t numberLength(std::string_view text) {
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    std::size_t digits = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
        ++digits;
    }
    if (pos < text.size() && text[pos] == '.') {
        std::size_t fraction = 0;
        std::size_t after = pos + 1;
        while (after < text.size() && isDigit(text[after])) {
            ++after;
            ++fraction;
        }
        if (digits + fraction > 0) {
            pos = after;
            digits += fraction;
        }
    }
    return digits == 0 ? 0 : pos;
}

double parseNumber(std::string_view number) {
    const std::string copy(number);
    const double value = std::strtod(copy.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

}  // namespace

double NumberText::leading(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start])) {
        ++start;
    }
    const std::string_view rest = text.substr(start);
    const std::size_t length = numberLength(rest);
    return length == 0 ? 0.0 : parseNumber(rest.substr(0, length));
}

std::optional<double> NumberText::strict(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start])) {
        ++start;
    }
    std::size_t end = text.size();
    while (end > start && isBlank(text[end - 1])) {
        --end;
    }
    const std::string_view core = text.substr(start, end - start);
    const std::size_t length = numberLength(core);
    if (length == 0 || length != core.size()) {
        return std::nullopt;
    }
    return parseNumber(core);
}

std::string NumberText::format(double value) {
    if (!std::isfinite(value)) {
        return "0";
    }
    if (value == 0.0) {
        return "0";  // also turns -0 into 0
    }
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    std::string text(buffer, result.ptr);
    if (text.find('.') != std::string::npos) {
        while (!text.empty() && text.back() == '0') {
            text.pop_back();
        }
        if (!text.empty() && text.back() == '.') {
            text.pop_back();
        }
    }
    return text;
}

std::string NumberText::twoDigits(long long value) {
    // Built whole: GCC 12 at -O2 takes an insert at the front for an overlapping copy
    // (-Wrestrict), which breaks the optimised builds that treat warnings as errors.
    if (value >= 0 && value <= 9) {
        return {'0', static_cast<char>('0' + value)};
    }
    return std::to_string(value);
}

}  // namespace corvane

#include "SnapshotFields.h"

#include <gtest/gtest.h>

#include <cctype>

namespace corvane::sim::test {

std::vector<std::string> splitFields(std::string_view line) {
    std::vector<std::string> fields;
    if (line.empty()) {
        return fields;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t colon = line.find(':', start);
        fields.emplace_back(line.substr(start, colon - start));
        if (colon == std::string_view::npos) {
            return fields;
        }
        start = colon + 1;
    }
}

std::vector<std::string> snapshotLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t lf = text.find('\n', start);
        if (lf == std::string::npos) {
            ADD_FAILURE() << "last line has no line end";
            lines.push_back(text.substr(start));
            break;
        }
        EXPECT_TRUE(lf > start && text[lf - 1] == '\r') << "line without CR LF at " << start;
        lines.push_back(text.substr(start, lf - start - 1));
        start = lf + 1;
    }
    return lines;
}

double leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    std::size_t end = i;
    if (end < text.size() && (text[end] == '-' || text[end] == '+')) {
        ++end;
    }
    bool digits = false;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])) != 0) {
        ++end;
        digits = true;
    }
    if (end < text.size() && text[end] == '.') {
        ++end;
        while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])) != 0) {
            ++end;
            digits = true;
        }
    }
    return digits ? std::stod(std::string(text.substr(i, end - i))) : 0.0;
}

}  // namespace corvane::sim::test

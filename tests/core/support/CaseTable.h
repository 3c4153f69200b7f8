#pragma once

// Families of cases live in tab-separated files under tests/data, one case a line.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "CaseName.h"

namespace corvane::test {

/// `text` cut at every `separator`.
inline std::vector<std::string> splitAt(const std::string& text, char separator) {
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (c == separator) {
            parts.emplace_back();
        } else {
            parts.back().push_back(c);
        }
    }
    return parts;
}

/// `items` with `separator` between them (none after an empty first item, as the tables expect).
template <typename Items>
std::string joined(const Items& items, const std::string& separator) {
    std::string text;
    for (const auto& item : items) {
        text += (text.empty() ? "" : separator) + std::string(item);
    }
    return text;
}

/// One case: its name (the first column) and the columns after it.
struct CaseRow {
    std::string name;
    std::vector<std::string> cells;

    /// Column `i` after the name; "" past the end of the row.
    std::string operator[](std::size_t i) const { return i < cells.size() ? cells[i] : ""; }
    /// Column `i` as a whole number.
    int number(std::size_t i) const { return std::stoi((*this)[i]); }
    /// The "key=value" pairs of column `i`, separated by ";".
    std::vector<std::pair<std::string, std::string>> pairs(std::size_t i) const {
        std::vector<std::pair<std::string, std::string>> result;
        for (const std::string& item : splitAt((*this)[i], ';')) {
            const auto eq = item.find('=');
            if (!item.empty()) {
                result.emplace_back(item.substr(0, eq),
                                    eq == std::string::npos ? "" : item.substr(eq + 1));
            }
        }
        return result;
    }
};

inline void PrintTo(const CaseRow& row, std::ostream* out) {
    *out << row.name;
}

/// The cases of tests/data/`relative`: blank lines and lines starting with "#" are skipped, and
/// "\n", "\r" and "\xHH" in a cell
/// stand for line feed, carriage return and the byte HH.
inline std::vector<CaseRow> caseTable(const std::string& relative) {
    std::ifstream in(std::string(CORVANE_TEST_DATA) + "/" + relative);
    std::vector<CaseRow> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::vector<std::string> cells = splitAt(line, '\t');
        for (std::string& cell : cells) {
            for (auto at = cell.find('\\'); at != std::string::npos; at = cell.find('\\', at + 1)) {
                const char escaped = at + 1 < cell.size() ? cell[at + 1] : ' ';
                if (escaped == 'n' || escaped == 'r') {
                    cell.replace(at, 2, escaped == 'n' ? "\n" : "\r");
                } else if (escaped == 'x' && at + 3 < cell.size()) {
                    const auto byte =
                        static_cast<char>(std::stoi(cell.substr(at + 2, 2), nullptr, 16));
                    cell.replace(at, 4, 1, byte);
                }
            }
        }
        rows.push_back({cells[0], {cells.begin() + 1, cells.end()}});
    }
    if (rows.empty()) {
        rows.push_back({"MissingTable", {}});  // fails in the test, not at start-up
    }
    return rows;
}

/// Instantiates the parameterized `suite` as `prefix` on the rows of tests/data/`table`, each test
/// named by its row.
#define CORVANE_CASES(prefix, suite, table)                                          \
    INSTANTIATE_TEST_SUITE_P(prefix, suite,                                          \
                             ::testing::ValuesIn(::corvane::test::caseTable(table)), \
                             ::corvane::test::caseName<::corvane::test::CaseRow>)

/// The functions a table of text cases calls by name: each reads its arguments from the row
/// (column 0 is its name) and gives its result as text, compared with the row's last column.
using TextFunctions = std::map<std::string, std::function<std::string(const CaseRow&)>>;

/// Test `suite` runs `functions` (TextFunctions) on every row of tests/data/`table`: column 0
/// names the function, the last column is the text it must give.
#define CORVANE_TEXT_TABLE(suite, functions, table)                                    \
    class suite : public ::testing::TestWithParam<::corvane::test::CaseRow> {};        \
    TEST_P(suite, GivesTheExpectedText) {                                              \
        EXPECT_EQ((functions).at(GetParam()[0])(GetParam()), GetParam().cells.back()); \
    }                                                                                  \
    CORVANE_CASES(Table, suite, table)

/// `value` as short decimal text ("-0" reads "0").
inline std::string decimal(double value) {
    std::ostringstream out;
    out << value + 0.0;
    return out.str();
}

/// An optional text result: the text, or "(none)".
inline std::string orNone(const std::optional<std::string>& text) {
    return text ? *text : "(none)";
}

}  // namespace corvane::test

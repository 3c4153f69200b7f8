#include "CaseFile.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <stdexcept>

namespace corvane::test {
namespace {

constexpr const char* kHome = "home";
constexpr const char* kExpected = "expected";

// A checkout that turned the line ends into CR LF reads the same: every CR a case means is
// written "\r".
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

// Whether `line` starts with `mark` as a word; `name` is then what follows it, trimmed.
bool headed(const std::string& line, const std::string& mark, std::string& name) {
    if (line.rfind(mark, 0) != 0 || (line.size() > mark.size() && line[mark.size()] != ' ')) {
        return false;
    }
    const auto first = line.find_first_not_of(' ', mark.size());
    name = first == std::string::npos ? ""
                                      : line.substr(first, line.find_last_not_of(' ') + 1 - first);
    return true;
}

bool isHex(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

class Reader {
public:
    explicit Reader(std::string fileName) : fileName_(std::move(fileName)) {}

    std::vector<CaseSection> read(const std::vector<std::string>& lines) {
        for (index_ = 0; index_ < lines.size(); ++index_) {
            take(lines[index_]);
        }
        for (const CaseSection& section : sections_) {
            if (section.name != kHome && section.script.empty()) {
                fail(section.line, "the case " + section.name + " has no script");
            }
        }
        if (std::none_of(sections_.begin(), sections_.end(),
                         [](const CaseSection& s) { return s.name != kHome; })) {
            fail(1, "no case");
        }
        return std::move(sections_);
    }

private:
    [[noreturn]] void fail(std::size_t line, const std::string& what) const {
        throw std::runtime_error(fileName_ + ":" + std::to_string(line) + ": " + what);
    }
    [[noreturn]] void fail(const std::string& what) const { fail(index_ + 1, what); }

    void take(const std::string& line) {
        std::string name;
        if (headed(line, "===", name)) {
            open(name);
        } else if (sections_.empty()) {
            if (!line.empty() && line[0] != '#') {
                fail("a line before the first section");
            }
        } else if (headed(line, "---", name)) {
            part(name);
        } else if (!line.empty()) {
            add(line);
        }
    }

    void open(const std::string& name) {
        if (name.empty()) {
            fail("a section without a name");
        }
        if (!std::all_of(name.begin(), name.end(),
                         [](unsigned char c) { return c < 0x80 && std::isalnum(c) != 0; })) {
            fail("the section name " + name + " is not only letters and digits");
        }
        for (const CaseSection& earlier : sections_) {
            if (earlier.name == name) {
                fail("a second section " + name + " (the first is on line " +
                     std::to_string(earlier.line) + ")");
            }
        }
        CaseSection& section = sections_.emplace_back();
        section.name = name;
        section.line = index_ + 1;
        section.dumpsBegin = section.dumpsEnd = index_ + 1;
        file_.clear();
    }

    void part(const std::string& name) {
        CaseSection& section = sections_.back();
        if (name.empty()) {
            fail("a part without a name");
        }
        if (name == kExpected) {
            if (section.name == kHome) {
                fail("the home holds files only");
            }
            if (section.hasExpected) {
                fail("a second expected part in " + section.name);
            }
            section.hasExpected = true;
            section.dumpsBegin = section.dumpsEnd = index_ + 1;
            file_.clear();
            return;
        }
        if (!section.files.emplace(name, "").second) {
            fail("a second file " + name + " in " + section.name);
        }
        file_ = name;
    }

    void add(const std::string& line) {
        CaseSection& section = sections_.back();
        if (!file_.empty()) {
            if (line[0] != '|') {
                fail("a line of the file " + file_ + " without its \"|\"");
            }
            section.files[file_] += decoded(line.substr(1));
        } else if (section.hasExpected) {
            if (line[0] != '{') {
                fail("a dump of " + section.name + " that is no JSON object");
            }
            section.expected.push_back({index_ + 1, line});
            section.dumpsEnd = index_ + 1;
        } else if (section.name == kHome) {
            fail("the home holds files only");
        } else {
            section.script.push_back({index_ + 1, line});
            section.dumpsBegin = section.dumpsEnd = index_ + 1;
        }
    }

    std::string decoded(const std::string& text) const {
        std::string bytes;
        for (std::size_t at = 0; at < text.size(); ++at) {
            if (text[at] != '\\') {
                bytes += text[at];
            } else if (at + 1 < text.size() && (text[at + 1] == 'r' || text[at + 1] == 'n')) {
                bytes += text[++at] == 'r' ? '\r' : '\n';
            } else if (at + 3 < text.size() && text[at + 1] == 'x' && isHex(text[at + 2]) &&
                       isHex(text[at + 3])) {
                bytes += static_cast<char>(std::stoi(text.substr(at + 2, 2), nullptr, 16));
                at += 3;
            } else {
                fail("an unknown escape in the file " + file_);
            }
        }
        return bytes;
    }

    std::string fileName_;
    std::vector<CaseSection> sections_;
    std::string file_;  // the file part the lines go to, if any
    std::size_t index_ = 0;
};

}  // namespace

std::vector<CaseSection> readCaseFile(const std::string& text, const std::string& fileName) {
    return Reader(fileName).read(linesOf(text));
}

std::string withExpectedDumps(const std::string& text, const std::string& fileName,
                              const std::string& caseName, const std::vector<std::string>& dumps) {
    const std::vector<std::string> lines = linesOf(text);
    const std::vector<CaseSection> sections = Reader(fileName).read(lines);
    const auto found = std::find_if(sections.begin(), sections.end(),
                                    [&](const CaseSection& s) { return s.name == caseName; });
    if (found == sections.end() || caseName == kHome) {
        throw std::runtime_error(fileName + ": no case " + caseName);
    }
    std::string written;
    for (std::size_t i = 0; i < found->dumpsBegin; ++i) {
        written += lines[i] + "\n";
    }
    if (!found->hasExpected) {
        written += std::string("--- ") + kExpected + "\n";
    }
    for (const std::string& dump : dumps) {
        written += dump + "\n";
    }
    for (std::size_t i = found->dumpsEnd; i < lines.size(); ++i) {
        written += lines[i] + "\n";
    }
    return written;
}

}  // namespace corvane::test

// Driver sessions, each group's in tests/data/script/<group>/cases.txt (CaseFile.h reads it,
// docs/testing.md says how a case is added and blessed): the section `home` is the program
// folder, a case's script lines the session, its expected part one line per dump holding the
// part of that dump the case is about. Lines starting "#> " act between the script's lines:
// `put TARGET FILE` copies the case's FILE over the program folder's TARGET, `remove TARGET`
// deletes it, `check TARGET FILE` expects TARGET to hold FILE's bytes (or not to exist when the
// case has no FILE), `whole` compares the case's dumps whole, no member more or less; a FILE
// "../SECTION/NAME" is the file NAME of another section of the group. "@HOME@" stands for the
// program folder's path, in the copied files and in the dumps. Every session runs in a program
// folder whose name is not ASCII: each file it opens must be reached by its whole name, never
// through a narrow code page. Then the case files themselves and the lines.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "CaseFile.h"
#include "ScriptLine.h"
#include "ScriptRunner.h"
#include "platform/NativePath.h"
#include "platform/ProgramFolder.h"
#include "support/CaseName.h"
#include "support/CaseTable.h"
#include "support/TempFolder.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

const fs::path kCases = fs::path(CORVANE_TEST_DATA) / "script";
const std::string kHome = "home";

// The group's case files, each with its name in messages ("clearance/cases.txt").
std::vector<std::pair<fs::path, std::string>> caseFiles() {
    std::vector<std::pair<fs::path, std::string>> files;
    for (const auto& entry : fs::directory_iterator(kCases)) {
        if (const fs::path file = entry.path() / "cases.txt";
            entry.is_directory() && fs::exists(file)) {
            files.emplace_back(file, entry.path().filename().string() + "/cases.txt");
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

struct ScriptCase {
    std::string name;  // "<group>_<case>"
    fs::path file;
    std::string fileName;
    std::shared_ptr<const std::vector<test::CaseSection>> group;
    std::size_t index = 0;

    const test::CaseSection& section() const { return (*group)[index]; }
    const test::CaseSection* sectionNamed(const std::string& wanted) const {
        const auto found =
            std::find_if(group->begin(), group->end(),
                         [&](const test::CaseSection& s) { return s.name == wanted; });
        return found == group->end() ? nullptr : &*found;
    }
};
void PrintTo(const ScriptCase& c, std::ostream* out) {
    *out << c.name;
}

// A malformed case file gives no cases here but its error, for ScriptCaseFiles.AreWellFormed.
std::vector<std::string> malformed;

std::vector<ScriptCase> allCases() {
    std::vector<ScriptCase> cases;
    for (const auto& [file, fileName] : caseFiles()) {
        try {
            const auto group = std::make_shared<const std::vector<test::CaseSection>>(
                test::readCaseFile(test::readFileBytes(file.string()), fileName));
            for (std::size_t i = 0; i < group->size(); ++i) {
                if ((*group)[i].name != kHome) {
                    cases.push_back(
                        {file.parent_path().filename().string() + "_" + (*group)[i].name, file,
                         fileName, group, i});
                }
            }
        } catch (const std::runtime_error& error) {
            malformed.emplace_back(error.what());
        }
    }
    std::sort(cases.begin(), cases.end(),
              [](const ScriptCase& a, const ScriptCase& b) { return a.name < b.name; });
    return cases;
}

TEST(ScriptCaseFiles, AreWellFormed) {
    EXPECT_FALSE(caseFiles().empty());
    EXPECT_EQ(malformed, std::vector<std::string>{});
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// An expected dump names the part of the window its case is about; the rest may change freely.
// Objects are cut member by member, anything else (a list's items, "messages", a closed sheet)
// is taken whole; a key the actual dump lacks stays out of the cut, so the cut differs.
template <class Json>
Json cutTo(const Json& actual, const Json& shape) {
    if (!shape.is_object() || !actual.is_object()) {
        return actual;
    }
    Json cut = Json::object();
    for (const auto& [key, part] : shape.items()) {
        if (const auto found = actual.find(key); found != actual.end()) {
            cut[key] = cutTo(*found, part);
        }
    }
    return cut;
}

// One line for each place the printed dump differs, with both values ("(none)" for a side that
// lacks the place).
std::string differences(const nlohmann::json& expected, const nlohmann::json& printed) {
    std::string text;
    for (const auto& change : nlohmann::json::diff(expected, printed)) {
        const std::string path = change["path"].get<std::string>();
        const nlohmann::json::json_pointer place(path);
        text += "\n  " + (path.empty() ? "the whole dump" : path) + ": expected " +
                (expected.contains(place) ? expected.at(place).dump() : "(none)") + ", printed " +
                (change.contains("value") ? change["value"].dump() : "(none)");
    }
    return text;
}

// Blessing keeps each expected dump's keys, in the driver's order, and writes the dumps that have
// no expected one yet whole (tools/prune-goldens.py then cuts them down).
std::vector<std::string> blessed(const std::vector<std::string>& got,
                                 const std::vector<std::string>& want) {
    std::vector<std::string> dumps;
    for (std::size_t dump = 0; dump < got.size(); ++dump) {
        dumps.push_back(dump < want.size()
                            ? cutTo(nlohmann::ordered_json::parse(got[dump]),
                                    nlohmann::ordered_json::parse(want[dump]))
                                  .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)
                            : got[dump]);
    }
    return dumps;
}

// The file is read again just before it is written: the cases blessed before this one in the
// same run changed it.
void bless(const ScriptCase& c, const std::vector<std::string>& dumps) {
    const std::string text = test::withExpectedDumps(test::readFileBytes(c.file.string()),
                                                     c.fileName, c.section().name, dumps);
    const fs::path fresh = c.file.string() + ".blessed";
    std::ofstream(fresh, std::ios::binary) << text;
    fs::rename(fresh, c.file);
}

class ScriptCaseTest : public ::testing::TestWithParam<ScriptCase> {
protected:
    // The bytes of the case's FILE, or nothing when there is no such file.
    const std::string* fileOf(const std::string& reference) const {
        std::string sectionName = GetParam().section().name;
        std::string name = reference;
        if (reference.rfind("../", 0) == 0) {
            const auto slash = reference.find('/', 3);
            sectionName = reference.substr(3, slash - 3);
            name = slash == std::string::npos ? "" : reference.substr(slash + 1);
        }
        const test::CaseSection* section = GetParam().sectionNamed(sectionName);
        if (section == nullptr) {
            return nullptr;
        }
        const auto found = section->files.find(name);
        return found == section->files.end() ? nullptr : &found->second;
    }
    fs::path at(const std::string& target) const { return nativePath(root) / nativePath(target); }
    void put(const std::string& target, const std::string& bytes) {
        fs::create_directories(at(target).parent_path());
        std::ofstream(at(target), std::ios::binary) << replaced(bytes, "@HOME@", root);
    }
    void step(const std::string& line) {
        std::istringstream words(line);
        std::string verb, target, file;
        words >> verb >> verb >> target >> file;
        const std::string* source = fileOf(file);
        if (verb == "put") {
            ASSERT_NE(source, nullptr) << "the case has no file " << file;
            put(target, *source);
        } else if (verb == "remove") {
            fs::remove_all(at(target));
        } else if (verb == "whole") {
            wholeDumps = true;
        } else if (verb == "check") {
            const auto shown = [](std::string held) {
#ifdef _WIN32
                std::replace(held.begin(), held.end(), '\\',
                             '/');  // the cases write paths with "/"
#endif
                return held;
            };
            std::ifstream held(at(target), std::ios::binary);
            EXPECT_EQ(
                shown(fs::exists(at(target)) ? std::string(std::istreambuf_iterator<char>(held), {})
                                             : "(no file)"),
                shown(source ? *source : "(no file)"))
                << target;
        } else {
            FAIL() << "unknown step " << line;
        }
    }

    test::TempFolder home;
    const std::string root = joinPath(home.path(), "Übung Zürich");
    bool wholeDumps = false;
};

TEST_P(ScriptCaseTest, PrintsItsExpectedDumps) {
    const ScriptCase& param = GetParam();
    const test::CaseSection& session = param.section();
    if (const test::CaseSection* folder = param.sectionNamed(kHome)) {
        for (const auto& [name, bytes] : folder->files) {
            put(name, bytes);
        }
    }
    std::ostringstream out;
    std::ostringstream errors;
    ScriptRunner runner(root, out, errors);
    std::string lines;
    std::size_t firstLine = 0;
    const auto runLines = [&] {
        std::istringstream chunk(lines);
        ASSERT_EQ(runner.run(chunk), ScriptRunner::kOk)
            << "in the lines from " << param.fileName << ":" << firstLine << ": " << errors.str();
        lines.clear();
    };
    for (const test::NumberedLine& line : session.script) {
        if (line.text.rfind("#> ", 0) == 0) {
            runLines();
            if (!HasFatalFailure()) {
                step(line.text);
            }
            if (HasFatalFailure()) {
                return;
            }
            firstLine = 0;
        } else {
            lines += line.text + "\n";
            firstLine = firstLine == 0 ? line.number : firstLine;
        }
    }
    runLines();
    if (HasFatalFailure()) {
        return;
    }
#ifdef _WIN32
    // JSON escapes the native separator; the expected dumps are written with "/".
    const std::string escapedHome = replaced(root, "\\", "\\\\");
    const std::string printed = replaced(replaced(out.str(), escapedHome, "@HOME@"), "\\\\", "/");
#else
    const std::string printed = replaced(out.str(), root, "@HOME@");
#endif
    std::vector<std::string> got = test::splitAt(printed, '\n');
    got.erase(std::remove(got.begin(), got.end(), ""), got.end());
    std::vector<std::string> want;
    for (const test::NumberedLine& dump : session.expected) {
        want.push_back(dump.text);
    }
    if (std::getenv("CORVANE_BLESS") != nullptr) {
        want = blessed(got, wholeDumps ? std::vector<std::string>{} : want);
        bless(param, want);
    }
    for (std::size_t dump = 0; dump < want.size(); ++dump) {
        const std::string where =
            dump < session.expected.size()
                ? param.fileName + ":" + std::to_string(session.expected[dump].number) + ": "
                : "";
        ASSERT_LT(dump, got.size()) << where << "dump " << dump + 1 << " is missing";
        const auto expected = nlohmann::json::parse(want[dump]);
        const auto whole = nlohmann::json::parse(got[dump]);
        const std::string differing =
            differences(expected, wholeDumps ? whole : cutTo(whole, expected));
        EXPECT_TRUE(differing.empty()) << where << "dump " << dump + 1 << " differs:" << differing;
    }
    EXPECT_EQ(got.size(), want.size()) << "the script prints another number of dumps";
}

INSTANTIATE_TEST_SUITE_P(Sessions, ScriptCaseTest, ::testing::ValuesIn(allCases()),
                         test::caseName<ScriptCase>);

class BadLineTest : public ::testing::TestWithParam<test::CaseRow> {};

// tests/data/script/bad-lines.tsv; columns: exit status, script, the error.
TEST_P(BadLineTest, StopsTheScriptThere) {
    test::TempFolder home;
    home.write("DATA/.keep", "");
    std::ostringstream out;
    std::ostringstream errors;
    std::istringstream script(GetParam()[1]);
    EXPECT_EQ(ScriptRunner(home.path(), out, errors).run(script), GetParam().number(0));
    EXPECT_EQ(errors.str(), GetParam()[2] + "\n");
    EXPECT_EQ(out.str(), "");
}

CORVANE_CASES(Scripts, BadLineTest, "script/bad-lines.tsv");

// tests/data/script/lines.tsv; columns: the line, its command and arguments ("|" between).
class ScriptLineTest : public ::testing::TestWithParam<test::CaseRow> {};

TEST_P(ScriptLineTest, ParsesTheLine) {
    const auto line = ScriptLine::parse(GetParam()[0]);
    std::string read = line ? line->command : "(none)";
    for (const std::string& argument : line ? line->arguments : std::vector<std::string>{}) {
        read += "|" + argument;
    }
    EXPECT_EQ(read, GetParam()[1]);
}

CORVANE_CASES(Lines, ScriptLineTest, "script/lines.tsv");

}  // namespace
}  // namespace corvane

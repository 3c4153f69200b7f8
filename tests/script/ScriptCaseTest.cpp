// Driver sessions kept as folders under tests/data/script/<group>/<case>: the group's `home`
// is the program folder, `script.txt` the session, `expected.jsonl` one line per dump holding
// the part of that dump the case is about (docs/testing.md says how a case is added and blessed).
// Lines starting "#> " act between the script's lines: `put TARGET FILE` copies the case's FILE
// over the program folder's TARGET, `remove TARGET` deletes it, `check TARGET FILE` expects
// TARGET to hold FILE's bytes (or not to exist when the case has no FILE), `whole` compares the
// case's dumps whole, no member more or less. "@HOME@" stands for the program folder's path, in
// the copied files and in the dumps. Then the lines themselves, and a session in a program
// folder whose name is not ASCII.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "ScriptLine.h"
#include "ScriptRunner.h"
#include "platform/LocalFileSystem.h"
#include "platform/NativePath.h"
#include "platform/ProgramFolder.h"
#include "support/CaseName.h"
#include "support/CaseTable.h"
#include "support/TempFolder.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

const fs::path kCases = fs::path(CORVANE_TEST_DATA) / "script";

struct ScriptCase {
    std::string name;
    fs::path folder;
};
void PrintTo(const ScriptCase& c, std::ostream* out) {
    *out << c.name;
}

std::vector<ScriptCase> allCases() {
    std::vector<ScriptCase> cases;
    for (const auto& entry : fs::recursive_directory_iterator(kCases)) {
        if (const fs::path folder = entry.path().parent_path();
            entry.path().filename() == "script.txt") {
            cases.push_back(
                {folder.parent_path().filename().string() + "_" + folder.filename().string(),
                 folder});
        }
    }
    std::sort(cases.begin(), cases.end(),
              [](const ScriptCase& a, const ScriptCase& b) { return a.name < b.name; });
    return cases;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
        text.replace(at, from.size(), to);
    }
    return text;
}

std::vector<std::string> jsonLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
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

class ScriptCaseTest : public ::testing::TestWithParam<ScriptCase> {
protected:
    void put(const fs::path& from, const std::string& target) {
        if (!fs::is_directory(from)) {
            home.write(target, replaced(test::readFileBytes(from.string()), "@HOME@", home.path()));
            return;
        }
        for (const auto& entry : fs::recursive_directory_iterator(from)) {
            if (entry.is_regular_file()) {
                put(entry.path(), (fs::path(target) / fs::relative(entry.path(), from)).string());
            }
        }
    }
    void step(const std::string& line) {
        std::istringstream words(line);
        std::string verb, target, file;
        words >> verb >> verb >> target >> file;
        const fs::path source = GetParam().folder / file;
        if (verb == "put") {
            put(source, target);
        } else if (verb == "remove") {
            fs::remove_all(home.file(target));
        } else if (verb == "whole") {
            wholeDumps = true;
        } else if (verb == "check") {
            const auto bytes = [](const std::string& path) {
                std::string held = fs::exists(path) ? test::readFileBytes(path) : "(no file)";
#ifdef _WIN32
                std::replace(held.begin(), held.end(), '\\',
                             '/');  // the cases write paths with "/"
#endif
                return held;
            };
            EXPECT_EQ(bytes(home.file(target)), bytes(source.string())) << target;
        } else {
            FAIL() << "unknown step " << line;
        }
    }

    test::TempFolder home;
    bool wholeDumps = false;
};

TEST_P(ScriptCaseTest, PrintsItsExpectedDumps) {
    const fs::path& folder = GetParam().folder;
    put(folder.parent_path() / "home", "");
    std::ostringstream out;
    std::ostringstream errors;
    ScriptRunner runner(home.path(), out, errors);
    std::istringstream script(test::readFileBytes((folder / "script.txt").string()));
    std::string lines;
    for (std::string line; std::getline(script, line) || !lines.empty();) {
        if (!script || line.rfind("#> ", 0) == 0) {
            std::istringstream chunk(lines);
            ASSERT_EQ(runner.run(chunk), ScriptRunner::kOk) << errors.str();
            lines.clear();
            if (script) {
                step(line);
            }
        } else {
            lines += line + "\n";
        }
    }
#ifdef _WIN32
    // JSON escapes the native separator; the expected files are written with "/".
    const std::string escapedHome = replaced(home.path(), "\\", "\\\\");
    const std::string printed = replaced(replaced(out.str(), escapedHome, "@HOME@"), "\\\\", "/");
#else
    const std::string printed = replaced(out.str(), home.path(), "@HOME@");
#endif
    const fs::path expectedFile = folder / "expected.jsonl";
    const std::vector<std::string> got = jsonLines(printed);
    std::vector<std::string> want = fs::exists(expectedFile)
                                        ? jsonLines(test::readFileBytes(expectedFile.string()))
                                        : std::vector<std::string>{};
    if (std::getenv("CORVANE_BLESS") != nullptr) {
        want = blessed(got, wholeDumps ? std::vector<std::string>{} : want);
        std::ofstream file(expectedFile, std::ios::binary);
        for (const std::string& dump : want) {
            file << dump << "\n";
        }
    }
    for (std::size_t dump = 0; dump < want.size(); ++dump) {
        ASSERT_LT(dump, got.size()) << "dump " << dump + 1 << " is missing";
        const auto expected = nlohmann::json::parse(want[dump]);
        const auto whole = nlohmann::json::parse(got[dump]);
        const auto differences =
            nlohmann::json::diff(expected, wholeDumps ? whole : cutTo(whole, expected));
        EXPECT_TRUE(differences.empty())
            << "dump " << dump + 1 << ", from expected to printed: " << differences.dump();
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

// A program folder whose name is not ASCII, its settings written with the system's own
// separators (on Windows C:\Users\...\Übung Zürich\DATA\...): every file the session opens
// must be reached by its whole name, never through a narrow code page.
TEST(NonAsciiProgramFolder, ConnectsAndGivesAClearance) {
    test::TempFolder place;
    const std::string root = joinPath(place.path(), "Übung Zürich");
    std::filesystem::copy(nativePath(std::string(CORVANE_TEST_DATA) + "/script/clearance/home"),
                          nativePath(root), std::filesystem::copy_options::recursive);
    LocalFileSystem files;
    const ProgramFolder folder(root, files);
    ASSERT_EQ(files.replaceFile(folder.dataFile(ProgramFolder::kSnapshotSettings),
                                {joinPath(joinPath(root, "radar"), "recent.dat")}),
              FileStatus::Ok);
    ASSERT_EQ(files.replaceFile(folder.dataFile(ProgramFolder::kProcedureSettings),
                                {joinPath(root, "SIDSTARS")}),
              FileStatus::Ok);

    std::istringstream script(
        "clock 14:45\nstart\ntype TxtOperatorName JANE DOE\nclick CmdExecute\n"
        "click Command3(1)\npick LstDeparture ABC12\npick CmbTORwy 25L\nselect CmbSid 1\n"
        "type TxtInClimb 120\nclick cmdSidGen\ndump\n");
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(ScriptRunner(root, out, err).run(script), 0) << err.str();
    const auto dump = nlohmann::json::parse(out.str());
    EXPECT_EQ(dump["messages"], nlohmann::json::array());
    EXPECT_EQ(dump["text"]["LblIfrSid"],
              "SOME AIR 12 CLEAR TO DEST LIRF AS FLIGHT PLANNED ROUTE VIA ABC1A STANDARD "
              "DEPARTURE CLIMB AND MANTAIN FL 120 INITIALLY SQUAWK 2302");
    FileStatus status{};
    const auto log = files.openOwnLines(folder.dataFile(ProgramFolder::kDepartureLog), status);
    ASSERT_NE(log, nullptr) << describeFileStatus(status);
    std::string_view record;
    ASSERT_TRUE(log->next(record));
    EXPECT_TRUE(record.starts_with("ABC12")) << record;
}

}  // namespace
}  // namespace corvane

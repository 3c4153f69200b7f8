#pragma once

// The driver sessions of a group live in one text file, tests/data/script/<group>/cases.txt: a
// folder of small files a case cost a disk block each. "=== NAME" opens a section, the group's
// program folder (`home`, files only) or a case, whose script lines come first; "--- expected"
// heads its expected dumps, one JSON object a line, and "--- NAME" one of its files, whose bytes
// are the text of the lines starting "|" one after the other, "\r", "\n" and "\xHH" standing for
// carriage return, line feed and the byte HH. Blank lines, and lines starting "#" before the
// first section, are left out.

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace corvane::test {

/// A line of a case file with its number (from 1), for messages that point at it.
struct NumberedLine {
    std::size_t number = 0;
    std::string text;
};

/// One section of a case file.
struct CaseSection {
    std::string name;
    std::size_t line = 0;  ///< of its "===" line
    std::vector<NumberedLine> script;
    std::vector<NumberedLine> expected;
    std::map<std::string, std::string> files;  ///< name to bytes
    /// Blessing replaces the file's lines [dumpsBegin, dumpsEnd), counted from 0, by the dumps; a
    /// case without an expected part gets one at dumpsBegin, after its script.
    bool hasExpected = false;
    std::size_t dumpsBegin = 0;
    std::size_t dumpsEnd = 0;
};

/// The sections of `text`, the case file called `fileName` in messages. A malformed file throws
/// std::runtime_error "FILE:LINE: what is wrong" rather than losing a case: a line before the
/// first section, a section or a part without a name or with the name of an earlier one, a case
/// without script lines, a dump that is no JSON object, a file line without its "|" or with an
/// unknown escape, a home holding more than files.
std::vector<CaseSection> readCaseFile(const std::string& text, const std::string& fileName);

/// `text` with the expected dumps of its case `caseName` replaced by `dumps`; throws as
/// readCaseFile does, and when no case has that name.
std::string withExpectedDumps(const std::string& text, const std::string& fileName,
                              const std::string& caseName, const std::vector<std::string>& dumps);

}  // namespace corvane::test

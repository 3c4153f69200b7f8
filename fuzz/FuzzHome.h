#pragma once

#include <string>

#include "support/MemoryFileSystem.h"

namespace corvane::fuzz {

/// A program folder in memory with a complete, valid set of files (settings, snapshot, squawk
/// table, airline table, procedure file), into which one file at a time is replaced by the
/// fuzzer's input.
class FuzzHome {
public:
    /// The shared home of this process.
    static FuzzHome& instance();

    /// The program folder.
    const std::string& path() const { return path_; }
    /// Restores every file to its valid form, then writes `bytes` to `relative` (if not empty).
    void prepare(const std::string& relative, const std::string& bytes);
    /// Runs `script` line by line through the headless driver, going on after a bad line so
    /// that every step gets its chance with the fuzzed file.
    void runEachLine(const std::string& script);

private:
    FuzzHome();

    test::MemoryFileSystem files_;
    std::string path_;
    std::string snapshot_;
    std::string procedures_;
    std::string squawks_;
    std::string airlines_;
};

/// A controller's whole session: connect, both panels, selections, clearances, read-backs,
/// the sheet, removals and the reset.
extern const char* const kSessionScript;

}  // namespace corvane::fuzz

#pragma once

#include <stdexcept>
#include <string>

#include "CaseFile.h"
#include "support/TempFolder.h"

namespace corvane::test {

/// The bytes of the file `name` of the program folder shared by the driver cases of `group`
/// (the section "home" of tests/data/script/<group>/cases.txt).
inline std::string caseHomeFile(const std::string& group, const std::string& name) {
    const std::string path = std::string(CORVANE_TEST_DATA) + "/script/" + group + "/cases.txt";
    for (const CaseSection& section : readCaseFile(readFileBytes(path), path)) {
        if (section.name == "home" && section.files.count(name) > 0) {
            return section.files.at(name);
        }
    }
    throw std::runtime_error(path + ": no home file " + name);
}

}  // namespace corvane::test

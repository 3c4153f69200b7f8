#pragma once

#include <initializer_list>
#include <string>

#include "support/AppFixture.h"
#include "support/CaseName.h"
#include "support/CaseTable.h"
#include "support/SnapshotLines.h"

namespace corvane::test {

/// A started window whose snapshot is a file the test writes, and the data of this area.
class TrafficFixture : public AppFixture {
protected:
    TrafficFixture() { start(); }

    /// Writes the snapshot (CR LF lines) and points SnapshotPath at it.
    void snapshot(std::initializer_list<std::string> lines) {
        std::string bytes;
        for (const std::string& line : lines) {
            bytes += line + "\r\n";
        }
        home.write("radar/recent.dat", bytes);
        state().SnapshotPath = home.file("radar/recent.dat");
    }
    /// Copies a file of tests/data/traffic into the program folder at `relative`.
    void copyData(const std::string& name, const std::string& relative) {
        home.write(relative,
                   test::readFileBytes(std::string(CORVANE_TEST_DATA) + "/traffic/" + name));
    }
    /// The airline table of the tests in the DATA folder.
    void airlineTable() { copyData("airlines.dat", "DATA/airlines.dat"); }
};

}  // namespace corvane::test

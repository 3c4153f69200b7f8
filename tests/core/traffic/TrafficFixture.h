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
    /// Copies the file at `relative` of the driver's traffic cases' program folder.
    void copyData(const std::string& relative) {
        home.write(relative, test::readFileBytes(std::string(CORVANE_TEST_DATA) +
                                                 "/script/traffic/home/" + relative));
    }
    /// The airline table of the tests in the DATA folder.
    void airlineTable() { copyData("DATA/airlines.dat"); }
};

}  // namespace corvane::test

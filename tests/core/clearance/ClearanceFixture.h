#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/AppFixture.h"
#include "support/SnapshotLines.h"

namespace corvane::test {

/// A started window whose station is the test airport EDDT: its procedure file in the
/// procedures folder, a squawk range, and a snapshot the test fills with aircraft lines.
class ClearanceFixture : public AppFixture {
protected:
    ClearanceFixture() {
        start();
        home.write("SIDSTARS/EDDT.txt", testData("../script/clearance/home/SIDSTARS/EDDT.txt"));
        home.write("SIDSTARS/EDDN.txt", testData("EDDN.txt"));
        state().ProcFolder = home.file("SIDSTARS");
        state().AirportCode = "EDDT";
        state().SnapshotPath = home.file("recent.dat");
        home.write("recent.dat", "");
        window().Lblr1_1.text = "2301";
        window().Lblr2_1.text = "2377";
        window().LblSquawk.text = "2301";
    }

    /// The bytes of a file of the clearance test data.
    static std::string testData(const std::string& name) {
        return test::readFileBytes(std::string(CORVANE_TEST_DATA) + "/clearance/" + name);
    }

    /// A pilot line of the snapshot: departing `from`, arriving `to`, squawking `squawk`.
    static std::string pilotLine(const std::string& callsign, const std::string& from,
                                 const std::string& to, const std::string& squawk) {
        return test::PilotLine(callsign)
            .set(snapshot::DepAirport, from)
            .set(snapshot::DestAirport, to)
            .set(snapshot::Squawk, squawk)
            .text();
    }

    /// Writes the snapshot from `lines`, CR LF ended.
    void writeSnapshot(const std::vector<std::string>& lines) {
        std::string bytes;
        for (const auto& line : lines) {
            bytes += line + "\r\n";
        }
        home.write("recent.dat", bytes);
    }

    /// Makes the departure panel ready for a clearance of `callsign` without a connect: the
    /// aircraft in LstDeparture and selected, runway, SID, climb, airline and destination.
    void prepareDeparture(const std::string& callsign, const std::string& airline = "Some Air") {
        MainWindowModel& w = window();
        w.LstDeparture.add(callsign);
        w.LstDeparture.selected = static_cast<int>(w.LstDeparture.items.size()) - 1;
        state().SelectedDepartureCallsign = callsign;
        w.CmbTORwy.items = {"25L", "25R", "07"};
        w.CmbTORwy.select(0);
        w.CmbSid.items = {"ABCDE1", "ABC1A ", "ABCDEF"};
        w.CmbSid.select(1);
        w.TxtInClimb.text = "120";
        w.lblCompanyDep.text = airline;
        w.Label1_13.text = "LIRF";
        state().DeparturePlan = analysedPlan(callsign, "LIRF");
    }

    /// The plan an analysis of `callsign`'s line to `destination` under IFR leaves.
    static AnalysedPlan analysedPlan(const std::string& callsign, const std::string& destination) {
        AnalysedPlan plan;
        plan.Callsign = callsign;
        plan.Record.Destination = destination;
        plan.Record.FlightRules = "I";
        return plan;
    }

    /// The same for the arrival panel.
    void prepareArrival(const std::string& callsign, const std::string& airline = "Some Air") {
        MainWindowModel& w = window();
        w.LstArrival.add(callsign);
        w.LstArrival.selected = static_cast<int>(w.LstArrival.items.size()) - 1;
        state().SelectedArrivalCallsign = callsign;
        w.cmbLandRwy.items = {"25L", "25R", "07"};
        w.cmbLandRwy.select(1);
        w.cmbStar.items = {"XYZ1A ", "QRS2B "};
        w.cmbStar.select(0);
        w.txtDescend.text = "70";
        w.lblCompanyArr.text = airline;
        w.lblExpStar.text = "XYZ";
        w.lblSqAss.text = "4521";
        state().ArrivalPlan = analysedPlan(callsign, "EDDT");
    }
};

}  // namespace corvane::test

#pragma once

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
        writeSnapshot({});
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

    /// Makes the departure (or arrival) panel ready for a clearance of `callsign` without a
    /// connect: the aircraft listed and selected, runway, procedure, level, airline, and the
    /// destination LIRF (or the expected STAR and code) and plan an analysis under IFR leaves.
    void preparePanel(bool arrival, const std::string& callsign,
                      const std::string& airline = "Some Air") {
        MainWindowModel& w = window();
        ListBox& list = arrival ? w.LstArrival : w.LstDeparture;
        list.add(callsign);
        list.selected = static_cast<int>(list.items.size()) - 1;
        (arrival ? state().SelectedArrivalCallsign : state().SelectedDepartureCallsign) = callsign;
        (arrival ? w.cmbLandRwy : w.CmbTORwy).items = {"25L", "25R", "07"};
        (arrival ? w.cmbLandRwy : w.CmbTORwy).select(arrival ? 1 : 0);
        ComboBox& procedure = arrival ? w.cmbStar : w.CmbSid;
        procedure.items = arrival ? std::vector<std::string>{"XYZ1A ", "QRS2B "}
                                  : std::vector<std::string>{"ABCDE1", "ABC1A ", "ABCDEF"};
        procedure.select(arrival ? 0 : 1);
        (arrival ? w.txtDescend : w.TxtInClimb).text = arrival ? "70" : "120";
        (arrival ? w.lblCompanyArr : w.lblCompanyDep).text = airline;
        (arrival ? w.lblExpStar : w.Label1_13).text = arrival ? "XYZ" : "LIRF";
        if (arrival) {
            w.lblSqAss.text = "4521";
        }
        AnalysedPlan plan;
        plan.Callsign = callsign;
        plan.Record.Destination = arrival ? "EDDT" : "LIRF";
        plan.Record.FlightRules = "I";
        (arrival ? state().ArrivalPlan : state().DeparturePlan) = plan;
    }
};

}  // namespace corvane::test

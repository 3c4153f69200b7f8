#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/AppFixture.h"

namespace corvane::test {

/// A started window whose station is the test airport EDDT: its procedure file in the
/// procedures folder, a squawk range, and a snapshot the test fills with aircraft lines.
class ClearanceFixture : public AppFixture {
protected:
    ClearanceFixture() {
        start();
        home.write("SIDSTARS/EDDT.txt", testData("EDDT.txt"));
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
                                 const std::string& to, const std::string& squawk,
                                 const std::string& rules = "I") {
        std::vector<std::string> fields(47);
        fields[0] = callsign;
        fields[1] = "123456";
        fields[2] = "Test Pilot";
        fields[3] = "PILOT";
        fields[7] = "50.0";
        fields[8] = "8.5";
        fields[10] = "ZZZZ";
        fields[11] = "0";
        fields[12] = "0";
        fields[14] = "A320";
        fields[15] = "M-SDE2E3FGHIJ1RWY/LB1";
        fields[16] = from;
        fields[19] = "50.0";
        fields[20] = "8.5";
        fields[21] = to;
        fields[24] = "41.8";
        fields[25] = "12.2";
        fields[28] = "F360";
        fields[29] = "N0450";
        fields[30] = rules;
        fields[31] = "930";
        fields[32] = "150";
        fields[33] = "330";
        fields[34] = "ANEKI1L ANEKI Y163";
        fields[36] = squawk;
        std::string line;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            line += (i == 0 ? "" : ":") + fields[i];
        }
        return line;
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

    /// Texts of the messages shown so far.
    std::vector<std::string> messages() const { return platform.messageTexts(); }
};

}  // namespace corvane::test

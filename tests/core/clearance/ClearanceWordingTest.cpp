#include "clearance/ClearanceWording.h"

#include <string>

#include "clearance/ClearanceLog.h"
#include "support/CaseTable.h"

namespace corvane {
namespace {

using test::CaseRow;
using W = ClearanceWording;

const test::TextFunctions kWording = {
    {"levelPhrase", [](const CaseRow& c) { return W::levelPhrase(c[1]); }},
    {"paddedCallsign", [](const CaseRow& c) { return W::paddedCallsign(c[1]); }},
    {"spoken",
     [](const CaseRow& c) {
         const auto length = W::callsignNumberLength(c[1]);
         return std::to_string(length) + " " + W::spokenNumber(c[1], length);
     }},
    {"spokenNumber",
     [](const CaseRow& c) {
         return W::spokenNumber(c[1], static_cast<std::int16_t>(std::stoi(c[2])));
     }},
    {"airlineName", [](const CaseRow& c) { return W::airlineName(c[1]); }},
    {"assignedEntry", [](const CaseRow& c) { return W::assignedEntry(c[1], c[2]); }},
    {"record", [](const CaseRow& c) { return ClearanceLog::record(c[1], c[2], c[3]); }},
    {"parse",
     [](const CaseRow& c) {
         const auto side = c[1] == "Arrival" ? ClearanceSide::Arrival : ClearanceSide::Departure;
         const auto entry = ClearanceLog::parse(c[2], c[3], side);
         return entry ? entry->clearance + "|" + entry->procedure : "(none)";
     }},
};

CORVANE_TEXT_TABLE(Wording, kWording, "clearance/wording.tsv");

}  // namespace
}  // namespace corvane

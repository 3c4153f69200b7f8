#include "traffic/SharedPlanFields.h"

#include <string>

#include "app/AppContext.h"
#include "common/NumberText.h"
#include "common/TextColumns.h"
#include "station/SnapshotField.h"
#include "station/SnapshotLine.h"
#include "traffic/FlightPlanDecoding.h"

namespace corvane {

namespace {

void setTime(std::string& target, std::string_view field) {
    if (auto time = FlightPlanDecoding::time(field)) {
        target = *time;
    }
}

}  // namespace

void SharedPlanFields::apply(AppContext& context, std::size_t index, const SnapshotLine& line) {
    FlightPlanRecord& plan = context.state.FlightPlan;
    MainWindowModel& w = context.window;
    const std::string field(line.field(index));
    switch (index) {
        case snapshot::RealName:
            plan.PilotInCommand = field;
            break;
        case snapshot::AcType:
            plan.AircraftType = field;
            break;
        case snapshot::Equipment:
            // The first 9 characters are the radar client's own prefix; a shorter field has no
            // equipment part at all.
            plan.Equipment = std::string(TextColumns::from(field, 10));
            break;
        case snapshot::DepAirport:
            w.Label1_11.text = field;
            plan.depAerodromeLinked = true;
            break;
        case snapshot::DestAirport:
            w.Label1_13.text = field;
            plan.Destination = field;
            break;
        case snapshot::AltnAirport:
            plan.Alternate = field;
            break;
        case snapshot::Altn2Airport:
            plan.Alternate2 = field;
            break;
        case snapshot::CruiseLevel:
            w.LblFiledAlt.text = FlightPlanDecoding::cruisingLevel(field);
            plan.levelLinked = true;
            break;
        case snapshot::DepTime:
            setTime(plan.DepTime, field);
            break;
        case snapshot::Eet:
            setTime(plan.TotalEet, field);
            break;
        case snapshot::Endurance:
            setTime(plan.Endurance, field);
            break;
        case snapshot::Remarks:
            plan.OtherInfo = field;
            break;
        case snapshot::PersonsOnBoard:
            plan.PersonsOnBoard = field;
            break;
        case snapshot::FlightType:
            plan.FlightType = field;
            break;
        default:
            break;
    }
}

void SharedPlanFields::applyCruiseSpeed(AppContext& context, std::string_view field) {
    context.window.LblFiledTas.text = FlightPlanDecoding::cruisingSpeed(field);
    context.state.FlightPlan.cruiseSpeedLinked = true;
}

bool SharedPlanFields::applyFlightRules(AppContext& context, std::string_view field) {
    context.state.FlightPlan.FlightRules = std::string(field);
    return field == "V";
}

bool SharedPlanFields::applyRoute(AppContext& context, std::string_view field) {
    if (TextColumns::length(field) == 3) {
        return false;
    }
    context.state.FlightPlan.Route = std::string(field);
    return true;
}

double SharedPlanFields::labelNumber(const Label& label) {
    return NumberText::leading(label.text);
}

}  // namespace corvane

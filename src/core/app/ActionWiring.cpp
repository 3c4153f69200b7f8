#include "app/ActionWiring.h"

#include <utility>

#include "app/PanelNavigation.h"
#include "clearance/ArrivalClearance.h"
#include "clearance/AssignedLists.h"
#include "clearance/DepartureClearance.h"
#include "clearance/RunwaySelection.h"
#include "flightplan/FlightPlanSheet.h"
#include "reference/RulesOfThumb.h"
#include "station/ConnectOperation.h"
#include "traffic/TrafficRefresh.h"
#include "traffic/TrafficSelection.h"
#include "window/ActionRegistry.h"
#include "window/AppContext.h"
#include "window/TrafficPanelPresenter.h"

namespace corvane {

namespace {

void installStationActions(ActionRegistry& registry, AppContext& context) {
    registry.onClick("CmdExecute", [&context] { ConnectOperation::connect(context); });
    const std::pair<Button TopStrip::*, void (*)(AppContext&)> topStrip[] = {
        {&TopStrip::openAtis, &PanelNavigation::openAtisPanel},
        {&TopStrip::openDeparture, &PanelNavigation::openDeparturePanel},
        {&TopStrip::openArrival, &PanelNavigation::openArrivalPanel},
        {&TopStrip::chooseProcedureFolder, &PanelNavigation::chooseProcedureFolder},
        {&TopStrip::chooseDataFolder, &PanelNavigation::chooseDataFolder},
        {&TopStrip::reset, &PanelNavigation::resetConnection},
        {&TopStrip::exit, &PanelNavigation::exit},
        {&TopStrip::collapse, &PanelNavigation::collapse}};
    for (const auto& [button, action] : topStrip) {
        registry.onClick((context.window.topStrip.*button).name,
                         [&context, action = action] { action(context); });
    }
    registry.onClick("lblQNH", [&context] { TrafficRefresh::qnhSeen(context.window); });
    registry.onClick("lblPollici", [&context] { TrafficRefresh::qnhSeen(context.window); });
}

void installTrafficActions(ActionRegistry& registry, AppContext& context) {
    registry.onSelect("LstDeparture", [&context](int) {
        TrafficSelection::clicked(context, TrafficSide::Departure);
    });
    registry.onSelect("LstArrival", [&context](int) {
        TrafficSelection::clicked(context, TrafficSide::Arrival);
    });
}

void installClearanceActions(ActionRegistry& registry, AppContext& context) {
    registry.onSelect("CmbTORwy",
                      [&context](int) { RunwaySelection::takeOffRunwaySelected(context); });
    registry.onSelect("cmbLandRwy",
                      [&context](int) { RunwaySelection::landingRunwaySelected(context); });
    registry.onSelect("List3",
                      [&context](int) { RunwaySelection::approachNameClicked(context.window); });
    registry.onSelect(
        "List4", [&context](int) { RunwaySelection::approachDescriptionClicked(context.window); });
    registry.onClick("cmdSidGen", [&context] { DepartureClearance::generate(context); });
    registry.onClick("cmdStarGen", [&context] { ArrivalClearance::generate(context); });
    registry.onSelect("List1",
                      [&context](int) { AssignedLists::clicked(context, TrafficSide::Departure); });
    registry.onSelect("List2",
                      [&context](int) { AssignedLists::clicked(context, TrafficSide::Arrival); });
    registry.onClick("cmdRemoveDep",
                     [&context] { AssignedLists::remove(context, TrafficSide::Departure); });
    registry.onClick("cmdRemoveArr",
                     [&context] { AssignedLists::remove(context, TrafficSide::Arrival); });
}

void installFlightPlanActions(ActionRegistry& registry, AppContext& context) {
    registry.onClick("cmdFPDep", [&context] {
        FlightPlanSheet::open(context.state, FlightPlanSheet::kDeparture);
    });
    registry.onClick("cmdFPArr", [&context] {
        FlightPlanSheet::open(context.state, FlightPlanSheet::kArrival);
    });
    registry.onSheetClosed([&context] { FlightPlanSheet::close(context.window, context.state); });
}

void installReferenceActions(ActionRegistry& registry, AppContext& context) {
    RulesOfThumb::showTitles(context.window.departure.ruleTitles);
    RulesOfThumb::showTitles(context.window.arrival.ruleTitles);
    registry.onSelect("lstRulTum", [&context](int index) {
        RulesOfThumb::chooseRule(context.state.DepartureRule, index);
        TrafficPanelPresenter::present(TrafficSide::Departure, context.state, context.window);
    });
    registry.onSelect("List5", [&context](int index) {
        RulesOfThumb::chooseRule(context.state.ArrivalRule, index);
        TrafficPanelPresenter::present(TrafficSide::Arrival, context.state, context.window);
    });
}

}  // namespace

void installActions(ActionRegistry& registry, AppContext& context) {
    installStationActions(registry, context);
    installTrafficActions(registry, context);
    installClearanceActions(registry, context);
    installFlightPlanActions(registry, context);
    installReferenceActions(registry, context);
}

}  // namespace corvane

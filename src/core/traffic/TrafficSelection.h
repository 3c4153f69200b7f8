#pragma once

#include <string>
#include <string_view>

namespace corvane {

class AppContext;
struct Label;
struct ParameterAdvice;
struct ScanResult;
enum class TrafficSide;

/// The clicks on the two traffic lists: the only way an aircraft of LstDeparture or
/// LstArrival gets selected and analysed.
namespace TrafficSelection {
/// A click on LstDeparture or LstArrival: clears the side's message and clearance, selects the
/// aircraft, looks up its airline, analyses it and enables its flight plan button.
void clicked(AppContext& context, TrafficSide side);
/// The side's analysis of its selected aircraft, from one read of the snapshot.
ScanResult analyse(AppContext& context, TrafficSide side);
/// Puts a side's parameter message back to how a new selection starts it: blank, steady,
/// yellow, and its field shown whatever the blink left it at.
void clearMessage(ParameterAdvice& message, Label& field);
/// After an analysis that read the snapshot to its end: marks the four lists' entries from what
/// it saw the pilots squawk (SquawkWatch).
void watchSquawks(AppContext& context, const ScanResult& scan);
}  // namespace TrafficSelection

}  // namespace corvane

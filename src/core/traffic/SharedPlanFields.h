#pragma once

#include <cstddef>
#include <string_view>

namespace corvane {

class AppContext;
class SnapshotLine;
struct Label;

/// The field work that the departure and the arrival analysis do alike: the flight plan record,
/// the shared labels of the departure panel (Label1(11), Label1(13), LblFiledAlt, LblFiledTas)
/// and the three link fields.
class SharedPlanFields {
public:
    /// Does the shared work of field `index` of `line`, if that index has any; the indices
    /// where each side does its own work in between (29, 30, 34) are left to that side.
    static void apply(AppContext& context, std::size_t index, const SnapshotLine& line);
    /// The number a label shows, by the leading-number reading (empty or text is 0), as the
    /// phase and message rules read it.
    static double labelNumber(const Label& label);
    /// Index 29: LblFiledTas takes the cruising speed in knots; CruiseSpeed links to it.
    static void applyCruiseSpeed(AppContext& context, std::string_view field);
    /// Index 30: FlightRules takes the field; true when it is "V" (a VFR flight).
    static bool applyFlightRules(AppContext& context, std::string_view field);
    /// Index 34: Route takes the field, unless it is exactly 3 characters long (false then).
    static bool applyRoute(AppContext& context, std::string_view field);
};

}  // namespace corvane

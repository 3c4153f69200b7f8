#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

/// The start a snapshot line must have to be a given client's: its leading fields, each with
/// the ":" that ends it. A line is found by this prefix without splitting it, so a line of
/// "DLH4AB" is never taken for one of "DLH4A".
namespace LineKey {
/// The start of every line whose first fields are `fields`, in order: "DLH4AB:" for a
/// callsign, "EDDF_APP:123456:" for a station's callsign and VID.
std::string of(std::initializer_list<std::string_view> fields);

/// of({callsign}), or nothing when `callsign` holds a ":": no field can, so it names no line.
std::optional<std::string> forCallsign(std::string_view callsign);
}  // namespace LineKey

}  // namespace corvane

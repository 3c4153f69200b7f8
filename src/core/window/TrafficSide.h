#pragma once

namespace corvane {

/// The departure or the arrival side of the traffic monitor.
enum class TrafficSide { Departure, Arrival };

}  // namespace corvane

#pragma once

namespace corvane {

enum class TrafficSide { Departure, Arrival };

}  // namespace corvane

#pragma once

namespace corvane {

/// The two sides of the clearance generator, each with its own panel, assigned list and log.
enum class ClearanceSide { Departure, Arrival };

}  // namespace corvane

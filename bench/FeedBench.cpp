// Benchmarks of corvane-feed's conversion of one feed of 1,000 pilots, with and without placing
// each aircraft and aerodrome in the FIRs and near an aerodrome.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

#include "feed/FeedSnapshot.h"

namespace corvane::bench {
namespace {

const std::string kData = std::string(CORVANE_SOURCE_DIR) + "/data/";

AirportTable shippedAirports() {
    std::ifstream in(kData + "airports.csv");
    return AirportTable::read(in);
}

// Pilots spread evenly over the inhabited latitudes, flying between real aerodromes.
LiveFeed feedOf(std::size_t pilots) {
    const std::vector<std::string> aerodromes = {"EDDF", "LIRF", "LEPA", "EGLL", "KJFK",
                                                 "LFPG", "RJTT", "YSSY", "SBGR", "FAOR"};
    LiveFeed feed;
    feed.updatedAt = "2023-01-04T16:04:30.000Z";
    for (std::size_t i = 0; i < pilots; ++i) {
        FeedPilot pilot;
        pilot.callsign = "BEN" + std::to_string(i);
        pilot.vid = static_cast<long long>(100000 + i);
        pilot.latitude = -50.0 + static_cast<double>(i * 37 % 1200) / 10.0;
        pilot.longitude = -180.0 + static_cast<double>(i * 53 % 3600) / 10.0;
        pilot.altitude = 35000;
        FeedFlightPlan plan;
        plan.aircraftType = "A320";
        plan.departure = aerodromes[i % aerodromes.size()];
        plan.destination = aerodromes[(i + 3) % aerodromes.size()];
        pilot.flightPlan = plan;
        feed.pilots.push_back(pilot);
    }
    return feed;
}

void BM_FeedConversion(benchmark::State& state) {
    static const AirportTable airports = shippedAirports();
    static const PilotPlaces places = [] {
        std::ifstream in(kData + "firs.txt");
        return PilotPlaces(airports, FirTable::read(in));
    }();
    const LiveFeed feed = feedOf(1000);
    const PilotPlaces* used = state.range(0) != 0 ? &places : nullptr;
    for (auto _ : state) {
        benchmark::DoNotOptimize(snapshotFromFeed(feed, airports, used).text.size());
    }
}

void BM_PlacesFromTables(benchmark::State& state) {
    const AirportTable airports = shippedAirports();
    for (auto _ : state) {
        std::ifstream in(kData + "firs.txt");
        const PilotPlaces places(airports, FirTable::read(in));
        benchmark::DoNotOptimize(places.area(50.0, 8.5));
    }
}

BENCHMARK(BM_FeedConversion)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlacesFromTables)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane::bench

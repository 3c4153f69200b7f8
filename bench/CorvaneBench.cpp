// Benchmarks of what a controller waits for: the connect, one click on an aircraft, one
// refresh of follow mode, one clearance, one runway selection, on snapshots of 3 thousand to
// 1 million lines.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "BenchHome.h"

namespace corvane::bench {
namespace {

// Homes are costly to make (a million-line snapshot): one per size, kept for the whole run.
BenchHome& homeFor(std::size_t aircraft, std::size_t extraProcedureLines = 0) {
    static std::map<std::pair<std::size_t, std::size_t>, std::unique_ptr<BenchHome>> homes;
    auto& home = homes[{aircraft, extraProcedureLines}];
    if (!home) {
        home = std::make_unique<BenchHome>(aircraft, extraProcedureLines);
    }
    return *home;
}

void requireConnected(benchmark::State& state, const MainWindowController& app) {
    if (app.window().departure.traffic.items.empty() ||
        app.window().arrival.traffic.items.empty()) {
        state.SkipWithError("the connect listed no traffic");
    }
}

void BM_Connect(benchmark::State& state) {
    BenchHome& home = homeFor(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        auto app = home.connect();
        benchmark::DoNotOptimize(app->window().departure.traffic.items.size());
    }
    auto app = home.connect();
    requireConnected(state, *app);
    state.counters["departures"] =
        static_cast<double>(app->window().departure.traffic.items.size());
}

void BM_DepartureAnalysis(benchmark::State& state) {
    BenchHome& home = homeFor(static_cast<std::size_t>(state.range(0)));
    auto app = home.connect();
    requireConnected(state, *app);
    app->click("Command3(1)");
    for (auto _ : state) {
        app->select("LstDeparture", 0);
    }
}

void BM_ArrivalAnalysis(benchmark::State& state) {
    BenchHome& home = homeFor(static_cast<std::size_t>(state.range(0)));
    auto app = home.connect();
    requireConnected(state, *app);
    app->click("Command3(3)");
    for (auto _ : state) {
        app->select("LstArrival", 0);
    }
}

// One refresh of follow mode with an aircraft selected on each side: the lists, both analyses
// and the station's ATIS from one read of the snapshot.
void BM_Refresh(benchmark::State& state) {
    BenchHome& home = homeFor(static_cast<std::size_t>(state.range(0)));
    auto app = home.connect();
    requireConnected(state, *app);
    app->select("LstDeparture", 0);
    app->select("LstArrival", 0);
    for (auto _ : state) {
        if (app->refresh() != ActionResult::Done) {
            state.SkipWithError("the refresh did not run");
            break;
        }
    }
    state.counters["departures"] =
        static_cast<double>(app->window().departure.traffic.items.size());
}

void BM_DepartureClearance(benchmark::State& state) {
    BenchHome& home = homeFor(static_cast<std::size_t>(state.range(0)));
    std::unique_ptr<MainWindowController> app;
    int messagesAfterConnect = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (!app || app->window().departure.traffic.items.empty() ||
            home.platform.messages > messagesAfterConnect) {
            home.platform.messages = 0;
            app = home.connect();
            messagesAfterConnect = home.platform.messages;
            app->click("Command3(1)");
            app->select("CmbTORwy", 0);
            app->select("CmbSid", 0);
            app->paste("TxtInClimb", "5000");
        }
        // An IFR aircraft: a VFR flight or one without a plan leaves nothing to clear.
        for (int item = 0; item < static_cast<int>(app->window().departure.traffic.items.size());
             ++item) {
            app->select("LstDeparture", item);
            if (app->window().departure.generate.enabled &&
                app->state().DepartureAircraft.record.FlightRules != "V") {
                break;
            }
        }
        state.ResumeTiming();
        app->click("cmdSidGen");
    }
    if (app && app->window().departure.cleared.items.empty()) {
        state.SkipWithError("no departure clearance was given");
    }
}

void BM_RunwaySelections(benchmark::State& state) {
    BenchHome& home = homeFor(3000, static_cast<std::size_t>(state.range(0)));
    auto app = home.connect();
    requireConnected(state, *app);
    app->click("Command3(3)");
    for (auto _ : state) {
        app->select("CmbTORwy", 0);
        app->select("cmbLandRwy", 0);
        state.PauseTiming();
        app->window().departure.procedure.clear();
        app->window().arrival.procedure.clear();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_Connect)->Arg(3000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DepartureAnalysis)
    ->Arg(3000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ArrivalAnalysis)->Arg(3000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Refresh)->Arg(3000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DepartureClearance)->Arg(3000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunwaySelections)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane::bench

BENCHMARK_MAIN();

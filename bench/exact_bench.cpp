// The true-geometry model on its own: per level for each head kind of a level tank, a tilted
// tank with heads, and a 1,000,000-row table of the example tank. bench/fluids_peer.py times
// python-fluids on the same shapes and prints the ratios.
#include <benchmark/benchmark.h>

#include <vector>

#include "exact/exact_volume.h"

namespace {

using namespace quorvel::exact;

// The head kinds in the tank layer's order, drawn as it draws them for a 2000 mm shell with a
// 40 mm flange: total depth 440 (ellipsoidal, frustum, cap, dished), cone height 540, a
// frustum to 800 mm, dished heads with a 2000 mm crown.
HeadProfile headOfKind(int kind) {
    constexpr double R = 1000;
    switch (kind) {
        case 0:
            return ellipsoidalProfile(R, R / 2);  // standard ellipsoidal
        case 1:
            return ellipsoidalProfile(R, 400);
        case 2:
            return conicalProfile(R, 500);
        case 3:
            return frustumProfile(R, 400, 800);
        case 4:
            return sphericalCapProfile(R, 440);
        case 5:
            return torisphericalProfile(R, 2 * R, 0.2 * R);  // standard dished
        case 6:
            return dishedProfileForDepth(R, 2000, 400);
        case 7:
            return ellipsoidalProfile(R, R);  // hemispherical
        default:
            return {};  // flat
    }
}

AxialTank levelTank(int kind) {
    AxialTank t;
    t.A = t.B = 2000;
    t.rimRadius = 1000;
    t.length = 6000 + 2 * 40;
    t.lowHead = t.highHead = headOfKind(kind);
    return t;
}

constexpr int kSteps = 4096;

double total(const AxialParts& p) {
    return p.lowHead + p.shell + p.highHead;
}

// One level of a level tank with two heads of the kind, the tank prepared once.
void ExactLevelPerHeadKind(benchmark::State& state) {
    const PreparedTank tank(levelTank(static_cast<int>(state.range(0))));
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(total(tank.volume(2000.0 * i / kSteps)));
        i = (i + 1) % kSteps;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ExactLevelPerHeadKind)->DenseRange(0, 8);

// The same through axialVolume, which prepares the tank at every level as the tank layer
// calls it today.
void ExactLevelPerHeadKindUnprepared(benchmark::State& state) {
    const AxialTank tank = levelTank(static_cast<int>(state.range(0)));
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(total(axialVolume(tank, 2000.0 * i / kSteps)));
        i = (i + 1) % kSteps;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ExactLevelPerHeadKindUnprepared)->DenseRange(0, 8);

// The tilted tank of tank_bench: 1800 × 2200 mm elliptical section, 10,000 mm shell with a
// 40 mm flange on the standard ellipsoidal low head, a 400 mm cap at the high end, α = 2°,
// β = 3°, gauge 3000 mm from the high end.
void ExactTiltedWithHeads(benchmark::State& state) {
    AxialTank t;
    t.A = 1800;
    t.B = 2200;
    t.rimRadius = 1100;
    t.length = 10000 + 40;
    t.lowHead = ellipsoidalProfile(1100, 550);
    t.highHead = sphericalCapProfile(1100, 400);
    t.alpha = 2 * 3.14159265358979323846 / 180;
    t.beta = 3 * 3.14159265358979323846 / 180;
    t.gauge = 10000 - 3000;
    const PreparedTank tank(t);
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(total(tank.volume(1800.0 * i / kSteps)));
        i = (i + 1) % kSteps;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ExactTiltedWithHeads);

// The example tank (examples/Config.ini: 2600 mm × 8000 mm, standard ellipsoidal heads with
// 40 mm flanges), 1,000,000 levels from 0 to 2600 mm, volumes only.
void ExactMillionRowTable(benchmark::State& state) {
    AxialTank t;
    t.A = t.B = 2600;
    t.rimRadius = 1300;
    t.length = 8000 + 2 * 40;
    t.lowHead = t.highHead = ellipsoidalProfile(1300, 650);
    constexpr int kRows = 1000000;
    std::vector<double> volumes(kRows);
    for (auto _ : state) {
        const PreparedTank tank(t);
        for (int i = 0; i < kRows; ++i) {
            volumes[i] = total(tank.volume(2600.0 * i / (kRows - 1)));
        }
        benchmark::DoNotOptimize(volumes.data());
        benchmark::ClobberMemory();
    }
    state.counters["rows"] = kRows;
}
BENCHMARK(ExactMillionRowTable)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

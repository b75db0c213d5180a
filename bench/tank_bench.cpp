// Throughput of volumeAtLevel per tank shape and of a whole capacity table walk, with the
// heap's peak during the walk.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>
#include <string>

#include "form/memory_form.h"
#include "support/forms.h"
#include "tank/capacity_curve.h"
#include "tank/capacity_table.h"
#include "tank/level_from_volume.h"
#include "tank/tank_reader.h"
#include "tank/volume.h"
#include "text/number_format.h"

// Heap accounting for the walk's peak memory: every allocation of the process passes here.
namespace {
std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

void* allocate(std::size_t size) {
    void* p = std::malloc(size + sizeof(std::max_align_t));
    if (p == nullptr) {
        throw std::bad_alloc();
    }
    *static_cast<std::size_t*>(p) = size;
    const std::size_t now = liveBytes += size;
    std::size_t peak = peakBytes.load();
    while (now > peak && !peakBytes.compare_exchange_weak(peak, now)) {
    }
    return static_cast<char*>(p) + sizeof(std::max_align_t);
}

void release(void* p) noexcept {
    if (p == nullptr) {
        return;
    }
    char* block = static_cast<char*>(p) - sizeof(std::max_align_t);
    liveBytes -= *reinterpret_cast<std::size_t*>(block);
    std::free(block);
}
}  // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void operator delete(void* p) noexcept {
    release(p);
}
void operator delete[](void* p) noexcept {
    release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    release(p);
}

namespace quorvel {
namespace {

using testsupport::startedForm;

TankConfig read(MemoryForm& form) {
    auto config = buildTankConfig(form);
    if (!config) {
        std::abort();
    }
    return *config;
}

using LevelVolume = double (*)(const TankConfig&, double, double, VolumeState&);

// Levels spread over the tank's height; the time is per level. range(0): 0 one level on its
// own per iteration (a quick calculation, the level search's bisection); 1 the guarded
// computation every level once took, for comparison; 2 a run of 64 levels per iteration, as a
// table, a curve or the level search's scan computes them (VolumeModel).
void runLevels(benchmark::State& state, const TankConfig& config, double low, double high) {
    constexpr int kSteps = 4096;
    const double step = (high - low) / kSteps;
    VolumeState held;
    int i = 0;
    if (state.range(0) == 2) {
        constexpr std::size_t kRun = 64;
        const VolumeModel model(config, Method::Classic);
        double levels[kRun];
        double out[kRun];
        for (auto _ : state) {
            for (std::size_t k = 0; k < kRun; ++k) {
                levels[k] = low + step * i;
                i = (i + 1) % kSteps;
            }
            model(levels, kRun, 1, held, out);
            benchmark::DoNotOptimize(out);
        }
        state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kRun));
        return;
    }
    const LevelVolume volume =
        state.range(0) == 1 ? &volumeAtLevelGuarded : static_cast<LevelVolume>(&volumeAtLevel);
    for (auto _ : state) {
        benchmark::DoNotOptimize(volume(config, low + step * i, 1, held));
        i = (i + 1) % kSteps;
    }
    state.SetItemsProcessed(state.iterations());
}

void StandardEllipsoidalHeads(benchmark::State& state) {
    MemoryForm form = startedForm(0);
    form.setText("Edit1", "2600");
    form.setText("Edit2", "8000");
    runLevels(state, read(form), 0, 2600);
}
BENCHMARK(StandardEllipsoidalHeads)->Arg(0)->Arg(1)->Arg(2);

void DishedAndFrustumHeads(benchmark::State& state) {
    MemoryForm form = startedForm(0);
    form.setText("Edit1", "2000");
    form.setText("Edit2", "6000");
    form.setChecked("RadioButton5", true);
    form.setText("Edit38", "40");
    form.setText("Edit43", "440");
    form.setText("Edit44", "2000");
    form.setChecked("RadioButton10", true);
    form.setText("Edit15", "20");
    form.setText("Edit16", "520");
    form.setText("Edit18", "800");
    runLevels(state, read(form), 0, 2000);
}
BENCHMARK(DishedAndFrustumHeads)->Arg(0)->Arg(1);

void TiltedWithSphericalCaps(benchmark::State& state) {
    MemoryForm form = startedForm(1);
    const std::pair<const char*, const char*> texts[] = {
        {"Edit29", "1"},    {"Edit30", "0"},     {"Edit39", "3000"}, {"Edit40", "2000"},
        {"Edit41", "2000"}, {"Edit42", "10000"}, {"Edit27", "300"},  {"Edit17", "300"}};
    for (auto [name, text] : texts) {
        form.setText(name, text);
    }
    form.setChecked("RadioButton18", true);
    form.setChecked("RadioButton11", true);
    runLevels(state, read(form), 100, 1900);
}
BENCHMARK(TiltedWithSphericalCaps)->Arg(0)->Arg(1);

// The classic tilted tank with standard ellipsoidal heads, and the floor it is measured against:
// the long-double circular-segment area alone (the shell's section at each level), timed as
// the floor's levels overlap. A level on its own (/0) waits for its arithmetic to finish before
// its fault flags are read; a walk's run (/2) reads them once for 64 levels.
void TiltedWithEllipsoidalHeads(benchmark::State& state) {
    MemoryForm form = startedForm(1);
    const std::pair<const char*, const char*> texts[] = {{"Edit29", "1.5"},  {"Edit30", "0"},
                                                         {"Edit39", "2000"}, {"Edit40", "2600"},
                                                         {"Edit41", "2600"}, {"Edit42", "8000"}};
    for (auto [name, text] : texts) {
        form.setText(name, text);
    }
    runLevels(state, read(form), 0, 2600);
}
BENCHMARK(TiltedWithEllipsoidalHeads)->Arg(0)->Arg(2);

void CircularSegmentFloor(benchmark::State& state) {
    using ld = long double;
    constexpr int kSteps = 4096;
    const ld a = 2600;
    int i = 0;
    for (auto _ : state) {
        const ld h = a * i / kSteps;
        const ld x = 2 * h / a - 1;
        const ld area = std::atan2(x, std::sqrt(1 - x * x)) * a * a / 4 +
                        std::sqrt(a * h - h * h) * (h - a / 2) +
                        3.14159265358979323846L * a * a / 8;
        benchmark::DoNotOptimize(static_cast<double>(area));
        i = (i + 1) % kSteps;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(CircularSegmentFloor);

void CalibratedNinehundredNinetyNinePoints(benchmark::State& state) {
    MemoryForm form = startedForm(3);
    form.setText("ComboBox2", "999");
    form.grid().setRowCount(1001);
    for (int row = 1; row <= 1000; ++row) {
        form.grid().setCell(1, row, std::to_string((row - 1) * 3));
        form.grid().setCell(2, row, std::to_string((row - 1) * (row - 1)));
    }
    runLevels(state, read(form), 0, 2997);
}
BENCHMARK(CalibratedNinehundredNinetyNinePoints)->Arg(0)->Arg(1);

// The true-geometry method, one head kind on both ends of a circular tank (range(0) is the
// HeadKind), levels over the whole height.
void ExactPerHeadKind(benchmark::State& state) {
    TankConfig c;
    c.diameter = 2000;
    c.length = 6000;
    HeadSpec head;
    head.kind = static_cast<HeadKind>(state.range(0));
    head.flangeHeight = 40;
    head.depth = 440;  // ellipsoidal, frustum, cap, dished: total depth with the flange
    head.coneHeight = 540;
    head.smallDiameter = 800;
    head.sphereRadius = 2000;
    c.leftHead = head;
    c.rightHead = head;
    constexpr int kSteps = 4096;
    VolumeState held;
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(volumeAtLevel(c, 2000.0 * i / kSteps, 1, held, Method::Exact));
        i = (i + 1) % kSteps;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ExactPerHeadKind)->DenseRange(0, 8);

TankConfig tiltedWithHeads() {
    TankConfig c;
    c.shellKind = ShellKind::Tilted;
    c.verticalDiameter = 1800;
    c.horizontalDiameter = 2200;
    c.length = 10000;
    c.tiltAlpha = 2;
    c.tiltBeta = 3;
    c.tiltOffset = 3000;
    c.leftHead.kind = HeadKind::StandardEllipsoidal;
    c.leftHead.flangeHeight = 40;
    c.rightHead.kind = HeadKind::SphericalCap;
    c.rightHead.depth = 400;
    c.levelTo = 1800;
    c.levelStep = 0.18;  // 10,001 rows
    return c;
}

void ExactTiltedWithHeads(benchmark::State& state) {
    const TankConfig c = tiltedWithHeads();
    constexpr int kSteps = 4096;
    VolumeState held;
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(volumeAtLevel(c, 1800.0 * i / kSteps, 1, held, Method::Exact));
        i = (i + 1) % kSteps;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ExactTiltedWithHeads);

// A 10,001-row table of the tilted tank with heads by the exact method, row texts included.
void ExactTenThousandRowTable(benchmark::State& state) {
    const TankConfig c = tiltedWithHeads();
    std::size_t rows = 0;
    for (auto _ : state) {
        CapacityTable table;
        tabulate(c, std::nullopt, table, Method::Exact);
        rows = table.tableRows.size();
        benchmark::DoNotOptimize(table);
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(ExactTenThousandRowTable)->Unit(benchmark::kMillisecond);

// The level of the volumes i/98 of the full tank in turn, i = 1 … 97 (range(0): 0 classic,
// 1 exact).
void runLevelQueries(benchmark::State& state, const TankConfig& c) {
    const auto method = static_cast<Method>(state.range(0));
    VolumeState fresh;
    const double full = volumeAtLevel(c, c.height(), 0, fresh, method);
    constexpr int kSteps = 97;
    int i = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(levelForVolume(c, full * i / (kSteps + 1), method));
        i = i % kSteps + 1;
    }
    state.SetItemsProcessed(state.iterations());
}

void LevelFromVolume(benchmark::State& state) {
    runLevelQueries(state, tiltedWithHeads());
}
BENCHMARK(LevelFromVolume)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The example tank (D 2600 mm, L 8000 mm, standard ellipsoidal heads); its peer is
// bench/fluids_level.py.
void LevelFromVolumeExampleTank(benchmark::State& state) {
    MemoryForm form = startedForm(0);
    form.setText("Edit1", "2600");
    form.setText("Edit2", "8000");
    runLevelQueries(state, read(form));
}
BENCHMARK(LevelFromVolumeExampleTank)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The whole walk with its row texts: 0 to 3000 mm at 0.01 mm, 300,001 rows.
void WholeTableWalk(benchmark::State& state) {
    MemoryForm form = startedForm(0);
    form.setText("Edit1", "3000");
    form.setText("Edit2", "10000");
    form.setText("Edit7", "3000");
    form.setText("Edit8", "0.01");
    std::size_t rows = 0;
    std::size_t peak = 0;
    for (auto _ : state) {
        const std::size_t before = liveBytes.load();
        peakBytes = before;
        CapacityTable table;
        table.config = read(form);
        tabulate(table.config, std::nullopt, table);
        rows = table.tableRows.size();
        benchmark::DoNotOptimize(table);
        peak = std::max(peak, peakBytes.load() - before);
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["peak_MB"] = static_cast<double>(peak) / 1e6;
}
BENCHMARK(WholeTableWalk)->Unit(benchmark::kMillisecond);

// The curve the window draws after a quick calculation: 300 levels over the tank's height.
void CapacityCurveThreeHundredLevels(benchmark::State& state) {
    MemoryForm form = startedForm(0);
    form.setText("Edit1", "2600");
    form.setText("Edit2", "8000");
    const TankConfig config = read(form);
    for (auto _ : state) {
        benchmark::DoNotOptimize(capacityCurve(config, 300, std::nullopt));
    }
    state.SetItemsProcessed(state.iterations() * 300);
}
BENCHMARK(CapacityCurveThreeHundredLevels)->Unit(benchmark::kMicrosecond);

// One two-decimal text: an ordinary volume (fast path), 10^70 litres and the largest litres a
// double total gives (the exact whole-number path, 71 and 312 digits).
void TwoDecimalText(benchmark::State& state) {
    const long double values[] = {7853.981633974L, 1e70L, 1.7976931348623157e308L * 1000};
    const long double value = values[state.range(0)];
    std::string text;
    for (auto _ : state) {
        text.clear();
        appendTwoDecimals(text, value);
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["digits"] = static_cast<double>(text.size());
}
BENCHMARK(TwoDecimalText)->DenseRange(0, 2);

}  // namespace
}  // namespace quorvel

BENCHMARK_MAIN();

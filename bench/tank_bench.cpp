// Throughput of volumeAtLevel per tank shape and of a whole capacity table walk, with the
// heap's peak during the walk.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "platform/recording_ui.h"
#include "tank/capacity_table.h"
#include "tank/memory_form.h"
#include "tank/number_format.h"
#include "tank/table_defaults.h"
#include "tank/tank_reader.h"
#include "tank/volume.h"

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

MemoryForm startedForm(int page) {
    MemoryForm form = MemoryForm::designed();
    applyTableDefaults(form);
    form.setItemIndex("ComboBox3", 0);
    form.setItemIndex("ComboBox4", 0);
    form.setActivePage(page);
    return form;
}

TankConfig read(MemoryForm& form) {
    RecordingUi ui;
    auto config = buildTankConfig(form, ui);
    if (!config) {
        std::abort();
    }
    return *config;
}

// Levels spread over the tank's height, one per iteration.
void runLevels(benchmark::State& state, const TankConfig& config, double low, double high) {
    constexpr int kSteps = 4096;
    const double step = (high - low) / kSteps;
    VolumeState held;
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(volumeAtLevel(config, low + step * i, 1, held));
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
BENCHMARK(StandardEllipsoidalHeads);

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
BENCHMARK(DishedAndFrustumHeads);

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
BENCHMARK(TiltedWithSphericalCaps);

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
BENCHMARK(CalibratedNinehundredNinetyNinePoints);

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
        RecordingUi ui;
        auto table = buildCapacityTable(form, ui);
        rows = table ? table->tableRows.size() : 0;
        benchmark::DoNotOptimize(table);
        peak = std::max(peak, peakBytes.load() - before);
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["peak_MB"] = static_cast<double>(peak) / 1e6;
}
BENCHMARK(WholeTableWalk)->Unit(benchmark::kMillisecond);

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

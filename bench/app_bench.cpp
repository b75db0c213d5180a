// The window's operations without widgets: a capacity table of 10,001 rows of a tilted tank
// as the window makes it, by the true geometry, and by the classic formulas with every row
// compared with the true geometry (the text under the curve and its second line).
#include <benchmark/benchmark.h>

#include "app/method_operations.h"
#include "form/method_controls.h"
#include "support/forms.h"
#include "support/recording_ui.h"

namespace {

using namespace quorvel;

// 50 m³ with standard ellipsoidal heads (D 2600, L 8551), rising 1.5°, F 2000; the table
// from 0 to 2600 mm at 0.26 mm: 10,001 rows.
MemoryForm tiltedTable() {
    MemoryForm form = testsupport::startedForm(1);
    testsupport::setTexts(form, {{"Edit29", "1.5"},
                                 {"Edit30", "0"},
                                 {"Edit39", "2000"},
                                 {"Edit40", "2600"},
                                 {"Edit41", "2600"},
                                 {"Edit42", "8551"},
                                 {"Edit6", "0"},
                                 {"Edit7", "2600"},
                                 {"Edit8", "0.26"}});
    form.setChecked("RadioButton3", true);
    return form;
}

void windowTable(benchmark::State& state, Method method) {
    MemoryForm form = tiltedTable();
    testsupport::RecordingUi ui;
    std::size_t rows = 0;
    std::string text;
    for (auto _ : state) {
        const std::optional<app::WindowTable> made = app::makeWindowTable(form, ui, method);
        if (!made) {
            state.SkipWithError("the table stopped");
            return;
        }
        rows = made->table.tableRows.size();
        text = made->comparison.text;
        benchmark::DoNotOptimize(made->table.tableRows.data());
    }
    if (rows != 10'001) {
        state.SkipWithError("not 10,001 rows");
    }
    state.SetLabel(std::to_string(rows) + " rows" + (text.empty() ? "" : ", compared"));
}

void BM_TrueGeometryTable(benchmark::State& state) {
    windowTable(state, Method::Exact);
}
BENCHMARK(BM_TrueGeometryTable)->Unit(benchmark::kMillisecond);

void BM_ClassicTableComparedWithTrueGeometry(benchmark::State& state) {
    windowTable(state, Method::Classic);
}
BENCHMARK(BM_ClassicTableComparedWithTrueGeometry)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// The window's operations without widgets, timed as an operator meets them:
// - an upright tank's table at 1 mm with its workbook, PDF and side tables;
// - a capacity table of 10,001 rows of a tilted tank as the window makes it, by the true
//   geometry, and by the classic formulas with every row compared with the true geometry (the
//   text under the curve and its second line);
// - the gauging ticket of the window "油量计算" as 计算 makes it: the form read, the dip through
//   the quick calculation's core to Vt, then ρ20 (table 59 from a hydrometer reading), VCF20
//   (table 60), V20 and the mass, with the ticket's texts. A horizontal tank of 2500 × 8000 mm
//   with standard ellipsoidal heads, dips spread over its height; the budget is 1 ms a ticket.
#include <sstream>
#include <string>

#include <benchmark/benchmark.h>

#include "app/method_operations.h"
#include "app/oil_operations.h"
#include "app/table_job.h"
#include "app/table_request.h"
#include "form/booked_fields.h"
#include "form/method_controls.h"
#include "form/oil_fields.h"
#include "support/forms.h"
#include "support/recording_ui.h"
#include "support/temp_folder.h"

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
        rows = made->job.held().tableRows.size();
        text = made->comparison.text;
        benchmark::DoNotOptimize(made->job.held().tableRows.data());
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

// The same 10,001 rows with their U (k=2): the level and the six dimensions of the tilted
// shell each stated, so each row computes the volume 15 times; against the table alone (the
// anchor, BM_ClassicTable). The budget is 0.5 s.
void uncertaintyTable(benchmark::State& state, Method method, bool withU) {
    MemoryForm form = tiltedTable();
    if (withU) {
        form.setChecked("UCheckBox1", true);
        form.setText("UEdit2", "Edit29=0.05;Edit30=0.05;Edit39=5;Edit40=2;Edit41=2;Edit42=4");
    }
    testsupport::RecordingUi ui;
    std::size_t rows = 0;
    for (auto _ : state) {
        std::optional<app::TableJob> job = app::TableJob::read(form, ui, method, false);
        if (!job || !job->walk(app::RowKeeping::Held)) {
            state.SkipWithError("the table stopped");
            return;
        }
        rows = job->held().tableRows.size();
        benchmark::DoNotOptimize(job->held().uncertaintyTexts.data());
    }
    state.SetLabel(std::to_string(rows) + " rows" + (withU ? " with U" : ""));
}
void BM_ClassicTable(benchmark::State& s) {
    uncertaintyTable(s, Method::Classic, false);
}
void BM_ClassicTableWithU(benchmark::State& s) {
    uncertaintyTable(s, Method::Classic, true);
}
void BM_TrueGeometryTableWithU(benchmark::State& s) {
    uncertaintyTable(s, Method::Exact, true);
}
BENCHMARK(BM_ClassicTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClassicTableWithU)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrueGeometryTableWithU)->Unit(benchmark::kMillisecond);

MemoryForm ticketForm(bool formula) {
    MemoryForm form = testsupport::circularForm("2500", "8000");
    form.setItemIndex(kProductGroupList, 1);
    form.setText(kOilTemperatureField, "27.35");
    form.setChecked(kObservedDensityChoice, true);
    form.setText(kObservedDensityField, "836.4");
    form.setText(kTestTemperatureField, "24.6");
    form.setChecked(formula ? kFormulaChoice : kPrintedTableChoice, true);
    return form;
}

std::string fixedTime() {
    return "2026-12-09 08:30:00";
}

void run(benchmark::State& state, Method method, bool formula, bool booked = false) {
    MemoryForm form = ticketForm(formula);
    if (booked) {
        // The whole chain: water, a warm shell (CTSh from two more volumes), SW, the room.
        form.setText(kWaterLevelField, "30");
        form.setText(kShellTemperatureField, "35");
        form.setText(kSedimentWaterField, "0.3");
        form.setText(kSafeLevelField, "2400");
    }
    testsupport::RecordingUi ui;
    int dip = 0;
    for (auto _ : state) {
        form.setText(kOilLevelField, std::to_string(50 + dip * 97));
        auto ticket = app::oilTicket(form, ui, method, fixedTime);
        if (!ticket) {
            state.SkipWithError("the ticket stopped");
            break;
        }
        benchmark::DoNotOptimize(ticket);
        dip = (dip + 1) % 25;
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_TicketClassicPrintedTables(benchmark::State& s) {
    run(s, Method::Classic, false);
}
void BM_TicketClassicFormula(benchmark::State& s) {
    run(s, Method::Classic, true);
}
void BM_TicketExactPrintedTables(benchmark::State& s) {
    run(s, Method::Exact, false);
}
void BM_TicketWholeChainClassic(benchmark::State& s) {
    run(s, Method::Classic, false, true);
}
void BM_TicketWholeChainExact(benchmark::State& s) {
    run(s, Method::Exact, false, true);
}

}  // namespace

BENCHMARK(BM_TicketClassicPrintedTables);
BENCHMARK(BM_TicketClassicFormula);
BENCHMARK(BM_TicketExactPrintedTables);
BENCHMARK(BM_TicketWholeChainClassic);
BENCHMARK(BM_TicketWholeChainExact);

// An upright tank's issued table as quorvel-table --out --pdf makes it: 20 m high in eight
// courses of 2.5 m (D 30 m, plates 22 … 8 mm), a bottom volume, two deadwood bands, the head
// correction at 850 kg/m³, the table at 1 mm (20,001 rows) with its millimetre and correction
// tables, written as a workbook and a PDF. The budget is 1 s.
void BM_UprightTableWithItsDocuments(benchmark::State& state) {
    MemoryForm form = testsupport::startedForm(kUprightPage);
    UprightRows rows;
    for (int course = 0; course < 8; ++course) {
        rows.courses.push_back(
            {"2500", std::to_string(30000 - course), "", std::to_string(22 - 2 * course)});
    }
    rows.deadwood = {{"0", "800", "350"}, {"3000", "3200", "-40"}};
    form.setUprightRows(rows);
    testsupport::setTexts(
        form,
        {{"UprightEdit1", "1250"}, {"UprightEdit2", "850"}, {"Edit7", "20000"}, {"Edit8", "1"}});
    testsupport::TempFolder folder;
    app::TableRequest request;
    request.workbook = folder.file("t.xlsx");
    request.pdf = folder.file("t.pdf");
    for (auto _ : state) {
        testsupport::RecordingUi ui;
        std::ostringstream out;
        if (!app::runTableRequest(form, ui, request, out)) {
            state.SkipWithError("the table stopped");
            return;
        }
    }
}
BENCHMARK(BM_UprightTableWithItsDocuments)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

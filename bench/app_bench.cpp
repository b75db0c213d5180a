// Time of the gauging ticket of the window "油量计算" as an operator presses 计算: the form
// read, the dip through the quick calculation's core to Vt, then ρ20 (table 59 from a
// hydrometer reading), VCF20 (table 60), V20 and the mass, with the ticket's texts. A
// horizontal tank of 2500 × 8000 mm with standard ellipsoidal heads, dips spread over its
// height; the budget is 1 ms a ticket.
#include <string>

#include <benchmark/benchmark.h>

#include "app/oil_operations.h"
#include "form/oil_fields.h"
#include "support/forms.h"
#include "support/recording_ui.h"

namespace {

using namespace quorvel;

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

void run(benchmark::State& state, Method method, bool formula) {
    MemoryForm form = ticketForm(formula);
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

}  // namespace

BENCHMARK(BM_TicketClassicPrintedTables);
BENCHMARK(BM_TicketClassicFormula);
BENCHMARK(BM_TicketExactPrintedTables);

BENCHMARK_MAIN();

// Time of a whole delivery ticket: a hydrometer reading and its temperature → ρ20 → VCF20 →
// V20 → mass, with the texts, both as the printed tables read and at the exact inputs, over
// a spread of products, readings and temperatures.
#include <vector>

#include <benchmark/benchmark.h>

#include "oil/oil.h"

namespace {

using quorvel::oil::Group;
using quorvel::oil::Reading;

struct Ticket {
    Group group;
    double rhoObserved, tObserved, t;
};

std::vector<Ticket> tickets() {
    std::vector<Ticket> out;
    for (int i = 0; i < 256; ++i) {
        const Group group = i % 3 == 0 ? Group::CrudeOil : Group::Products;
        out.push_back(
            {group, 700.3 + 1.3 * (i % 200), -10.05 + 0.35 * (i % 110), -5.2 + 0.4 * (i % 90)});
    }
    return out;
}

void run(benchmark::State& state, Reading reading) {
    const std::vector<Ticket> all = tickets();
    size_t i = 0;
    for (auto _ : state) {
        const Ticket& k = all[i];
        benchmark::DoNotOptimize(quorvel::oil::toText(quorvel::oil::depotQuantityFromObserved(
            k.group, 48250.5, k.t, k.rhoObserved, k.tObserved, reading)));
        i = (i + 1) & 255U;
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_TicketAsPrintedTablesRead(benchmark::State& s) {
    run(s, Reading::PrintedTable);
}
void BM_TicketAtExactInputs(benchmark::State& s) {
    run(s, Reading::Exact);
}

}  // namespace

BENCHMARK(BM_TicketAsPrintedTablesRead);
BENCHMARK(BM_TicketAtExactInputs);

BENCHMARK_MAIN();

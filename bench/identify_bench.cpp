// The tilt identification of a site's log: a whole fit (grid, Levenberg–Marquardt, standard
// errors) of synthetic outflow logs of the tilted example tank, 40 to 600 rows, with what one
// fit costs in solver iterations, evaluations of the log's volumes and single volumes.
#include <benchmark/benchmark.h>

#include "identify/tilt_fit.h"
#include "support/tilt_logs.h"

namespace {

using namespace quorvel;

void IdentifyOutflowLog(benchmark::State& state) {
    const auto rows = static_cast<std::size_t>(state.range(0));
    const std::vector<identify::LogRow> log =
        testsupport::syntheticLog(rows, identify::LogKind::Outflow, {}, 1.0);
    const TankConfig tank = testsupport::exampleTiltedTank(0.001, 0);
    identify::TiltFit last;
    for (auto _ : state) {
        Outcome<identify::TiltFit> fit =
            identify::fitTilt(tank, log, identify::LogKind::Outflow, {true, true, true});
        if (!fit) {
            state.SkipWithError(fit.stop().text.c_str());
            return;
        }
        last = *fit;
        benchmark::DoNotOptimize(last);
    }
    state.counters["iterations"] = last.iterations;
    state.counters["evaluations"] = static_cast<double>(last.evaluations);
    state.counters["volumes"] = static_cast<double>(last.volumes);
    state.counters["alpha"] = last.alpha;
    state.counters["beta"] = last.beta;
    state.counters["offset"] = last.offset;
}
BENCHMARK(IdentifyOutflowLog)->Arg(40)->Arg(150)->Arg(600)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

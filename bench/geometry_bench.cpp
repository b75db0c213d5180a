// Time per call of each geometry routine over a spread of levels across the whole diameter.
#include <vector>

#include <benchmark/benchmark.h>

#include "geometry/geometry.h"

namespace {

constexpr double kD = 2000;

std::vector<double> levels() {
    std::vector<double> out;
    for (int i = 0; i < 1024; ++i) {
        out.push_back(kD * (i + 0.5) / 1024);
    }
    return out;
}

template <typename F>
void run(benchmark::State& state, F f) {
    const std::vector<double> lv = levels();
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f(lv[i]));
        i = (i + 1) & 1023U;
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_YuangTong(benchmark::State& s) {
    run(s, [](double h) { return quorvel::YuangTong(kD, kD, h, 5000); });
}
void BM_TuoFengTou(benchmark::State& s) {
    run(s, [](double h) { return quorvel::TuoFengTou(kD, kD, 500, h); });
}
void BM_DieFengTou(benchmark::State& s) {
    run(s, [](double h) { return quorvel::DieFengTou(kD, h); });
}
void BM_FeiBiaoDieXin(benchmark::State& s) {
    run(s, [](double h) { return quorvel::FeiBiaoDieXin(40, 400 + h / 20, 2000, kD); });
}
void BM_YuangZhui(benchmark::State& s) {
    run(s, [](double h) { return quorvel::YuangZhui(500, h, kD); });
}
void BM_YuangTai(benchmark::State& s) {
    run(s, [](double h) { return quorvel::YuangTai(500, h, kD, 800); });
}
void BM_QiuQueFengTou(benchmark::State& s) {
    run(s, [](double h) { return quorvel::QiuQueFengTou(kD, 300, h); });
}
void BM_GaoDuBianHuan(benchmark::State& s) {
    run(s, [](double h) { return quorvel::GaoDuBianHuan(kD, 10000, 5000, 1, 2, h); });
}
void BM_GetValueLagrange(benchmark::State& s) {
    const int n = static_cast<int>(s.range(0));
    std::vector<double> x, y;
    for (int i = 0; i < n; ++i) {
        x.push_back(kD * i / (n - 1));
        y.push_back(x.back() * 3.5);
    }
    run(s, [&](double h) { return quorvel::GetValueLagrange(n, x.data(), y.data(), h); });
}

BENCHMARK(BM_YuangTong);
BENCHMARK(BM_TuoFengTou);
BENCHMARK(BM_DieFengTou);
BENCHMARK(BM_FeiBiaoDieXin);
BENCHMARK(BM_YuangZhui);
BENCHMARK(BM_YuangTai);
BENCHMARK(BM_QiuQueFengTou);
BENCHMARK(BM_GaoDuBianHuan);
BENCHMARK(BM_GetValueLagrange)->Arg(10)->Arg(100)->Arg(999);

}  // namespace

BENCHMARK_MAIN();

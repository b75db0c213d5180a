// The capacity table workbook at the size of a long table: 100,000 rows with weights in
// blocks of 200 (500 blocks, 2,000 columns). Peak memory: run under /usr/bin/time -v.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "output/capacity_workbook.h"
#include "ports/ui_services.h"

namespace quorvel {
namespace {

// Answers Yes and opens nothing.
class SilentUi : public UiServices {
  public:
    void showMessage(std::string_view) override {}
    void showError(std::string_view text) override { failed = std::string(text); }
    MessageAnswer messageBox(std::string_view text, std::string_view, MessageButtons,
                             MessageIcon icon) override {
        if (icon == MessageIcon::Error)
            failed = std::string(text);
        return MessageAnswer::Yes;
    }
    OpenOutcome openDocument(const std::string&) override { return OpenOutcome::Opened; }
    std::optional<std::string> askSaveFileName(const SaveFileRequest&) override {
        return std::nullopt;
    }
    void putPictureOnClipboard(const Picture&) override {}
    std::string failed;
};

std::string twoDecimals(double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", v);
    return buffer;
}

void saveTable(benchmark::State& state, bool useDensity) {
    const auto count = static_cast<std::size_t>(state.range(0));
    std::vector<std::string> rows;
    std::vector<std::string> weights;
    for (std::size_t i = 0; i < count; ++i) {
        const double litres = static_cast<double>(i) * 91.37 + 0.25;
        rows.push_back(std::to_string(i * 10) + "," + twoDecimals(litres));
        if (useDensity)
            weights.push_back(twoDecimals(litres * 0.85));
    }
    const std::string summary = "计算参数如下：\r\n中间筒体：水平正直圆柱体，内径：3000 mm";
    const CapacityWorkbookInput input{rows, weights, useDensity, summary, ShellKind::Horizontal,
                                      200};

    std::string pattern =
        (std::filesystem::temp_directory_path() / "quorvel-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        state.SkipWithError("cannot make a scratch folder");
        return;
    }
    const std::string path = pattern + "/~001.xlsx";
    SilentUi ui;
    for (auto _ : state) {
        if (!SaveFileToExcel3(input, path, ui)) {
            state.SkipWithError(ui.failed.c_str());
            break;
        }
    }
    state.counters["file_MB"] =
        static_cast<double>(std::filesystem::file_size(path)) / (1024.0 * 1024.0);
    std::filesystem::remove_all(pattern);
}

void BM_SaveFileToExcel3_Weights(benchmark::State& state) {
    saveTable(state, true);
}
void BM_SaveFileToExcel3_NoWeights(benchmark::State& state) {
    saveTable(state, false);
}

BENCHMARK(BM_SaveFileToExcel3_Weights)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFileToExcel3_NoWeights)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvel

BENCHMARK_MAIN();

// The capacity table workbook at the size of a long table: 100,000 rows with weights in
// blocks of 200 (500 blocks, 2,000 columns). Peak memory: run under /usr/bin/time -v.
// The table on paper (PDF) at 10,000, 100,000 and 1,000,000 rows: its pages are built and
// written one at a time, so the memory above the table's own rows stays the same at every
// length (counter peak_MB: the highest resident size while writing, less the size before).
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "output/capacity_workbook.h"
#include "output/row_spool.h"
#include "output/table_paper.h"
#include "ports/ui_services.h"
#include "support/forms.h"
#include "tank/capacity_table.h"

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
    const HeldRows held(rows, weights);
    const CapacityWorkbookInput input{held, useDensity, summary, ShellKind::Horizontal, 200};

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

// A line of /proc/self/status in megabytes ("VmRSS", "VmHWM").
double statusMegabytes(const char* key) {
    FILE* status = std::fopen("/proc/self/status", "r");
    char line[256];
    double kb = 0;
    while (status != nullptr && std::fgets(line, sizeof line, status) != nullptr) {
        if (std::strncmp(line, key, std::strlen(key)) == 0)
            kb = std::atof(line + std::strlen(key) + 1);
    }
    if (status != nullptr)
        std::fclose(status);
    return kb / 1024;
}

// Starts the peak resident size afresh (Linux: writing 5 to clear_refs).
void resetPeak() {
    if (FILE* f = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", f);
        std::fclose(f);
    }
}

// The example tank (D 2600, L 8000, standard ellipsoidal heads, weights at 840 kg/m³, the
// increment column) from 0 to 2600 mm at `step` mm.
CapacityTable exampleTable(const std::string& step) {
    MemoryForm form = testsupport::circularForm("2600", "8000");
    form.setChecked("RadioButton7", true);
    form.setChecked("RadioButton22", true);
    form.setText("Edit7", "2600");
    form.setText("Edit8", step);
    CapacityTable table;
    table.config = *readTableRequest(form);
    table.config.useDensity = true;
    tabulate(table.config, 840.0, table);
    table.increments = true;
    table.identity.values[0] = "T-101";
    return table;
}

// 10,001, 100,001 and 999,962 rows (a step just over 2.6 µm: the longest table allowed), held
// (range(1) 0, as the window prints them) or spooled on disk as they are walked (1, as every
// PDF is written): the peak is that of the layout and the file alone.
void BM_TablePdf(benchmark::State& state) {
    const char* steps[] = {"0.26", "0.026", "0.0026001"};
    const CapacityTable table = exampleTable(steps[state.range(0)]);
    const HeldRows held(table.tableRows, table.weightTexts);
    RowSpool spool;
    if (state.range(1) == 1) {
        forEachRow(table.config, 840.0, Method::Classic,
                   [&](const TableRow& row) { spool.append(row); });
    }
    const TableRows& rows = state.range(1) == 1 ? static_cast<const TableRows&>(spool) : held;
    std::string pattern =
        (std::filesystem::temp_directory_path() / "quorvel-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        state.SkipWithError("cannot make a scratch folder");
        return;
    }
    const std::string path = pattern + "/t.pdf";
    // The typeface is loaded once per process: a first small document pays for it.
    const CapacityTable small = exampleTable("100");
    writeTablePdf(small, HeldRows(small.tableRows, small.weightTexts), path);
    double peak = 0;
    int pages = 0;
    for (auto _ : state) {
        const double before = statusMegabytes("VmRSS:");
        resetPeak();
        pages = writeTablePdf(table, rows, path);
        peak = std::max(peak, statusMegabytes("VmHWM:") - before);
    }
    state.counters["rows"] = static_cast<double>(rows.size());
    state.counters["pages"] = pages;
    state.counters["peak_MB"] = peak;
    state.counters["file_MB"] =
        static_cast<double>(std::filesystem::file_size(path)) / (1024.0 * 1024.0);
    std::filesystem::remove_all(pattern);
}

BENCHMARK(BM_TablePdf)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

BENCHMARK(BM_SaveFileToExcel3_Weights)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFileToExcel3_NoWeights)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvel

BENCHMARK_MAIN();

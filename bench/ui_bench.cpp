// The window with the example settings: from construction to the first paint, and a press of
// "计算" to its result, on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <clocale>
#include <filesystem>
#include <string>

#include <unistd.h>
#include <QApplication>
#include <QFont>
#include <QPushButton>

#include "support/recording_ui.h"
#include "ui/frm_main.h"

namespace {

namespace fs = std::filesystem;

// A program folder holding copies of the example files.
std::string exampleFolder() {
    static const std::string folder = [] {
        const fs::path dir =
            fs::temp_directory_path() / ("quorvel-ui-bench-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        for (const char* name : {"Config.ini", "bd.txt"}) {
            fs::copy_file(fs::path(QUORVEL_EXAMPLES_DIR) / name, dir / name,
                          fs::copy_options::overwrite_existing);
        }
        return dir.string();
    }();
    return folder;
}

void BM_StartToFirstPaint(benchmark::State& state) {
    quorvel::testsupport::RecordingUi ui;
    for (auto _ : state) {
        quorvel::ui::TFrmMain window(exampleFolder(), &ui);
        window.show();
        window.FormActivate();
        window.repaint();  // paints the whole window now
        benchmark::DoNotOptimize(window.form().text("Edit1"));
    }
}
BENCHMARK(BM_StartToFirstPaint)->Unit(benchmark::kMillisecond);

void BM_QuickPress(benchmark::State& state) {
    quorvel::testsupport::RecordingUi ui;
    quorvel::ui::TFrmMain window(exampleFolder(), &ui);
    window.show();
    window.FormActivate();
    window.form().setText("Edit35", "1300");
    window.operations().shellPageChanged(0);
    window.form().setChecked("RadioButton7", true);
    window.form().setChecked("RadioButton22", true);
    window.form().setText("Edit36", "");
    auto* button = window.findChild<QPushButton*>(QStringLiteral("Button2"));
    for (auto _ : state) {
        button->click();
    }
    if (window.form().text("Edit36").empty() || !ui.shown.empty()) {
        state.SkipWithError("the press gave no result");
    }
    state.SetLabel(window.form().text("Edit36") + " kg");
}
BENCHMARK(BM_QuickPress)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setFont(QFont(QStringLiteral("Noto Sans CJK SC"), 9));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    fs::remove_all(exampleFolder(), ec);
    return 0;
}

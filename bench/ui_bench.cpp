// The window with the example settings: from construction to the first paint, and a press of
// "计算" to its result, on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <clocale>
#include <filesystem>
#include <string>
#include <utility>

#include <unistd.h>
#include <QApplication>
#include <QFont>
#include <QPushButton>
#include <QTabWidget>

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

// The tilted 50 m³ tank (D 2600, L 8551, 1.5°, F 2000, standard ellipsoidal heads) at
// 100 mm: a press of "计算" by the method `entry`; with the classic formulas the press also
// compares them with the true geometry over the curve.
void quickPressTilted(benchmark::State& state, const char* entry) {
    quorvel::testsupport::RecordingUi ui;
    quorvel::ui::TFrmMain window(exampleFolder(), &ui);
    window.show();
    window.FormActivate();
    window.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
    for (const auto& [name, text] : {std::pair{"Edit29", "1.5"},
                                     {"Edit30", "0"},
                                     {"Edit39", "2000"},
                                     {"Edit40", "2600"},
                                     {"Edit41", "2600"},
                                     {"Edit42", "8551"},
                                     {"Edit35", "100"}}) {
        window.form().setText(name, text);
    }
    window.form().setChecked("RadioButton7", true);
    window.form().setChecked("RadioButton22", true);
    window.form().setChecked("CheckBox1", false);
    window.form().setText("ComboBox5", entry);
    auto* button = window.findChild<QPushButton*>(QStringLiteral("Button2"));
    for (auto _ : state) {
        button->click();
    }
    if (window.form().text("Edit36").empty() || !ui.shown.empty()) {
        state.SkipWithError("the press gave no result");
    }
    state.SetLabel(window.form().text("Edit36") + " L");
}

void BM_QuickPressTrueGeometry(benchmark::State& state) {
    quickPressTilted(state, "真实几何");
}
BENCHMARK(BM_QuickPressTrueGeometry)->Unit(benchmark::kMicrosecond);

void BM_QuickPressClassicCompared(benchmark::State& state) {
    quickPressTilted(state, "经典公式");
}
BENCHMARK(BM_QuickPressClassicCompared)->Unit(benchmark::kMicrosecond);

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

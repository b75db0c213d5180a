// "变位识别…" as both front ends run it: a log read, the tank identified, "应用" writing the
// fitted α and β into the tilted page, and the title block of the next table naming the fit
// while the page keeps what was applied.
#include <gtest/gtest.h>

#include "app/identify_operations.h"
#include "app/memory_window.h"
#include "app/start_and_close.h"
#include "app/table_job.h"
#include "output/table_document.h"
#include "support/recording_ui.h"

namespace quorvel::app {
namespace {

// The tilted example tank (A = B = 2000 mm, L = 10000 mm, F = 3000 mm, standard ellipsoidal
// heads), lying as the page guesses (α 1°, β 0°), the identity filled so the table has its
// title block.
MemoryWindow tiltedWindow() {
    MemoryWindow window;
    window.form().setActivePage(1);
    finishStartUp(window);
    for (const auto& [control, value] : {std::pair{"Edit39", "3000"},
                                         {"Edit40", "2000"},
                                         {"Edit41", "2000"},
                                         {"Edit42", "10000"},
                                         {"Edit29", "1"},
                                         {"Edit30", "0"},
                                         {"Edit7", "2000"},
                                         {"Edit8", "100"},
                                         {"Edit49", "T-7"}}) {
        window.setText(control, value);
    }
    return window;
}

// The title block's item of that label, or its summary line that begins with it.
std::string titleItem(FieldSource& form, const std::string& label) {
    testsupport::RecordingUi ui;
    std::optional<TableJob> job = TableJob::read(form, ui, Method::Exact, true);
    if (!job || !job->walk(RowKeeping::Held)) {
        return "(no table)";
    }
    const TableTitle title = tableTitle(job->head(), job->rows());
    for (const TitleItem& item : title.items) {
        if (item.label == label) {
            return item.value;
        }
    }
    for (const std::string& line : title.summary) {
        if (line.starts_with(label + "：")) {
            return line.substr(label.size() + std::string("：").size());
        }
    }
    return "(none)";
}

TEST(Identify, ApplyWritesTheTiltAndTheTitleBlockNamesTheFit) {
    MemoryWindow window = tiltedWindow();
    testsupport::RecordingUi ui;
    const auto log =
        readTiltLog(ui, std::string(QUORVEL_GOLDEN_DIR) + "/cli/identify/outflow_40.csv");
    ASSERT_TRUE(log);
    ASSERT_EQ(log->size(), 40u);
    const auto fit =
        identifyTilt(window, ui, {*log, identify::LogKind::Outflow, {true, true, true}, false});
    ASSERT_TRUE(fit);
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(titleItem(window, "变位识别"), "(none)");

    applyTiltFit(window, *fit);
    EXPECT_EQ(window.text("Edit29"), "2.0031");
    EXPECT_EQ(window.text("Edit30"), "3.9621");
    const std::string figures =
        "α 2.0031° ± 0.0057°，β 3.9621° ± 0.1099°，δ 19.80 mm ± 0.23 mm，RMS 1.221 L，用 39 "
        "个数据，异常 0 个";
    EXPECT_EQ(window.text("IdentifyEdit1"), figures);
    EXPECT_EQ(titleItem(window, "变位识别"), figures);
    EXPECT_EQ(titleItem(window, "倾斜"), "纵向 2.0031°，横向 3.9621°");

    // A tilt typed since is no longer the identified one.
    window.setText("Edit29", "2");
    EXPECT_EQ(titleItem(window, "变位识别"), "(none)");
}

TEST(Identify, RefusalsAreShownAndGiveNoFigure) {
    MemoryWindow window = tiltedWindow();
    testsupport::RecordingUi ui;
    EXPECT_FALSE(parseTiltLog(ui, "液位,体积\n1200,10\n1100,x\n"));
    window.form().setActivePage(0);
    const std::vector<identify::LogRow> log{{1000, 0}, {900, 10}, {800, 10}};
    EXPECT_FALSE(identifyTilt(window, ui, {log, identify::LogKind::Outflow, {}, false}));
    window.form().setActivePage(1);
    window.setText("Edit42", "");
    EXPECT_FALSE(identifyTilt(window, ui, {log, identify::LogKind::Outflow, {}, false}));
    ASSERT_EQ(ui.shown.size(), 3u);
    EXPECT_EQ(ui.shown[0].text, "日志第 3 行第 2 列“x”不是数字");
    EXPECT_EQ(ui.shown[1].text, "变位识别只用于倾斜圆筒");
    EXPECT_EQ(ui.shown[2].text, "呵呵，倾斜圆筒数据还没输完呢！");
}

}  // namespace
}  // namespace quorvel::app

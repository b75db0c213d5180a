#include "identify/tilt_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/tilt_logs.h"

namespace quorvel::identify {
namespace {

using testsupport::exampleTiltedTank;
using testsupport::syntheticLog;
using testsupport::Truth;

TEST(FitTilt, RecoversHowTheTankLies) {
    struct Case {
        const char* name;
        std::size_t rows;
        LogKind kind;
        Unknowns unknowns;
        double offset;  // the truth's; α 2°, β 4°
        double sd;      // litres
        double alphaTol, betaTol, offsetTol;
    };
    const Unknowns all{true, true, true}, angles{true, true, false};
    const Case cases[] = {
        {"40 outflows, 1 L noise", 40, LogKind::Outflow, all, 20, 1, 0.05, 0.5, 2},
        {"150 outflows, 1 L noise", 150, LogKind::Outflow, all, 20, 1, 0.05, 0.5, 2},
        {"600 outflows, 1 L noise", 600, LogKind::Outflow, all, 20, 1, 0.05, 0.5, 2},
        {"40 outflows, no noise", 40, LogKind::Outflow, all, 20, 0, 1e-6, 1e-6, 1e-4},
        {"30 absolute volumes, no noise", 30, LogKind::Absolute, angles, 0, 0, 1e-6, 1e-6, 0},
        {"60 absolute volumes, 1 L noise", 60, LogKind::Absolute, all, 20, 1, 0.05, 0.5, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Truth truth{2, 4, c.offset};
        const std::vector<LogRow> log = syntheticLog(c.rows, c.kind, truth, c.sd);
        // The page's α and β are a poor start: the grid must find the valley.
        const Outcome<TiltFit> fit = fitTilt(exampleTiltedTank(0.001, 0), log, c.kind, c.unknowns);
        ASSERT_TRUE(fit) << fit.stop().text;
        EXPECT_NEAR(fit->alpha, truth.alpha, c.alphaTol);
        EXPECT_NEAR(fit->beta, truth.beta, c.betaTol);
        EXPECT_NEAR(fit->offset, truth.offset, c.offsetTol);
        const std::size_t measurements = c.kind == LogKind::Outflow ? c.rows - 1 : c.rows;
        EXPECT_EQ(fit->used, measurements);
        EXPECT_EQ(fit->residuals.size(), measurements);
        if (c.sd > 0) {
            // The residuals are the meter's noise; the errors are what the standard errors say.
            EXPECT_NEAR(fit->rms, c.sd, 0.3 * c.sd);
            EXPECT_LT(std::fabs(fit->alpha - truth.alpha), 4 * fit->alphaSe);
            EXPECT_LT(std::fabs(fit->beta - truth.beta), 4 * fit->betaSe);
            EXPECT_LT(std::fabs(fit->offset - truth.offset), 4 * fit->offsetSe);
        } else {
            EXPECT_LT(fit->rms, 1e-6);
        }
    }
}

// A misread meter (50 L too much on one movement) is listed and, on request, left out.
TEST(FitTilt, ListsAnOutlierAndRefitsWithoutIt) {
    std::vector<LogRow> log = syntheticLog(80, LogKind::Outflow, {}, 1);
    log[37].volume += 50;
    const Unknowns all{true, true, true};
    const Outcome<TiltFit> kept = fitTilt(exampleTiltedTank(2, 0), log, LogKind::Outflow, all);
    ASSERT_TRUE(kept) << kept.stop().text;
    EXPECT_EQ(kept->outliers, 1u);
    EXPECT_FALSE(kept->refitted);
    EXPECT_EQ(kept->used, 79u);
    ASSERT_TRUE(kept->residuals[36].outlier);
    EXPECT_EQ(kept->residuals[36].row, 37u);
    EXPECT_NEAR(kept->residuals[36].level, (log[36].level + log[37].level) / 2, 1e-9);

    const Outcome<TiltFit> dropped =
        fitTilt(exampleTiltedTank(2, 0), log, LogKind::Outflow, all, true);
    ASSERT_TRUE(dropped) << dropped.stop().text;
    EXPECT_TRUE(dropped->refitted);
    EXPECT_EQ(dropped->outliers, 1u);
    EXPECT_EQ(dropped->used, 78u);
    EXPECT_NEAR(dropped->residuals[36].litres, 50, 5);
    EXPECT_LT(dropped->rms, kept->rms);
    EXPECT_NEAR(dropped->alpha, 2, 0.05);
    EXPECT_NEAR(dropped->offset, 20, 2);
}

TEST(FitTilt, RefusesWhatCannotBeFitted) {
    const std::vector<LogRow> good = syntheticLog(12, LogKind::Outflow, {}, 0);
    auto with = [&](std::size_t row, LogRow value) {
        std::vector<LogRow> log = good;
        log[row] = value;
        return log;
    };
    std::vector<LogRow> still(12, LogRow{800, 10});
    std::vector<LogRow> nothingMoved = good;
    for (LogRow& r : nothingMoved) {
        r.volume = 0;
    }
    TankConfig horizontal = exampleTiltedTank(2, 4);
    horizontal.shellKind = ShellKind::Horizontal;
    struct Case {
        const char* name;
        TankConfig tank;
        std::vector<LogRow> log;
        Unknowns unknowns;
        std::string message;
    };
    const Case cases[] = {
        {"not tilted", horizontal, good, {}, "变位识别只用于倾斜圆筒"},
        {"nothing to fit",
         exampleTiltedTank(2, 4),
         good,
         {false, false, false},
         "请选择要识别的量（α、β、δ）"},
        {"too few for three unknowns",
         exampleTiltedTank(2, 4),
         std::vector<LogRow>(good.begin(), good.begin() + 9),
         {true, true, true},
         "变位识别至少需要 9 个计量数据（每个未知量 3 个），只有 8 个"},
        {"level above the tank",
         exampleTiltedTank(2, 4),
         with(5, {2000.5, 10}),
         {},
         "第 6 行的液位 2000.5 毫米不在罐内（0～2000 毫米）"},
        {"level below the bottom",
         exampleTiltedTank(2, 4),
         with(0, {-1, 0}),
         {},
         "第 1 行的液位 -1 毫米不在罐内（0～2000 毫米）"},
        {"not a number", exampleTiltedTank(2, 4), with(3, {NAN, 10}), {}, "第 4 行不是有限的数值"},
        {"levels never move",
         exampleTiltedTank(2, 4),
         still,
         {},
         "记录的容积不随液位变化，无法识别变位"},
        {"no volume moved",
         exampleTiltedTank(2, 4),
         nothingMoved,
         {},
         "记录的容积不随液位变化，无法识别变位"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome<TiltFit> fit = fitTilt(c.tank, c.log, LogKind::Outflow, c.unknowns);
        ASSERT_FALSE(fit);
        EXPECT_EQ(fit.stop().text, c.message);
    }
}

}  // namespace
}  // namespace quorvel::identify

// The first-order U against a Monte Carlo run of the same inputs (support/monte_carlo.h) at a
// few thousand draws: a flat-ended tank, the example's standard ellipsoidal heads, a tilted
// tank, at levels where the volume is near linear in its inputs. bench/uncertainty_mc runs
// 10⁵ draws at 10 levels, the bottom and top included.
#include <gtest/gtest.h>

#include "support/forms.h"
#include "support/monte_carlo.h"

namespace quorvel::uncertainty {
namespace {

using testsupport::setTexts;

TankConfig read(MemoryForm form) {
    auto config = buildTankConfig(form);
    EXPECT_TRUE(config) << config.stop().text;
    return *config;
}

TEST(MonteCarlo, FirstOrderUAgreesAwayFromTheEnds) {
    MemoryForm flat = testsupport::circularForm("2000", "5000");
    flat.setChecked("RadioButton21", true);
    flat.setChecked("RadioButton14", true);
    MemoryForm example = testsupport::circularForm("2600", "8000");
    example.setChecked("RadioButton19", true);
    example.setChecked("RadioButton12", true);
    MemoryForm tilted = testsupport::startedForm(1);
    setTexts(tilted, {{"Edit29", "2"},
                      {"Edit30", "0"},
                      {"Edit39", "3000"},
                      {"Edit40", "2000"},
                      {"Edit41", "2000"},
                      {"Edit42", "10000"}});
    tilted.setChecked("RadioButton3", true);
    tilted.setChecked("RadioButton21", true);
    tilted.setChecked("RadioButton14", true);
    UncertaintyInputs in;
    in.level = 2;
    for (auto [name, u] : {std::pair{"Edit1", 2.0},
                           {"Edit2", 4.0},
                           {"Edit29", 0.05},
                           {"Edit39", 5.0},
                           {"Edit40", 2.0},
                           {"Edit41", 2.0},
                           {"Edit42", 4.0}}) {
        in.set(name, u);
    }
    struct Case {
        const char* tank;
        TankConfig config;
        std::vector<double> levels;
    } cases[] = {
        {"flat", read(flat), {400, 1000, 1600}},
        {"example", read(example), {500, 1300, 2100}},
        {"tilted", read(tilted), {600, 1000, 1500}},
    };
    for (const Case& c : cases) {
        const Propagation first(c.config, Method::Classic, in);
        for (double level : c.levels) {
            const double u = first.expanded(level);
            const double mc =
                testsupport::monteCarlo(c.config, Method::Classic, in, level, 4000).expanded();
            // 4,000 draws estimate a standard deviation within 1/√(2N) = 1.1 %; 6 % is five of
            // those.
            EXPECT_NEAR(mc / u, 1.0, 0.06) << c.tank << " at " << level << ": " << u << " " << mc;
        }
    }
}

}  // namespace
}  // namespace quorvel::uncertainty

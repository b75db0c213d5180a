// uncertainty_mc [DRAWS]: the first-order U of the table (uncertainty/propagation.h) against a
// Monte Carlo run of the same inputs (tests/support/monte_carlo.h, 10⁵ draws unless given) at
// 10 levels, bottom and top included, of three tanks: flat ends D 2000 × L 5000, the example
// (D 2600 × L 8000, standard ellipsoidal heads), and a tilted tank (2°, F 3000, 2000 × 2000 ×
// 10000, flat ends). Prints one line a level: tank, level, U first order, U Monte Carlo, their
// ratio.
#include <cstdio>
#include <cstdlib>

#include "support/forms.h"
#include "support/monte_carlo.h"

using namespace quorvel;

namespace {

TankConfig read(const MemoryForm& form) {
    auto config = buildTankConfig(form);
    if (!config) {
        std::fprintf(stderr, "%s\n", config.stop().text.c_str());
        std::exit(1);
    }
    return *config;
}

}  // namespace

int main(int argc, char** argv) {
    const int draws = argc > 1 ? std::atoi(argv[1]) : 100000;
    MemoryForm flat = testsupport::circularForm("2000", "5000");
    flat.setChecked("RadioButton21", true);
    flat.setChecked("RadioButton14", true);
    MemoryForm example = testsupport::circularForm("2600", "8000");
    example.setChecked("RadioButton19", true);
    example.setChecked("RadioButton12", true);
    MemoryForm tilted = testsupport::startedForm(1);
    testsupport::setTexts(tilted, {{"Edit29", "2"},
                                   {"Edit30", "0"},
                                   {"Edit39", "3000"},
                                   {"Edit40", "2000"},
                                   {"Edit41", "2000"},
                                   {"Edit42", "10000"}});
    tilted.setChecked("RadioButton3", true);
    tilted.setChecked("RadioButton21", true);
    tilted.setChecked("RadioButton14", true);
    uncertainty::UncertaintyInputs in;  // u(level) = 1 mm
    for (auto [name, u] : {std::pair{"Edit1", 2.0},
                           {"Edit2", 4.0},
                           {"Edit29", 0.05},
                           {"Edit39", 5.0},
                           {"Edit40", 2.0},
                           {"Edit41", 2.0},
                           {"Edit42", 4.0}}) {
        in.set(name, u);
    }
    struct Tank {
        const char* name;
        TankConfig config;
    } tanks[] = {{"flat", read(flat)}, {"example", read(example)}, {"tilted", read(tilted)}};
    std::printf("tank,level mm,U first order L,U Monte Carlo L,ratio\n");
    for (const Tank& t : tanks) {
        const uncertainty::Propagation first(t.config, Method::Classic, in);
        const double height = t.config.height();
        for (double f : {0.0, 0.005, 0.05, 0.2, 0.4, 0.5, 0.6, 0.8, 0.995, 1.0}) {
            const double level = f * height;
            const double u = first.expanded(level);
            const double mc =
                testsupport::monteCarlo(t.config, Method::Classic, in, level, draws).expanded();
            std::printf("%s,%g,%.2f,%.2f,%.3f\n", t.name, level, u, mc, mc / u);
        }
    }
    return 0;
}

// The booked quantity's arithmetic against values worked by hand, and its refusals with their
// exact texts (tests/golden/oil/booked.json).
#include "oil/booked_quantity.h"

#include <fstream>
#include <functional>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace quorvel::oil {
namespace {

using json = nlohmann::json;

json golden() {
    std::ifstream in(std::string(QUORVEL_GOLDEN_DIR) + "/oil/booked.json");
    return json::parse(in);
}

// Runs `compute` for a case: refused with the case's message, or its value checked.
void expectCase(const json& c, const std::function<void()>& compute) {
    if (c.contains("message")) {
        try {
            compute();
            ADD_FAILURE() << "not refused: " << c.dump();
        } catch (const RangeError& e) {
            EXPECT_EQ(e.what(), c["message"].get<std::string>());
        }
    } else {
        compute();
    }
}

TEST(BookedQuantity, ShellTemperatureFromTheOilAndTheAir) {
    const json table = golden()["shellTemperature"];
    for (const json& c : table) {
        expectCase(c, [&] {
            const double tsh = shellTemperature(c["tl"], c["ta"], c["insulated"]);
            EXPECT_EQ(tsh, c["tsh"].get<double>()) << c.dump();
        });
    }
}

TEST(BookedQuantity, ShellGrowthAndItsDomain) {
    const json table = golden()["shellGrowth"];
    for (const json& c : table) {
        expectCase(c, [&] {
            const double k = shellGrowth(c["alpha"], c["tsh"], c["tc"]);
            EXPECT_NEAR(k, c["k"].get<double>(), 1e-15) << c.dump();
        });
    }
}

TEST(BookedQuantity, ShellCorrectionPrintedToFiveDecimals) {
    const json table = golden()["printedShellCorrection"];
    for (const json& c : table) {
        EXPECT_EQ(printedShellCorrection(c[0]), c[1].get<double>()) << c.dump();
    }
}

TEST(BookedQuantity, GrossObservedVolumeFromThePrintedValues) {
    const json table = golden()["grossObserved"];
    for (const json& c : table) {
        EXPECT_EQ(volumeTimes(volumeDifference(c["vto"], c["fw"]), c["ctsh"]),
                  c["vgo"].get<double>())
            << c.dump();
    }
}

TEST(BookedQuantity, NetStandardVolumeAndMass) {
    const json table = golden()["net"];
    for (const json& c : table) {
        expectCase(c, [&] {
            const NetQuantity net = netQuantity(c["vgs"], c["sw"], c["rho20"]);
            EXPECT_EQ(net.vns, c["vns"].get<double>()) << c.dump();
            EXPECT_EQ(net.massKg, c["mass"].get<double>()) << c.dump();
        });
    }
}

}  // namespace
}  // namespace quorvel::oil

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
    for (const json& c : golden()["shellTemperature"]) {
        expectCase(c, [&] {
            EXPECT_EQ(shellTemperature(c["tl"], c["ta"], c["insulated"]), c["tsh"].get<double>())
                << c.dump();
        });
    }
}

TEST(BookedQuantity, ShellGrowthAndItsDomain) {
    for (const json& c : golden()["shellGrowth"]) {
        expectCase(c, [&] {
            EXPECT_NEAR(shellGrowth(c["alpha"], c["tsh"], c["tc"]), c["k"].get<double>(), 1e-15)
                << c.dump();
        });
    }
}

TEST(BookedQuantity, ShellCorrectionPrintedToFiveDecimals) {
    for (const json& c : golden()["printedShellCorrection"]) {
        EXPECT_EQ(printedShellCorrection(c[0]), c[1].get<double>()) << c.dump();
    }
}

TEST(BookedQuantity, GrossObservedVolumeFromThePrintedValues) {
    for (const json& c : golden()["grossObserved"]) {
        EXPECT_EQ(volumeTimes(volumeDifference(c["vto"], c["fw"]), c["ctsh"]),
                  c["vgo"].get<double>())
            << c.dump();
    }
}

TEST(BookedQuantity, NetStandardVolumeAndMass) {
    for (const json& c : golden()["net"]) {
        expectCase(c, [&] {
            const NetQuantity net = netQuantity(c["vgs"], c["sw"], c["rho20"]);
            EXPECT_EQ(net.vns, c["vns"].get<double>()) << c.dump();
            EXPECT_EQ(net.massKg, c["mass"].get<double>()) << c.dump();
        });
    }
}

}  // namespace
}  // namespace quorvel::oil

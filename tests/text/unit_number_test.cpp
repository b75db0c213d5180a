// Numbers in the output units, as one conversion table (golden/text/output_units.json): the
// exact factors, each unit's decimals, rounding, no "-0", and the defaults printing as always.
#include <gtest/gtest.h>

#include <fstream>

#include <nlohmann/json.hpp>

#include "text/unit_number.h"

namespace quorvel {
namespace {

const units::Unit& unitOf(const std::string& quantity, const std::string& word) {
    const units::Unit* unit = quantity == "length"   ? units::unitOf(units::kLengthUnits, word)
                              : quantity == "volume" ? units::unitOf(units::kVolumeUnits, word)
                                                     : units::unitOf(units::kMassUnits, word);
    EXPECT_NE(unit, nullptr) << quantity << " " << word;
    return unit != nullptr ? *unit : units::kMillimetre;
}

TEST(OutputUnits, ConversionTable) {
    std::ifstream in(std::string(QUORVEL_GOLDEN_DIR) + "/text/output_units.json");
    const nlohmann::json table = nlohmann::json::parse(in);
    for (const auto& row : table.at("cases")) {
        const std::string quantity = row[0], word = row[1], expected = row[3];
        const double value = row[2];
        SCOPED_TRACE(quantity + " " + word + " " + row[2].dump());
        const units::Unit& unit = unitOf(quantity, word);
        EXPECT_EQ(quantity == "length" ? formatLengthIn(value, unit) : formatAmountIn(value, unit),
                  expected);
    }
}

TEST(OutputUnits, NoUnitIsCoarserThanAMillimetreALitreOrAKilogram) {
    auto check = [](const auto& units) {
        for (const units::Unit& unit : units) {
            SCOPED_TRACE(std::string(unit.word));
            EXPECT_LE(units::lastPlaceInDefault(unit), 1.0L);
            // Not needlessly fine either: one place fewer would be coarser (the defaults aside).
            if (unit.inDefault != 1) {
                EXPECT_GT(units::lastPlaceInDefault(unit) * 10, 1.0L);
            }
        }
    };
    check(units::kLengthUnits);
    check(units::kVolumeUnits);
    check(units::kMassUnits);
}

TEST(OutputUnits, AValueNotFiniteIsRefused) {
    EXPECT_THROW(formatAmountIn(1.0L / 0.0L, units::kCubicMetre), std::range_error);
}

}  // namespace
}  // namespace quorvel

// Upright tanks: volumes and the liquid-head correction against closed forms
// (golden/tank/upright.json), refusals naming the course or row
// (golden/tank/upright_refusals.json).
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <string>

#include "support/forms.h"
#include "tank/tank_reader.h"
#include "tank/volume.h"
#include "units/units.h"

namespace quorvel {
namespace {

using nlohmann::json;

const json& load(const std::string& name) {
    static std::map<std::string, json> loaded;
    auto [it, added] = loaded.try_emplace(name);
    if (added) {
        std::ifstream in(std::string(QUORVEL_GOLDEN_DIR) + "/tank/" + name);
        it->second = json::parse(in);
    }
    return it->second;
}

template <typename Row>
std::vector<Row> rowsOf(const json& rows) {
    std::vector<Row> out;
    for (const json& row : rows) {
        Row r;
        for (std::size_t i = 0; i < r.size(); ++i) {
            r[i] = row.at(i).get<std::string>();
        }
        out.push_back(r);
    }
    return out;
}

// The page 立式圆筒 after start-up, filled in as `tank` says.
MemoryForm uprightForm(const json& tank) {
    MemoryForm form = testsupport::startedForm(4);
    form.setUprightRows({rowsOf<CourseRow>(tank.value("courses", json::array())),
                         rowsOf<DeadwoodRow>(tank.value("deadwood", json::array()))});
    const json set = tank.value("set", json::object());
    for (const auto& [name, text] : set.items()) {
        form.setText(name, text.get<std::string>());
    }
    return form;
}

TEST(UprightTank, VolumesAndHeadCorrectionMatchTheClosedForms) {
    const json& golden = load("upright.json");
    for (const json& c : golden["cases"]) {
        const std::string tank = c["tank"];
        const double level = c["level"];
        SCOPED_TRACE(tank + " at " + std::to_string(level) + " mm");
        MemoryForm form = uprightForm(golden["tanks"][tank]);
        Outcome<TankConfig> config = buildTankConfig(form);
        ASSERT_TRUE(config) << config.stop().text;
        // The whole pipeline, as a table row or a quick calculation computes it.
        const double litres = static_cast<double>(units::litres(volumeAtLevel(*config, level, 0)));
        EXPECT_NEAR(litres, c["litres"].get<double>(), 1e-6);
        const double density = config->upright.headDensity.value_or(0);
        EXPECT_NEAR(headExpansion(config->upright, level, density), c["head_litres"].get<double>(),
                    1e-9);
    }
}

TEST(UprightTank, BothMethodsGiveTheSameAndTheTableStopsAtTheTop) {
    MemoryForm form = uprightForm(load("upright.json")["tanks"]["three"]);
    form.setText("Edit7", "9999");
    Outcome<TankConfig> config = buildTankConfig(form);
    ASSERT_TRUE(config);
    EXPECT_EQ(config->height(), 4500);
    EXPECT_EQ(config->levelTo, 4500);
    VolumeState a, b;
    EXPECT_EQ(volumeAtLevel(*config, 2222, 0, a, Method::Exact),
              volumeAtLevel(*config, 2222, 0, b, Method::Classic));
}

TEST(UprightTank, RefusalsNameTheCourseOrRow) {
    for (const json& c : load("upright_refusals.json")["cases"]) {
        SCOPED_TRACE(c["name"].get<std::string>());
        MemoryForm form = uprightForm(c);
        Outcome<TankConfig> config = buildTankConfig(form);
        ASSERT_FALSE(config);
        EXPECT_EQ(config.stop().text, c["message"].get<std::string>());
    }
}

}  // namespace
}  // namespace quorvel

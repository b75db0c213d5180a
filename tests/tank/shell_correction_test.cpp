// The shell correction CTSh = k³·V(h/k)/V(h) of each head kind, a tilted and a calibrated
// tank at 20 levels, against the same ratio of an independent volume model
// (tests/golden/tank/shell_correction.json, written by tests/tank/shell_correction_reference.py
// with mpmath); the volume at each level is checked first, so that the tank the window
// describes is the one the reference draws.
#include "tank/shell_correction.h"

#include <cmath>
#include <fstream>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "form/calibration_grid.h"
#include "support/forms.h"
#include "tank/quick_calculation.h"
#include "units/units.h"

namespace quorvel {
namespace {

using json = nlohmann::json;

// The tank of a case as the quick calculation reads it.
QuickRequest requestOf(const json& c) {
    MemoryForm form = testsupport::startedForm(c["page"].get<int>());
    for (const auto& [name, value] : c["set"].items()) {
        const std::string text = value.get<std::string>();
        if (name.starts_with("RadioButton")) {
            form.setChecked(name, text == "1");
        } else {
            form.setText(name, text);
        }
    }
    if (c.contains("points")) {
        const int n = static_cast<int>(c["points"].size()) - 1;
        form.setText("ComboBox2", std::to_string(n));
        choosePointCount(form.grid(), n);
        for (int row = 1; row <= n + 1; ++row) {
            const json& point = c["points"][static_cast<std::size_t>(row - 1)];
            form.grid().setCell(1, row, point[0].get<std::string>());
            form.grid().setCell(2, row, point[1].get<std::string>());
        }
    }
    form.setText("Edit35", "1");
    Outcome<QuickRequest> request = readQuickRequest(form);
    EXPECT_TRUE(request) << c["name"] << ": " << (request ? "" : request.stop().text);
    return request ? *request : QuickRequest{};
}

TEST(ShellCorrection, MatchesTheRatioOfAnIndependentVolumeModel) {
    std::ifstream in(std::string(QUORVEL_GOLDEN_DIR) + "/tank/shell_correction.json");
    const json cases = json::parse(in)["cases"];
    ASSERT_EQ(cases.size(), 13u);
    for (const json& c : cases) {
        QuickRequest request = requestOf(c);
        const Method method = c["method"] == "exact" ? Method::Exact : Method::Classic;
        const double k = c["growth"].get<double>();
        for (std::size_t i = 0; i < 20; ++i) {
            const double h = c["levels"][i].get<double>();
            request.level = h;
            const double litres = units::litres(quickTotal(request, method));
            const double expectedLitres = c["litres"][i].get<double>();
            ASSERT_NEAR(litres, expectedLitres, 1e-9 * expectedLitres + 1e-9)
                << c["name"] << " at " << h << " mm: the tank differs from the reference's";
            const double expected = std::stod(c["ctsh"][i].get<std::string>());
            EXPECT_NEAR(shellCorrection(request.config, method, h, k), expected, 1e-11)
                << c["name"] << " at " << h << " mm";
        }
    }
}

// The upright cylinder of the published example: V proportional to h gives k², so at
// ΔT = 37.7778 °C (100 °F) and α = 1.116×10⁻⁵ CTSh = 1 + 2αΔT + α²ΔT², printed 1.00084
// (API MPMS ch. 12.1.1); the empty tank has nothing to correct.
TEST(ShellCorrection, UprightCylinderGivesThePublishedFactor) {
    const json c = json::parse(R"({"name": "upright", "page": 3, "set": {},
                                    "points": [["0", "0"], ["5000", "50000"], ["10000", "100000"]]})");
    const QuickRequest request = requestOf(c);
    const double alphaDt = 1.116e-5 * 37.7778;
    for (double h : {10.0, 5000.0, 10000.0}) {
        EXPECT_NEAR(shellCorrection(request.config, Method::Classic, h, 1 + alphaDt),
                    1 + 2 * alphaDt + alphaDt * alphaDt, 1e-14)
            << h;
    }
    EXPECT_EQ(shellCorrection(request.config, Method::Classic, 0, 1 + alphaDt), 1.0);
}

}  // namespace
}  // namespace quorvel

// Requests refused before anything is computed or written, from golden/app/refusals.json:
// negative levels, and a reference height a document could not print as a level.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/memory_window.h"
#include "app/window_operations.h"
#include "support/recording_ui.h"
#include "support/temp_folder.h"

namespace quorvel::app {
namespace {

TEST(Refusals, EachStopsWithItsBoxAndWritesNothing) {
    std::ifstream in(std::string(QUORVEL_GOLDEN_DIR) + "/app/refusals.json");
    const nlohmann::json table = nlohmann::json::parse(in);
    for (const nlohmann::json& c : table.at("cases")) {
        SCOPED_TRACE(c.at("name").get<std::string>());
        testsupport::TempFolder folder;
        MemoryWindow window;
        testsupport::RecordingUi ui;
        WindowOperations ops(window, ui, ProgramFiles{folder.path().string(), ""});
        ops.start();
        window.form().setActivePage(0);
        window.setChecked("RadioButton1", true);
        window.setChecked("RadioButton21", true);  // both heads flat
        window.setChecked("RadioButton14", true);
        window.setText("Edit1", "2000");
        window.setText("Edit2", "5000");
        for (const auto& [control, text] : c.at("fields").items()) {
            window.setText(control, text.get<std::string>());
        }
        EXPECT_FALSE(c.at("operation") == "quick" ? ops.quick() : ops.generate());
        EXPECT_EQ(ui.errors(), std::vector<std::string>{c.at("error").get<std::string>()});
        EXPECT_EQ(window.text("Edit36"), "");
        EXPECT_EQ(folder.entryCount(), 0u);
    }
}

}  // namespace
}  // namespace quorvel::app

// The tank register's operations and refusals as one table (golden/app/register.json): the
// file names of tank numbers, and save, duplicate, list, search, delete and restore in order
// on one register, each with what it gives or why it is refused; the tank files themselves are
// the store's (tests/store/tank_file_test.cpp).
#include <gtest/gtest.h>

#include <fstream>

#include <nlohmann/json.hpp>

#include "app/memory_window.h"
#include "app/start_and_close.h"
#include "app/tank_register.h"
#include "form/fields.h"
#include "form/output_units.h"
#include "support/temp_folder.h"

namespace quorvel::app {
namespace {

using nlohmann::json;
const std::string kExamples = std::string(QUORVEL_EXAMPLES_DIR) + "/";

json golden() {
    std::ifstream in(std::string(QUORVEL_GOLDEN_DIR) + "/app/register.json");
    return json::parse(in);
}

TEST(TankRegister, FileNamesOfTankNumbers) {
    const json table = golden();
    for (const auto& c : table.at("fileNames")) {
        const std::string number = c[0], expected = c[1];
        SCOPED_TRACE(number);
        std::string got;
        try {
            got = tankFileName(number);
        } catch (const RegisterError& e) {
            got = e.what();
        }
        EXPECT_EQ(got, expected);
    }
    // Cut at a character's end: no half a character is left at 200 bytes.
    std::string long_;
    for (int i = 0; i < 100; ++i) {
        long_ += "罐";  // 3 bytes each
    }
    EXPECT_EQ(tankFileName(long_), long_.substr(0, 198) + ".json");
}

MemoryWindow exampleTank(const std::string& number) {
    MemoryWindow window;
    loadStoredFiles(window, kExamples + "Config.ini", kExamples + "bd.txt");
    finishStartUp(window);
    window.setChecked(kWeightsSwitch, false);
    window.setText(kTankNumberField, number);
    window.form().setActivePage(0);
    return window;
}

std::string row(const RegisterEntry& e) {
    if (!e.fault.empty()) {
        return e.file + " !" + e.fault;
    }
    return e.file + " " + e.tankNumber + " " + e.shape + " " + e.totalCapacity + " " + e.method;
}

TEST(TankRegister, OperationsInOrder) {
    testsupport::TempFolder data;
    const TankRegister tanks(data.path().string());
    const json table = golden();
    for (const auto& step : table.at("steps")) {
        const std::string op = step.at("op");
        SCOPED_TRACE(step.dump());
        json got;
        try {
            if (op == "save") {
                MemoryWindow window = exampleTank(step.at("number"));
                if (step.contains("units")) {
                    window.setText(kVolumeUnitList, step.at("units").get<std::string>());
                }
                std::optional<std::string> opened;
                if (step.contains("opened")) {
                    opened = step.at("opened").get<std::string>();
                }
                got = tanks.save(window, window.form().grid(), 0, opened);
            } else if (op == "duplicate") {
                got = tanks.duplicate(step.at("file").get<std::string>(),
                                      step.at("number").get<std::string>());
            } else if (op == "list" || op == "search") {
                std::vector<RegisterEntry> entries = tanks.list();
                if (op == "search") {
                    entries = searchRegister(entries, step.at("text").get<std::string>());
                }
                got = json::array();
                for (const RegisterEntry& e : entries) {
                    if (step.contains("only") && e.file != step.at("only")) {
                        continue;
                    }
                    std::string text = op == "list" ? row(e) : e.file;
                    if (const auto at = text.find(tanks.folder()); at != std::string::npos) {
                        text.replace(at, tanks.folder().size(), "REGISTER");
                    }
                    got.push_back(text);
                    EXPECT_EQ(e.modified.size(), 16U) << e.modified;  // YYYY-MM-DD HH:MM
                }
            } else if (op == "remove") {
                got = tanks.remove(step.at("file").get<std::string>());
            } else if (op == "deleted") {
                got = tanks.deleted();
            } else if (op == "restore") {
                got = tanks.restore(step.at("file").get<std::string>());
            } else if (op == "damage") {
                testsupport::writeBytes(tanks.pathOf(step.at("file").get<std::string>()), "{");
                continue;
            }
        } catch (const RegisterError& e) {
            EXPECT_EQ(step.value("refused", "(not refused)"), e.what());
            continue;
        }
        EXPECT_FALSE(step.contains("refused")) << got.dump();
        EXPECT_EQ(got, step.at("gives"));
    }
}

TEST(TankRegister, ATankChangedSinceItWasOpenedIsTold) {
    testsupport::TempFolder data;
    const TankRegister tanks(data.path().string());
    MemoryWindow window = exampleTank("T-1");
    const std::string name = tanks.save(window, window.form().grid(), 0, std::nullopt);
    MemoryWindow opened;
    std::vector<std::string> warnings;
    const int page = loadTank(opened, tanks.pathOf(name), warnings);
    const std::string asOpened = tankBytes(opened, opened.form().grid(), page);
    EXPECT_EQ(testsupport::readBytes(tanks.pathOf(name)), asOpened);
    opened.setText(kDiameterField, "2601");
    EXPECT_NE(tankBytes(opened, opened.form().grid(), page), asOpened);
}

}  // namespace
}  // namespace quorvel::app

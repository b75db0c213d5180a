// Tank files: the example tank written and read back byte for byte, and files a user or
// another system may hand over (golden/store/tank_files.json), each refused with every fault
// named and nothing changed, or read with what it ignored named.
#include <gtest/gtest.h>

#include <array>
#include <fstream>

#include <nlohmann/json.hpp>

#include "form/controls.h"
#include "form/memory_form.h"
#include "store/grid_file.h"
#include "store/settings_file.h"
#include "store/tank_file.h"
#include "support/temp_folder.h"

namespace quorvel {
namespace {

constexpr std::array<std::string_view, 4> kShells{"horizontal", "tilted", "spherical",
                                                  "calibrated"};
const std::string kExamples = std::string(QUORVEL_EXAMPLES_DIR) + "/";

MemoryForm exampleForm() {
    MemoryForm form = MemoryForm::designed();
    LoadSettings(form, kExamples + "Config.ini");
    LoadStringGrid(form.grid(), kExamples + "bd.txt");
    return form;
}

TEST(TankFile, TheExampleComesBackByteForByte) {
    const MemoryForm example = exampleForm();
    const std::string bytes = tankFileBytes(example, example.grid(), 3, kShells);
    MemoryForm read = MemoryForm::designed();
    const TankFileContent content = readTankFile(bytes, "t.json", read, read.grid(), kShells);
    EXPECT_EQ(content.page, 3);
    EXPECT_TRUE(content.warnings.empty());
    EXPECT_EQ(tankFileBytes(read, read.grid(), 3, kShells), bytes);
    for (const ControlInfo& c : storedControls()) {
        EXPECT_EQ(read.text(c.name), example.text(c.name)) << c.name;
        EXPECT_EQ(read.checked(c.name), example.checked(c.name)) << c.name;
    }
    // The grid's rows each on one line, the file ending with a line end.
    EXPECT_NE(bytes.find("\n    [\"1\",\"0\",\"0\"],\n"), std::string::npos);
    EXPECT_TRUE(bytes.ends_with("  ]\n}\n"));
}

// An upright tank's courses and deadwood travel with it (the grids are not stored controls);
// another tank's file has no such section and reads back with none.
TEST(TankFile, AnUprightTanksRowsComeBack) {
    MemoryForm upright = MemoryForm::designed();
    upright.setUprightRows(
        {{{"1500", "10000", "", "12"}, {"1500", "", "31400", "10"}}, {{"0", "800", "350"}}});
    const std::string bytes = tankFileBytes(upright, upright.grid(), 0, kShells);
    MemoryForm read = exampleForm();
    read.setUprightRows({{{"9", "9", "9", "9"}}, {}});
    EXPECT_EQ(readTankFile(bytes, "t.json", read, read.grid(), kShells).upright,
              withoutEmptyRows(upright.uprightRows()));
    const MemoryForm example = exampleForm();
    EXPECT_TRUE(readTankFile(tankFileBytes(example, example.grid(), 0, kShells), "t.json", read,
                             read.grid(), kShells)
                    .upright.empty());
}

TEST(TankFile, TextThatIsNoUtf8IsNamedAndNothingWritten) {
    testsupport::TempFolder folder;
    const std::string path = folder.file("t.json");
    testsupport::writeBytes(path, "before");
    MemoryForm form = MemoryForm::designed();
    form.setText("Edit49", "T\xff");
    try {
        SaveTankFile(form, form.grid(), 0, kShells, path);
        FAIL() << "saved";
    } catch (const TankFileError& e) {
        EXPECT_EQ(e.faults(), std::vector<std::string>{"\"Edit49\" 不是 UTF-8 文字，罐文件存不下"});
    }
    EXPECT_EQ(testsupport::readBytes(path), "before");
}

TEST(TankFile, HandedOverFiles) {
    std::ifstream in(std::string(QUORVEL_GOLDEN_DIR) + "/store/tank_files.json");
    const nlohmann::json cases = nlohmann::json::parse(in).at("cases");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.at("name").get<std::string>());
        std::string text = c.at("text");
        if (c.contains("latin1")) {  // the one byte 0xFF where ÿ is written
            text.replace(text.find("\xc3\xbf"), 2, "\xff");
        }
        if (const auto at = text.find("WIDE"); at != std::string::npos) {
            std::string row = "\"\"";
            for (int i = 1; i < 1001; ++i) {
                row += ",\"\"";
            }
            text.replace(at, 4, row);
        }
        MemoryForm form = exampleForm();
        const MemoryForm before = form;
        if (c.contains("faults")) {
            try {
                readTankFile(text, "t.json", form, form.grid(), kShells);
                ADD_FAILURE() << "read";
            } catch (const TankFileError& e) {
                EXPECT_EQ(e.faults(), c.at("faults").get<std::vector<std::string>>());
                EXPECT_EQ(e.path(), "t.json");
            }
            for (const ControlInfo& control : storedControls()) {
                EXPECT_EQ(form.text(control.name), before.text(control.name)) << control.name;
            }
            EXPECT_EQ(form.grid().rowCount(), before.grid().rowCount());
            continue;
        }
        const TankFileContent content = readTankFile(text, "t.json", form, form.grid(), kShells);
        EXPECT_EQ(content.warnings, c.at("warnings").get<std::vector<std::string>>());
        EXPECT_EQ(content.page, c.at("page").get<int>());
        for (const auto& [name, value] : c.at("set").items()) {
            const ControlInfo* control = findControl(name);
            ASSERT_NE(control, nullptr) << name;
            const bool box =
                control->kind == ControlKind::CheckBox || control->kind == ControlKind::RadioButton;
            EXPECT_EQ(box ? (form.checked(name) ? "1" : "0") : form.text(name),
                      value.get<std::string>())
                << name;
        }
    }
}

TEST(TankFile, AMissingFileIsNamedAsTheGridFileIs) {
    MemoryForm form;
    try {
        LoadTankFile("/nonexistent/t.json", form, form.grid(), kShells);
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(e.code(), ENOENT);
        EXPECT_EQ(std::string(e.what()),
                  "cannot load /nonexistent/t.json: the file does not exist");
    }
}

}  // namespace
}  // namespace quorvel

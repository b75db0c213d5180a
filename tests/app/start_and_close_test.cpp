// Start-up and close: a start without files, and a close followed by a new start that
// restores every stored field except those the start-up steps reset.
#include "app/window_operations.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/memory_window.h"
#include "form/controls.h"
#include "form/request_fields.h"
#include "support/recording_ui.h"
#include "support/temp_folder.h"

namespace quorvel::app {
namespace {

bool isTableRequest(std::string_view name) {
    return std::any_of(kTableRequestFields.begin(), kTableRequestFields.end(),
                       [name](const RequestField& f) { return f.name == name; });
}

ProgramFiles filesIn(const testsupport::TempFolder& folder) {
    return {std::filesystem::path(folder.file("x")).parent_path().string(), ""};
}

TEST(StartUp, WithoutFilesShowsTheDefaultsAndNothingElse) {
    testsupport::TempFolder folder;
    MemoryWindow w;
    testsupport::RecordingUi ui;
    WindowOperations ops(w, ui, filesIn(folder));
    ops.start();
    for (const ControlInfo& c : storedControls()) {
        if (c.kind == ControlKind::Edit && !isTableRequest(c.name)) {
            EXPECT_EQ(w.text(c.name), "") << c.name;
        }
        if (c.kind == ControlKind::CheckBox || c.kind == ControlKind::RadioButton) {
            EXPECT_FALSE(w.checked(c.name)) << c.name;  // no radio chosen in any group
        }
    }
    EXPECT_EQ(w.text("Edit7"), "9999");
    EXPECT_EQ(w.text("Edit9"), "200");
    EXPECT_TRUE(w.enabled("Edit6"));
    EXPECT_EQ(w.text("ComboBox1"), "");
    EXPECT_EQ(w.text("ComboBox3"), "加上左封头容积");
    EXPECT_EQ(w.text("ComboBox4"), "加上右封头容积");
    EXPECT_EQ(w.itemIndex("ComboBox2"), -1);
    EXPECT_EQ(w.grid().rowCount(), 2);
    EXPECT_EQ(w.grid().cell(0, 0), "序号");
    EXPECT_EQ(w.grid().cell(1, 0), "高度 mm");
    EXPECT_EQ(w.grid().cell(2, 0), "容积 L");
    EXPECT_FALSE(w.visible("Edit37"));
    EXPECT_TRUE(w.visible("Label47"));
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(folder.entryCount(), 0u);  // a start writes nothing
}

// A value for every stored control that differs from what a start without files shows.
void fillEveryControl(MemoryWindow& w) {
    int i = 1;
    for (const ControlInfo& c : storedControls()) {
        switch (c.kind) {
            case ControlKind::Edit:
                w.setText(c.name, std::to_string(100 + i++));
                break;
            case ControlKind::CheckBox:
                w.setChecked(c.name, true);
                break;
            case ControlKind::RadioButton:
                break;
            case ControlKind::List:
                break;
        }
    }
    for (const char* r : {"RadioButton2", "RadioButton4", "RadioButton18", "RadioButton11"}) {
        w.setChecked(r, true);
    }
    w.setText("ComboBox1", "g/cm^3");
    w.setItemIndex("ComboBox3", 1);
    w.setItemIndex("ComboBox4", 1);
    w.setText("Edit37", "中文 text");
}

TEST(StartUp, CloseThenStartRestoresEveryStoredField) {
    testsupport::TempFolder folder;
    MemoryWindow before;
    testsupport::RecordingUi ui;
    WindowOperations first(before, ui, filesIn(folder));
    first.start();
    fillEveryControl(before);
    before.setItemIndex("ComboBox2", 3);
    first.pointCountChanged();
    before.grid().setCell(1, 6, "2500");
    before.grid().setCell(2, 6, "12000.5");
    first.close();

    MemoryWindow after;
    WindowOperations second(after, ui, filesIn(folder));
    second.start();
    for (const ControlInfo& c : storedControls()) {
        if (isTableRequest(c.name)) {
            continue;
        }
        if (c.name == "ComboBox3" || c.name == "ComboBox4") {
            EXPECT_EQ(after.itemIndex(c.name), 0) << c.name;  // always the add entry
        } else if (c.name == kQuickResultField) {
            EXPECT_EQ(after.text(c.name), "");  // it belonged to the earlier run's inputs
        } else if (c.kind == ControlKind::Edit || c.kind == ControlKind::List) {
            EXPECT_EQ(after.text(c.name), before.text(c.name)) << c.name;
        } else {
            EXPECT_EQ(after.checked(c.name), before.checked(c.name)) << c.name;
        }
    }
    for (const RequestField& field : kTableRequestFields) {
        EXPECT_NE(before.text(field.name), after.text(field.name)) << field.name;
        EXPECT_FALSE(after.enabled(field.name)) << field.name;  // "默认" came back checked
    }
    EXPECT_EQ(after.text("Edit7"), "9999");
    EXPECT_EQ(after.itemIndex("ComboBox2"), 3);
    EXPECT_EQ(after.grid().rowCount(), 7);
    EXPECT_EQ(after.grid().cell(1, 6), "2500");
    EXPECT_EQ(after.grid().cell(2, 6), "12000.5");
    EXPECT_TRUE(after.visible("Edit37"));
    EXPECT_FALSE(after.visible("Label47"));
    EXPECT_TRUE(ui.shown.empty());
}

TEST(StartUp, RowsHiddenByASmallerCountAreNotSaved) {
    testsupport::TempFolder folder;
    MemoryWindow w;
    testsupport::RecordingUi ui;
    WindowOperations ops(w, ui, filesIn(folder));
    ops.start();
    w.setItemIndex("ComboBox2", 3);
    ops.pointCountChanged();
    w.grid().setCell(1, 6, "2500");
    w.setItemIndex("ComboBox2", 0);
    ops.pointCountChanged();
    ops.close();
    const std::string grid = testsupport::readBytes(filesIn(folder).grid());
    EXPECT_EQ(grid.substr(0, 6), "3\r\n4\r\n");
    EXPECT_EQ(grid.find("2500"), std::string::npos);
}

// `ini` with the value of `key` replaced by `value`.
std::string withValue(std::string ini, const std::string& key, const std::string& value) {
    const std::size_t at = ini.find("\r\n" + key + "=");
    EXPECT_NE(at, std::string::npos) << key;
    const std::size_t from = at + 3 + key.size();
    return ini.replace(from, ini.find("\r\n", from) - from, value);
}

// A stored text goes into its field as it is, the operation that uses it names it, and the
// close writes the file back byte for byte but for what the start-up resets.
TEST(StartUp, LoadedTextsAreKeptAsStored) {
    struct Case {
        const char* key;
        std::string stored;  // GBK, as in the file
        std::string shown;   // UTF-8
    };
    const std::vector<Case> cases = {
        {"Edit37", "0,84", "0,84"},
        {"Edit1", "2 600", "2 600"},
        {"Edit35", "abc", "abc"},
        {"Edit37", "\xa3\xb0\xa3\xae\xa3\xb8\xa3\xb4", "０．８４"},
    };
    const std::string example =
        withValue(testsupport::readBytes(std::string(QUORVEL_EXAMPLES_DIR) + "/Config.ini"),
                  "Edit35", "1500");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        testsupport::TempFolder folder;
        const ProgramFiles files = filesIn(folder);
        const std::string settings = withValue(example, c.key, c.stored);
        testsupport::writeBytes(files.settings(), settings);
        std::filesystem::copy_file(std::string(QUORVEL_EXAMPLES_DIR) + "/bd.txt", files.grid());
        MemoryWindow w;
        testsupport::RecordingUi ui;
        WindowOperations ops(w, ui, files);
        ops.start();
        EXPECT_EQ(w.text(c.key), c.shown);
        w.form().setActivePage(0);
        EXPECT_FALSE(ops.quick());
        EXPECT_EQ(ui.errors(), std::vector<std::string>{"“" + c.shown + "”不是有效的数字"});
        ops.close();
        EXPECT_EQ(testsupport::readBytes(files.settings()), settings);
    }
}

// `ini` without the line of `key`.
std::string withoutKey(std::string ini, const std::string& key) {
    const std::size_t at = ini.find("\r\n" + key + "=");
    EXPECT_NE(at, std::string::npos) << key;
    return ini.erase(at, ini.find("\r\n", at + 2) - at);
}

// The table request at start: what the settings held while "默认" is unchecked (a tank's dead
// volume and fitting are part of it), the defaults while it is checked, and the default of a
// field the settings do not hold. A close then writes the file back as it was.
TEST(StartUp, TheTableRequestKeepsWhatTheSettingsHeldUnlessDefaultIsChecked) {
    const std::string example =
        testsupport::readBytes(std::string(QUORVEL_EXAMPLES_DIR) + "/Config.ini");
    std::string corrected = example;
    for (const auto& [key, value] :
         {std::pair{"Edit13", "120"}, {"Edit31", "30"}, {"Edit32", "100"}, {"Edit33", "200"}}) {
        corrected = withValue(corrected, key, value);
    }
    struct Case {
        const char* name;
        std::string settings;
        std::vector<std::string>
            shown;  // Edit6, Edit7, Edit8, Edit9, Edit13, Edit31, Edit32, Edit33
        bool editable;
    };
    const std::vector<Case> cases = {
        {"默认 unchecked", corrected, {"0", "2600", "10", "200", "120", "30", "100", "200"}, true},
        {"默认 checked",
         withValue(corrected, "CheckBox2", "1"),
         {"0", "9999", "1", "200", "0", "0", "0", "0"},
         false},
        {"keys missing",
         withoutKey(withoutKey(corrected, "Edit7"), "Edit13"),
         {"0", "9999", "10", "200", "0", "30", "100", "200"},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::TempFolder folder;
        const ProgramFiles files = filesIn(folder);
        testsupport::writeBytes(files.settings(), c.settings);
        std::filesystem::copy_file(std::string(QUORVEL_EXAMPLES_DIR) + "/bd.txt", files.grid());
        MemoryWindow w;
        testsupport::RecordingUi ui;
        WindowOperations ops(w, ui, files);
        ops.start();
        for (std::size_t i = 0; i < kTableRequestFields.size(); ++i) {
            const std::string_view name = kTableRequestFields[i].name;
            EXPECT_EQ(w.text(name), c.shown[i]) << name;
            EXPECT_EQ(w.enabled(name), c.editable) << name;
        }
        ops.close();
        if (c.editable && c.settings == corrected) {
            EXPECT_EQ(testsupport::readBytes(files.settings()), c.settings);
        }
    }
}

// A file the start could not read is asked about at close: the question says whether it is
// still that file, and a copy that finds every name taken (NAME.bak … NAME.bak999) is named so.
TEST(StartUp, TheCloseQuestionSaysWhatBecameOfTheUnreadFile) {
    testsupport::TempFolder folder;
    const ProgramFiles files = filesIn(folder);
    const std::string grid = files.grid();
    testsupport::writeBytes(grid, "x\r\n");
    const std::string tail =
        "。\n选“是”：先把它保留为“" + grid +
        ".bak”，再保存本次的内容；\n选“否”：不改写它，本次的内容不保存到这个文件。";
    for (const bool replaced : {false, true}) {
        MemoryWindow w;
        testsupport::RecordingUi ui;
        WindowOperations ops(w, ui, files);
        ops.start();
        if (replaced) {
            testsupport::writeBytes(grid, "3\r\n2\r\n");  // a good file put there meanwhile
        }
        ui.answers.push_back(MessageAnswer::No);
        ui.shown.clear();
        ops.close();
        ASSERT_EQ(ui.shown.size(), 1u);
        EXPECT_EQ(ui.shown[0].text,
                  "启动时无法读取的标定点文件“" + grid + "”" +
                      (replaced ? "在程序运行期间已被改动或替换，本程序没有读过它现在的内容"
                                : "至今保持原样") +
                      tail);
        testsupport::writeBytes(grid, "x\r\n");
    }
    for (int n = 1; n <= 999; ++n) {
        testsupport::writeBytes(grid + ".bak" + (n == 1 ? "" : std::to_string(n)), "");
    }
    MemoryWindow w;
    testsupport::RecordingUi ui;
    WindowOperations ops(w, ui, files);
    ops.start();
    ops.close();
    EXPECT_EQ(ui.errors(), std::vector<std::string>{"无法保留副本：“" + grid + ".bak”至“" + grid +
                                                    ".bak999”都已存在。请删除不需要的副本后再关闭"
                                                    "程序；这个文件没有改写。"});
    EXPECT_EQ(testsupport::readBytes(grid), "x\r\n");
}

TEST(StartUp, EachFailedSaveOfTheCloseIsNamedWithItsReason) {
    testsupport::TempFolder folder;
    const ProgramFiles files = filesIn(folder);
    testsupport::writeBytes(files.grid(), "x\r\n");
    MemoryWindow w;
    testsupport::RecordingUi ui;
    // A program folder that runs through a regular file cannot be written.
    WindowOperations blocked(w, ui, ProgramFiles{files.grid(), ""});
    blocked.close();
    const std::string reason = "”无法读写：路径中有一段不是文件夹";
    EXPECT_EQ(ui.errors(),
              (std::vector<std::string>{"文件“" + files.grid() + "/Config.ini" + reason,
                                        "文件“" + files.grid() + "/bd.txt" + reason}));
    EXPECT_EQ(testsupport::readBytes(files.grid()), "x\r\n");
}

TEST(StartUp, TheUprightRowsAreWrittenOnceUsedAndADamagedFileIsNamed) {
    testsupport::TempFolder folder;
    testsupport::RecordingUi ui;
    const std::string path = folder.file("courses.txt");
    {
        MemoryWindow w;
        WindowOperations ops(w, ui, filesIn(folder));
        ops.start();
        ops.close();
    }
    EXPECT_FALSE(std::filesystem::exists(path));  // never used: no file
    const UprightRows rows{{{"1500", "10000", "", "12"}}, {{"0", "100", "5"}}};
    {
        MemoryWindow w;
        WindowOperations ops(w, ui, filesIn(folder));
        ops.start();
        w.setUprightRows(rows);
        ops.close();
    }
    {
        MemoryWindow w;
        WindowOperations ops(w, ui, filesIn(folder));
        ops.start();
        EXPECT_EQ(w.uprightRows(), rows);
    }
    EXPECT_TRUE(ui.shown.empty());
    testsupport::writeBytes(path, "Quorvel courses 1\r\ncourse,1500\r\n");
    MemoryWindow w;
    WindowOperations ops(w, ui, filesIn(folder));
    ops.start();
    EXPECT_TRUE(w.uprightRows().empty());
    ASSERT_EQ(ui.shown.size(), 1U);
    EXPECT_NE(ui.shown[0].text.find("第 2 行“course,1500”不是圈板或死量行"), std::string::npos)
        << ui.shown[0].text;
}

}  // namespace
}  // namespace quorvel::app

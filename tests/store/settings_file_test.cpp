#include "store/settings_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <vector>

#include <nlohmann/json.hpp>

#include "files/atomic_file.h"
#include "form/controls.h"
#include "form/memory_form.h"
#include "support/temp_folder.h"

namespace quorvel {
namespace {

using testsupport::TempFolder;

// A horizontal tank as a user leaves the window: blank fields, a subtracted left head,
// weights on, a count of 6 calibration points.
MemoryForm filledForm() {
    MemoryForm form = MemoryForm::designed();
    form.setText("Edit10", "25");
    form.setText("Edit1", "2600");
    form.setText("Edit2", "8000");
    form.setText("Edit6", "  ");
    form.setText("Edit7", "\t");
    form.setText("Edit8", "10");
    form.setText("Edit9", "200");
    form.setText("Edit35", "柴油罐");
    form.setText("Edit37", "0.84");
    form.setChecked("CheckBox1", true);
    form.setItemIndex("ComboBox3", 1);
    form.setItemIndex("ComboBox4", 0);
    form.setText("ComboBox2", "6");
    form.setChecked("RadioButton4", true);
    return form;
}

// The file as the earlier platform's program wrote it for filledForm(), in GBK.
const std::string kFilledFile =
    testsupport::readBytes(std::string(QUORVEL_GOLDEN_DIR) + "/store/filled_Config.ini");

TEST(SaveSettings, WritesTheFileByteForByte) {
    TempFolder folder;
    std::string path = folder.file("Config.ini");
    SaveSettings(filledForm(), path);
    EXPECT_EQ(testsupport::readBytes(path), kFilledFile);
    EXPECT_EQ(folder.entryCount(), 1u);  // no temporary file left behind
}

// The controls added after the 73 (method, reference height, ullage, quantity asked) are
// appended once set, in their order, come back at the next start, and once in the file are
// written even when back at their designed state, so going back is kept too.
TEST(SaveSettings, AddedControlsAreAppendedOnceSetAndComeBack) {
    TempFolder folder;
    const std::string path = folder.file("Config.ini");
    MemoryForm form = filledForm();
    form.setText("ComboBox5", "真实几何");
    form.setText("Edit48", "2700");
    form.setText("Edit59", "120.5");
    SaveSettings(form, path);
    EXPECT_EQ(testsupport::readBytes(path),
              testsupport::readBytes(std::string(QUORVEL_GOLDEN_DIR) + "/store/method_Config.ini"));

    MemoryForm restarted = MemoryForm::designed();
    LoadSettings(restarted, path);
    EXPECT_EQ(restarted.text("ComboBox5"), "真实几何");
    EXPECT_EQ(restarted.text("Edit48"), "2700");
    EXPECT_EQ(restarted.text("Edit59"), "120.5");
    EXPECT_EQ(restarted.text("Edit60"), "");

    restarted.setText("ComboBox5", "经典公式");
    restarted.setText("Edit59", "");
    SaveSettings(restarted, path);
    EXPECT_EQ(
        testsupport::readBytes(path),
        testsupport::readBytes(std::string(QUORVEL_GOLDEN_DIR) + "/store/method_back_Config.ini"));

    // A file of the earlier programs reads as the classic method.
    testsupport::writeBytes(path, kFilledFile);
    MemoryForm fromOld = MemoryForm::designed();
    LoadSettings(fromOld, path);
    EXPECT_EQ(fromOld.text("ComboBox5"), "经典公式");
}

TEST(SaveSettings, KeepsKeyOrderOfAnExistingFileAndAppendsNewKeys) {
    TempFolder folder;
    std::string path = folder.file("Config.ini");
    testsupport::writeBytes(
        path, "[FrmMainPro]\r\nEdit2=1\r\nNote=kept\r\nEdit1=5\r\n[Extra]\r\nk=v\r\n");
    SaveSettings(filledForm(), path);
    std::string bytes = testsupport::readBytes(path);
    ASSERT_TRUE(
        bytes.starts_with("[FrmMainPro]\r\nEdit2=8000\r\nNote=kept\r\nEdit1=2600\r\n"
                          "\xB3\xCC\xD0\xF2\xB0\xE6\xB1\xBE=2017\r\n"
                          "\xBC\xC6\xCB\xE3\xC4\xA3\xBF\xE9=Quorvel\r\nEdit10=25\r\n"))
        << bytes.substr(0, 200);
    EXPECT_TRUE(
        bytes.ends_with("Edit34=0\r\nComboBox2=6\r\nCheckBox2=0\r\n\r\n\r\n[Extra]\r\nk=v\r\n"));
    EXPECT_EQ(bytes.find("Edit1="), bytes.rfind("Edit1="));
    // Saving again changes nothing.
    SaveSettings(filledForm(), path);
    EXPECT_EQ(testsupport::readBytes(path), bytes);
}

// Every text a person can type or paste into a field is saved with the rest of the session
// and reads back as typed; golden/store/hostile_texts.json gives the bytes it is stored as.
TEST(SaveSettings, EveryTextIsStoredAndReadsBackAsTyped) {
    std::ifstream in(std::string(QUORVEL_GOLDEN_DIR) + "/store/hostile_texts.json");
    const nlohmann::json table = nlohmann::json::parse(in);
    TempFolder folder;
    const std::string path = folder.file("Config.ini");
    for (const nlohmann::json& c : table.at("cases")) {
        SCOPED_TRACE(c.at("name").get<std::string>());
        const std::string text = c.at("text");
        MemoryForm form = filledForm();
        form.setText("Edit52", text);
        form.setText("Edit1", "3000");
        SaveSettings(form, path);
        const std::string bytes = testsupport::readBytes(path);
        const std::string hex = c.at("stored");
        std::string stored;
        for (std::size_t i = 0; i < hex.size(); i += 2) {
            stored += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
        }
        EXPECT_NE(bytes.find("\r\nEdit52=" + stored + "\r\n"), std::string::npos);
        MemoryForm loaded = filledForm();
        LoadSettings(loaded, path);
        EXPECT_EQ(loaded.text("Edit52"), text);
        EXPECT_EQ(loaded.text("Edit1"), "3000");
        SaveSettings(loaded, path);
        EXPECT_EQ(testsupport::readBytes(path), bytes);
    }
}

// A value no line of the file can hold stops no other: the file is saved without it, the key
// keeps what it held, and the error names it.
TEST(SaveSettings, AValueThatCannotBeStoredKeepsItsOldValueAndStopsNoOther) {
    TempFolder folder;
    const std::string path = folder.file("Config.ini");
    const struct {
        std::string text;
        UnstorableValue why;
    } cases[] = {
        {"某某油库\r\n", UnstorableValue::LineBreak},
        {std::string("a\0b", 3), UnstorableValue::LineBreak},
        {"T-\xFF", UnstorableValue::NotText},
    };
    for (const auto& c : cases) {
        MemoryForm form = filledForm();
        form.setText("Edit52", "50 m³");
        SaveSettings(form, path);
        form.setText("Edit52", c.text);
        form.setText("Edit1", "3000");
        try {
            SaveSettings(form, path);
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const ValuesNotStored& e) {
            ASSERT_EQ(e.values().size(), 1u);
            EXPECT_EQ(e.values()[0].key, "Edit52");
            EXPECT_EQ(e.values()[0].why, c.why);
            EXPECT_EQ(e.path(), path);
        }
        MemoryForm loaded;
        LoadSettings(loaded, path);
        EXPECT_EQ(loaded.text("Edit52"), "50 m³");
        EXPECT_EQ(loaded.text("Edit1"), "3000");
        EXPECT_EQ(folder.entryCount(), 1u);
    }
}

TEST(SaveSettings, FolderThatCannotExistFails) {
    TempFolder folder;
    std::string plain = folder.file("plain");
    testsupport::writeBytes(plain, "x");
    EXPECT_THROW(SaveSettings(filledForm(), plain + "/Config.ini"), FileError);
    EXPECT_THROW(SaveSettings(filledForm(), folder.file("no-such-folder/Config.ini")), FileError);
}

TEST(LoadSettings, RestoresEveryKindOfControl) {
    TempFolder folder;
    std::string path = folder.file("Config.ini");
    MemoryForm saved = filledForm();
    saved.setText("Edit41", "1 2 3");
    saved.setText("ComboBox1", "g/cm^3");
    SaveSettings(saved, path);

    MemoryForm loaded;
    LoadSettings(loaded, path);
    for (const ControlInfo& c : storedControls()) {
        if (c.storedWhenSet) {
            continue;  // not written while unused: AddedControlsAreAppendedOnceSetAndComeBack
        }
        if (c.kind == ControlKind::CheckBox || c.kind == ControlKind::RadioButton) {
            EXPECT_EQ(loaded.checked(c.name), saved.checked(c.name)) << c.name;
        } else {
            std::string expected = saved.text(c.name);
            if (expected.find_first_not_of(" \t") == std::string::npos)
                expected = c.storedWhenSet ? "" : "0";
            EXPECT_EQ(loaded.text(c.name), expected) << c.name;
        }
    }
    EXPECT_EQ(loaded.itemIndex("ComboBox3"), 1);
    EXPECT_EQ(loaded.itemIndex("ComboBox2"), 4);
    EXPECT_EQ(loaded.text("Edit35"), "柴油罐");
    EXPECT_EQ(loaded.text("Edit6"), "0");
}

// Loads `body` (keys of the one section) into a form that had `before` applied.
MemoryForm loadBody(const std::string& body, void (*before)(MemoryForm&) = nullptr) {
    TempFolder folder;
    std::string path = folder.file("Config.ini");
    testsupport::writeBytes(path, "[FrmMainPro]\r\n" + body);
    MemoryForm form = MemoryForm::designed();
    if (before)
        before(form);
    LoadSettings(form, path);
    return form;
}

TEST(LoadSettings, BoxIsCheckedForAnIntegerOtherThanZero) {
    struct Case {
        const char* value;
        bool checked;
    } cases[] = {
        {"1", true},   {"-1", true},   {"+2", true},    {"$10", true}, {"0x1", true},
        {" 7 ", true}, {"0", false},   {"00", false},   {"-0", false}, {"$0", false},
        {"", false},   {"1.0", false}, {"true", false}, {"1a", false}, {"2147483648", false},
    };
    for (const Case& c : cases) {
        MemoryForm form = loadBody(std::string("CheckBox1=") + c.value + "\r\n");
        EXPECT_EQ(form.checked("CheckBox1"), c.checked) << '"' << c.value << '"';
    }
    MemoryForm missing = loadBody("", [](MemoryForm& f) { f.setChecked("CheckBox1", true); });
    EXPECT_FALSE(missing.checked("CheckBox1"));
}

TEST(LoadSettings, LastCheckedRadioButtonOfAGroupWins) {
    MemoryForm form = loadBody(
        "RadioButton8=1\r\nRadioButton9=1\r\nRadioButton10=0\r\nRadioButton22=0\r\n"  // right
        "RadioButton15=1\r\nRadioButton19=abc\r\nRadioButton7=0\r\n"                  // left
        "RadioButton1=0\r\nRadioButton2=0\r\n"                                        // section
        "RadioButton3=5\r\nRadioButton4=1\r\n");                                      // low end
    EXPECT_FALSE(form.checked("RadioButton8"));
    EXPECT_TRUE(form.checked("RadioButton9"));
    EXPECT_FALSE(form.checked("RadioButton22"));
    EXPECT_TRUE(form.checked("RadioButton15"));
    EXPECT_FALSE(form.checked("RadioButton7"));
    // Both off: neither section is chosen, although the window starts with the first.
    EXPECT_FALSE(form.checked("RadioButton1"));
    EXPECT_FALSE(form.checked("RadioButton2"));
    EXPECT_FALSE(form.checked("RadioButton3"));
    EXPECT_TRUE(form.checked("RadioButton4"));
}

TEST(LoadSettings, ListsChooseTheEqualEntryAndEditsTakeTheText) {
    auto chooseSecond = [](MemoryForm& f) {
        f.setItemIndex("ComboBox3", 1);
        f.setItemIndex("ComboBox4", 1);
        f.setText("Edit1", "was here");
    };
    MemoryForm form = loadBody(
        "ComboBox3=\xBC\xD3\xC9\xCF\xD7\xF3\xB7\xE2\xCD\xB7\xC8\xDD\xBB\xFD\r\n"  // 加上左封头容积
        "ComboBox4=0\r\n"       // no such entry: the choice stays
        "ComboBox2=999\r\n"     // the last count
        "ComboBox1=Kg/m^3\r\n"  // a list that takes typed text
        "Edit2=  8000 \r\n",    // blanks around a value are not part of it
        chooseSecond);
    EXPECT_EQ(form.itemIndex("ComboBox3"), 0);
    EXPECT_EQ(form.itemIndex("ComboBox4"), 1);
    EXPECT_EQ(form.itemIndex("ComboBox2"), 997);
    EXPECT_EQ(form.text("ComboBox1"), "Kg/m^3");
    EXPECT_EQ(form.text("Edit2"), "8000");
    EXPECT_EQ(form.text("Edit1"), "");  // a missing key empties the field
}

TEST(LoadSettings, MissingFileReadsAsAllKeysMissingAndAFolderChangesNothing) {
    TempFolder folder;
    MemoryForm form = MemoryForm::designed();
    form.setText("Edit1", "2600");
    form.setChecked("CheckBox2", true);
    form.setItemIndex("ComboBox3", 1);
    try {
        LoadSettings(form, folder.file(""));
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_EQ(e.code(), EISDIR);
    }
    EXPECT_EQ(form.text("Edit1"), "2600");
    LoadSettings(form, folder.file("none.ini"));
    for (const ControlInfo& c : storedControls()) {
        if (c.kind == ControlKind::CheckBox || c.kind == ControlKind::RadioButton) {
            EXPECT_FALSE(form.checked(c.name)) << c.name;
        } else if (c.kind == ControlKind::Edit || !listIsFixed(c.name)) {
            EXPECT_EQ(form.text(c.name), "") << c.name;
        }
    }
    EXPECT_EQ(form.itemIndex("ComboBox3"), 1);  // no text chooses no other entry
}

TEST(SettingsFile, MillionCharacterValuesRoundTripExactly) {
    // Digits a person may type into a decimal field, and Chinese in a list's text.
    const std::pair<const char*, std::string> values[] = {
        {"Edit1", "1" + std::string(999'999, '0')},
        {"Edit37", "0." + std::string(999'998, '7')},
        {"ComboBox1",
         [] {
             std::string s;
             for (int i = 0; i < 333'334; ++i)
                 s += "罐";
             return s;
         }()},
    };
    TempFolder folder;
    std::string path = folder.file("Config.ini");
    MemoryForm form = filledForm();
    for (const auto& [name, value] : values)
        form.setText(name, value);
    SaveSettings(form, path);
    const std::string bytes = testsupport::readBytes(path);
    EXPECT_NE(bytes.find("\r\nEdit1=1" + std::string(999'999, '0') + "\r\n"), std::string::npos);
    MemoryForm loaded;
    LoadSettings(loaded, path);
    for (const auto& [name, value] : values)
        EXPECT_EQ(loaded.text(name), value) << name;
    EXPECT_EQ(loaded.text("Edit2"), "8000");
}

}  // namespace
}  // namespace quorvel

namespace quorvel {
namespace {

// The table identity's keys come after the 73 in their own order, only once they hold
// something; emptied, a key that exists is kept empty; every value reads back as stored.
TEST(SettingsFile, TableIdentityKeysRoundTrip) {
    struct Case {
        const char* control;
        const char* value;  // "" leaves it empty
        const char* line;   // the line the file then ends with; "" when no key is written
    } cases[] = {
        {"Edit48", "2650", "Edit48=2650"},
        {"Edit49", "T-101", "Edit49=T-101"},
        {"Edit50", "某某油库", "Edit50=\xC4\xB3\xC4\xB3\xD3\xCD\xBF\xE2"},
        {"Edit51", "一号罐区 东", "Edit51=\xD2\xBB\xBA\xC5\xB9\xDE\xC7\xF8 \xB6\xAB"},
        {"Edit52", "50 立方米", "Edit52=50 \xC1\xA2\xB7\xBD\xC3\xD7"},
        {"Edit53", "JD-2026-0412", "Edit53=JD-2026-0412"},
        {"Edit54", "2026-12-09", "Edit54=2026-12-09"},
        {"Edit55", "2028-12-08", "Edit55=2028-12-08"},
        {"Edit56", "张三", "Edit56=\xD5\xC5\xC8\xFD"},
        {"Edit57", "李四", "Edit57=\xC0\xEE\xCB\xC4"},
        {"Edit58", "U=0.3%，k=2", "Edit58=U=0.3%\xA3\xACk=2"},
        {"Edit49", "   ", ""},  // blanks are nothing, not "0"
    };
    for (const Case& c : cases) {
        TempFolder folder;
        const std::string path = folder.file("Config.ini");
        MemoryForm form = filledForm();
        form.setText(c.control, c.value);
        SaveSettings(form, path);
        const std::string bytes = testsupport::readBytes(path);
        if (c.line[0] == '\0') {
            EXPECT_EQ(bytes, kFilledFile) << c.control;
            continue;
        }
        EXPECT_EQ(bytes, kFilledFile + c.line + "\r\n") << c.control;
        MemoryForm loaded;
        LoadSettings(loaded, path);
        EXPECT_EQ(loaded.text(c.control), c.value) << c.control;

        // Emptied, the key stays in its place with nothing after "=".
        form.setText(c.control, "");
        SaveSettings(form, path);
        EXPECT_EQ(testsupport::readBytes(path), kFilledFile + c.control + "=\r\n") << c.control;
    }
}

// The inputs of "油量计算" come after the table identity's, in their order, once they hold
// something; a key once written stays, emptied, and one new to the file goes after the others.
TEST(SettingsFile, OilQuantityKeysAreWrittenOnceSetAndKeptWhenEmptied) {
    TempFolder folder;
    const std::string path = folder.file("Config.ini");
    MemoryForm form = filledForm();
    form.setText("Edit49", "T-101");
    form.setText("OilComboBox1", "石油产品（B）");
    form.setText("OilEdit2", "-5.5");
    form.setChecked("OilRadioButton2", true);
    SaveSettings(form, path);
    const std::string added =
        "Edit49=T-101\r\nOilEdit2=-5.5\r\nOilRadioButton2=1\r\n"
        "OilComboBox1=\xCA\xAF\xD3\xCD\xB2\xFA\xC6\xB7\xA3\xA8\x42\xA3\xA9\r\n";
    EXPECT_EQ(testsupport::readBytes(path), kFilledFile + added);
    MemoryForm loaded;
    LoadSettings(loaded, path);
    EXPECT_EQ(loaded.itemIndex("OilComboBox1"), 1);
    EXPECT_EQ(loaded.text("OilEdit2"), "-5.5");
    EXPECT_TRUE(loaded.checked("OilRadioButton2"));

    form.setText("OilEdit2", "  ");
    form.setChecked("OilRadioButton1", true);
    SaveSettings(form, path);
    EXPECT_EQ(testsupport::readBytes(path),
              kFilledFile + "Edit49=T-101\r\nOilEdit2=\r\nOilRadioButton2=0\r\n" +
                  added.substr(added.find("OilComboBox1")) + "OilRadioButton1=1\r\n");
}

// The booked quantity's keys come after the oil quantity's, once set; the shell material's
// entry is written in GBK and read back to its entry.
TEST(SettingsFile, BookedQuantityKeysFollowTheOilKeysOnceSet) {
    TempFolder folder;
    const std::string path = folder.file("Config.ini");
    MemoryForm form = filledForm();
    form.setText("OilEdit9", "50");
    form.setChecked("OilCheckBox1", true);
    form.setText("OilComboBox3", "不锈钢 304 1.728×10^-5 /°C");
    form.setText("OilEdit2", "20");
    SaveSettings(form, path);
    EXPECT_EQ(testsupport::readBytes(path),
              kFilledFile +
                  "OilEdit2=20\r\nOilEdit9=50\r\nOilCheckBox1=1\r\nOilComboBox3="
                  "\xB2\xBB\xD0\xE2\xB8\xD6 304 1.728\xA1\xC1"
                  "10^-5 /\xA1\xE3"
                  "C\r\n");
    MemoryForm loaded;
    LoadSettings(loaded, path);
    EXPECT_EQ(loaded.itemIndex("OilComboBox3"), 1);
    EXPECT_TRUE(loaded.checked("OilCheckBox1"));
}

TEST(SettingsFile, IncrementSwitchIsStoredOnceChecked) {
    TempFolder folder;
    const std::string path = folder.file("Config.ini");
    MemoryForm form = filledForm();
    form.setChecked("CheckBox3", true);
    SaveSettings(form, path);
    EXPECT_EQ(testsupport::readBytes(path), kFilledFile + "CheckBox3=1\r\n");
    MemoryForm loaded;
    LoadSettings(loaded, path);
    EXPECT_TRUE(loaded.checked("CheckBox3"));
    form.setChecked("CheckBox3", false);
    SaveSettings(form, path);
    EXPECT_EQ(testsupport::readBytes(path), kFilledFile + "CheckBox3=0\r\n");
}

}  // namespace
}  // namespace quorvel

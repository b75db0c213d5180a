// The window's calculation method, the quick calculation from an ullage and the level of a
// volume or weight, pressed as a person presses them (golden/app/method_window.json), and
// which changes clear their answers.
#include <fstream>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/memory_window.h"
#include "app/window_operations.h"
#include "form/method_controls.h"
#include "support/forms.h"
#include "support/recording_ui.h"
#include "support/temp_folder.h"

namespace quorvel::app {
namespace {

using nlohmann::json;

const json& table() {
    static const json loaded = [] {
        std::ifstream in(std::string(QUORVEL_GOLDEN_DIR) + "/app/method_window.json");
        return json::parse(in);
    }();
    return loaded;
}

// Sets each control as the window reports a change: a box by "1"/"0", anything else by text.
void apply(MemoryWindow& w, WindowOperations& ops, const json& set) {
    for (const auto& [name, value] : set.items()) {
        const std::string text = value.get<std::string>();
        const ControlInfo* control = findControl(name);
        if (control != nullptr &&
            (control->kind == ControlKind::CheckBox || control->kind == ControlKind::RadioButton)) {
            w.setChecked(name, text == "1");
        } else {
            w.setText(name, text);
        }
        ops.inputChanged(name);
    }
}

struct Window {
    explicit Window(const std::string& tank)
        : w(testsupport::startedForm(table()["tanks"][tank]["page"].get<int>())),
          ops(w, ui, ProgramFiles{folder.path().string(), ""}) {
        apply(w, ops, table()["tanks"][tank]["set"]);
    }
    testsupport::TempFolder folder;
    MemoryWindow w;
    testsupport::RecordingUi ui;
    WindowOperations ops;
};

std::vector<std::string> strings(const json& c, const char* key) {
    return c.contains(key) ? c[key].get<std::vector<std::string>>() : std::vector<std::string>{};
}

TEST(MethodWindow, PressesAndWhatTheyShow) {
    for (const json& c : table()["cases"]) {
        const std::string name = c["name"].get<std::string>();
        SCOPED_TRACE(name);
        Window win(c["tank"].get<std::string>());
        MemoryWindow& w = win.w;
        apply(w, win.ops, c.value("set", json::object()));
        const std::string press = c["press"].get<std::string>();
        const bool ok = press == "quick"   ? win.ops.quick()
                        : press == "level" ? win.ops.findLevel()
                                           : win.ops.generate({});
        EXPECT_EQ(ok, c["ok"].get<bool>());
        const json texts = c.value("texts", json::object());
        for (const auto& [control, text] : texts.items()) {
            EXPECT_EQ(w.text(control), text.get<std::string>()) << control;
        }
        if (c.contains("level")) {
            EXPECT_EQ(w.label(kLevelAnswerLabel), c["level"].get<std::string>());
        }
        // "毫米" stands beside a level only.
        EXPECT_EQ(w.visible(kLevelAnswerUnit), !w.label(kLevelAnswerLabel).empty());
        if (c.contains("comparison")) {
            EXPECT_EQ(w.comparison(), c["comparison"].get<std::string>());
        }
        if (c.contains("trueLine")) {
            EXPECT_EQ(w.trueGeometry().has_value(), c["trueLine"].get<bool>());
            EXPECT_TRUE(w.hasCurve());
        }
        EXPECT_EQ(win.ui.messages(), strings(c, "messages"));
        EXPECT_EQ(win.ui.errors(), strings(c, "errors"));
        // The question before the workbook is written shows the table's summary.
        std::string boxes;
        for (const testsupport::ShownBox& box : win.ui.shown) {
            boxes += box.text;
        }
        if (c.contains("holds")) {
            EXPECT_NE(boxes.find(c["holds"].get<std::string>()), std::string::npos) << boxes;
        }
        if (c.contains("lacks")) {
            EXPECT_EQ(boxes.find(c["lacks"].get<std::string>()), std::string::npos) << boxes;
        }
    }
}

// The level answer belongs to the tank and the quantity asked; the quick result's own inputs
// (its level, the ullage, the reference height) leave it. A level typed by the person asks
// by the level again and empties the ullage; one an ullage wrote does not.
TEST(MethodWindow, WhatEachChangeClears) {
    Window win("tilted");
    MemoryWindow& w = win.w;
    apply(w, win.ops, {{"Edit60", "1198.93"}, {"Edit48", "2700"}, {"Edit59", "2600"}});
    ASSERT_TRUE(win.ops.findLevel());
    EXPECT_EQ(w.label(kLevelAnswerLabel), "100.00");
    EXPECT_NE(w.comparison(), "");
    ASSERT_TRUE(win.ops.quick());
    EXPECT_EQ(w.text("Edit35"), "100");
    EXPECT_EQ(w.label(kLevelAnswerLabel), "100.00");
    EXPECT_EQ(w.text("Edit59"), "2600");

    apply(w, win.ops, {{"Edit59", "2500"}});
    EXPECT_EQ(w.text("Edit36"), "");
    EXPECT_EQ(w.label(kLevelAnswerLabel), "100.00");

    w.setText("Edit35", "150");
    win.ops.inputChanged("Edit35");
    win.ops.levelTyped();
    EXPECT_EQ(w.text("Edit59"), "");
    ASSERT_TRUE(win.ops.quick());
    EXPECT_EQ(w.text("Edit35"), "150");

    apply(w, win.ops, {{"ComboBox5", std::string(kExactEntry)}});
    EXPECT_EQ(w.text("Edit36"), "");
    EXPECT_EQ(w.label(kLevelAnswerLabel), "");
    EXPECT_FALSE(w.hasCurve());
    EXPECT_EQ(w.comparison(), "");
}

}  // namespace
}  // namespace quorvel::app

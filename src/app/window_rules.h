// The window's small rules: which head kinds a section or shell page allows, the "默认"
// table defaults, the weight controls, the density check and the help file.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/window_form.h"
#include "ports/ui_services.h"

namespace quorvel::app {

// The mouse was released over "图七 水平正直圆柱体" or "图八 水平椭圆柱体": the kinds only a
// circular shell has (cone, frustum, both dished kinds, hemisphere) are enabled on both
// sides unless "图八" is chosen. A head keeps its kind while that kind stays enabled; a head
// whose kind is disabled becomes flat, and the status bar says so.
void sectionClicked(WindowForm& form);

// The shell page named by a word of the command line ("horizontal", "tilted", "spherical",
// "calibrated": tank/shell_kinds.h), or nullopt; and the words in the order of the pages.
std::optional<int> shellPageOf(std::string_view word);
std::vector<std::string_view> shellWords();

// The user turned to another shell page. Pages 0 and 1 enable both head groups; page 0
// allows the kinds of the section chosen and shows the pictures 图一至图八, page 1 (tilted,
// elliptical in section) disables those kinds and shows the tilted tank's pictures. Heads
// are kept or made flat as for a section change. Pages 2 and 3 disable both head groups and
// change nothing else.
void shellPageChanged(WindowForm& form, int page);

// Whether the quick result and the curve are computed from `control` (form/controls.h: its
// effects): every stored control but the result Edit36, the quantity whose level is asked
// (Edit60), the inputs of the window "油量计算" and the controls that only describe the
// table (the identity but the reference height, the increments); the calibration grid and
// the shell pages.
bool resultDependsOn(std::string_view control);

// "默认" was clicked: the table request gets its defaults, and its eight fields can be edited
// only while "默认" is unchecked.
void defaultsClicked(WindowForm& form);

// The table request at start, after the settings were loaded. With "默认" checked it shows
// the defaults, as a click would. Unchecked, the eight fields keep what the settings held (a
// tank's dead volume and fitting are part of its description, and a start that reset them
// would change its results without a word); a field the settings did not hold gets its
// default.
void startTableRequest(WindowForm& form);

// The density field, its unit and "公斤" are shown with CheckBox1 set, "升" without.
void ShowWeightLabel(WindowForm& form);

// Whether `text`, without its leading and trailing blanks and control characters, is a
// number; shows "输入内容不是数字" when it is not.
bool CheckNumberText(std::string_view text, UiServices& ui);

// Edit37 changed: "输入内容不是数字" when its text is not a number; the text stays.
void densityChanged(const WindowForm& form, UiServices& ui);

// "帮助": opens the help.chm beside the executable in `programFolder`, or the installed copy
// (helpFilePath). " help.chm 帮助文件损坏！" when neither exists (the desktop may report
// success for a missing file) or the file is no compiled help file (it lacks the "ITSF"
// signature); the status bar says why a sound file was not opened.
void openHelp(WindowForm& form, const std::string& programFolder, UiServices& ui);

// The status bar's words for a file that was not opened.
std::string notOpenedReason(OpenOutcome outcome, std::string_view suffix);

}  // namespace quorvel::app

// The window's stored controls: their names, kinds, radio groups and list entries. The order
// of storedControls() is the order in which the window creates its controls, which is also
// the key order of the settings file.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

enum class ControlKind { Edit, CheckBox, RadioButton, List };

// Radio button groups; a radio button belongs to exactly one.
enum class RadioGroup { None, RightHead, LeftHead, Section, LowEnd, OilDensity, OilReading };

// The results a control's value enters. The window clears each when one of its controls
// changes, so what it shows always belongs to the inputs shown.
using Effects = unsigned;
inline constexpr Effects kQuickResult = 1U << 0;  // Edit36, its note and the curve drawn with it
inline constexpr Effects kLevelAnswer = 1U << 1;  // the level of a quantity (Label52)
inline constexpr Effects kOilTicket = 1U << 2;    // the results and the ticket of 油量计算
// What describes the tank and its contents: every result.
inline constexpr Effects kTankInput = kQuickResult | kLevelAnswer | kOilTicket;

struct ControlInfo {
    std::string_view name;
    ControlKind kind;
    RadioGroup group = RadioGroup::None;
    // A control added after the first 73: its key is written only once the control holds
    // something (text, checked, a list entry other than its first) or the file has it
    // already, and an empty edit is stored empty, so a file of the earlier programs stays as
    // it was while nothing new is used.
    bool storedWhenSet = false;
    Effects effects = kTankInput;
};

// The controls of the settings file, in file order: the 73 of the earlier programs, then
// those added since, block by block.
std::span<const ControlInfo> storedControls();

// The control of that name, or nullptr when it is not one of the stored controls.
const ControlInfo* findControl(std::string_view name);

// The entries of a drop-down list (ComboBox1 … ComboBox5, OilComboBox1, OilComboBox2), in order;
// empty for other names. ComboBox2's entries are the point counts "2" … "33331"
// (kMaxPointCount, form/interpolation_controls.h; the window lists up to 999 until a grid
// needs more).
const std::vector<std::string>& listEntries(std::string_view list);

// The results that depend on `control`: a stored control's effects, every result for the
// calibration grid and the shell pages (kGridControl, kShellPages), none for anything else.
Effects effectsOf(std::string_view control);

// Whether a list only picks one of its entries (ComboBox2 … ComboBox5, OilComboBox1, 2) rather
// than also taking typed text (ComboBox1, the density unit).
bool listIsFixed(std::string_view list);

}  // namespace quorvel

// The inputs of the window "油量计算": a dip (a level, or an ullage), the oil's temperature, its
// density (a hydrometer reading with the test temperature, or the standard density), the product
// group and how the petroleum measurement tables are read. They are stored controls added after the
// 73 of the settings file, under names of their own dialog (OilEdit1 …), written only once they
// hold something, so a file of a program that never used them stays as it was.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "form/controls.h"

namespace quorvel {

inline constexpr std::string_view kOilLevelField = "OilEdit1";        // 液位, mm
inline constexpr std::string_view kOilTemperatureField = "OilEdit2";  // 油温, °C
// The density typed: "视密度" (a glass hydrometer's reading ρ′ at the test temperature) or
// "标准密度" (ρ20). Neither chosen reads as the hydrometer reading.
inline constexpr std::string_view kObservedDensityChoice = "OilRadioButton1";
inline constexpr std::string_view kObservedDensityField = "OilEdit3";  // ρ′, kg/m³
inline constexpr std::string_view kTestTemperatureField = "OilEdit4";  // 试验温度, °C
inline constexpr std::string_view kStandardDensityChoice = "OilRadioButton2";
inline constexpr std::string_view kStandardDensityField = "OilEdit5";  // ρ20, kg/m³
inline constexpr std::string_view kProductGroupList = "OilComboBox1";  // 油品类别
// How the tables are read: "按印刷表查表" as depots do (neither chosen reads so), or
// "按公式计算" at the exact inputs.
inline constexpr std::string_view kPrintedTableChoice = "OilRadioButton3";
inline constexpr std::string_view kFormulaChoice = "OilRadioButton4";
// A dip read from the top: "空高" (mm) below the reference height (Edit48). When it holds
// something, the dip's level is the reference height less it.
inline constexpr std::string_view kOilUllageField = "OilEdit6";
// The unit of both density fields, as in the main window: "Kg/m^3" (also when none is chosen,
// as before the list existed) or "g/cm^3".
inline constexpr std::string_view kOilDensityUnitList = "OilComboBox2";
// What the ticket names besides: the product ("0号柴油") and when the tank was gauged (as
// typed; empty: the time of the computation).
inline constexpr std::string_view kProductNameField = "OilEdit7";
inline constexpr std::string_view kGaugingTimeField = "OilEdit8";

// The 14 stored controls above, in key order.
std::span<const ControlInfo> oilQuantityControls();

// The entries of the product group list, in the order crude oil, products, lubricating oils
// (the tables' groups A, B and D, named as the oil library's messages name them).
const std::vector<std::string>& productGroupEntries();

// Whether `control` is one of oilQuantityControls().
bool isOilQuantityControl(std::string_view control);

}  // namespace quorvel

// Every text of the oil library that a user reads, in Simplified Chinese.
#pragma once

#include <string>

#include "text/decimal_text.h"

namespace quorvel::oil::messages {

inline constexpr const char* kCrudeOil = "原油（A）";
inline constexpr const char* kProducts = "石油产品（B）";
inline constexpr const char* kLubricatingOils = "润滑油（D）";

// What a value is, as the messages name it.
inline constexpr const char* kObservedDensity = "视密度";
inline constexpr const char* kRho15 = "15 °C 密度";
inline constexpr const char* kRho20 = "标准密度";
inline constexpr const char* kTestTemperature = "试验温度";
inline constexpr const char* kOilTemperature = "油温";
inline constexpr const char* kObservedApi = "视 API 度";
inline constexpr const char* kApi60 = "60 °F API 度";

// For the help: how a computed value relates to the printed tables.
inline constexpr const char* kComputedMayDiffer =
    "计算值按精确输入算出后只对印刷位数四舍五入；印刷表在计算过程中的舍入方式各来源说法不一，"
    "个别情况下计算值与印刷表的末位可能相差一个单位。";

inline std::string range(double low, double high, int decimals, const std::string& unit) {
    return formatFixed(low, decimals) + " 至 " + formatFixed(high, decimals) + unit;
}

inline std::string densityOutOfRange(const char* what, double value, const char* group, double low,
                                     double high) {
    return std::string(what) + " " + formatShortest(value) + " kg/m³ 超出" + group + "的密度范围 " +
           range(low, high, 1, " kg/m³") + "。";
}

inline std::string rho15OutOfRange(const char* what, double value, double rho15, const char* group,
                                   double low, double high) {
    return std::string(what) + " " + formatShortest(value) + " kg/m³ 对应的 15 °C 密度 " +
           formatFixed(rho15, 1) + " kg/m³ 超出" + group + "的密度范围 " +
           range(low, high, 1, " kg/m³") + "。";
}

inline std::string temperatureOutOfRange(const char* what, double value, double low, double high,
                                         const char* unit) {
    return std::string(what) + " " + formatShortest(value) + " " + unit + " 超出表的温度范围 " +
           range(low, high, 1, std::string(" ") + unit) + "。";
}

inline std::string apiOutOfRange(const char* what, double value, const char* group, double low,
                                 double high) {
    return std::string(what) + " " + formatShortest(value) + " 超出" + group + "的 API 度范围 " +
           range(low, high, 1, "") + "。";
}

inline std::string api60OutOfRange(double apiObserved, double api60, const char* group, double low,
                                   double high) {
    return std::string(kObservedApi) + " " + formatShortest(apiObserved) + " 对应的 " + kApi60 +
           " " + formatFixed(api60, 1) + " 超出" + group + "的 API 度范围 " +
           range(low, high, 1, "") + "。";
}

inline std::string outsideTableColumns(double value, const char* table, double low, double high) {
    return std::string(kObservedDensity) + " " + formatShortest(value) + " kg/m³ 不在印刷表 " +
           table + " 的密度列 " + range(low, high, 1, " kg/m³") + " 之间，请按精确输入计算。";
}

inline std::string volumeOutOfRange(double value) {
    return "体积 " + formatShortest(value) +
           " L 超出可计算的范围（须为有限数值，绝对值不超过 1000000000000 L）。";
}

// ---- The booked quantity ----
inline constexpr const char* kShellTemperature = "罐壁温度";
inline constexpr const char* kAmbientTemperature = "环境温度";
inline constexpr const char* kTableTemperature = "罐容表参考温度";

inline std::string shellTemperatureOutOfRange(const char* what, double value, double low,
                                              double high) {
    return std::string(what) + " " + formatShortest(value) + " °C 超出 " +
           range(low, high, 1, " °C") + "。";
}

// A small coefficient as a plain decimal (0.0002, not 2e-04), as it is typed.
inline std::string plainDecimal(double value) {
    std::string text = formatShortest(value);
    if (text.find('e') != std::string::npos) {
        text = formatFixed(value, 20);
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text;
}

inline std::string expansionOutOfRange(double value) {
    return "罐壁线膨胀系数 " + plainDecimal(value) + " /°C 须大于 0 且小于 0.0001 /°C。";
}

inline std::string sedimentWaterOutOfRange(double value) {
    return "含水含杂 SW " + formatShortest(value) + " % 须不小于 0 且小于 100 %。";
}

}  // namespace quorvel::oil::messages

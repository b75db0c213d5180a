// Every text the window's operations show themselves (the readers' stops and the output's
// boxes have their own headers): the help, the density check, the level of a volume, and
// failures that no lower layer words for the user.
#pragma once

#include <string>
#include <string_view>

namespace quorvel::app_messages {

inline constexpr std::string_view kHelpMissing = " help.chm 帮助文件损坏！";
inline constexpr std::string_view kNotANumber = "输入内容不是数字";

// The level of a volume or weight.
inline constexpr std::string_view kWeightNeedsDensity =
    "按重量求液位需要液体密度：请选中“重量输入密度”并输入密度！";
inline constexpr std::string_view kDensityNotPositive = "液体密度必须大于0！";

// "容积 40000.00 升超过最高液位 2000.00 毫米处的容积 33579.22 升！"; all numbers as texts.
inline std::string aboveFull(bool weight, const std::string& asked, const std::string& level,
                             const std::string& most) {
    const std::string what = weight ? "重量 " : "容积 ";
    const std::string unit = weight ? " 千克" : " 升";
    return what + asked + unit + "超过最高液位 " + level + " 毫米处的" + what + most + unit + "！";
}
inline std::string belowEmpty(bool weight, const std::string& asked, const std::string& level,
                              const std::string& least) {
    const std::string what = weight ? "重量 " : "容积 ";
    const std::string unit = weight ? " 千克" : " 升";
    return what + asked + unit + "低于最低液位 " + level + " 毫米处的" + what + least + unit + "！";
}

// The start of a table's proposed file name, "罐容表_T-101_2026-12-09.xlsx".
inline constexpr const char* kTableFilePrefix = "罐容表";

// The root finder of a level query reached its limit of steps.
inline constexpr std::string_view kLevelNotConverged = "求液位的迭代次数已达上限，未能确定液位！";

// A file the operation could not read or write, with the system's reason in words.
inline std::string fileFailed(const std::string& path, std::string_view reason) {
    return "文件“" + path + "”无法读写：" + std::string(reason);
}
// The system's reasons a person can act on; other reasons are shown as the system gives them.
std::string_view systemReason(int code);

inline constexpr std::string_view kOutOfMemory = "内存不足，操作未能完成！";
// An error no lower layer words for the user (a fault of the program itself).
inline std::string internalError(std::string_view detail) {
    return "程序内部错误：" + std::string(detail);
}
// A failure of the workbook library while the workbook was being built.
inline std::string workbookFailed(std::string_view detail) {
    return "生成工作簿失败：" + std::string(detail);
}

}  // namespace quorvel::app_messages

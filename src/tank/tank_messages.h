// Every user-facing text of the tank computation, in one place.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvel::tank_messages {

// A group of fields with an empty one.
inline constexpr std::string_view kShellMissing = "呵呵，中间圆筒数据还没输完呢！";
inline constexpr std::string_view kTiltedMissing = "呵呵，倾斜圆筒数据还没输完呢！";
inline constexpr std::string_view kSphereMissing = "呵呵，球罐数据还没输完呢！";
inline constexpr std::string_view kPointsMissing = "呵呵，标定点数据还没输完呢！";
inline constexpr std::string_view kTableMissing = "呵呵，容积表数据还没输完呢！";
inline constexpr std::string_view kLeftMissing = "呵呵，左封头数据还没输完呢！";
inline constexpr std::string_view kRightMissing = "呵呵，右封头数据还没输完呢！";
inline constexpr std::string_view kQuickMissing = "呵呵，数据还没输完呢！";

// The point count list holds no count of at least two points.
inline std::string badPointCount(std::string_view text) {
    return "标定点数“" + std::string(text) + "”无效";
}

inline constexpr std::string_view kStepNotPositive = "液位间距必须大于0！";
// A weight asked with a density whose unit is neither "Kg/m^3" nor "g/cm^3".
inline constexpr std::string_view kDensityUnitMissing = "请选择密度单位";
// A level below the tank's bottom: levels are measured upward from it. `what` names the
// field, the level is as written.
inline constexpr std::string_view kLevelName = "液位";
inline constexpr std::string_view kFirstLevelName = "起始液位";
inline constexpr std::string_view kLastLevelName = "终止液位";
inline std::string negativeLevel(std::string_view what, const std::string& level) {
    return std::string(what) + " " + level + " 毫米小于零，液位不能为负！";
}
// A shell without a diameter holds nothing: every shell and head routine would fail at every
// level and its failure value (−1 m³) would be summed as a volume.
inline constexpr std::string_view kDiameterNotPositive = "筒体直径必须大于0！";

// `count` and `limit` with all their digits.
inline std::string tooManyRows(std::string_view count, std::string_view limit) {
    return "容积表行数过多：将有 " + std::string(count) + " 行，最多 " + std::string(limit) +
           " 行！";
}

// The true-geometry method for a head or shell whose dimensions form no solid.
inline constexpr const char* kLeftHeadNoSolid = "左封头尺寸不成立，无法按真实几何计算！";
inline constexpr const char* kRightHeadNoSolid = "右封头尺寸不成立，无法按真实几何计算！";
inline constexpr const char* kShellNoSolid = "筒体尺寸不成立，无法按真实几何计算！";

// Summary lines of the workbook's prompt and title.
inline constexpr std::string_view kSummaryHeading = "计算参数如下：";
inline constexpr std::string_view kLeftHeadLine = "左封头：";
inline constexpr std::string_view kRightHeadLine = "右封头：";

inline std::string circularShellLine(const std::string& d, const std::string& l) {
    return "中间筒体：水平正直圆柱体，内径：" + d + " mm，筒体长度：" + l + " mm";
}
inline std::string ellipticalShellLine(const std::string& b, const std::string& a,
                                       const std::string& l) {
    return "中间筒体：水平椭圆柱体，长内径：" + b + " mm，短内径：" + a + " mm，筒体长度：" + l +
           " mm";
}
inline std::string tiltedShellLine(const std::string& b, const std::string& a,
                                   const std::string& l) {
    return "中间筒体：倾斜圆筒体，长内径：" + b + " mm，短内径：" + a + " mm，筒体长度：" + l +
           " mm";
}
inline std::string sphereLine(const std::string& d) {
    return "球罐，内径：" + d + " mm";
}
// "，<label>：<value> mm", one dimension of a head line.
inline std::string headFieldPart(std::string_view label, const std::string& value) {
    return "，" + std::string(label) + "：" + value + " mm";
}
// How the parts are summed: the entries of the two head volume lists.
inline std::string volumeLine(const std::string& left, const std::string& right) {
    return "液位高度对应容积=中间筒体容积" + left + right;
}
inline std::string densityLine(const std::string& value, const std::string& unit) {
    return "液体密度：" + value + " " + unit;
}

// ---- The imported capacity table and the interpolation ----
// "单调三次" with a point whose level does not rise above the one before; `row` is the grid
// row of the later point (the first point's is row 1).
inline std::string cubicNeedsRisingLevels(int row) {
    return "单调三次插值要求标定点高度逐点增大：第 " + std::to_string(row) +
           " 行的高度不大于上一行。请改正标定点或选择“线性”插值。";
}

// ---- The upright tank (立式圆筒) ----
inline constexpr std::string_view kUprightMissing = "呵呵，立式圆筒数据还没输完呢！";
// A course, counted from the bottom (1 the lowest).
inline std::string courseName(std::size_t n) {
    return "第 " + std::to_string(n) + " 圈板";
}
inline std::string courseWithoutHeight(std::size_t n) {
    return courseName(n) + "没有高度！";
}
inline std::string courseHeightNotPositive(std::size_t n) {
    return courseName(n) + "高度必须大于0！";
}
inline std::string courseWithoutDiameter(std::size_t n) {
    return courseName(n) + "没有内径或外周长！";
}
inline std::string courseDiameterNotPositive(std::size_t n) {
    return courseName(n) + "内径必须大于0！";
}
inline std::string courseThicknessNotPositive(std::size_t n) {
    return courseName(n) + "板厚必须大于0！";
}
inline std::string courseCircumferenceWithoutThickness(std::size_t n) {
    return courseName(n) + "按外周长计算内径需要板厚！";
}
// C ≤ 2π·t: the inner diameter C/π − 2t would be no diameter.
inline std::string courseCircumferenceTooSmall(std::size_t n, const std::string& c,
                                               const std::string& twoPiT) {
    return courseName(n) + "外周长 " + c + " 毫米不大于 2π×板厚（" + twoPiT + " 毫米）！";
}
inline std::string courseWithoutThicknessForHead(std::size_t n) {
    return courseName(n) + "没有板厚，无法计算静压修正！";
}
inline std::string deadwoodIncomplete(std::size_t n) {
    return "第 " + std::to_string(n) + " 行死量数据不全（起、止高度和升数）！";
}
inline std::string deadwoodOutside(std::size_t n, const std::string& from, const std::string& to,
                                   const std::string& height) {
    return "第 " + std::to_string(n) + " 行死量 " + from + "～" + to + " 毫米不在罐内 0～" +
           height + " 毫米！";
}
inline constexpr std::string_view kHeadDensityNotPositive = "静压修正的密度必须大于0！";
inline constexpr std::string_view kYoungModulusNotPositive = "弹性模量必须大于0！";
inline constexpr std::string_view kRoofMassNegative = "浮顶质量不能为负！";
inline constexpr std::string_view kRoofLevelMissing = "浮顶没有起浮高度！";
inline constexpr std::string_view kRoofNeedsDensity = "浮顶的排液体积需要静压修正的密度！";
inline std::string roofAboveTank(const std::string& level, const std::string& height) {
    return "浮顶起浮高度 " + level + " 毫米高于罐高 " + height + " 毫米！";
}
inline constexpr std::string_view kRoofLevelNegative = "浮顶起浮高度不能为负！";
// The summary lines of an upright tank.
inline std::string uprightLine(std::size_t courses, const std::string& height,
                               const std::string& bottom) {
    return "立式圆筒：" + std::to_string(courses) + " 圈板，罐高：" + height + " mm，底量：" +
           bottom + " L";
}
inline std::string uprightCourseLine(std::size_t n, const std::string& from, const std::string& to,
                                     const std::string& diameter) {
    return courseName(n) + "：" + from + "～" + to + " mm，内径：" + diameter + " mm";
}
inline std::string deadwoodLine(const std::string& from, const std::string& to,
                                const std::string& litres) {
    return "死量：" + from + "～" + to + " mm，" + litres + " L";
}
inline std::string headCorrectionLine(const std::string& density, const std::string& modulus) {
    return "静压修正：密度 " + density + " kg/m³，弹性模量 " + modulus + " GPa";
}
inline std::string roofLine(const std::string& mass, const std::string& level) {
    return "浮顶：质量 " + mass + " kg，起浮高度 " + level + " mm";
}

}  // namespace quorvel::tank_messages

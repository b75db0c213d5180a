// The controls of the upright tank's page "立式圆筒": the scalar fields (stored in Config.ini
// as keys after the earlier ones, each written only once used) and the two grids of courses
// and deadwood, whose rows live in their own file beside bd.txt (store/upright_file.h).
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "form/controls.h"

namespace quorvel {

// The page's index among the shell pages (PageControl1), after the four earlier ones.
inline constexpr int kUprightPage = 4;

inline constexpr std::string_view kBottomVolumeField = "UprightEdit1";  // 底量, L
inline constexpr std::string_view kHeadDensityField = "UprightEdit2";  // 静压修正密度, kg/m³
inline constexpr std::string_view kYoungModulusField = "UprightEdit3";  // 弹性模量, GPa
inline constexpr std::string_view kRoofMassField = "UprightEdit4";      // 浮顶质量, kg
inline constexpr std::string_view kRoofLevelField = "UprightEdit5";     // 浮顶起浮高度, mm
// The grids (not stored in Config.ini) and the page's buttons.
inline constexpr std::string_view kCourseGrid = "UprightGrid1";
inline constexpr std::string_view kDeadwoodGrid = "UprightGrid2";

// The columns of a course row, from the bottom course up, texts as typed: the height, the
// inner diameter, or the outside circumference with the plate thickness (the thickness also
// enters the liquid-head correction). All mm.
enum class CourseColumn { Height, Diameter, Circumference, Thickness };
inline constexpr std::size_t kCourseColumns = 4;
// The columns of a deadwood row: from mm, to mm, litres (positive taken away).
enum class DeadwoodColumn { From, To, Litres };
inline constexpr std::size_t kDeadwoodColumns = 3;

using CourseRow = std::array<std::string, kCourseColumns>;
using DeadwoodRow = std::array<std::string, kDeadwoodColumns>;

// The rows of both grids as typed. A row all of whose cells are empty is no row.
struct UprightRows {
    std::vector<CourseRow> courses;
    std::vector<DeadwoodRow> deadwood;
    bool empty() const { return courses.empty() && deadwood.empty(); }
    bool operator==(const UprightRows&) const = default;
};

// The rows without those whose cells are all empty.
UprightRows withoutEmptyRows(UprightRows rows);

// UprightEdit1 … UprightEdit5, in key order.
std::span<const ControlInfo> uprightControls();

}  // namespace quorvel

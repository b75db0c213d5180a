// Every user-facing text of the tilt identification, in one place.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvel::identify_messages {

// The identification describes the tilted shell only.
inline constexpr std::string_view kNotTilted = "变位识别只用于倾斜圆筒";

// Too few measurements for the unknowns: three per unknown.
inline std::string tooFewRows(std::size_t have, std::size_t need) {
    return "变位识别至少需要 " + std::to_string(need) + " 个计量数据（每个未知量 3 个），只有 " +
           std::to_string(have) + " 个";
}

// A level below the tank's bottom or above its height; row counted from 1, texts as printed.
inline std::string levelOutside(std::size_t row, std::string_view level, std::string_view height) {
    return "第 " + std::to_string(row) + " 行的液位 " + std::string(level) + " 毫米不在罐内（0～" +
           std::string(height) + " 毫米）";
}

// A value that is no finite number.
inline std::string notANumber(std::size_t row) {
    return "第 " + std::to_string(row) + " 行不是有限的数值";
}

inline constexpr std::string_view kNoChange = "记录的容积不随液位变化，无法识别变位";

// The solver stopped without meeting its tests: no figure of it is given.
inline std::string notConverged(int iterations) {
    return "变位识别没有收敛（迭代 " + std::to_string(iterations) + " 次），不给出结果";
}

inline constexpr std::string_view kNothingToFit = "请选择要识别的量（α、β、δ）";

}  // namespace quorvel::identify_messages

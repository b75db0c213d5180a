// The texts of the arithmetic faults the geometry routines pass to their callers.
#pragma once

namespace quorvel::geometry_messages {

inline constexpr const char* kDivisionByZero = "浮点数除以零";
inline constexpr const char* kOverflow = "浮点运算溢出";
inline constexpr const char* kInvalidOperation = "无效的浮点运算";
inline constexpr const char* kTooFewPoints = "标定点不足两个";

}  // namespace quorvel::geometry_messages

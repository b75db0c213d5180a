// Every user-facing text of the number texts, in one place.
#pragma once

#include <string>
#include <string_view>

namespace quorvel::text_messages {

// A field text that is not a number, e.g. “1.2.3”不是有效的数字.
inline std::string notANumber(std::string_view text) {
    return "“" + std::string(text) + "”不是有效的数字";
}

inline constexpr const char* kResultNotFinite = "计算结果不是有限的数值";
inline constexpr const char* kLevelNotFinite = "液位不是有限的数值";
inline constexpr const char* kLevelNotWritable = "液位无法写成文字";

}  // namespace quorvel::text_messages

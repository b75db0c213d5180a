// The texts of the uncertainty: the refusals of what was entered, the names of the inputs in
// the contribution table and what the documents say of U.
#pragma once

#include <string>
#include <string_view>

namespace quorvel::uncertainty_messages {

inline std::string negativeU(std::string_view name, std::string_view value) {
    return "不确定度不能为负：" + std::string(name) + "=" + std::string(value);
}

inline std::string unknownInput(std::string_view name) {
    return "没有名为“" + std::string(name) +
           "”的输入：不确定度的名称是字段名（如 Edit1）、points、level、temperature 或 density";
}

inline std::string notAnEntry(std::string_view entry) {
    return "不确定度应写成 名称=数值：" + std::string(entry);
}

inline std::string limitNotPositive(std::string_view value) {
    return "不确定度限值应大于零：" + std::string(value);
}

// The inputs that are no field of the window.
inline constexpr std::string_view kLevelCaption = "液位";
inline constexpr std::string_view kPointsCaption = "标定点容积";

}  // namespace quorvel::uncertainty_messages

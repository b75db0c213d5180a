// What the stored files' readers say about a file they refuse or read in part, in the words
// the window's boxes and quorvel-table's standard error show.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace quorvel::store_messages {

// ---- Tank files ----
inline std::string tankFileRefused(std::string_view path) {
    return "罐文件 " + std::string(path) + " 不能读入：";
}
inline constexpr std::string_view kNotJson = "不是 JSON 文件";
inline constexpr std::string_view kNotTankFile =
    "不是 Quorvel 罐文件（缺少 \"format\": \"quorvel-tank\"）";
inline std::string newerVersion(long long version, int supported) {
    return "格式版本 " + std::to_string(version) + " 比本程序能读的版本 " +
           std::to_string(supported) + " 新";
}
inline std::string badVersion() {
    return "\"version\" 应为正整数";
}
inline std::string unknownShell(std::string_view shell, std::span<const std::string_view> words) {
    std::string list;
    for (std::string_view word : words) {
        list.append(list.empty() ? "" : "、").append(word);
    }
    std::string text = "\"shell\" 的值 \"";
    text.append(shell).append("\" 不是罐形（").append(list).append("）");
    return text;
}
// The parts one after the other (appended, not added: GCC 12 misreads chains of + on strings,
// -Wrestrict).
inline std::string joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts) {
        text.append(part);
    }
    return text;
}
inline std::string needsText(std::string_view control) {
    return joined({"\"", control, "\" 的值应为文字"});
}
inline std::string needsTrueOrFalse(std::string_view control) {
    return joined({"\"", control, "\" 的值应为 true 或 false"});
}
inline std::string holdsLineBreak(std::string_view control) {
    return joined({"\"", control, "\" 的值含有换行"});
}
inline std::string noListEntry(std::string_view control, std::string_view text) {
    return joined({"\"", control, "\" 的值 \"", text, "\" 不是它的选项"});
}
inline constexpr std::string_view kControlsNotObject = "\"controls\" 应为对象";
// An upright tank's rows that are not lists of texts of a course's or a band's width.
inline std::string badUprightRows(std::string_view key) {
    return "\"" + std::string(key) + "\" 应为立式圆筒的圈板或死量行（每行为文字）";
}
inline constexpr std::string_view kGridNotRows = "\"grid\" 应为行的数组，每行为文字的数组";
inline constexpr std::string_view kGridRagged = "\"grid\" 的各行列数不同";
inline std::string gridTooLarge(std::size_t cols, std::size_t rows) {
    return joined({"\"grid\" 有 ", std::to_string(rows), " 行 ", std::to_string(cols),
                   " 列，超出罐容标定表的上限"});
}
inline std::string unknownControl(std::string_view name) {
    return joined({"未知控件 \"", name, "\" 已忽略"});
}
inline std::string unknownKey(std::string_view name) {
    return joined({"未知项 \"", name, "\" 已忽略"});
}
inline std::string notUtf8(std::string_view what) {
    return joined({"\"", what, "\" 不是 UTF-8 文字，罐文件存不下"});
}

}  // namespace quorvel::store_messages

// The texts the window shows of its own (the operations' messages live in app/): the
// progress of a long workbook write.
#pragma once

namespace quorvel::ui_messages {

// "%1" rows written of "%2".
inline constexpr const char* kWritingRows = "正在写入容积表：已写 %1 行，共 %2 行";
// The last step: the file itself, "%1" rows.
inline constexpr const char* kSavingRows = "正在保存容积表（%1 行）…";

}  // namespace quorvel::ui_messages

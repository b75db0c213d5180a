// The texts the window shows of its own (the operations' messages live in app/): the
// progress of a long workbook write, the buttons and dialog of a table to issue.
#pragma once

namespace quorvel::ui_messages {

// "%1" rows written of "%2".
inline constexpr const char* kWritingRows = "正在写入容积表：已写 %1 行，共 %2 行";
// The last step: the file itself, "%1" rows.
inline constexpr const char* kSavingRows = "正在保存容积表（%1 行）…";

// The table to issue: its buttons and the identity dialog.
inline constexpr const char* kIdentityButton = "罐容表信息…";
inline constexpr const char* kIdentityTip = "罐号、所属单位、证书、编制与核验等，写入罐容表的表头";
inline constexpr const char* kSaveAsButton = "另存为…";
inline constexpr const char* kSaveAsTip = "把罐容表另存为指定的 Excel 文件（~001.xlsx 照旧）";
inline constexpr const char* kPdfButton = "PDF…";
inline constexpr const char* kPdfTip = "把罐容表排成 A4 页面，存为 PDF 文件";
inline constexpr const char* kPrintTableButton = "打印罐容表…";
inline constexpr const char* kPrintTableTip = "预览并打印罐容表";
inline constexpr const char* kIdentityTitle = "罐容表信息";
inline constexpr const char* kIdentityNote =
    "填写任何一项后，罐容表以表头开始，列出这些信息及总容量、罐底死量、计算方法和标准温度；"
    "罐号印在每页页脚。";
inline constexpr const char* kCloseButton = "关闭";
inline constexpr const char* kIncrementsSwitch = "加入增量列（每毫米容积，L/mm）";

}  // namespace quorvel::ui_messages

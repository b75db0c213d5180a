// The texts the window shows of its own (the operations' messages live in app/): the
// progress of a long workbook write, an enlarged drawing's title, `quorvel --help`, the
// buttons and dialog of a table to issue.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace quorvel::ui_messages {

// "%1" rows written of "%2".
inline constexpr const char* kWritingRows = "正在写入容积表：已写 %1 行，共 %2 行";
// The last step: the file itself, "%1" rows.
inline constexpr const char* kSavingRows = "正在保存容积表（%1 行）…";

// The hint of a drawing, and the title of one shown enlarged: "%1" its caption.
inline constexpr const char* kEnlargeHint = "单击放大";
inline constexpr const char* kEnlargedDrawingTitle = "%1（单击或按 Esc 关闭）";

// The window "油量计算": the button that opens it, its two groups and its buttons.
inline constexpr const char* kOilOpenButton = "油量计算…";
inline constexpr const char* kOilInputsBox = "计量数据";
inline constexpr const char* kOilResultsBox = "计算结果";
inline constexpr const char* kOilCalculate = "计算";
inline constexpr const char* kOilSaveTicket = "保存计量单…";
inline constexpr const char* kOilPdf = "PDF…";
inline constexpr const char* kOilPrint = "打印…";
inline constexpr const char* kOilClose = "关闭";
inline constexpr const char* kGaugingTimeHint = "空则为计算时间";
inline constexpr const char* kProductNameHint = "如 0号柴油、92号汽油";
// The booked quantity's group of "油量计算" and the captions of its own.
inline constexpr const char* kOilBookedBox = "净油量核算（可选）";
inline constexpr const char* kOilAmbientTemperature = "或 环境温度";
inline constexpr const char* kOilInsulated = "保温罐";
inline constexpr const char* kOilSafeLevel = "安全高度";
inline constexpr const char* kOilRoom = "空容量";

// What `quorvel --help` prints.
inline constexpr const char* kUsage =
    "用法：quorvel [选项]\n"
    "\n"
    "打开 Quorvel 的窗口。设置文件 Config.ini、标定点文件 bd.txt 和容积表 ~001.xlsx\n"
    "在程序文件夹中；程序文件夹不能写入时，在用户的数据文件夹 ~/.local/share/Quorvel 中。\n"
    "\n"
    "选项：\n"
    "  --help              显示本说明后退出\n"
    "  --print-folders     显示存放文件的文件夹和所用的帮助文件后退出\n"
    "  --measure-start     显示从启动到窗口第一次画完（设置已读入）的毫秒数后退出，\n"
    "                      不写任何文件\n"
    "  --screenshot FILE   启动后把窗口画面存为 PNG 文件 FILE 后退出，不写任何文件；\n"
    "                      之前按下列选项操作窗口，与用鼠标操作相同：\n"
    "    --shell-page N    转到罐体页 N（0 水平圆筒，1 倾斜圆筒，2 球罐，3 罐容标定）\n"
    "    --quick LEVEL     在“液位”输入 LEVEL（毫米）并按“计算”\n"
    "    --picture-page N  显示图页 N（0 图一至图八，1 倾斜圆筒）\n"
    "    --maximized       窗口占满屏幕\n"
    "    --identify-log FILE  转到倾斜圆筒页，打开“变位识别…”，粘贴记录文件 FILE（文本），\n"
    "                      选中 δ 并按“识别”；存下的是该对话框的画面\n"
    "\n"
    "另可使用 Qt 的标准选项，例如 -platform offscreen。\n";

// The table to issue: its button, the button's menu and the identity dialog.
inline constexpr const char* kTableDocumentButton = "罐容表";
inline constexpr const char* kTableDocumentTip = "罐容表信息、另存为、PDF 与打印";
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

// ---- The imported capacity table (page 罐容标定) ----
inline constexpr const char* kImportButton = "导入罐容表…";
inline constexpr const char* kImportTip =
    "读入检定机构或其他程序出具的罐容表（CSV、制表符分隔文本或 .xlsx），检查后替换标定点";
inline constexpr const char* kImportDialogTitle = "导入罐容表";
inline constexpr const char* kImportFilter = "罐容表 (*.csv *.tsv *.txt *.xlsx);;所有文件 (*)";
inline constexpr const char* kInterpolationLabel = "插值：";
inline constexpr const char* kInterpolationTip =
    "标定点之间的容积：线性（两点连直线），或单调三次（不会在两点间下降的分段三次曲线）";
// ---- The tilt identification (变位识别) ----
inline constexpr const char* kIdentifyOpenButton = "变位识别…";
inline constexpr const char* kIdentifyOpenTip =
    "由检尺液位与流量计（或交接单）体积的记录，识别罐的倾斜 α、横向倾斜 β 与量油尺零点偏差 δ";
inline constexpr const char* kIdentifyTitle = "变位识别";
inline constexpr const char* kIdentifyLogBox = "记录（每行：液位 mm、体积 L；可从表格粘贴）";
inline constexpr const char* kIdentifyLogHint = "1950\t0\n1851.5\t451.7\n…";
inline constexpr const char* kIdentifyImport = "导入…";
inline constexpr const char* kIdentifyImportFilter =
    "记录文件 (*.csv *.tsv *.txt *.xlsx);;所有文件 (*)";
inline constexpr const char* kIdentifyOutflow = "出油量（每行为上次读数以来流出的体积，收油为负）";
inline constexpr const char* kIdentifyAbsolute = "容积（每行为该液位的罐内容积）";
inline constexpr const char* kIdentifyFitCaption = "识别：";
inline constexpr const char* kIdentifyAlpha = "α 纵向倾斜";
inline constexpr const char* kIdentifyBeta = "β 横向倾斜";
inline constexpr const char* kIdentifyOffset = "δ 尺零偏差";
inline constexpr const char* kIdentifyDropOutliers = "剔除异常后重新拟合";
inline constexpr const char* kIdentifyRun = "识别";
inline constexpr const char* kIdentifyApply = "应用";
inline constexpr const char* kIdentifyApplyTip = "把 α、β 写入倾斜圆筒页，罐容表表头注明变位识别";
inline constexpr const char* kIdentifyApplied = "已应用：";
inline constexpr const char* kIdentifyPlotCaption =
    "残差（L）与液位（mm）：虚线为 ±4×RMS，红点为异常";
inline constexpr const char* kIdentifyRms = "RMS";
inline constexpr const char* kIdentifyRows = "所用数据";
inline constexpr const char* kIdentifyOutliers = "异常";
inline constexpr const char* kIdentifyNoOutliers = "无";

// ---- The uncertainty (不确定度…) ----
inline constexpr const char* kUButton = "不确定度…";
inline constexpr const char* kUTip = "输入量的标准不确定度，容积表的 U 列与各输入的贡献";
inline constexpr const char* kUTitle = "不确定度";
inline constexpr const char* kUNote =
    "各输入量的标准不确定度（k=1）。按一阶传播（GUM）求容积的扩展不确定度 U（k=2）。"
    "空着的项取默认值：液位 1 mm，油温 0.2 ℃，密度计 0.2 kg/m³，限值 0.4 %。";
inline constexpr const char* kULevel = "u(液位)，mm：";
inline constexpr const char* kUDimensions = "u(尺寸)，如 Edit1=1;Edit2=2：";
inline constexpr const char* kUTemperature = "u(温度)，℃：";
inline constexpr const char* kUDensity = "u(密度计读数)，kg/m³：";
inline constexpr const char* kULimit = "限值，容积的 %：";
inline constexpr const char* kUColumnSwitch = "容积表加“U(k=2) L”列，快捷计算与计量单给出 U";
inline constexpr const char* kUTitleSwitch = "表头的“不确定度”填入计算的最大相对 U";
inline constexpr const char* kUUpdate = "计算贡献";
inline constexpr const char* kUColumnU = "u";
inline constexpr const char* kURowExpanded = "U(k=2) L";
inline constexpr const char* kURowRelative = "U/V";

// ---- The output units and the tank register (罐库) ----
inline constexpr const char* kUnitsLabel = "单位";
inline constexpr const char* kUnitsButton = "单位…";
inline constexpr const char* kUnitsTip = "结果的单位：长度、容积、重量（输入仍按毫米、升、公斤）";
inline constexpr const char* kRegisterButton = "罐库…";
inline constexpr const char* kRegisterTip =
    "本油库的全部罐：打开、保存、复制、删除，批量生成容积表";
inline constexpr const char* kRegisterSearch = "搜索罐号、单位、形状";
inline constexpr std::array<const char*, 6> kRegisterColumns{"罐号",   "所属单位", "形状",
                                                             "总容量", "方法",     "最后修改"};
inline constexpr const char* kRegisterOpen = "打开";
inline constexpr const char* kRegisterSave = "保存当前罐";
inline constexpr const char* kRegisterSaveAs = "另存为…";
inline constexpr const char* kRegisterDuplicate = "复制…";
inline constexpr const char* kRegisterDelete = "删除";
inline constexpr const char* kRegisterRestore = "恢复…";
inline constexpr const char* kRegisterBatch = "生成容积表…";
inline constexpr const char* kRegisterBatchPdf = "同时生成 PDF";
inline constexpr const char* kRegisterNewNumber = "新罐号：";
inline constexpr const char* kRegisterNothingDeleted = "没有已删除的罐。";
inline constexpr const char* kRegisterPickDeleted = "恢复哪个已删除的罐？";
inline constexpr const char* kRegisterOutFolder = "容积表存到哪个文件夹";
inline constexpr const char* kRegisterBatchRunning = "正在生成 %1 / %2：%3";
inline constexpr const char* kRegisterBatchCancel = "取消";
inline std::string registerBatchDone(std::size_t made, std::size_t refused, bool cancelled) {
    return "已生成 " + std::to_string(made) + " 个容积表" +
           (refused == 0 ? std::string() : "，" + std::to_string(refused) + " 个未生成") +
           (cancelled ? "（已取消其余）" : "") + "。";
}

}  // namespace quorvel::ui_messages

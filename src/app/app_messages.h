// Every text the window's operations show themselves (the readers' stops and the output's
// boxes have their own headers): the help, the density check, the level of a volume, and
// failures that no lower layer words for the user.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "units/units.h"

namespace quorvel::app_messages {

inline constexpr std::string_view kHelpMissing = " help.chm 帮助文件损坏！";
inline constexpr std::string_view kNotANumber = "输入内容不是数字";

// A head whose kind the new section or shell page does not allow, made flat (status bar).
inline std::string headMadeFlat(bool left, std::string_view kind) {
    return std::string(left ? "左封头" : "右封头") + "“" + std::string(kind) +
           "”只适用于水平正直圆柱体，已改为平板封头";
}

// The note beside a quick result computed at a level the tank's description does not cover.
inline constexpr std::string_view kQuickAboveTank = "高于罐高，按满罐计";
inline constexpr std::string_view kQuickBeyondPoints = "超出标定点范围，按外推计算";

// A density outside what liquids in a tank weigh, as typed with its unit; the request first,
// so a note cut short still asks it.
inline std::string densityUnlikely(const std::string& density, const std::string& unit) {
    return "请核对密度单位：" + density + " " + unit + " 不在 0.5～2 g/cm^3 之间";
}

// The note below the summary in a table's confirmation box; levels in mm, as texts.
inline std::string tableCutAtHeight(const std::string& asked, const std::string& height) {
    return "注意：液位范围到 " + asked + " 毫米，高于罐高，容积表只列到罐高 " + height + " 毫米。";
}
inline std::string tableBeyondPoints(const std::string& lowest, const std::string& highest) {
    return "注意：液位范围超出标定点范围（" + lowest + " 至 " + highest +
           " 毫米），超出部分按外推计算。";
}

// The status bar after a table or the help was to be opened.
inline std::string workbookSavedTo(const std::string& path) {
    return "容积表已保存到 " + path;
}
inline std::string workbookSavedNotOpened(const std::string& path, std::string_view why) {
    return workbookSavedTo(path) + "，但无法打开：" + std::string(why);
}
inline std::string workbookNotSaved(const std::string& path) {
    return "容积表未能保存到 " + path;
}
inline std::string tableSavedAs(const std::string& path) {
    return "容积表已另存为 " + path;
}
inline std::string pdfSavedTo(const std::string& path) {
    return "容积表 PDF 已保存到 " + path;
}
inline std::string pdfSavedNotOpened(const std::string& path, std::string_view why) {
    return pdfSavedTo(path) + "，但无法打开：" + std::string(why);
}
inline std::string pdfNotSaved(const std::string& path) {
    return "容积表 PDF 未能保存到 " + path;
}
// Before a document of a table that differs from the one "生成容积表" made last.
inline constexpr std::string_view kTableChangedQuestion =
    "按当前输入算出的容积表与上次“生成容积表”生成的不同（生成后改动过输入）。\n"
    "选“是”：按当前输入继续；选“否”：不生成。";
inline std::string helpNotOpened(const std::string& path, std::string_view why) {
    return "无法打开帮助文件 " + path + "：" + std::string(why);
}
// Why: no program is registered for files ending in `suffix` (".xlsx", ".chm"), or one is
// but could not be started.
inline std::string noProgramFor(std::string_view suffix) {
    return "系统中没有登记打开 " + std::string(suffix) + " 文件的程序";
}
inline constexpr std::string_view kOpenerFailed = "打开它的程序未能启动";

// The level of a volume or weight.
inline constexpr std::string_view kWeightNeedsDensity =
    "按重量求液位需要液体密度：请选中“重量输入密度”并输入密度！";
inline constexpr std::string_view kDensityNotPositive = "液体密度必须大于0！";

// "容积 40000.00 升超过最高液位 2000.00 毫米处的容积 33579.22 升！"; all numbers as texts.
inline std::string aboveFull(bool weight, const std::string& asked, const std::string& level,
                             const std::string& most) {
    const std::string what = weight ? "重量 " : "容积 ";
    const std::string unit = weight ? " 千克" : " 升";
    return what + asked + unit + "超过最高液位 " + level + " 毫米处的" + what + most + unit + "！";
}
inline std::string belowEmpty(bool weight, const std::string& asked, const std::string& level,
                              const std::string& least) {
    const std::string what = weight ? "重量 " : "容积 ";
    const std::string unit = weight ? " 千克" : " 升";
    return what + asked + unit + "低于最低液位 " + level + " 毫米处的" + what + least + unit + "！";
}

// The start of a table's proposed file name, "罐容表_T-101_2026-12-09.xlsx".
inline constexpr const char* kTableFilePrefix = "罐容表";

// The root finder of a level query reached its limit of steps.
inline constexpr std::string_view kLevelNotConverged = "求液位的迭代次数已达上限，未能确定液位！";

// A file the operation could not read or write, with the system's reason in words.
inline std::string fileFailed(const std::string& path, std::string_view reason) {
    return "文件“" + path + "”无法读写：" + std::string(reason);
}
// The system's reasons a person can act on; other reasons are shown as the system gives them.
std::string_view systemReason(int code);

// Why a file was refused where the system did not fail.
inline constexpr std::string_view kNotARegularFile = "它不是普通文件，而是设备、管道或套接字";
inline constexpr std::string_view kWriteProtected = "文件设为只读，不允许改写";
inline std::string tooLarge(std::size_t mebibytes) {
    return "文件大于 " + std::to_string(mebibytes) + " MiB，不是本程序保存的文件";
}
// Why bd.txt makes no grid: its counts, as written in the file (`token`, shortened).
inline std::string gridCountNotInteger(bool rows, int line, std::string_view token) {
    return "第 " + std::to_string(line) + " 行的" + (rows ? "行数" : "列数") + "“" +
           std::string(token) + "”不是整数";
}
inline std::string gridCountNegative(bool rows, int line, std::string_view token) {
    return "第 " + std::to_string(line) + " 行的" + (rows ? "行数" : "列数") + "“" +
           std::string(token) + "”是负数";
}
inline std::string gridCountOverLimit(bool rows, int line, std::string_view token,
                                      long long limit) {
    return "第 " + std::to_string(line) + " 行的" + (rows ? "行数" : "列数") + "“" +
           std::string(token) + "”超过上限 " + std::to_string(limit);
}
inline std::string gridTooManyCells(std::string_view cols, std::string_view rows, long long cells,
                                    long long limit) {
    return "列数 " + std::string(cols) + " 与行数 " + std::string(rows) + " 共 " +
           std::to_string(cells) + " 格，超过上限 " + std::to_string(limit) + " 格";
}

// Config.ini and bd.txt at start and close.
inline constexpr std::string_view kStoredFilesCaption = "系统提示";
inline constexpr std::string_view kSettingsFile = "设置文件";
inline constexpr std::string_view kGridFile = "标定点文件";
// At start: a stored file there that could not be read. `ask`: the close will ask before it
// writes over the file (a regular file), else it leaves the file alone.
inline std::string storedFileUnread(std::string_view what, const std::string& path,
                                    std::string_view reason, bool ask) {
    return "无法读取" + std::string(what) + "“" + path + "”：" + std::string(reason) +
           "。\n程序按没有这个文件启动；关闭时" + (ask ? "会先询问是否改写它。" : "不会改写它。");
}
// At close, for such a file; `changed`: it is no longer the file the start could not read
// (something replaced or changed it while the window was open).
inline std::string keepCopyQuestion(std::string_view what, const std::string& path,
                                    const std::string& copy, bool changed) {
    return "启动时无法读取的" + std::string(what) + "“" + path + "”" +
           (changed ? "在程序运行期间已被改动或替换，本程序没有读过它现在的内容" : "至今保持原样") +
           "。\n选“是”：先把它保留为“" + copy +
           "”，再保存本次的内容；\n选“否”：不改写它，本次的内容不保存到这个文件。";
}
// A copy could not be kept: NAME.bak to NAME.bak999 (`last`) all exist.
inline std::string noFreeCopyName(const std::string& first, const std::string& last) {
    return "无法保留副本：“" + first + "”至“" + last +
           "”都已存在。请删除不需要的副本后再关闭程序；这个文件没有改写。";
}
// Values the settings file cannot hold (a line break, bytes that are not text), each one
// line; every other setting was saved.
inline std::string valuesNotStored(const std::string& path, const std::string& lines) {
    return "设置已保存到“" + path + "”，但下列内容无法保存，文件中仍是原来的内容：" + lines;
}
inline std::string valueNotStored(std::string_view name, bool lineBreak) {
    // Appended piece by piece: GCC 12 misreads "\n" + std::string as an overlapping copy.
    std::string line(1, '\n');
    return line.append(name).append("：").append(lineBreak ? "含有换行符或空字符"
                                                           : "不是有效的文字（UTF-8）");
}

// A table request whose first level lies above its last: no row at all.
inline std::string noTableRows(const std::string& from, const std::string& to, bool tankTop) {
    return "起始液位 " + from + " 毫米高于终止液位 " + to + " 毫米" + (tankTop ? "（罐高）" : "") +
           "，容积表没有一行！";
}

// The window "油量计算" and its gauging ticket (计量单).
inline constexpr std::string_view kOilTitle = "油量计算";
inline constexpr std::string_view kOilGroupMissing = "呵呵，油品类别还没选呢！";
inline constexpr std::string_view kOilTemperatureMissing = "呵呵，油温数据还没输完呢！";
inline constexpr std::string_view kOilDensityMissing = "呵呵，密度数据还没输完呢！";
// A dip the tank's description does not cover gives no quantity; levels in mm, as texts.
inline std::string dipAboveTank(const std::string& level, const std::string& height) {
    return "液位 " + level + " 毫米高于罐高 " + height + " 毫米，不能计算油量！";
}
inline std::string dipBeyondPoints(const std::string& level, const std::string& lowest,
                                   const std::string& highest) {
    return "液位 " + level + " 毫米超出标定点范围（" + lowest + " 至 " + highest +
           " 毫米），不能计算油量！";
}
// A volume below zero at the dip: the tank's description is not consistent (a subtracted
// head larger than the shell, a failed computation).
inline std::string volumeBelowZero(const std::string& litres) {
    return "该液位的容积为 " + litres + " 升，小于零，不能计算油量！请检查油罐的尺寸。";
}

// Where a ticket went (the window's own line below its results).
inline std::string ticketSavedTo(const std::string& path) {
    return "计量单已保存到 " + path;
}
inline std::string ticketSavedNotOpened(const std::string& path, std::string_view why) {
    return ticketSavedTo(path) + "，但无法打开：" + std::string(why);
}
inline std::string ticketNotSaved(std::string_view reason) {
    return reason.empty() ? std::string("计量单未能保存。")
                          : "计量单未能保存：" + std::string(reason);
}

// A temporary file of the temporary folder (the table's rows, the workbook's parts) failed:
// nothing was saved over.
inline std::string temporaryFolderFailed(const std::string& folder, std::string_view reason) {
    return "临时文件夹“" + folder + "”无法写入临时文件：" + std::string(reason) +
           "。\n文件没有保存，原来的文件保持不变。请在这个文件夹中腾出空间，或把环境变量 TMPDIR "
           "指向空间足够的文件夹后再试。";
}
// When the folder itself gave no reason.
inline constexpr std::string_view kTemporaryIncomplete = "临时文件没有写全";

inline constexpr std::string_view kOutOfMemory = "内存不足，操作未能完成！";
// An error no lower layer words for the user (a fault of the program itself).
inline std::string internalError(std::string_view detail) {
    return "程序内部错误：" + std::string(detail);
}
// A failure of the workbook library while the workbook was being built.
inline std::string workbookFailed(std::string_view detail) {
    return "生成工作簿失败：" + std::string(detail);
}

// A reference height printed on a document must be a level.
inline constexpr std::string_view kReferenceHeightNegative = "参照高度不能为负！";

// The calculation method, the ullage and the level of a quantity in the window.
inline constexpr std::string_view kExactSummaryLine = "计算方法：真实几何";
inline constexpr std::string_view kUllageMissing = "呵呵，空高或参照高度数据还没输完呢！";
inline std::string ullageAboveReference(const std::string& ullage, const std::string& reference) {
    return "空高 " + ullage + " 毫米大于参照高度 " + reference + " 毫米，液位不能为负！";
}
inline constexpr std::string_view kQuantityMissing = "呵呵，求液位的容积或重量还没输完呢！";
// The unit of the quantity whose level is asked.
inline constexpr std::string_view kLitres = units::kLitre.name;
inline constexpr std::string_view kKilograms = units::kKilogram.name;

// How far the classic formulas depart from the true geometry (the text under the curve);
// levels in mm and the percentage (of the true volume) as texts.
inline std::string departure(const std::string& level, bool less, const std::string& percent) {
    return "经典公式在 " + level + " 毫米处比真实几何" + (less ? "少 " : "多 ") + percent + " %";
}
inline std::string tableDeparture(const std::string& largest, const std::string& from,
                                  const std::string& to) {
    return largest + "，为容积表 " + from + " 至 " + to + " 毫米内相差最大处";
}
// At the level asked (`atLevel`: its departure, or empty when the two agree there), then the
// largest over the tank's height when it lies elsewhere (`largest`, or empty).
inline std::string quickDeparture(const std::string& atLevel, const std::string& level,
                                  const std::string& largest, const std::string& height) {
    std::string text =
        atLevel.empty() ? "经典公式在 " + level + " 毫米处与真实几何相差不到 0.01 %" : atLevel;
    if (!largest.empty()) {
        text += "；0 至 " + height + " 毫米内相差最大：" + largest;
    }
    return text;
}
inline std::string noComparison(std::string_view why) {
    return "无法与真实几何比较：" + std::string(why);
}

// ---- The imported capacity table (导入罐容表…) ----
// Where a finding lies: a text file's line, a workbook's row with the cell ("B12").
inline std::string importRow(int row, const std::string& cell) {
    return "第 " + std::to_string(row) + " 行" + (cell.empty() ? "" : "（" + cell + "）");
}
inline std::string importNotNumber(const std::string& where, const std::string& text) {
    return text.empty() ? where + "：缺少数值" : where + "：“" + text + "”不是数字";
}
inline std::string importLevelFalls(const std::string& where, const std::string& before,
                                    const std::string& here) {
    return where + "：高度 " + here + " mm 小于上一点的 " + before + " mm，高度未递增";
}
inline std::string importLevelRepeated(const std::string& where, const std::string& here) {
    return where + "：高度 " + here + " mm 与上一点重复";
}
inline std::string importVolumeFalls(const std::string& where, const std::string& before,
                                     const std::string& here) {
    return where + "：容积 " + here + " L 小于上一点的 " + before + " L，容积下降";
}
inline std::string importGap(const std::string& where, const std::string& step,
                             const std::string& median) {
    return where + "：高度间隔 " + step + " mm，超过中位间隔 " + median + " mm 的 5 倍";
}
inline std::string importIncrementJump(const std::string& where, const std::string& before,
                                       const std::string& after) {
    return where + "：每毫米容积增量由 " + before + " L/mm 变为 " + after +
           " L/mm，相差超过 25%，请核对是否录入有误";
}
inline std::string importTooFewPoints(std::size_t points) {
    return "只找到 " + std::to_string(points) + " 个标定点，至少需要 2 个";
}
inline std::string importTooManyPoints(std::size_t points, int most) {
    return "标定点有 " + std::to_string(points) + " 个，标定点表最多容纳 " + std::to_string(most) +
           " 个";
}
inline std::string importNotRead(const std::string& path, std::string_view reason) {
    return "无法读取罐容表文件“" + path + "”：" + std::string(reason);
}
inline constexpr std::string_view kImportNotWorkbook = "它不是可读的 .xlsx 工作簿";
inline std::string importSummary(std::size_t points, int blocks, const std::string& lowest,
                                 const std::string& highest) {
    return "读到 " + std::to_string(points) + " 个标定点" +
           (blocks > 1 ? "（" + std::to_string(blocks) + " 栏）" : std::string()) + "，高度 " +
           lowest + " ～ " + highest + " mm";
}
inline std::string importUnits(double levelFactor, double volumeFactor) {
    std::string text;
    if (levelFactor == 10)
        text += "，高度按表头由厘米换算为毫米";
    if (volumeFactor == 1000)
        text += "，容积按表头由立方米换算为升";
    return text;
}
inline std::string importRefused(const std::string& name) {
    return "罐容表“" + name + "”有以下错误，未导入：";
}
inline std::string importQuestion(const std::string& name, const std::string& summary) {
    return "罐容表“" + name + "”" + summary + "，发现以下疑点：";
}
inline constexpr std::string_view kImportAsk = "是否仍然导入？导入将替换现有的标定点。";
inline constexpr std::string_view kImportCaption = "导入罐容表";
inline std::string moreFindings(std::size_t more) {
    return "……另有 " + std::to_string(more) + " 条";
}
inline std::string tableImported(const std::string& name, const std::string& summary) {
    return "已导入罐容表“" + name + "”：" + summary + "，原有标定点已替换";
}
inline std::string tableNotImported(const std::string& name) {
    return "未导入罐容表“" + name + "”";
}

// ---- The tilt identification (变位识别) ----
// A value of the log that is not a number, by its row and column (from 1) and as written.
inline std::string logNotNumber(int row, int column, const std::string& text) {
    return "日志第 " + std::to_string(row) + " 行第 " + std::to_string(column) + " 列“" + text +
           "”不是数字";
}
// The figures of a fit in the title block and beside "应用"; `held` marks an unknown given,
// not fitted.
inline constexpr std::string_view kHeldUnknown = "给定";
inline std::string fitCounts(const std::string& rms, std::size_t used, std::size_t outliers,
                             bool refitted) {
    return "RMS " + rms + " L，用 " + std::to_string(used) + " 个数据，" +
           (refitted ? "剔除异常 " : "异常 ") + std::to_string(outliers) + " 个";
}

// ---- The booked quantity of 油量计算: water, shell temperature, sediment and water, room ----
inline constexpr std::string_view kWaterLevelName = "水高";
inline constexpr std::string_view kSafeLevelName = "安全高度";
inline constexpr std::string_view kExpansionMissing = "呵呵，罐壁线膨胀系数 α 还没输呢！";
inline constexpr std::string_view kTwoShellTemperatures =
    "罐壁温度已经输入，就不要再填环境温度或选“保温罐”：两者只用一种。";
inline std::string bookedLevelBelowZero(std::string_view what, const std::string& level) {
    return std::string(what) + " " + level + " 毫米小于零，不能计算油量！";
}
inline std::string bookedLevelAboveTank(std::string_view what, const std::string& level,
                                        const std::string& height) {
    return std::string(what) + " " + level + " 毫米高于罐高 " + height + " 毫米，不能计算油量！";
}
inline std::string bookedLevelBeyondPoints(std::string_view what, const std::string& level,
                                           const std::string& lowest, const std::string& highest) {
    return std::string(what) + " " + level + " 毫米超出标定点范围（" + lowest + " 至 " + highest +
           " 毫米），不能计算油量！";
}
inline std::string waterAboveDip(const std::string& water, const std::string& dip) {
    return "水高 " + water + " 毫米高于液位 " + dip + " 毫米，不能计算油量！";
}

// ---- The upright tank's rows (courses.txt) ----
inline constexpr std::string_view kUprightFile = "圈板文件";
inline std::string uprightLineDamaged(int line, const std::string& text) {
    return "第 " + std::to_string(line) + " 行“" + text + "”不是圈板或死量行";
}

// ---- The uncertainty ----
// The title block's 不确定度 when it is computed: the greatest U relative to the volume.
// Beside the quick result when U is asked: "± 20.00 L", before the notes.
inline std::string withUncertainty(const std::string& u, bool kilograms, const std::string& notes) {
    if (u.empty()) {
        return notes;
    }
    return "± " + u + (kilograms ? " kg" : " L") + (notes.empty() ? "" : "；" + notes);
}
inline std::string greatestUncertainty(const std::string& percent, const std::string& level) {
    return "U=" + percent + "%，k=2（最大值，液位 " + level + " 毫米）";
}

// ---- The tank register (罐库) ----
inline constexpr std::string_view kRegisterNoTankNumber =
    "罐号为空：请先在“罐容表信息”中填写罐号，罐库按罐号保存。";
inline std::string registerNameTaken(std::string_view file) {
    return "罐库中已有文件 " + std::string(file) +
           "（罐号相同或只差文件名不能容纳的字符），未覆盖。请换一个罐号。";
}
inline std::string registerFolderFailed(std::string_view folder, std::string_view why) {
    return "不能建立罐库文件夹 " + std::string(folder) + "：" + std::string(why);
}
inline std::string registerMoveFailed(std::string_view file, std::string_view why) {
    return "不能移动 " + std::string(file) + "：" + std::string(why);
}
// The shape column: the shell page's caption by its command-line word.
inline std::string shellCaption(std::string_view word) {
    if (word == "horizontal")
        return "水平圆筒";
    if (word == "tilted")
        return "倾斜圆筒";
    if (word == "spherical")
        return "球罐";
    if (word == "calibrated")
        return "罐容标定";
    return std::string(word);
}

inline std::string batchSourceMissing(std::string_view path) {
    return std::string(path) + " 既不是文件夹，也不是罐文件清单";
}
inline std::string batchNameTwice(std::string_view name) {
    return "罐号 " + std::string(name) + " 与本批中前面的罐同名，未覆盖";
}

inline constexpr std::string_view kRegisterTitle = "罐库";
inline std::string registerChangedQuestion(std::string_view file) {
    return "当前的罐（" + std::string(file) +
           "）打开后已修改，尚未保存到罐库。\n放弃这些修改，打开另一个罐吗？";
}

}  // namespace quorvel::app_messages

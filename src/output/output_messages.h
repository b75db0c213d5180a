// Every text the output layer shows or writes: the workbook's prompt, title, sheet and
// headings, its failures, and the snapshot's dialog and confirmation.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "units/units.h"

namespace quorvel::output_messages {

// The capacity table workbook.
inline constexpr const char* kSheetName = "罐容表";
inline constexpr const char* kPromptCaption = "系统提示";
inline constexpr const char* kErrorCaption = "错误";
inline constexpr const char* kSaveFailedText = "关闭生成的Excel罐容表再试一次！";
// The box of a failed save: the text above, then the system's reason on a line of its own.
inline std::string saveFailed(const std::string& reason) {
    return reason.empty() ? std::string(kSaveFailedText) : kSaveFailedText + ("\n" + reason);
}
inline constexpr const char* kPromptQuestion = "    是否继续？";
// What the prompt and the title show instead of the summary for a calibrated tank.
inline constexpr const char* kCalibratedSummary = "罐容标定";
// The two footer lines of the title.
inline constexpr const char* kTitleFooterGenerator = "本罐容表由 Quorvel 生成。";
inline constexpr const char* kTitleFooterContact =
    "如有疑问，请查阅 Quorvel 帮助文件（help.chm）或访问 Quorvel 项目主页。";
// The headings of each column block.
inline constexpr const char* kRowNumberHeading = "序号";
inline constexpr const char* kLevelHeading = "高度mm";
inline constexpr const char* kVolumeHeading = "容积L";
inline constexpr const char* kWeightHeading = "重量Kg";

// The title block of an issued table and the paper document.
inline constexpr const char* kDocumentHeading = "罐容表";
inline constexpr const char* kTotalCapacityLabel = "总容量";
inline constexpr const char* kDeadVolumeLabel = "罐底死量";
inline constexpr const char* kFittingLabel = "附件";
inline constexpr const char* kLevelsLabel = "液位";
inline constexpr const char* kMethodLabel = "计算方法";
inline constexpr const char* kClassicMethod = "经典公式";
inline constexpr const char* kExactMethod = "真实几何";
inline constexpr const char* kTiltLabel = "倾斜";
inline constexpr const char* kTemperatureLabel = "标准温度";
inline constexpr const char* kStandardTemperature = "20 ℃";
inline constexpr const char* kCompiledByLabel = "编制";
inline constexpr const char* kCheckedByLabel = "核验";
inline constexpr const char* kSummaryLabel = "计算参数";
inline constexpr const char* kSignatureBlank = "＿＿＿＿＿＿＿＿";
inline constexpr const char* kIncrementHeading = "增量L/mm";
// The headings in the output units ("单位"); the defaults give the headings above.
inline std::string levelHeading(const units::OutputUnits& u) {
    return "高度" + std::string(u.length->symbol);
}
inline std::string volumeHeading(const units::OutputUnits& u) {
    return "容积" + std::string(u.volume->symbol);
}
inline std::string weightHeading(const units::OutputUnits& u) {
    return u.mass == &units::kMassUnits[0] ? std::string(kWeightHeading)
                                           : "重量" + std::string(u.mass->symbol);
}
inline std::string incrementHeading(const units::OutputUnits& u) {
    return "增量" + std::string(u.volume->symbol) + "/" + std::string(u.length->symbol);
}
// "（液位 2600 mm）" after the total capacity.
inline std::string atLevel(const std::string& level) {
    return "（液位 " + level + " mm）";
}
inline std::string atLevelIn(const std::string& level, std::string_view unit) {
    return "（液位 " + level + " " + std::string(unit) + "）";
}
inline std::string fittingText(const std::string& litres, const std::string& bottom,
                               const std::string& height) {
    return litres + " L，最下端距罐底 " + bottom + " mm，高 " + height + " mm（已扣除）";
}
inline std::string levelsText(const std::string& from, const std::string& to,
                              const std::string& step) {
    return from + " ～ " + to + " mm，间隔 " + step + " mm";
}
inline std::string tiltText(const std::string& alpha, const std::string& beta) {
    return "纵向 " + alpha + "°，横向 " + beta + "°";
}
// A calibrated tank's range in its title block: the lowest and highest point, mm.
inline constexpr const char* kCalibratedRangeLabel = "标定范围";
inline std::string calibratedRange(const std::string& lowest, const std::string& highest,
                                   std::size_t points) {
    return lowest + " ～ " + highest + " mm（" + std::to_string(points) + " 个标定点）";
}
// What the mark after a volume says, under the summary of a table that has marked rows.
inline std::string extrapolatedNote(const std::string& mark, const std::string& lowest,
                                    const std::string& highest) {
    return "注：带“" + mark + "”的容积所在液位超出标定范围 " + lowest + " ～ " + highest +
           " mm，是外推值，不是实测值。";
}
inline std::string aboveTankNote(const std::string& mark, const std::string& height) {
    return "注：带“" + mark + "”的容积所在液位高于罐高 " + height + " mm，按满罐计。";
}

// The paper document's typeface is missing.
inline std::string fontMissing(const std::string& family) {
    return "找不到字体“" + family + "”，无法排版罐容表：请安装 fonts-noto-cjk 后再试。";
}

// The printed pages: the footer's page number (the format's codes &P and &N), the tank.
inline constexpr const char* kPageFooter = "第 &P 页 共 &N 页";
inline constexpr const char* kTankNumberFooter = "罐号：";
// The paper document's page number: "%1" the page, "%2" the pages.
inline constexpr const char* kPaperPageNumber = "第 %1 页 共 %2 页";

inline std::string weightsDoNotMatch(std::size_t weights, std::size_t rows) {
    return "重量数据有 " + std::to_string(weights) + " 条，容积表有 " + std::to_string(rows) +
           " 行，两者不一致，无法生成罐容表。";
}

inline std::string tooManyColumns(std::size_t rows, int rowsPerBlock, std::size_t blocks,
                                  std::size_t columns, int maxColumns, std::size_t minRows) {
    return "罐容表共 " + std::to_string(rows) + " 行，每列 " + std::to_string(rowsPerBlock) +
           " 条数据需要 " + std::to_string(blocks) + " 个列块、共 " + std::to_string(columns) +
           " 列，超过了 Excel 工作表最多 " + std::to_string(maxColumns) +
           " 列的限制。请把每列数据条数改为至少 " + std::to_string(minRows) + " 后再试。";
}

inline std::string tooManyPageBreaks(std::size_t rows, int rowsPerBlock, std::size_t blocks,
                                     int blocksPerPage, int maxBreaks, std::size_t minRows) {
    return "罐容表共 " + std::to_string(rows) + " 行，每列 " + std::to_string(rowsPerBlock) +
           " 条数据需要 " + std::to_string(blocks) + " 个列块，每页 " +
           std::to_string(blocksPerPage) + " 块，分页超过了 Excel 工作表最多 " +
           std::to_string(maxBreaks) + " 个分页符的限制。请把每列数据条数改为至少 " +
           std::to_string(minRows) + " 后再试。";
}

inline std::string tooManySheetRows(std::size_t rowsUsed, int maxRows, std::size_t maxTableRows,
                                    int headRows) {
    return "罐容表每列需要 " + std::to_string(rowsUsed) + " 条数据，超过了 Excel 工作表最多 " +
           std::to_string(maxRows) + " 行的限制（标题和表头占前 " + std::to_string(headRows) +
           " 行）。请把每列数据条数改为不超过 " + std::to_string(maxTableRows) + " 后再试。";
}

// A document saved under a name that is taken.
inline constexpr const char* kReplaceCaption = "确认另存为";
inline std::string replaceQuestion(const std::string& path) {
    return "“" + path + "”已存在。\n要替换它吗？";
}

// The window snapshot ("打印").
inline constexpr const char* kSnapshotProposedName = "打印窗体";
inline constexpr const char* kSnapshotCaption = "提示";
inline constexpr const char* kSnapshotSavedText =
    "打印的窗体保存到您指定的图形文件，您可打开该文件进行打印！";

// The gauging ticket (计量单): the captions of the window 油量计算 and the lines of the ticket,
// with their units.
inline constexpr std::string_view kTicketTitle = "计量单";
inline constexpr std::string_view kTicketTime = "计算时间";
inline constexpr std::string_view kGaugingTime = "检尺时间";
inline constexpr std::string_view kProductName = "油品名称";
// A tilted tank's position on the ticket: α, β and F as typed, the low end when chosen.
inline constexpr std::string_view kTicketTilt = "倾斜";
inline constexpr const char* kLowEndLeft = "低端在左封头";
inline constexpr const char* kLowEndRight = "低端在右封头";
inline std::string ticketTilt(const std::string& alpha, const std::string& beta,
                              const std::string& offset, const std::string& lowEnd) {
    return "α " + alpha + "°，β " + beta + "°，F " + offset + " mm" +
           (lowEnd.empty() ? "" : "，" + lowEnd);
}
inline constexpr std::string_view kTicketTank = "油罐";
inline constexpr std::string_view kTicketRegisterTank = "罐库文件";  // the register's tank file
inline std::string calibratedTank(std::size_t points) {
    return "罐容标定，" + std::to_string(points) + " 个标定点";
}
inline constexpr std::string_view kTicketMethod = "容积计算方法";
inline constexpr std::string_view kMethodClassic = "经典公式";
inline constexpr std::string_view kMethodExact = "真实几何";
inline constexpr std::string_view kTicketInputs = "输入";
inline constexpr std::string_view kTicketResults = "结果";
inline constexpr std::string_view kDip = "液位";
inline constexpr std::string_view kUllage = "空高";
inline constexpr std::string_view kReferenceHeight = "参照高度";
inline constexpr std::string_view kProductGroup = "油品类别";
inline constexpr std::string_view kOilTemperature = "油温";
inline constexpr std::string_view kObservedDensity = "视密度";
inline constexpr std::string_view kTestTemperature = "试验温度";
inline constexpr std::string_view kStandardDensityTyped = "标准密度（输入）";
inline constexpr std::string_view kStandardDensity = "标准密度";
inline constexpr std::string_view kReading = "查表方式";
inline constexpr std::string_view kReadingPrintedTable = "按印刷表查表";
inline constexpr std::string_view kReadingFormula = "按公式计算";
inline constexpr std::string_view kVt = "计量温度下体积 Vt";
inline constexpr std::string_view kRho20 = "标准密度 ρ20";
inline constexpr std::string_view kVcf20 = "体积修正系数 VCF20";
inline constexpr std::string_view kV20 = "标准体积 V20";
inline constexpr std::string_view kMass = "质量（空气中）m";
// The units beside the ticket's numbers (units/units.h), and the oil's temperature.
inline constexpr std::string_view kUnitMm = units::kMillimetre.symbol;
inline constexpr std::string_view kUnitCelsius = "°C";
inline constexpr std::string_view kUnitDensity = units::kKgPerCubicMetre.symbol;
inline constexpr std::string_view kUnitGramsPerCm3 = units::kGramsPerCubicCentimetre.symbol;
inline constexpr std::string_view kUnitLitre = units::kLitre.symbol;
inline constexpr std::string_view kUnitKg = units::kKilogram.symbol;
inline constexpr std::string_view kTicketBasis =
    "依据 GB/T 1885-1998 石油计量表（表 59、表 60）：V20 = Vt × VCF20，"
    "m = V20 × (ρ20 − 1.1 kg/m³)";
// An upright tank's ticket: its head correction at the oil's density, not the table's basis.
inline std::string headScaling(const std::string& density, const std::string& basis) {
    return "静压修正按油品密度 " + density + " kg/m³ / 基准密度 " + basis + " kg/m³ 换算";
}
inline constexpr std::string_view kTicketGauger = "计量员";
inline constexpr std::string_view kTicketChecker = "复核";
inline constexpr std::string_view kTicketFooter = "本计量单由 Quorvel 生成。";

// ---- The imported capacity table and the interpolation ----
// The method of a calibrated tank's table between its points by the monotone cubic.
inline constexpr const char* kMonotoneCubicMethod = "标定点间单调三次插值";
// ---- The tilt identification (变位识别) ----
// The title block's item of a tilted tank whose α and β were identified from a log.
inline std::string tiltFitLine(const std::string& figures) {
    return "变位识别：" + figures;
}

// ---- The booked quantity on the ticket: water, shell, sediment and water, room ----
inline constexpr std::string_view kWaterLevel = "水高";
inline constexpr std::string_view kShellTemperatureTyped = "罐壁温度";
inline constexpr std::string_view kShellTemperatureInsulated = "罐壁温度 TSh = 油温（保温罐）";
inline std::string shellTemperatureFromAir(const std::string& ambient) {
    return "罐壁温度 TSh = (7 × 油温 + 环境温度 " + ambient + " °C) / 8";
}
inline constexpr std::string_view kShellMaterial = "罐壁材料";
inline constexpr std::string_view kShellExpansion = "线膨胀系数 α";
inline constexpr std::string_view kUnitPerCelsius = "/°C";
inline constexpr std::string_view kTableTemperature = "罐容表参考温度";
inline constexpr std::string_view kUnitPercent = "%";
inline constexpr std::string_view kVto = "总观测体积 Vto";
inline constexpr std::string_view kFw = "游离水体积 FW";
inline constexpr std::string_view kCtsh = "罐壁温度修正系数 CTSh";
inline constexpr std::string_view kVgo = "毛观测体积 Vgo";
inline constexpr std::string_view kVgs = "毛标准体积 Vgs（V20）";
inline constexpr std::string_view kSw = "含水含杂 SW";
inline constexpr std::string_view kVns = "净标准体积 Vns";
inline std::string room(const std::string& safeLevel) {
    return "空容量（至安全高度 " + safeLevel + " mm）";
}
inline constexpr std::string_view kRoom20 = "空容量 V20";
inline constexpr std::string_view kAboveSafeLevel = "已超过安全高度";
// Two lines: the page does not wrap a line.
inline constexpr std::string_view kBookedBasis =
    "依据 GB/T 19779、GB/T 1885-1998：Vgo = (Vto − FW) × CTSh，Vgs = Vgo × VCF20，";
inline constexpr std::string_view kBookedBasisCont =
    "Vns = Vgs × (1 − SW/100)，m = Vns × (ρ20 − 1.1 kg/m³)";

// ---- The upright tank's side tables and title items ----
inline constexpr const char* kMillimetreTableName = "圈板毫米容积表";
inline constexpr const char* kCourseHeading = "圈板";
inline constexpr const char* kCourseFromHeading = "起mm";
inline constexpr const char* kCourseToHeading = "止mm";
inline constexpr const char* kInnerDiameterHeading = "内径mm";
inline constexpr const char* kLitresPerMmHeading = "L/mm";
inline constexpr const char* kHeadCorrectionHeading = "静压修正L";
// The correction table's name: its sheet's name too, so no character a sheet name refuses.
inline std::string headTableName(const std::string& density) {
    return "静压修正表（" + density + " kg每立方米）";
}
inline constexpr const char* kBottomVolumeLabel = "底量";
inline constexpr const char* kHeadBasisLabel = "静压修正";
inline std::string headBasisText(const std::string& density, const std::string& modulus) {
    return "密度 " + density + " kg/m³，弹性模量 " + modulus + " GPa（已计入容积）";
}

// ---- The uncertainty ----
inline constexpr const char* kUncertaintyHeading = "U(k=2) L";
inline constexpr std::string_view kUVt = "扩展不确定度 U(Vt)（k=2）";
inline constexpr std::string_view kUV20 = "扩展不确定度 U(V20)（k=2）";
inline constexpr std::string_view kUMass = "扩展不确定度 U(m)（k=2）";
// Below the summary of a table with the U column.
inline std::string uncertaintyNote(const std::string& mark, const std::string& limitPercent) {
    return "U(k=2)：容积的扩展不确定度（k=2，按输入的标准不确定度一阶传播）；" + mark +
           "：U 超过容积的 " + limitPercent + " %";
}

}  // namespace quorvel::output_messages

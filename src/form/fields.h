// The catalogue of the window's controls: every control the program reads, writes, enables or
// shows by name, named once here after what it holds. The names are the window's generic ones
// (Edit1 …, RadioButton1 …), which are also the keys of the settings file, so they are part of
// a stored format. The heads' radio buttons and dimension fields are in their kinds' rows
// (form/head_kinds.h); which results each stored control enters, and its place in the file,
// in the stored controls' table (form/controls.h).
#pragma once

#include <string_view>

namespace quorvel {

// ---- The horizontal shell (page 水平圆筒) ----
inline constexpr std::string_view kCircularChoice = "RadioButton1";  // 图七 水平正直圆柱体
inline constexpr std::string_view kEllipticalChoice = "RadioButton2";  // 图八 水平椭圆柱体
inline constexpr std::string_view kDiameterField = "Edit1";            // D, mm
inline constexpr std::string_view kLengthField = "Edit2";              // L, mm
inline constexpr std::string_view kEllipseWidthField = "Edit3";        // B, mm
inline constexpr std::string_view kEllipseHeightField = "Edit4";       // A, mm
inline constexpr std::string_view kEllipseLengthField = "Edit5";       // L, mm

// ---- The tilted shell (page 倾斜圆筒) ----
inline constexpr std::string_view kTiltAlphaField = "Edit29";           // α, degrees
inline constexpr std::string_view kTiltBetaField = "Edit30";            // β, degrees
inline constexpr std::string_view kGaugeOffsetField = "Edit39";         // F, mm
inline constexpr std::string_view kTiltedWidthField = "Edit40";         // B, mm
inline constexpr std::string_view kTiltedHeightField = "Edit41";        // A, mm
inline constexpr std::string_view kTiltedLengthField = "Edit42";        // L, mm
inline constexpr std::string_view kLowEndLeftChoice = "RadioButton3";   // 低端在左封头
inline constexpr std::string_view kLowEndRightChoice = "RadioButton4";  // 低端在右封头

// ---- The sphere (page 球罐) ----
inline constexpr std::string_view kSphereDiameterField = "Edit34";  // mm

// ---- The calibrated tank (page 罐容标定) ----
inline constexpr std::string_view kPointCountList = "ComboBox2";   // 标定点数, "2" … "999"
inline constexpr std::string_view kClearPointsButton = "Button5";  // 清空
inline constexpr std::string_view kPointCountLabel = "Label48";    // 标定点数：
// The calibration grid and the shell pages hold no stored value, but the results depend on
// them as on a stored control.
inline constexpr std::string_view kGridControl = "StringGrid1";
inline constexpr std::string_view kShellPages = "PageControl1";

// ---- The heads ----
inline constexpr std::string_view kLeftHeadBox = "GroupBox1";   // 左封头
inline constexpr std::string_view kRightHeadBox = "GroupBox2";  // 右封头
// Each side's volume list: entry 0 adds the head, entry 1 subtracts it.
inline constexpr std::string_view kLeftHeadVolumeList = "ComboBox3";
inline constexpr std::string_view kRightHeadVolumeList = "ComboBox4";

// ---- The capacity table request (油罐容积表) ----
inline constexpr std::string_view kTableRequestBox = "GroupBox3";
inline constexpr std::string_view kFirstLevelField = "Edit6";      // mm
inline constexpr std::string_view kLastLevelField = "Edit7";       // mm
inline constexpr std::string_view kIntervalField = "Edit8";        // mm
inline constexpr std::string_view kRowsPerBlockField = "Edit9";    // rows per column block
inline constexpr std::string_view kDeadVolumeField = "Edit13";     // L
inline constexpr std::string_view kFittingVolumeField = "Edit31";  // L
inline constexpr std::string_view kFittingBottomField = "Edit32";  // mm
inline constexpr std::string_view kFittingHeightField = "Edit33";  // mm
inline constexpr std::string_view kDefaultsSwitch = "CheckBox2";   // 默认
inline constexpr std::string_view kGenerateButton = "BitBtn1";     // 生成容积表
inline constexpr std::string_view kHiddenGenerateButton = "Button1";
// The table's rows and their weights as the last generate held them.
inline constexpr std::string_view kTableRowsList = "ListBox1";
inline constexpr std::string_view kTableWeightsList = "ListBox2";

// ---- The weight ----
inline constexpr std::string_view kWeightsSwitch = "CheckBox1";  // 重量输入密度
inline constexpr std::string_view kDensityField = "Edit37";
inline constexpr std::string_view kDensityUnitList = "ComboBox1";  // Kg/m^3, g/cm^3 (typed too)

// ---- The quick calculation (快捷计算) ----
inline constexpr std::string_view kQuickBox = "GroupBox5";
inline constexpr std::string_view kQuickLevelField = "Edit35";   // mm
inline constexpr std::string_view kQuickResultField = "Edit36";  // L or kg
inline constexpr std::string_view kQuickButton = "Button2";      // 计算
inline constexpr std::string_view kKilogramsLabel = "Label46";   // 公斤, beside a weight
inline constexpr std::string_view kLitresLabel = "Label47";      // 升, beside a volume
inline constexpr std::string_view kQuickNoteLabel = "Label49";   // 高于罐高，按满罐计 …

// ---- The method, the ullage and the level of a quantity ----
inline constexpr std::string_view kMethodList = "ComboBox5";       // 计算方法
inline constexpr std::string_view kUllageField = "Edit59";         // 空高, mm below Edit48
inline constexpr std::string_view kQuantityField = "Edit60";       // L, or kg with weights
inline constexpr std::string_view kFindLevelButton = "Button6";    // 求液位
inline constexpr std::string_view kQuantityUnitLabel = "Label51";  // 升 or 公斤
inline constexpr std::string_view kLevelAnswerLabel = "Label52";   // the level found
inline constexpr std::string_view kComparisonLabel = "Label53";    // under the curve
inline constexpr std::string_view kLevelAnswerUnit = "Label54";    // 毫米, with a level only

// ---- The table's identity (罐容表信息) ----
inline constexpr std::string_view kReferenceHeightField = "Edit48";  // 参照高度, mm
inline constexpr std::string_view kTankNumberField = "Edit49";       // 罐号
inline constexpr std::string_view kOwnerField = "Edit50";            // 所属单位
inline constexpr std::string_view kLocationField = "Edit51";         // 所在地点
inline constexpr std::string_view kNominalCapacityField = "Edit52";  // 公称容量
inline constexpr std::string_view kCertificateField = "Edit53";      // 证书编号
inline constexpr std::string_view kTableDateField = "Edit54";        // 编制日期
inline constexpr std::string_view kValidUntilField = "Edit55";       // 有效期至
inline constexpr std::string_view kCompiledByField = "Edit56";       // 编制
inline constexpr std::string_view kCheckedByField = "Edit57";        // 核验
inline constexpr std::string_view kUncertaintyField = "Edit58";      // 不确定度
inline constexpr std::string_view kIncrementsSwitch = "CheckBox3";   // 增量 L/mm

// ---- The window 油量计算 ----
inline constexpr std::string_view kOilLevelField = "OilEdit1";        // 液位, mm
inline constexpr std::string_view kOilTemperatureField = "OilEdit2";  // 油温, °C
// The density typed: "视密度" (a glass hydrometer's reading ρ′ at the test temperature) or
// "标准密度" (ρ20). Neither chosen reads as the hydrometer reading.
inline constexpr std::string_view kObservedDensityChoice = "OilRadioButton1";
inline constexpr std::string_view kObservedDensityField = "OilEdit3";  // ρ′
inline constexpr std::string_view kTestTemperatureField = "OilEdit4";  // 试验温度, °C
inline constexpr std::string_view kStandardDensityChoice = "OilRadioButton2";
inline constexpr std::string_view kStandardDensityField = "OilEdit5";  // ρ20
inline constexpr std::string_view kProductGroupList = "OilComboBox1";  // 油品类别
// How the tables are read: "按印刷表查表" as depots do (neither chosen reads so), or
// "按公式计算" at the exact inputs.
inline constexpr std::string_view kPrintedTableChoice = "OilRadioButton3";
inline constexpr std::string_view kFormulaChoice = "OilRadioButton4";
// A dip read from the top: "空高" (mm) below the reference height (Edit48). When it holds
// something, the dip's level is the reference height less it.
inline constexpr std::string_view kOilUllageField = "OilEdit6";
// The unit of both density fields, as in the main window: "Kg/m^3" (also when none is chosen,
// as before the list existed) or "g/cm^3".
inline constexpr std::string_view kOilDensityUnitList = "OilComboBox2";
// What the ticket names besides: the product ("0号柴油") and when the tank was gauged (as
// typed; empty: the time of the computation).
inline constexpr std::string_view kProductNameField = "OilEdit7";
inline constexpr std::string_view kGaugingTimeField = "OilEdit8";
// The five results, the line below them (where a ticket went) and the ticket's buttons.
inline constexpr std::string_view kOilVtLabel = "OilVtLabel";
inline constexpr std::string_view kOilRho20Label = "OilRho20Label";
inline constexpr std::string_view kOilVcf20Label = "OilVcf20Label";
inline constexpr std::string_view kOilV20Label = "OilV20Label";
inline constexpr std::string_view kOilMassLabel = "OilMassLabel";
inline constexpr std::string_view kOilStatusLabel = "OilStatusLabel";
inline constexpr std::string_view kOilSaveButton = "OilSaveButton";
inline constexpr std::string_view kOilPdfButton = "OilPdfButton";
inline constexpr std::string_view kOilPrintButton = "OilPrintButton";

// ---- The rest of the window ----
inline constexpr std::string_view kPicturePages = "PageControl2";  // 图一至图八, 倾斜圆筒
inline constexpr std::string_view kSnapshotButton = "Button3";     // 打印
inline constexpr std::string_view kHelpButton = "Button4";         // 帮助
inline constexpr std::string_view kStatusBar = "StatusBar1";

// ---- The imported capacity table and the interpolation (page 罐容标定) ----
inline constexpr std::string_view kInterpolationList = "CalComboBox1";  // 线性, 单调三次
inline constexpr std::string_view kInterpolationLabel = "CalLabel1";    // 插值：
inline constexpr std::string_view kImportTableButton = "CalButton1";    // 导入罐容表…
// ---- The tilt identification (变位识别) ----
// What "应用" applied: the fit's figures as the title block names them (stored, hidden; the
// dialog shows it). It stands while the tilt fields hold what was applied.
inline constexpr std::string_view kTiltFitField = "IdentifyEdit1";

// ---- The booked quantity in 油量计算: water, shell, sediment and water, safe level ----
inline constexpr std::string_view kWaterLevelField = "OilEdit9";           // 水高, mm
inline constexpr std::string_view kShellTemperatureField = "OilEdit10";    // 罐壁温度, °C
inline constexpr std::string_view kAmbientTemperatureField = "OilEdit11";  // 环境温度, °C
inline constexpr std::string_view kInsulatedSwitch = "OilCheckBox1";       // 保温罐
inline constexpr std::string_view kShellMaterialList = "OilComboBox3";     // 罐壁材料
inline constexpr std::string_view kShellExpansionField = "OilEdit12";      // α, per °C
inline constexpr std::string_view kTableTemperatureField = "OilEdit13";  // 罐容表参考温度, °C
inline constexpr std::string_view kSedimentWaterField = "OilEdit14";     // SW, % of volume
inline constexpr std::string_view kSafeLevelField = "OilEdit15";         // 安全高度, mm
// The chain's results beside the five (V20 is Vgs, the mass is formed from Vns).
inline constexpr std::string_view kOilFwLabel = "OilFwLabel";
inline constexpr std::string_view kOilCtshLabel = "OilCtshLabel";
inline constexpr std::string_view kOilVgoLabel = "OilVgoLabel";
inline constexpr std::string_view kOilVnsLabel = "OilVnsLabel";
inline constexpr std::string_view kOilRoomLabel = "OilRoomLabel";

// ---- The uncertainty of the table and the quick result (不确定度…) ----
// Standard uncertainties as typed: empty holds the default. The dimensions' list is
// "NAME=u;NAME=u" with NAME a field of the tank (Edit1 …) or "points" (the calibration
// points' volumes, L).
inline constexpr std::string_view kULevelField = "UEdit1";        // u(液位), mm; default 1
inline constexpr std::string_view kUDimensionsField = "UEdit2";   // the dimensions' u
inline constexpr std::string_view kULimitField = "UEdit3";        // 限值, % of V; default 0.4
inline constexpr std::string_view kUTemperatureField = "UEdit4";  // u(油温), °C; default 0.2
inline constexpr std::string_view kUDensityField = "UEdit5";      // u(密度计), kg/m³; 0.2
inline constexpr std::string_view kUColumnSwitch = "UCheckBox1";  // U column, quick ± U
inline constexpr std::string_view kUTitleSwitch = "UCheckBox2";   // 不确定度 in the title block
inline constexpr std::string_view kUncertaintyButton = "UButton1";  // 不确定度…

}  // namespace quorvel

// Every text of quorvel-table that is not an option's own help: the usage's paragraphs, the
// reasons a command line cannot be run, and the prefixes of what goes to standard error. The
// command line speaks English; the messages of the requests are the window's own.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvel::cli::cli_messages {

inline constexpr std::string_view kProgram = "quorvel-table: ";
inline constexpr std::string_view kSeeHelp = "(see quorvel-table --help)";
inline constexpr std::string_view kCannotWriteOutput =
    "quorvel-table: cannot write the table to standard output";

// ---- --help ----
inline constexpr std::string_view kUsageHead =
    "usage: quorvel-table --shell horizontal|tilted|spherical|calibrated|vertical\n"
    "                     [--settings FILE] [--grid FILE] [--set NAME=VALUE]...\n"
    "                     [--cell COL,ROW=TEXT]... [--csv | --curve N] [--out FILE.xlsx]\n"
    "                     [--quick LEVEL | --ullage MM [--reference-height MM]]\n"
    "                     [--save-settings FILE] [--save-grid FILE]\n"
    "                     [--method classic|exact] [--compare]\n"
    "                     [--pdf FILE.pdf] [--increments] [--tank-number TEXT] ...\n"
    "       quorvel-table --shell ... [--method classic|exact] --volume LITRES | --weight KG\n"
    "       quorvel-table --shell ... [--method classic|exact]\n"
    "                     (--quantity LEVEL | --ullage MM --quantity)\n"
    "                     --oil-temperature T --product crude|products|lubricants\n"
    "                     (--density-observed RHO --density-temperature T2 | --density20 "
    "RHO20)\n"
    "                     [--reading table|formula]\n"
    "\n"
    "Computes a capacity table as the window's 生成容积表 does, starting from the window\n"
    "as designed (图七 水平正直圆柱体 and both 图一 标准椭圆封头(只选中) chosen, both heads\n"
    "added, the table defaults 0 to 9999 mm at 1 mm, 200 rows per column, no corrections).\n"
    "Controls keep the window's names: Edit1 diameter, Edit2 length, Edit6/Edit7/Edit8 the\n"
    "first level, last level and interval, CheckBox1 weights, Edit37 and ComboBox1 the\n"
    "density, RadioButton7/RadioButton22 the standard ellipsoidal heads, and so on.\n"
    "The files are loaded first (settings, then grid); --set and --cell are then applied\n"
    "in the order given.\n"
    "\n";

inline constexpr std::string_view kUsageExactMethod =
    "\n"
    "The exact method: the liquid is everything inside the tank below the horizontal plane\n"
    "through the reading's point. The cylinder is the shell length plus both straight\n"
    "flanges; σ is the axial position from its low end (on the tilted page 低端在左封头 /\n"
    "低端在右封头 says which head is low; otherwise the left head is at σ ≤ 0). The axis\n"
    "rises by α and the tank is rolled about it by β, so the A diameter leans by β. The\n"
    "gauge runs through the axis along the A diameter at σ = L − F; the reading h is the\n"
    "length along it from the shell wall to the liquid surface. In the section at σ the\n"
    "liquid lies below the line at c(σ) = (h − A/2)·cos β + (L − F − σ)·tan α from the\n"
    "centre. See docs/true-geometry.md.\n"
    "\n";

inline constexpr std::string_view kUsageTicket =
    "The ticket (--quantity) is the window's 油量计算: the volume Vt at the dip, as "
    "--quick\n"
    "gives it, then the standard density rho20 (GB/T 1885 table 59 from a hydrometer\n"
    "reading, or --density20 as given), the factor VCF20 (table 60), V20 = Vt x VCF20 and\n"
    "the mass in air m = V20 x (rho20 - 1.1)/1000, formed from the printed rho20 and VCF20\n"
    "as a depot does. It prints exactly five lines:\n"
    "  Vt,<litres, 2 decimals>\n"
    "  rho20,<kg/m3, 1 decimal>\n"
    "  VCF20,<4 decimals>\n"
    "  V20,<litres, 2 decimals>\n"
    "  mass,<kg, 2 decimals>\n"
    "A dip above the tank or outside its calibration points, and an input outside the\n"
    "tables' range, give a message and exit status 1.\n";

inline constexpr std::string_view kUsageExitStatus =
    "\n"
    "Messages go to standard error. Exit status: 0 when the table (or the quick result)\n"
    "was computed, 1 when the request stopped (a missing or non-numeric field, an error),\n"
    "2 for a command line that cannot be run.\n";

// ---- A command line that cannot be run ----
// Appended piece by piece: GCC 12 misreads the inlined concatenation of a literal and a
// string (-Wrestrict, GCC bug 105329).
inline std::string quoted(std::string_view text) {
    std::string q(1, '"');
    q.append(text);
    q += '"';
    return q;
}
inline std::string unknownOption(std::string_view arg) {
    return "unknown option " + quoted(arg);
}
inline std::string takesNoValue(std::string_view option) {
    return std::string(option) + " takes no value";
}
inline std::string needsValue(std::string_view option, std::string_view value) {
    return std::string(option) + " needs " + std::string(value);
}
inline std::string needsFileName(std::string_view option) {
    return std::string(option) + " needs a file name";
}
inline std::string needsNumber(std::string_view option, std::string_view value) {
    return std::string(option) + " needs a number, not " + quoted(value);
}
inline constexpr std::string_view kShellRequired = "--shell is required";
inline std::string unknownShell(std::string_view word, std::string_view words) {
    return "unknown shell " + quoted(word) + " (" + std::string(words) + ")";
}
inline std::string setSyntax(std::string_view value) {
    return "--set needs NAME=VALUE, not " + quoted(value);
}
inline std::string cellSyntax(std::string_view value) {
    return "--cell needs COL,ROW=TEXT, not " + quoted(value);
}
inline std::string curveCount(std::size_t least, std::size_t most, std::string_view value) {
    return "--curve needs a number of levels from " + std::to_string(least) + " to " +
           std::to_string(most) + ", not " + quoted(value);
}
inline std::string unknownMethod(std::string_view value) {
    return "unknown method " + quoted(value) + " (classic or exact)";
}
inline std::string unknownProduct(std::string_view value) {
    return "unknown product " + quoted(value) + " (crude, products or lubricants)";
}
inline std::string unknownReading(std::string_view value) {
    return "unknown reading " + quoted(value) + " (table or formula)";
}
inline std::string fileMissing(std::string_view what, std::string_view path) {
    std::string text(what);
    text += ' ';
    text.append(quoted(path)).append(" does not exist");
    return text;
}
inline constexpr std::string_view kSettingsFile = "settings file";
inline constexpr std::string_view kGridFile = "grid file";
inline constexpr std::string_view kImportFile = "capacity table file";

// The window's controls as the command line sets them.
inline std::string unknownControl(std::string_view name) {
    return "unknown control " + quoted(name);
}
inline std::string takesOneOrZero(std::string_view name, std::string_view value) {
    return std::string(name) + " takes 1 or 0, not " + quoted(value);
}
inline std::string noListEntry(std::string_view list, std::string_view text) {
    return std::string(list) + " has no entry " + quoted(text);
}
inline std::string cellIsNoPoint(int col, int row) {
    return "cell " + std::to_string(col) + "," + std::to_string(row) +
           " is a heading or row number, not a point";
}
inline std::string cellOutsideGrid(int col, int row, int cols, int rows) {
    return "cell " + std::to_string(col) + "," + std::to_string(row) +
           " lies outside the grid of " + std::to_string(cols) + " columns and " +
           std::to_string(rows) + " rows (choose the point count first: --set ComboBox2=N)";
}

// Options that make no sense together.
inline constexpr std::string_view kCompareExact =
    "--compare sets the classic table beside the exact one: leave out --method exact";
inline constexpr std::string_view kUllageAndQuick =
    "--ullage gives the level of --quick: give one of them";
inline constexpr std::string_view kUllageOneResult =
    "--ullage gives one result: drop --csv, --out, --compare, --curve, --volume and --weight";
inline constexpr std::string_view kQuickNoTable =
    "--quick gives one result, not a table: drop --csv and --out";
inline constexpr std::string_view kQuickOneResult =
    "--quick gives one result: drop --compare, --curve, --volume and --weight";
inline constexpr std::string_view kCompareAndCurve =
    "--compare and --curve cannot be given together";
inline constexpr std::string_view kCsvAndCurve = "--csv and --curve cannot be given together";
inline constexpr std::string_view kVolumeAndWeight =
    "--volume and --weight ask for one level: give one of them";
inline constexpr std::string_view kLevelNoTable =
    "--volume and --weight print a level, not a table: leave out --csv, --compare, --curve and "
    "--out";
inline constexpr std::string_view kPdfIsATable =
    "--pdf writes the table: leave out --quick, --ullage, --volume and --weight";
inline constexpr std::string_view kTicketOptionsAlone =
    "--oil-temperature, --density-observed, --density-temperature, --density20, --product and "
    "--reading belong to --quantity";
inline constexpr std::string_view kOneTicket =
    "--quantity gives one ticket: drop --quick, --csv, --out, --pdf, --compare, --curve, "
    "--volume and --weight";
inline constexpr std::string_view kTwoDips =
    "--quantity LEVEL and --ullage MM both give the dip: give one";
inline constexpr std::string_view kNoDip = "--quantity needs a LEVEL, or --ullage MM";
inline constexpr std::string_view kNoOilTemperature = "--quantity needs --oil-temperature T";
inline constexpr std::string_view kNoProduct =
    "--quantity needs --product crude|products|lubricants";
inline constexpr std::string_view kObservedPair =
    "--density-observed and --density-temperature go together";
inline constexpr std::string_view kOneDensity =
    "--quantity needs one density: --density-observed RHO --density-temperature T2, or "
    "--density20 RHO20";

// ---- The imported capacity table (--import-table, --interpolation) ----
inline std::string unknownInterpolation(std::string_view value) {
    return "--interpolation takes linear or monotone-cubic, not \"" + std::string(value) + "\"";
}
// ---- The tilt identification (--identify) ----
inline std::string unknownLogKind(std::string_view word) {
    return "--data takes outflow or absolute, not '" + std::string(word) + "'";
}
inline std::string unknownFitList(std::string_view word) {
    return "--fit takes alpha, beta and offset, each once, separated by commas; not '" +
           std::string(word) + "'";
}
inline constexpr std::string_view kIdentifyOptionsAlone =
    "--data, --fit and --drop-outliers go with --identify";
inline constexpr std::string_view kIdentifyNeedsData =
    "--identify needs --data outflow or --data absolute";
inline constexpr std::string_view kIdentifyOneRequest =
    "--identify goes with no other request than the table (--csv, --out, --pdf)";
inline constexpr std::string_view kUsageIdentify =
    "The identification (--identify) fits the tilted page's tank, by its true geometry, to\n"
    "the log: each outflow V(h[i-1] + offset) - V(h[i] + offset), or each absolute volume\n"
    "V(h + offset), by Levenberg-Marquardt from a coarse grid of alpha and beta. It prints:\n"
    "  alpha,<degrees, 4 decimals>\n"
    "  beta,<degrees, 4 decimals>\n"
    "  offset,<mm, 2 decimals>          (when fitted)\n"
    "  rms,<litres per measurement, 3 decimals>\n"
    "  rows,<measurements used>\n"
    "  outliers,<measurements beyond 4 x RMS>\n"
    "  alpha_se,... beta_se,... offset_se,...   (standard errors of those fitted)\n"
    "Fewer than 3 measurements per unknown, a level outside the tank, volumes that do not\n"
    "change with level and a fit that does not converge are refused (exit status 1).\n"
    "\n";

// ---- The booked quantity (--quantity with --water-level …) ----
inline constexpr std::string_view kBookedOptionsAlone =
    "--water-level, --shell-temperature, --ambient-temperature, --insulated, --shell-expansion, "
    "--table-temperature, --sediment-water and --safe-level belong to --quantity";
inline constexpr std::string_view kOneShellTemperature =
    "--shell-temperature gives the shell's temperature: leave out --ambient-temperature and "
    "--insulated";
inline constexpr std::string_view kUsageBooked =
    "With any of --water-level, --shell-temperature, --ambient-temperature, --insulated,\n"
    "--shell-expansion, --table-temperature, --sediment-water or --safe-level it prints the\n"
    "booked quantity of GB/T 19779 instead, each line formed from the printed ones before it:\n"
    "  Vt,<total observed volume Vto at the dip, litres>\n"
    "  FW,<free water: the volume at --water-level, litres; 0.00 without it>\n"
    "  CTSh,<shell correction k^3 V(h/k)/V(h), k = 1 + alpha (TSh - TC), 5 decimals>\n"
    "  Vgo,<(Vt - FW) x CTSh, litres>\n"
    "  rho20,<kg/m3>\n"
    "  VCF20,<4 decimals>\n"
    "  V20,<Vgo x VCF20, litres>\n"
    "  SW,<sediment and water, %, 2 decimals>\n"
    "  Vns,<V20 x (1 - SW/100), litres>\n"
    "  mass,<Vns x (rho20 - 1.1)/1000, kg>\n"
    "  room,<V(--safe-level) - Vt, litres, or 已超过安全高度; only with --safe-level>\n"
    "Without a shell temperature CTSh is 1.00000. TSh is --shell-temperature, or the oil's\n"
    "temperature with --insulated, or (7 x T + TA)/8 to 0.1 degC. A water level below 0 or\n"
    "above the dip, SW outside 0 <= SW < 100, alpha outside 0 < alpha < 0.0001, a shell\n"
    "temperature outside -50 ... 200 degC and a safe level above the tank give a message\n"
    "and exit status 1.\n";

// ---- The upright tank (--shell vertical) ----
inline std::string uprightSyntax(std::string_view option, std::string_view form,
                                 std::string_view value) {
    return std::string(option) + " needs " + std::string(form) + ", not " + quoted(value);
}
inline constexpr std::string_view kUprightOptionsAlone =
    "--ring, --ring-circumference, --bottom-volume, --deadwood, --head-density, "
    "--young-modulus, --roof-mass and --roof-level describe an upright tank: use them with "
    "--shell vertical";

// ---- A depot's tanks: tank files, batches, output units ----
inline constexpr std::string_view kTankFile = "tank file";
inline constexpr std::string_view kTankNotWithSettings =
    "--tank loads the whole tank: leave out --settings and --grid";
inline constexpr std::string_view kBatchNeedsOutDir = "--batch needs --out-dir DIR";
inline constexpr std::string_view kOutDirNeedsBatch = "--out-dir belongs to --batch";
inline constexpr std::string_view kBatchAlone =
    "--batch makes every tank's workbook (and PDF with --pdf): leave out --shell, --tank, "
    "--settings, --grid, --save-*, --out, --csv, --compare, --curve, --quick, --ullage, "
    "--volume, --weight and --quantity";
// Appended, not added: GCC 12 misreads chains of + on strings (-Wrestrict).
inline std::string unknownUnit(std::string_view option, std::string_view word,
                               std::string_view words) {
    std::string text(option);
    text.append(" takes ").append(words).append(", not \"").append(word).append("\"");
    return text;
}
inline std::string batchProgress(std::size_t done, std::size_t total, std::string_view tank) {
    std::string text = "[";
    text.append(std::to_string(done)).append("/").append(std::to_string(total)).append("] ");
    return text.append(tank);
}
inline std::string batchRefused(std::string_view tank, std::string_view why) {
    std::string text = "  refused: ";
    text.append(tank).append(": ").append(why);
    return text;
}
inline std::string batchSummary(std::size_t made, std::size_t refused) {
    std::string text = std::to_string(made);
    text.append(" tables made, ").append(std::to_string(refused)).append(" refused");
    return text;
}

}  // namespace quorvel::cli::cli_messages

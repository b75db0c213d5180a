// The command line of quorvel-table. Each option is one row of a table (name, value, help
// and what it records), so a new option is one new row and, if it needs one, a new field.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/table_request.h"
#include "cli/identify_options.h"
#include "cli/quantity_options.h"
#include "form/upright_fields.h"

namespace quorvel::cli {

// A command line that cannot be run; what() says why, for standard error.
class UsageError : public std::runtime_error {
  public:
    explicit UsageError(const std::string& what) : std::runtime_error(what) {}
};

// One change to the starting form, applied in command-line order.
struct FormEdit {
    // Append: the value added to an edit's text after a ";" (the uncertainties' list).
    enum class Kind { Control, Cell, Append } kind = Kind::Control;
    std::string name;  // control name (Control, Append)
    int col = 0;       // grid cell (Cell)
    int row = 0;
    std::string value;
};

struct TableOptions {
    std::optional<int> page;  // shell page of PageControl1
    std::vector<FormEdit> edits;
    std::optional<std::string> settingsFile;      // loaded before any edit
    std::optional<std::string> gridFile;          // loaded after the settings
    std::optional<std::string> workbookFile;      // the capacity table workbook
    std::optional<std::string> pdfFile;           // the table as a PDF
    std::optional<std::string> saveSettingsFile;  // written after the request, as at close
    std::optional<std::string> saveGridFile;
    std::optional<std::string> quickLevel;  // the quick calculation at this level
    bool csv = false;
    std::optional<std::size_t> curvePoints;  // --curve N
    std::optional<Method> method;            // --method; without it the form's ComboBox5 decides
    bool compare = false;                    // the CSV with the exact volume beside each row
    std::optional<double> volumeLitres;      // --volume: the level query instead of a table
    std::optional<double> weightKg;          // --weight
    std::optional<std::string> ullage;       // --ullage: the quick calculation at Edit48 − ullage
    QuantityOptions quantity;                // --quantity: the gauging ticket of a dip
    std::optional<std::string> importTable;  // --import-table: the grid's points from a table
    IdentifyOptions identify;                // --identify: how a tilted tank lies
    UprightRows upright;        // --ring, --ring-circumference, --deadwood: the upright tank's rows
    bool uprightGiven = false;  // any option of an upright tank (cli/upright_options.h)
    // A depot's tanks: a tank file loaded instead of the settings and grid (--tank), the
    // tank written after the request (--save-tank), every tank of a register or list made
    // into its documents (--batch, --out-dir).
    std::optional<std::string> tankFile;
    std::optional<std::string> saveTankFile;
    std::optional<std::string> batch;
    std::optional<std::string> outDir;
    bool help = false;
};

// Parses the arguments after the program name. Throws UsageError; --shell is required
// unless --help is given.
TableOptions parseTableOptions(std::span<const std::string_view> args);

// The text of --help.
std::string usageText();

}  // namespace quorvel::cli

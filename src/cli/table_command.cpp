#include "cli/table_command.h"

#include "cli/form_edits.h"
#include "cli/table_options.h"
#include "platform/console_ui.h"
#include "tank/capacity_table.h"

namespace quorvel::cli {
namespace {

void printCsv(const CapacityTable& table, std::ostream& out) {
    const bool weights = table.config.useDensity;
    for (std::size_t i = 0; i < table.tableRows.size(); ++i) {
        out << table.tableRows[i];
        if (weights) {
            out << ',' << table.weightTexts[i];
        }
        out << '\n';
    }
}

}  // namespace

int runTableCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    MemoryForm form = startingForm();
    bool csv = false;
    try {
        const TableOptions options = parseTableOptions(args);
        if (options.help) {
            out << usageText();
            return kExitOk;
        }
        form.setActivePage(*options.page);
        for (const FormEdit& edit : options.edits) {
            applyEdit(form, edit);
        }
        csv = options.csv;
    } catch (const UsageError& e) {
        err << "quorvel-table: " << e.what() << "\n(see quorvel-table --help)\n";
        return kExitUsage;
    }
    ConsoleUi ui(err);
    const std::optional<CapacityTable> table = buildCapacityTable(form, ui);
    if (!table || ui.sawError()) {
        return kExitStopped;
    }
    if (csv) {
        printCsv(*table, out);
    }
    return out.good() ? kExitOk : kExitStopped;
}

}  // namespace quorvel::cli

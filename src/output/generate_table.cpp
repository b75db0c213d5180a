#include "output/generate_table.h"

#include "output/capacity_workbook.h"

namespace quorvel {

std::string workbookPath(const std::string& programFolder) {
    return programFolder + "/" + kWorkbookFileName;
}

bool saveCapacityTable(const CapacityTable& table, const std::string& path, UiServices& ui,
                       std::string* saveFailure, const WorkbookProgress& progress) {
    const TankConfig& config = table.config;
    const CapacityWorkbookInput input{table.tableRows,   table.weightTexts,
                                      config.useDensity, config.parameterSummary,
                                      config.shellKind,  config.rowsPerColumnText};
    return SaveFileToExcel3(input, path, ui, saveFailure, progress);
}

std::optional<GeneratedTable> generateCapacityTable(FieldSource& form, UiServices& ui,
                                                    const std::string& path,
                                                    const WorkbookProgress& progress) {
    std::optional<CapacityTable> table = buildCapacityTable(form, ui);
    if (!table) {
        return std::nullopt;
    }
    GeneratedTable result{std::move(*table), false};
    result.saved = saveCapacityTable(result.table, path, ui, nullptr, progress);
    return result;
}

}  // namespace quorvel

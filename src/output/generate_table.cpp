#include "output/generate_table.h"

#include "output/capacity_workbook.h"

namespace quorvel {

std::string workbookPath(const std::string& programFolder) {
    return programFolder + "/" + kWorkbookFileName;
}

std::optional<GeneratedTable> generateCapacityTable(FieldSource& form, UiServices& ui,
                                                    const std::string& path) {
    std::optional<CapacityTable> table = buildCapacityTable(form, ui);
    if (!table) {
        return std::nullopt;
    }
    GeneratedTable result{std::move(*table), false};
    const TankConfig& config = result.table.config;
    const CapacityWorkbookInput input{result.table.tableRows, result.table.weightTexts,
                                      config.useDensity,      config.parameterSummary,
                                      config.shellKind,       config.rowsPerColumnText};
    result.saved = SaveFileToExcel3(input, path, ui);
    return result;
}

}  // namespace quorvel

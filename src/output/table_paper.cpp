#include "output/table_paper.h"

#include "form/fields.h"
#include "output/output_messages.h"
#include "output/pdf_document.h"
#include "output/table_document.h"
#include "text/row_text.h"

namespace quorvel {
namespace {

namespace msg = output_messages;

// The row's level and volume texts, split at the first comma as the workbook splits them.
std::pair<std::string_view, std::string_view> rowParts(std::string_view row) {
    const auto comma = row.find(',');
    if (comma == std::string_view::npos)
        return {row, {}};
    return {row.substr(0, comma), row.substr(comma + 1)};
}

}  // namespace

std::string tablePaperTitle(const CapacityTable& table) {
    const std::string& tank = table.identity.value(kTankNumberField);
    return tank.empty() ? std::string(msg::kDocumentHeading)
                        : std::string(msg::kDocumentHeading) + " " + tank;
}

paper::Document tablePaperDocument(const CapacityTable& table) {
    const TableTitle title = tableTitle(table);
    paper::Document doc;
    doc.blocks.push_back(paper::Heading{tablePaperTitle(table)});
    paper::Fields fields;
    for (const TitleItem& item : title.items)
        fields.items.emplace_back(item.label, item.value);
    doc.blocks.push_back(std::move(fields));
    doc.blocks.push_back(paper::Lines{title.summary, 9, true});
    if (table.identity.any()) {
        paper::Signatures signatures;
        for (const TitleItem& s : title.signatures)
            signatures.items.emplace_back(s.label, s.value);
        doc.blocks.push_back(std::move(signatures));
    }

    paper::TableFlow& flow = doc.table;
    flow.columns = {{msg::kRowNumberHeading}, {msg::kLevelHeading}, {msg::kVolumeHeading}};
    flow.columns.back().takesMark = true;
    const bool weights = table.config.useDensity;
    if (weights)
        flow.columns.push_back({msg::kWeightHeading, paper::Align::Right, true});
    if (!beyondTankNote(table.config, HeldRowNumbers(table.tableRows, table.weightTexts)).empty()) {
        flow.mark = std::string(kBeyondMark);  // built, not assigned: GCC 12 -Wrestrict
        flow.marked = [&table](std::size_t i) {
            return rowBeyondTank(table.config, parseTableRow(table.tableRows[i]).level);
        };
    }
    if (table.increments)
        flow.columns.push_back({msg::kIncrementHeading});
    flow.rowCount = table.tableRows.size();
    const bool increments = table.increments;
    flow.cells = [&table, weights, increments](std::size_t i, std::vector<std::string>& cells) {
        const auto [level, volume] = rowParts(table.tableRows[i]);
        cells.push_back(std::to_string(i + 1));
        cells.emplace_back(level);
        cells.emplace_back(volume);
        if (weights)
            cells.push_back(table.weightTexts[i]);
        if (increments) {
            cells.push_back(i + 1 < table.tableRows.size()
                                ? incrementText(table.tableRows[i], table.tableRows[i + 1])
                                : std::string());
        }
    };
    const std::string& tank = table.identity.value(kTankNumberField);
    if (!tank.empty())
        doc.footerLeft = msg::kTankNumberFooter + tank;
    doc.pageNumber = msg::kPaperPageNumber;
    return doc;
}

int writeTablePdf(const CapacityTable& table, const std::string& path) {
    return paper::writePdf(tablePaperDocument(table), tablePaperTitle(table), path);
}

}  // namespace quorvel

#include "output/table_paper.h"

#include "form/fields.h"
#include "output/output_messages.h"
#include "output/pdf_document.h"
#include "output/table_document.h"
#include "output/upright_tables.h"
#include "text/row_text.h"

namespace quorvel {
namespace {

namespace msg = output_messages;

// Each side table before the main one: its name, then its rows, each cell "heading：text",
// as many to a line as fit (a millimetre table row to a line, four levels of a correction
// table).
void addSideTables(paper::Document& doc, const std::vector<SideTable>& tables) {
    for (const SideTable& table : tables) {
        doc.blocks.push_back(paper::Lines{{table.name}, 10, true});
        paper::Fields fields;
        fields.perLine = table.headings.size() > 2 ? 1 : 4;
        fields.size = 9;
        for (const std::vector<std::string>& row : table.rows) {
            if (table.headings.size() > 2) {
                std::string line;
                for (std::size_t c = 1; c < row.size(); ++c) {
                    line += (c > 1 ? "，" : "") + table.headings[c] + " " + row[c];
                }
                fields.items.emplace_back(table.headings[0] + " " + row[0], line);
            } else {
                fields.items.emplace_back(row[0] + " mm", row[1] + " L");
            }
        }
        doc.blocks.push_back(std::move(fields));
    }
}

}  // namespace

std::string tablePaperTitle(const TableHead& table) {
    const std::string& tank = table.identity.value(kTankNumberField);
    return tank.empty() ? std::string(msg::kDocumentHeading)
                        : std::string(msg::kDocumentHeading) + " " + tank;
}

paper::Document tablePaperDocument(const TableHead& table, const TableRows& rows) {
    const TableTitle title = tableTitle(table, rows);
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
    addSideTables(doc, uprightTables(table.config));

    paper::TableFlow& flow = doc.table;
    const units::OutputUnits& units = table.config.units;
    flow.columns = {
        {msg::kRowNumberHeading}, {msg::levelHeading(units)}, {msg::volumeHeading(units)}};
    flow.columns.back().takesMark = true;
    const bool weights = table.config.useDensity;
    if (weights)
        flow.columns.push_back({msg::weightHeading(units), paper::Align::Right, true});
    if (!beyondTankNote(table.config, rows).empty()) {
        flow.mark = std::string(kBeyondMark);  // built, not assigned: GCC 12 -Wrestrict
        flow.marked = [&table, &rows](std::size_t i) {
            RowNumbers row;
            rows.read(i, 1, &row);
            return rowBeyondTank(table.config, row.level);
        };
    }
    const bool uncertainty = table.uncertaintyLimit.has_value();
    if (uncertainty)
        flow.columns.push_back({msg::kUncertaintyHeading, paper::Align::Right});
    if (table.increments)
        flow.columns.push_back({msg::incrementHeading(units)});
    flow.rowCount = rows.size();
    const bool increments = table.increments;
    flow.cells = [&rows, &table, weights, uncertainty, increments](
                     std::size_t i, std::vector<std::string>& cells) {
        const RowTexts texts = rows.texts(i);
        cells.push_back(std::to_string(i + 1));
        cells.emplace_back(texts.level);
        cells.emplace_back(texts.volume);
        if (weights)
            cells.emplace_back(texts.weight);
        if (uncertainty) {
            std::string u(texts.uncertainty);
            RowNumbers row;
            rows.read(i, 1, &row);
            if (rowAboveLimit(table, row))
                u += kUncertaintyMark;
            cells.push_back(std::move(u));
        }
        if (increments) {
            std::string perMm;
            if (i + 1 < rows.size()) {
                RowNumbers two[2];
                rows.read(i, 2, two);
                perMm = incrementText({two[0].level, two[0].volume}, {two[1].level, two[1].volume});
            }
            cells.push_back(std::move(perMm));
        }
    };
    const std::string& tank = table.identity.value(kTankNumberField);
    if (!tank.empty())
        doc.footerLeft = msg::kTankNumberFooter + tank;
    doc.pageNumber = msg::kPaperPageNumber;
    return doc;
}

int writeTablePdf(const TableHead& table, const TableRows& rows, const std::string& path) {
    return paper::writePdf(tablePaperDocument(table, rows), tablePaperTitle(table), path);
}

}  // namespace quorvel

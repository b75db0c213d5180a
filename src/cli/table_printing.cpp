#include "cli/table_printing.h"

#include "text/number_format.h"

namespace quorvel::cli {
namespace {

using ld = long double;

// A row of the table as printCsv prints it, without the line end.
void printRow(const CapacityTable& table, std::size_t i, std::ostream& out) {
    out << table.tableRows[i];
    if (table.config.useDensity) {
        out << ',' << table.weightTexts[i];
    }
}

}  // namespace

void printCsv(const CapacityTable& table, std::ostream& out) {
    for (std::size_t i = 0; i < table.tableRows.size(); ++i) {
        printRow(table, i, out);
        out << '\n';
    }
}

void printComparison(const CapacityTable& table, const app::MethodTotals& totals,
                     std::ostream& out) {
    for (std::size_t i = 0; i < table.tableRows.size(); ++i) {
        const ld exact = static_cast<ld>(totals.exact[i]) * 1000;
        const ld difference = (static_cast<ld>(totals.exact[i]) - totals.classic[i]) * 1000;
        printRow(table, i, out);
        out << ',' << FormatTwoDecimals(exact) << ',' << FormatTwoDecimals(difference) << ',';
        if (totals.exact[i] != 0) {
            out << FormatTwoDecimals(difference / exact * 100);
        }
        out << '\n';
    }
}

void printCurve(const CapacityCurve& curve, std::ostream& out) {
    for (const CurvePoint& point : curve.points) {
        out << formatLevel(point.level) << ',' << FormatTwoDecimals(point.value) << '\n';
    }
}

}  // namespace quorvel::cli

#include "output/table_csv.h"

#include "output/upright_tables.h"
#include "text/number_format.h"
#include "text/number_text.h"
#include "text/unit_number.h"
#include "units/units.h"

namespace quorvel {
namespace {

using ld = long double;

void printTexts(const TableRow& row, std::ostream& out) {
    out << row.text;
    if (!row.weight.empty()) {
        out << ',' << row.weight;
    }
    if (!row.uncertainty.empty()) {
        out << ',' << row.uncertainty;
    }
}

}  // namespace

void printRow(const TableRow& row, std::ostream& out, const TankConfig* config) {
    printTexts(row, out);
    if (config != nullptr && hasHeadColumn(*config)) {
        out << ',' << headLitresText(*config, row.level);
    }
    out << '\n';
}

void printRows(const TableRows& rows, std::ostream& out, const TankConfig* config) {
    const bool head = config != nullptr && hasHeadColumn(*config);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const RowTexts texts = rows.texts(i);
        out << texts.level << ',' << texts.volume;
        if (!texts.weight.empty()) {
            out << ',' << texts.weight;
        }
        if (!texts.uncertainty.empty()) {
            out << ',' << texts.uncertainty;
        }
        if (head) {
            // The level as the row prints it: reading the numbers would move a spool's cursor.
            out << ',' << headLitresText(*config, parseGeneralNumber(texts.level).value_or(0));
        }
        out << '\n';
    }
}

void printComparisonRow(const TableRow& row, double exactM3, std::ostream& out) {
    const ld exact = units::litres(exactM3);
    const ld difference = units::litres(static_cast<ld>(exactM3) - row.totalM3);
    printTexts(row, out);
    out << ',' << FormatTwoDecimals(exact) << ',' << FormatTwoDecimals(difference) << ',';
    if (exactM3 != 0) {
        out << FormatTwoDecimals(difference / exact * 100);
    }
    out << '\n';
}

void printCurve(const CapacityCurve& curve, std::ostream& out, const units::OutputUnits& units) {
    const units::Unit& value = curve.weights ? *units.mass : *units.volume;
    for (const CurvePoint& point : curve.points) {
        out << formatLengthIn(point.level, *units.length) << ','
            << formatAmountIn(point.value, value) << '\n';
    }
}

}  // namespace quorvel

#include "output/ticket_workbook.h"

#include <map>
#include <optional>

#include "text/number_text.h"
#include "xlsx/xl_wrappers.h"

namespace quorvel {
namespace {

constexpr int kTitlePoints = 14;
constexpr int kFirstLineRow = 2;
constexpr double kLabelWidth = 22;  // characters
constexpr double kValueWidth = 20;
constexpr double kUnitWidth = 10;

}  // namespace

void saveTicketWorkbook(const TicketDocument& ticket, const std::string& path) {
    TXmlBook book;
    TFont titleFont = book.addFont();
    titleFont.setBold(true);
    titleFont.setSize(kTitlePoints);
    TFont boldFont = book.addFont();
    boldFont.setBold(true);
    TFormat title = book.addFormat();
    title.setFont(titleFont);
    TFormat heading = book.addFormat();
    heading.setFont(boldFont);
    // A number keeps the decimals it is printed with: one format per count of decimals.
    std::map<std::size_t, TFormat> numbers;
    const auto numberFormat = [&](const std::string& printed) -> TFormat& {
        const std::size_t point = printed.find('.');
        const std::size_t decimals = point == std::string::npos ? 0 : printed.size() - point - 1;
        auto found = numbers.find(decimals);
        if (found == numbers.end()) {
            TFormat format = book.addFormat();
            format.setAlignH(XL_ALIGNH_RIGHT);
            format.setNumFormat(
                book.addCustomNumFormat(decimals == 0 ? "0" : "0." + std::string(decimals, '0')));
            found = numbers.emplace(decimals, format).first;
        }
        return found->second;
    };
    TFormat text = book.addFormat();
    text.setAlignH(XL_ALIGNH_LEFT);
    text.setNumFormat(XL_NUMFORMAT_TEXT);

    TSheet sheet = book.addSheet(ticket.title);
    sheet.setCol(0, 0, kLabelWidth);
    sheet.setCol(1, 1, kValueWidth);
    sheet.setCol(2, 2, kUnitWidth);
    sheet.writeStr(0, 0, ticket.title, &title);
    int row = kFirstLineRow;
    for (const DocumentLine& line : ticket.lines) {
        const bool isHeading = line.kind == DocumentLine::Kind::Heading;
        if (!line.label.empty()) {
            sheet.writeStr(row, 0, line.label, isHeading ? &heading : nullptr);
        }
        const std::optional<double> value =
            line.kind == DocumentLine::Kind::Number ? parseDecimal(line.value) : std::nullopt;
        if (value) {
            sheet.writeNum(row, 1, *value, &numberFormat(line.value));
        } else if (!line.value.empty()) {
            sheet.writeStr(row, 1, line.value, &text);
        }
        if (!line.unit.empty()) {
            sheet.writeStr(row, 2, line.unit);
        }
        ++row;
    }
    ++row;
    for (const std::string& label : ticket.signatures) {
        sheet.writeStr(row++, 0, label);
    }
    if (!ticket.footer.empty()) {
        sheet.writeStr(row + 1, 0, ticket.footer);
    }
    book.save(path);
}

}  // namespace quorvel

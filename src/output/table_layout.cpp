#include "output/table_layout.h"

#include <algorithm>
#include <charconv>

#include "platform/xl_book.h"

namespace quorvel {
namespace {

std::string_view trimBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

int rowsPerBlock(std::string_view text) {
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value <= 0) {
        return kDefaultRowsPerBlock;
    }
    return value;
}

TableLayout tableLayout(std::size_t rowCount, bool useDensity, std::string_view rowsPerColumn) {
    TableLayout layout;
    layout.rowCount = rowCount;
    layout.rowsPerBlock = rowsPerBlock(rowsPerColumn);
    layout.blockWidth = useDensity ? 4 : 3;
    const auto n = static_cast<std::size_t>(layout.rowsPerBlock);
    layout.blocks = rowCount <= n ? 1 : (rowCount + n - 1) / n;
    return layout;
}

std::optional<std::string> layoutProblem(const TableLayout& layout) {
    const auto width = static_cast<std::size_t>(layout.blockWidth);
    const auto maxBlocks = static_cast<std::size_t>(kXlMaxColumns) / width;
    if (layout.blocks > maxBlocks) {
        const std::size_t minRows = (layout.rowCount + maxBlocks - 1) / maxBlocks;
        return "罐容表共 " + std::to_string(layout.rowCount) + " 行，每列 " +
               std::to_string(layout.rowsPerBlock) + " 条数据需要 " +
               std::to_string(layout.blocks) + " 个列块、共 " +
               std::to_string(layout.blocks * width) + " 列，超过了 Excel 工作表最多 " +
               std::to_string(kXlMaxColumns) + " 列的限制。请把每列数据条数改为至少 " +
               std::to_string(minRows) + " 后再试。";
    }
    const std::size_t rowsUsed =
        std::min(layout.rowCount, static_cast<std::size_t>(layout.rowsPerBlock));
    const auto maxTableRows = static_cast<std::size_t>(kXlMaxRows - kFirstTableRow);
    if (rowsUsed > maxTableRows) {
        return "罐容表每列需要 " + std::to_string(rowsUsed) + " 条数据，超过了 Excel 工作表最多 " +
               std::to_string(kXlMaxRows) +
               " 行的限制（标题和表头占前 3 行）。请把每列数据条数改为不超过 " +
               std::to_string(maxTableRows) + " 后再试。";
    }
    return std::nullopt;
}

}  // namespace quorvel

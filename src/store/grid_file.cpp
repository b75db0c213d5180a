#include "store/grid_file.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

#include "files/atomic_file.h"
#include "files/read_file.h"
#include "store/text_encoding.h"
#include "text/blank.h"
#include "text/integer_text.h"

namespace quorvel {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string cellName(int col, int row) {
    return "the cell in column " + std::to_string(col) + ", row " + std::to_string(row);
}

// Reads the file front to back as the grid's loader does.
class GridReader {
  public:
    GridReader(std::string_view bytes, const std::string& path) : bytes_(bytes), path_(path) {}

    struct Count {
        std::optional<std::int32_t> value;
        std::string_view token;
        int line = 0;
    };

    Count readCount() {
        while (pos_ < bytes_.size() && isSpaceTabOrLineEnd(bytes_[pos_]))
            advance();
        Count count{std::int32_t{0}, {}, line_};
        std::size_t start = pos_;
        while (pos_ < bytes_.size() && !isSpaceTabOrLineEnd(bytes_[pos_]))
            ++pos_;
        if (pos_ > start) {
            count.token = bytes_.substr(start, pos_ - start);
            count.value = parseIntegerText(count.token);
        }
        skipRestOfLine();
        return count;
    }

    // The next line's text (up to its first CR), or nothing at the end of the file.
    std::optional<std::string_view> readLine() {
        if (pos_ >= bytes_.size())
            return std::nullopt;
        std::size_t start = pos_;
        std::size_t lf = bytes_.find('\n', start);
        std::size_t end = lf == std::string_view::npos ? bytes_.size() : lf;
        std::size_t cr = bytes_.find('\r', start);
        pos_ = lf == std::string_view::npos ? bytes_.size() : lf + 1;
        ++line_;
        return bytes_.substr(start, (cr < end ? cr : end) - start);
    }

    int line() const { return line_; }
    std::size_t position() const { return pos_; }
    void rewind(std::size_t pos, int line) {
        pos_ = pos;
        line_ = line;
    }

    [[noreturn]] void fail(const std::string& why) const {
        throw FileError("cannot load " + path_ + ": " + why);
    }

  private:
    void advance() {
        if (bytes_[pos_] == '\n')
            ++line_;
        ++pos_;
    }
    void skipRestOfLine() {
        while (pos_ < bytes_.size() && bytes_[pos_] != '\n')
            ++pos_;
        if (pos_ < bytes_.size())
            advance();
    }

    std::string_view bytes_;
    const std::string& path_;
    std::size_t pos_ = 0;
    int line_ = 1;  // the line that pos_ is on
};

std::string describeCount(const char* what, const GridReader::Count& count) {
    return std::string("the ") + what + " \"" + std::string(count.token) + "\" on line " +
           std::to_string(count.line);
}

// A count that is an integer but cannot be a grid's: refused before anything is resized.
void checkRange(const GridReader& reader, const char* what, const GridReader::Count& count,
                int limit) {
    if (*count.value < 0) {
        reader.fail(describeCount(what, count) + " is negative");
    }
    if (*count.value > limit) {
        reader.fail(describeCount(what, count) + " is over the limit of " + std::to_string(limit));
    }
}

}  // namespace

void SaveStringGrid(const GridCells& grid, const std::string& path) {
    int cols = grid.colCount() < 0 ? 0 : grid.colCount();
    int rows = grid.rowCount() < 0 ? 0 : grid.rowCount();
    auto fail = [&path](const std::string& why) {
        throw FileError("cannot save " + path + ": " + why);
    };
    if (cols > kMaxGridColumns || rows > kMaxGridRows ||
        std::int64_t{cols} * rows > kMaxGridCells) {
        // A file that could not be loaded again would lose the grid at the next start.
        fail("a grid of " + std::to_string(cols) + " columns and " + std::to_string(rows) +
             " rows is larger than a grid file may hold (" + std::to_string(kMaxGridColumns) +
             " columns, " + std::to_string(kMaxGridRows) + " rows, " +
             std::to_string(kMaxGridCells) + " cells)");
    }
    std::string out = std::to_string(cols);
    out += kLineEnd;
    out += std::to_string(rows);
    out += kLineEnd;
    for (int col = 0; col < cols; ++col) {
        for (int row = 0; row < rows; ++row) {
            std::string text = grid.cell(col, row);
            if (text.find_first_of("\r\n") != std::string::npos) {
                fail(cellName(col, row) + " holds a line break");
            }
            try {
                out += utf8ToGbk(text);
            } catch (const EncodingError& e) {
                fail(cellName(col, row) + ": " + e.what());
            }
            out += kLineEnd;
        }
    }
    writeFileAtomically(path, out);
}

void LoadStringGrid(GridCells& grid, const std::string& path) {
    std::optional<std::string> bytes = readFileIfExists(path);
    if (!bytes) {
        throw FileError("cannot load " + path + ": the file does not exist");
    }
    GridReader reader(*bytes, path);

    GridReader::Count cols = reader.readCount();
    if (!cols.value) {
        reader.fail(describeCount("column count", cols) + " is not an integer");
    }
    checkRange(reader, "column count", cols, kMaxGridColumns);
    GridReader::Count rows = reader.readCount();
    if (!rows.value) {
        // The column count stays applied, unless with the rows the grid has it would hold
        // more cells than a file may.
        if (std::int64_t{*cols.value} * std::max(grid.rowCount(), 0) <= kMaxGridCells) {
            grid.setColCount(*cols.value);
        }
        reader.fail(describeCount("row count", rows) + " is not an integer");
    }
    checkRange(reader, "row count", rows, kMaxGridRows);
    const std::int64_t cellCount = std::int64_t{*cols.value} * *rows.value;
    if (cellCount > kMaxGridCells) {
        reader.fail("the counts " + std::string(cols.token) + " and " + std::string(rows.token) +
                    " give " + std::to_string(cellCount) + " cells, over the limit of " +
                    std::to_string(kMaxGridCells));
    }

    // A cell that is not GBK fails the load before the grid changes.
    std::size_t cellsStart = reader.position();
    int cellsLine = reader.line();
    for (std::int64_t i = 0; i < cellCount; ++i) {
        std::optional<std::string_view> line = reader.readLine();
        if (!line)
            break;
        try {
            (void)gbkToUtf8(*line);
        } catch (const EncodingError& e) {
            reader.fail("line " + std::to_string(reader.line() - 1) + ": " + e.what());
        }
    }
    reader.rewind(cellsStart, cellsLine);

    grid.setColCount(*cols.value);
    grid.setRowCount(*rows.value);
    for (int col = 0; col < *cols.value; ++col) {
        for (int row = 0; row < *rows.value; ++row) {
            std::optional<std::string_view> line = reader.readLine();
            grid.setCell(col, row, line ? gbkToUtf8(*line) : std::string());
        }
    }
}

}  // namespace quorvel

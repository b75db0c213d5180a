#include "store/grid_file.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string_view>
#include <vector>

#include "files/atomic_file.h"
#include "files/read_file.h"
#include "files/save_target.h"
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
    GridReader(std::string_view bytes, const std::string& path) : bytes_(bytes), path_(path) {
        // A file an editor saved with CR alone at each line end holds no LF: CR ends its lines.
        if (bytes_.find('\n') == std::string_view::npos &&
            bytes_.find('\r') != std::string_view::npos) {
            lineEnd_ = '\r';
        }
    }

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
        std::size_t lf = bytes_.find(lineEnd_, start);
        std::size_t end = lf == std::string_view::npos ? bytes_.size() : lf;
        std::size_t cr = bytes_.find('\r', start);
        pos_ = lf == std::string_view::npos ? bytes_.size() : lf + 1;
        ++line_;
        return bytes_.substr(start, (cr < end ? cr : end) - start);
    }

    GridCountError fail(const std::string& why, GridCountError::Fault fault) const {
        return GridCountError("cannot load " + path_ + ": " + why, path_, fault);
    }

  private:
    void advance() {
        if (bytes_[pos_] == lineEnd_)
            ++line_;
        ++pos_;
    }
    void skipRestOfLine() {
        while (pos_ < bytes_.size() && bytes_[pos_] != lineEnd_)
            ++pos_;
        if (pos_ < bytes_.size())
            advance();
    }

    std::string_view bytes_;
    const std::string& path_;
    char lineEnd_ = '\n';
    std::size_t pos_ = 0;
    int line_ = 1;  // the line that pos_ is on
};

std::string describeCount(const char* what, const GridReader::Count& count) {
    return std::string("the ") + what + " \"" + std::string(count.token) + "\" on line " +
           std::to_string(count.line);
}

GridCountError countError(const GridReader& reader, const char* what,
                          const GridReader::Count& count, const std::string& why,
                          GridCountError::Fault fault, int limit = 0) {
    GridCountError e = reader.fail(describeCount(what, count) + why, fault);
    e.isRowCount = std::string_view(what) == "row count";
    e.token = count.token;
    e.line = count.line;
    e.limit = limit;
    return e;
}

// A count that is an integer but cannot be a grid's: refused before anything is resized.
void checkRange(const GridReader& reader, const char* what, const GridReader::Count& count,
                int limit) {
    if (*count.value < 0) {
        throw countError(reader, what, count, " is negative", GridCountError::Fault::Negative);
    }
    if (*count.value > limit) {
        throw countError(reader, what, count, " is over the limit of " + std::to_string(limit),
                         GridCountError::Fault::OverLimit, limit);
    }
}

// A grid file taken apart: its counts and the bytes of the cells it holds, column by column
// (fewer than the counts promise when the file ends early).
struct GridBytes {
    int cols = 0;
    int rows = 0;
    std::vector<std::string_view> cells;
    bool utf8First = false;  // an editor saved the file as UTF-8 (isUtf8File)

    // The bytes of a cell, or nullptr when the file does not hold it.
    const std::string_view* cell(int col, int row) const {
        if (col >= cols || row >= rows)
            return nullptr;
        const std::size_t at = static_cast<std::size_t>(col) * static_cast<std::size_t>(rows) +
                               static_cast<std::size_t>(row);
        return at < cells.size() ? &cells[at] : nullptr;
    }
};

// Throws GridCountError; for a row count that is not an integer, `colsRead` receives the
// column count already read.
GridBytes parseGridFile(std::string_view bytes, const std::string& path,
                        std::optional<int>* colsRead = nullptr) {
    GridBytes grid;
    grid.utf8First = isUtf8File(bytes);
    if (bytes.starts_with(kUtf8Mark)) {
        bytes.remove_prefix(kUtf8Mark.size());
    }
    GridReader reader(bytes, path);
    const GridReader::Count cols = reader.readCount();
    if (!cols.value) {
        throw countError(reader, "column count", cols, " is not an integer",
                         GridCountError::Fault::NotAnInteger);
    }
    checkRange(reader, "column count", cols, kMaxGridColumns);
    const GridReader::Count rows = reader.readCount();
    if (!rows.value) {
        if (colsRead != nullptr)
            *colsRead = *cols.value;
        throw countError(reader, "row count", rows, " is not an integer",
                         GridCountError::Fault::NotAnInteger);
    }
    checkRange(reader, "row count", rows, kMaxGridRows);
    const std::int64_t cellCount = std::int64_t{*cols.value} * *rows.value;
    if (cellCount > kMaxGridCells) {
        GridCountError e =
            reader.fail("the counts " + std::string(cols.token) + " and " +
                            std::string(rows.token) + " give " + std::to_string(cellCount) +
                            " cells, over the limit of " + std::to_string(kMaxGridCells),
                        GridCountError::Fault::TooManyCells);
        e.token = cols.token;
        e.rowToken = rows.token;
        e.cells = cellCount;
        e.limit = kMaxGridCells;
        throw e;
    }
    grid.cols = *cols.value;
    grid.rows = *rows.value;
    grid.cells.reserve(static_cast<std::size_t>(cellCount));
    while (static_cast<std::int64_t>(grid.cells.size()) < cellCount) {
        const std::optional<std::string_view> line = reader.readLine();
        if (!line)
            break;
        grid.cells.push_back(*line);
    }
    return grid;
}

// GBK text can happen to be UTF-8 throughout (the window's headings never are), and a load
// takes such a file for an editor's UTF-8 file. It is then written as one, marked, so that it
// reads back as it was: every cell in UTF-8, one that begins with the mark marked again (a
// read takes a cell's leading mark off).
std::string markedUtf8File(const GridCells& grid, int cols, int rows) {
    std::string out(kUtf8Mark);
    out.append(std::to_string(cols)).append(kLineEnd);
    out.append(std::to_string(rows)).append(kLineEnd);
    for (int col = 0; col < cols; ++col) {
        for (int row = 0; row < rows; ++row) {
            const std::string text = grid.cell(col, row);
            if (text.starts_with(kUtf8Mark)) {
                out += kUtf8Mark;
            }
            out.append(text).append(kLineEnd);
        }
    }
    return out;
}

}  // namespace

void SaveStringGrid(const GridCells& grid, const std::string& path, SaveOver over) {
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
    // The file there, read as a load would read it: a cell the user left as it was keeps
    // its bytes. Bytes that make no grid have no cells to keep.
    std::optional<std::string> oldBytes;
    GridBytes old;
    checkSavePath(path);
    if (over == SaveOver::ReadableFile) {
        oldBytes = readFileIfExists(path);
        try {
            if (oldBytes) {
                old = parseGridFile(*oldBytes, path);
            }
            if (old.utf8First) {
                old = GridBytes();  // an editor's UTF-8 file is written anew in one encoding
            }
        } catch (const GridCountError&) {
            old = GridBytes();
        }
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
                out += storedBytes(text, old.cell(col, row));
            } catch (const EncodingError& e) {
                fail(cellName(col, row) + ": " + e.what());
            }
            out += kLineEnd;
        }
    }
    if (isUtf8File(out)) {
        out = markedUtf8File(grid, cols, rows);
    }
    writeFileAtomically(path, out);
}

void LoadStringGrid(GridCells& grid, const std::string& path) {
    std::optional<std::string> bytes = readFileIfExists(path);
    if (!bytes) {
        throw FileError("cannot load " + path + ": the file does not exist", path, ENOENT);
    }
    GridBytes file;
    std::optional<int> colsRead;
    try {
        file = parseGridFile(*bytes, path, &colsRead);
    } catch (const GridCountError&) {
        // A bad row count leaves the column count applied, unless with the rows the grid
        // has it would hold more cells than a file may.
        if (colsRead && std::int64_t{*colsRead} * std::max(grid.rowCount(), 0) <= kMaxGridCells) {
            grid.setColCount(*colsRead);
        }
        throw;
    }
    grid.setColCount(file.cols);
    grid.setRowCount(file.rows);
    for (int col = 0; col < file.cols; ++col) {
        for (int row = 0; row < file.rows; ++row) {
            const std::string_view* cell = file.cell(col, row);
            grid.setCell(col, row,
                         cell != nullptr ? readStoredText(*cell, file.utf8First).text : "");
        }
    }
}

}  // namespace quorvel

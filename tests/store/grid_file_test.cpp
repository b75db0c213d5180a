#include "store/grid_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

#include "files/atomic_file.h"
#include "support/temp_folder.h"

namespace quorvel {
namespace {

using testsupport::TempFolder;
using Columns = std::vector<std::vector<std::string>>;

TextGrid gridOf(const Columns& columns) {
    TextGrid grid(static_cast<int>(columns.size()),
                  columns.empty() ? 0 : static_cast<int>(columns[0].size()));
    for (int c = 0; c < grid.colCount(); ++c) {
        for (int r = 0; r < grid.rowCount(); ++r) {
            grid.setCell(c, r, columns[static_cast<size_t>(c)][static_cast<size_t>(r)]);
        }
    }
    return grid;
}

Columns columnsOf(const GridCells& grid) {
    Columns columns(static_cast<size_t>(grid.colCount()));
    for (int c = 0; c < grid.colCount(); ++c) {
        for (int r = 0; r < grid.rowCount(); ++r) {
            columns[static_cast<size_t>(c)].push_back(grid.cell(c, r));
        }
    }
    return columns;
}

// Two calibration points: the headings, the origin row and rows 2 and 3.
const Columns kTwoPoints = {
    {"序号", "1", "2", "3"},
    {"高度 mm", "0", "500", "1000"},
    {"容积 L", "0", "1234.5", "2800"},
};

const std::string kTwoPointsFile =
    "3\r\n4\r\n"
    "\xD0\xF2\xBA\xC5\r\n1\r\n2\r\n3\r\n"             // 序号
    "\xB8\xDF\xB6\xC8 mm\r\n0\r\n500\r\n1000\r\n"     // 高度 mm
    "\xC8\xDD\xBB\xFD L\r\n0\r\n1234.5\r\n2800\r\n";  // 容积 L

TEST(SaveStringGrid, WritesCountsThenCellsColumnByColumn) {
    TempFolder folder;
    std::string path = folder.file("bd.txt");
    SaveStringGrid(gridOf(kTwoPoints), path);
    EXPECT_EQ(testsupport::readBytes(path), kTwoPointsFile);
    SaveStringGrid(TextGrid(0, 0), path);
    EXPECT_EQ(testsupport::readBytes(path), "0\r\n0\r\n");
    SaveStringGrid(TextGrid(), path);  // the initial shape: empty cells are empty lines
    EXPECT_EQ(testsupport::readBytes(path), "3\r\n2\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(folder.entryCount(), 1u);
}

TEST(LoadStringGrid, ReadsTheFileBack) {
    struct Case {
        const char* what;
        std::string file;
        Columns cells;
    } cases[] = {
        {"as written", kTwoPointsFile, kTwoPoints},
        {"line feeds alone", "3\n2\nA\nB\n\n1\nx\ny\n", {{"A", "B"}, {"", "1"}, {"x", "y"}}},
        {"short file: missing cells are empty",
         "3\r\n4\r\na\r\nb\r\nc\r\nd\r\ne\r\n",
         {{"a", "b", "c", "d"}, {"e", "", "", ""}, {"", "", "", ""}}},
        {"last line without a line end", "1\r\n2\r\np\r\nq", {{"p", "q"}}},
        {"blanks, tabs and line ends around counts",
         "\r\n  2 columns\r\n\t\t1\tx\r\nu\r\nv\r\n",
         {{"u"}, {"v"}}},
        {"hexadecimal count", "$2\r\n1\r\nu\r\nv\r\n", {{"u"}, {"v"}}},
        {"text after a CR is not part of the cell", "1\r\n2\r\nab\rcd\r\nok\r\n", {{"ab", "ok"}}},
        {"lines past the last cell are ignored", "1\r\n1\r\nonly\r\nmore\r\n", {{"only"}}},
        {"spaces and Chinese",
         "1\r\n3\r\n  1 2 \r\n\xB9\xDE \xC8\xDD\r\n\t\r\n",
         {{"  1 2 ", "罐 容", "\t"}}},
        {"empty file", "", {}},
        {"end before the row count", "2\r\n", {{}, {}}},
    };
    TempFolder folder;
    std::string path = folder.file("bd.txt");
    for (const Case& c : cases) {
        testsupport::writeBytes(path, c.file);
        TextGrid grid = gridOf({{"old", "old", "old"}, {"old", "old", "old"}});
        LoadStringGrid(grid, path);
        EXPECT_EQ(grid.colCount(), static_cast<int>(c.cells.size())) << c.what;
        EXPECT_EQ(columnsOf(grid), c.cells) << c.what;
    }
}

TEST(LoadStringGrid, BadCountsStopTheLoad) {
    struct Case {
        std::string file;
        int cols;  // the grid's counts afterwards: a bad row count keeps the column count
        int rows;
        std::string why;
    } cases[] = {
        {"abc\r\n4\r\n", 2, 3, "the column count \"abc\" on line 1 is not an integer"},
        {"3.0\r\n4\r\n", 2, 3, "the column count \"3.0\" on line 1 is not an integer"},
        {"3\r\n\r\n4x\r\nA\r\n", 3, 3, "the row count \"4x\" on line 3 is not an integer"},
        {"1001\r\n4\r\n", 2, 3, "the column count \"1001\" on line 1 is over the limit of 1000"},
        {"-1\r\n4\r\n", 2, 3, "the column count \"-1\" on line 1 is negative"},
        {"3\r\n100001\r\n", 2, 3, "the row count \"100001\" on line 2 is over the limit of 100000"},
        {"3\r\n-4\r\n", 2, 3, "the row count \"-4\" on line 2 is negative"},
        {"3\r\n99999999999\r\n", 3, 3, "the row count \"99999999999\" on line 2 is not an integer"},
        // Each count within its limit, but more cells than a file may hold.
        {"592\r\n65992\r\n\r\n\r\n", 2, 3,
         "the counts 592 and 65992 give 39067264 cells, over the limit of 100000"},
        {"1000\r\n101\r\n", 2, 3,
         "the counts 1000 and 101 give 101000 cells, over the limit of 100000"},
        {"$3\r\n33334\r\nA\r\n", 2, 3,
         "the counts $3 and 33334 give 100002 cells, over the limit of 100000"},
    };
    TempFolder folder;
    std::string path = folder.file("bd.txt");
    for (const Case& c : cases) {
        testsupport::writeBytes(path, c.file);
        TextGrid grid = gridOf({{"a", "b", "c"}, {"d", "e", "f"}});
        try {
            LoadStringGrid(grid, path);
            ADD_FAILURE() << "no error for " << c.why;
        } catch (const FileError& e) {
            EXPECT_EQ(e.what(), "cannot load " + path + ": " + c.why);
        }
        EXPECT_EQ(grid.colCount(), c.cols) << c.why;
        EXPECT_EQ(grid.rowCount(), c.rows) << c.why;
        EXPECT_EQ(grid.cell(1, 2), "f") << c.why;  // no cell was read
    }
}

TEST(LoadStringGrid, BadRowCountAppliesNoColumnCountThatOverfillsTheGrid) {
    TempFolder folder;
    std::string path = folder.file("bd.txt");
    struct Case {
        int rowsBefore;
        int colsAfter;
    } cases[] = {{100, 1000}, {101, 1}};
    for (const Case& c : cases) {
        testsupport::writeBytes(path, "1000\r\nx\r\n");
        TextGrid grid(1, c.rowsBefore);
        EXPECT_THROW(LoadStringGrid(grid, path), FileError);
        EXPECT_EQ(grid.colCount(), c.colsAfter) << c.rowsBefore;
        EXPECT_EQ(grid.rowCount(), c.rowsBefore);
    }
}

TEST(LoadStringGrid, LargestCountsLoad) {
    TempFolder folder;
    std::string path = folder.file("bd.txt");
    testsupport::writeBytes(path, "1000\r\n0\r\n");
    TextGrid wide;
    LoadStringGrid(wide, path);
    EXPECT_EQ(wide.colCount(), 1000);
    testsupport::writeBytes(path, "1\r\n100000\r\nfirst\r\n");
    TextGrid tall;
    LoadStringGrid(tall, path);
    EXPECT_EQ(tall.rowCount(), 100000);
    EXPECT_EQ(tall.cell(0, 0), "first");
    EXPECT_EQ(tall.cell(0, 99999), "");
    testsupport::writeBytes(path, "1000\r\n100\r\n");  // as many cells as a file may hold
    TextGrid full;
    LoadStringGrid(full, path);
    EXPECT_EQ(full.colCount(), 1000);
    EXPECT_EQ(full.rowCount(), 100);
}

TEST(LoadStringGrid, MissingFileChangesNothing) {
    TempFolder folder;
    std::string path = folder.file("bd.txt");
    TextGrid grid = gridOf({{"a", "b"}});
    try {
        LoadStringGrid(grid, path);
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_EQ(e.what(), "cannot load " + path + ": the file does not exist");
        EXPECT_EQ(e.code(), ENOENT);
    }
    EXPECT_EQ(columnsOf(grid), (Columns{{"a", "b"}}));
}

TEST(StringGridFile, RoundTripKeepsEveryCell) {
    // Five points, as the window holds them after choosing 5 and typing.
    const Columns cells = {
        {"序号", "1", "2", "3", "4", "5", "6"},
        {"高度 mm", "0", "300", "", "900.5", "1 200", "1500"},
        {"容积 L", "0", "812.25", "1900", "罐底 死量", "", "5120"},
    };
    TempFolder folder;
    std::string path = folder.file("bd.txt");
    SaveStringGrid(gridOf(cells), path);
    TextGrid loaded;
    LoadStringGrid(loaded, path);
    EXPECT_EQ(loaded.rowCount(), 7);
    EXPECT_EQ(columnsOf(loaded), cells);
}

// Without the headings, GBK text can be UTF-8 throughout ("茅" is the bytes of UTF-8 "é"): once
// a save drops the line past the counts that made the file no UTF-8, a load would take it for
// an editor's. It is written marked as one, and every cell reads back — one whose kept bytes
// begin with the mark too.
TEST(StringGridFile, GbkThatLooksLikeUtf8ReadsBackAsItWas) {
    TempFolder folder;
    const std::string path = folder.file("bd.txt");
    testsupport::writeBytes(path,
                            "1\r\n3\r\n\xC3\xA9\r\n\xEF\xBB\xBF\xEE\x9E\x8D\r\n"
                            "\xEF\xBB\xBF\xEF\xBB\xBF"
                            "7\r\n\xFF\r\n");
    TextGrid grid;
    LoadStringGrid(grid, path);
    const Columns cells = {{"茅", "\uE78D", "\uFEFF7"}};
    ASSERT_EQ(columnsOf(grid), cells);
    SaveStringGrid(grid, path);
    EXPECT_EQ(testsupport::readBytes(path).substr(0, 3), "\xEF\xBB\xBF");
    TextGrid loaded;
    LoadStringGrid(loaded, path);
    EXPECT_EQ(columnsOf(loaded), cells);
}

TEST(StringGridFile, MillionCharacterCellsRoundTripExactly) {
    std::string chinese;
    for (int i = 0; i < 333'334; ++i)
        chinese += "容";
    const Columns cells = {{"1" + std::string(999'999, '0'), chinese},
                           {"", "0." + std::string(999'998, '5')}};
    TempFolder folder;
    std::string path = folder.file("bd.txt");
    SaveStringGrid(gridOf(cells), path);
    EXPECT_EQ(testsupport::readBytes(path).size(), 3 * 2 + 4 * 2 + 1'000'000 + 666'668 + 1'000'000);
    TextGrid loaded;
    LoadStringGrid(loaded, path);
    EXPECT_EQ(columnsOf(loaded), cells);
}

TEST(SaveStringGrid, CellItCannotStoreFailsAndKeepsThePreviousFile) {
    TempFolder folder;
    std::string path = folder.file("bd.txt");
    SaveStringGrid(gridOf(kTwoPoints), path);
    struct Case {
        int col, row;
        const char* text;
        std::string why;
    } cases[] = {
        {2, 3, "28\r\n00", "the cell in column 2, row 3 holds a line break"},
        {1, 0, "a\nb", "the cell in column 1, row 0 holds a line break"},
        {1, 2, "5\xFF", "the cell in column 1, row 2: the bytes 0xFF at byte 1 are not UTF-8 text"},
    };
    for (const Case& c : cases) {
        TextGrid grid = gridOf(kTwoPoints);
        grid.setCell(c.col, c.row, c.text);
        try {
            SaveStringGrid(grid, path);
            ADD_FAILURE() << c.why;
        } catch (const FileError& e) {
            EXPECT_EQ(e.what(), "cannot save " + path + ": " + c.why);
        }
        EXPECT_EQ(testsupport::readBytes(path), kTwoPointsFile);
        EXPECT_EQ(folder.entryCount(), 1u);
    }
}

TEST(SaveStringGrid, GridLargerThanAFileMayHoldFails) {
    TempFolder folder;
    std::string path = folder.file("bd.txt");
    EXPECT_THROW(SaveStringGrid(TextGrid(1001, 1), path), FileError);
    EXPECT_THROW(SaveStringGrid(TextGrid(1, 100001), path), FileError);
    try {
        SaveStringGrid(TextGrid(1000, 101), path);
        ADD_FAILURE() << "a grid of 101,000 cells was saved";
    } catch (const FileError& e) {
        EXPECT_EQ(e.what(), "cannot save " + path +
                                ": a grid of 1000 columns and 101 rows is larger than a grid file "
                                "may hold (1000 columns, 100000 rows, 100000 cells)");
    }
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(SaveStringGrid, FolderThatCannotExistFails) {
    TempFolder folder;
    std::string plain = folder.file("plain");
    testsupport::writeBytes(plain, "x");
    EXPECT_THROW(SaveStringGrid(gridOf(kTwoPoints), plain + "/bd.txt"), FileError);
    EXPECT_EQ(testsupport::readBytes(plain), "x");
}

}  // namespace
}  // namespace quorvel

#include "form/calibration_grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/memory_form.h"
#include "form/table_defaults.h"

namespace quorvel {
namespace {

std::vector<std::string> column(const TextGrid& grid, int col) {
    std::vector<std::string> cells;
    for (int row = 0; row < grid.rowCount(); ++row) {
        cells.push_back(grid.cell(col, row));
    }
    return cells;
}

TEST(CalibrationGrid, ChoosingFiveGivesSevenNumberedRows) {
    TextGrid grid;
    choosePointCount(grid, 5);
    EXPECT_EQ(grid.rowCount(), 7);
    EXPECT_EQ(column(grid, 0), (std::vector<std::string>{"", "1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(column(grid, 1), (std::vector<std::string>{"", "0", "", "", "", "", ""}));
    EXPECT_EQ(column(grid, 2), (std::vector<std::string>{"", "0", "", "", "", "", ""}));
}

TEST(CalibrationGrid, ChoosingAgainKeepsTypedPointsAndResetsTheOrigin) {
    TextGrid grid;
    choosePointCount(grid, 3);
    grid.setCell(1, 1, "5");
    grid.setCell(2, 1, "7");
    grid.setCell(1, 2, "100");
    grid.setCell(2, 2, "480");
    grid.setCell(1, 4, "300");
    choosePointCount(grid, 2);
    EXPECT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(column(grid, 1), (std::vector<std::string>{"", "0", "100", ""}));
    EXPECT_EQ(column(grid, 2), (std::vector<std::string>{"", "0", "480", ""}));
    choosePointCount(grid, 4);
    EXPECT_EQ(column(grid, 0), (std::vector<std::string>{"", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(grid.cell(1, 2), "100");
}

TEST(CalibrationGrid, ClearingEmptiesThePointsOnly) {
    TextGrid grid;
    choosePointCount(grid, 3);
    grid.setCell(0, 0, "序号");
    grid.setCell(1, 0, "高度 mm");
    grid.setCell(1, 1, "10");
    for (int row = 2; row <= 4; ++row) {
        grid.setCell(1, row, "1");
        grid.setCell(2, row, "2");
    }
    clearCalibrationGrid(grid);
    EXPECT_EQ(grid.rowCount(), 5);
    EXPECT_EQ(column(grid, 0), (std::vector<std::string>{"序号", "1", "2", "3", "4"}));
    EXPECT_EQ(column(grid, 1), (std::vector<std::string>{"高度 mm", "10", "", "", ""}));
    EXPECT_EQ(column(grid, 2), (std::vector<std::string>{"", "0", "", "", ""}));

    TextGrid small(3, 2);
    small.setCell(1, 1, "x");
    clearCalibrationGrid(small);
    EXPECT_EQ(small.cell(1, 1), "x");
}

TEST(TableDefaults, SetsTheEightTableFields) {
    MemoryForm form;
    for (const char* name :
         {"Edit6", "Edit7", "Edit8", "Edit9", "Edit13", "Edit31", "Edit32", "Edit33", "Edit35"}) {
        form.setText(name, "123");
    }
    applyTableDefaults(form);
    const std::pair<const char*, const char*> expected[] = {
        {"Edit6", "0"},  {"Edit7", "9999"}, {"Edit8", "1"},  {"Edit9", "200"}, {"Edit13", "0"},
        {"Edit31", "0"}, {"Edit32", "0"},   {"Edit33", "0"}, {"Edit35", "123"}};
    for (auto [name, text] : expected) {
        EXPECT_EQ(form.text(name), text) << name;
    }
}

}  // namespace
}  // namespace quorvel

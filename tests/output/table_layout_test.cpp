#include "output/table_layout.h"

#include "output/workbook_print.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

struct LayoutCase {
    std::size_t count;
    int n;
    bool weights;
    std::size_t blocks;
    int width;
};

class Layout : public testing::TestWithParam<LayoutCase> {};

TEST_P(Layout, Blocks) {
    const LayoutCase& c = GetParam();
    const TableLayout layout = tableLayout(c.count, c.weights, c.n);
    EXPECT_EQ(layout.blocks, c.blocks);
    EXPECT_EQ(layout.blockWidth, c.width);
    EXPECT_EQ(layout.rowCount, c.count);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, Layout,
    testing::Values(LayoutCase{0, 200, false, 1, 3}, LayoutCase{1, 200, true, 1, 4},
                    LayoutCase{200, 200, false, 1, 3}, LayoutCase{400, 200, false, 2, 3},
                    LayoutCase{401, 200, true, 3, 4}, LayoutCase{99999, 99999, false, 1, 3},
                    LayoutCase{100000, 99999, false, 2, 3}, LayoutCase{100000, 200, true, 500, 4}));

TEST(LayoutProblem, ColumnLimitIsTheLastBlockThatFits) {
    // 5461 blocks of 3 columns end at column 16382; 4096 blocks of 4 at column 16383.
    EXPECT_FALSE(layoutProblem(tableLayout(5461, false, 1)));
    EXPECT_FALSE(layoutProblem(tableLayout(4096, true, 1)));
    EXPECT_TRUE(layoutProblem(tableLayout(5462, false, 1)));
    EXPECT_TRUE(layoutProblem(tableLayout(4097, true, 1)));
}

TEST(LayoutProblem, TooManyColumnsSaysWhyAndWhatHelps) {
    EXPECT_EQ(*layoutProblem(tableLayout(100000, true, 20)),
              "罐容表共 100000 行，每列 20 条数据需要 5000 个列块、共 20000 列，超过了 Excel "
              "工作表最多 16384 列的限制。请把每列数据条数改为至少 25 后再试。");
    // The suggested block size does fit.
    EXPECT_FALSE(layoutProblem(tableLayout(100000, true, 25)));
    EXPECT_TRUE(layoutProblem(tableLayout(100000, true, 24)));
}

TEST(LayoutProblem, BlockLongerThanTheSheet) {
    EXPECT_FALSE(layoutProblem(tableLayout(1048573, false, 2000000)));
    EXPECT_EQ(*layoutProblem(tableLayout(1048574, false, 2000000)),
              "罐容表每列需要 1048574 条数据，超过了 Excel 工作表最多 1048576 "
              "行的限制（标题和表头占前 3 行）。请把每列数据条数改为不超过 1048573 后再试。");
    // A long block size alone does not matter when the table is short.
    EXPECT_FALSE(layoutProblem(tableLayout(10, false, 2000000)));
}

// A sheet holds 1023 page breaks: a table needing more says so, and the block size it names
// does print.
TEST(PageBreakProblem, TooManyPagesSaysWhatHelps) {
    const auto problem = [](int rowsPerBlock) {
        const TableLayout layout = tableLayout(1000000, false, rowsPerBlock);
        return pageBreakProblem(layout, workbookPrint(layout, ""));
    };
    EXPECT_EQ(*problem(200),
              "罐容表共 1000000 行，每列 200 条数据需要 5000 个列块，每页 4 块，分页超过了 Excel "
              "工作表最多 1023 个分页符的限制。请把每列数据条数改为至少 245 后再试。");
    EXPECT_FALSE(problem(245));
    EXPECT_TRUE(problem(244));
}

}  // namespace
}  // namespace quorvel

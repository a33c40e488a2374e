#include "roomclient/DeskGrid.h"

#include <gtest/gtest.h>

namespace {

struct GridCase {
    const char* name;
    int width;
    int cellWidth;
    int cellHeight;
    int columns;
    int columnWidth;
    int margin;
    int rows;
    int height;
};

void PrintTo(const GridCase& c, std::ostream* os)
{
    *os << c.name;
}

class DeskGridLayout : public ::testing::TestWithParam<GridCase> {};

TEST_P(DeskGridLayout, FollowsTheWidth)
{
    const GridCase& c = GetParam();
    const auto grid = CDeskGrid::FromWidth(c.width, c.cellWidth, c.cellHeight);
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->Columns(), c.columns);
    EXPECT_EQ(grid->ColumnWidth(), c.columnWidth);
    EXPECT_EQ(grid->Margin(), c.margin);
    EXPECT_EQ(grid->Rows(), c.rows);
    EXPECT_EQ(grid->Height(), c.height);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, DeskGridLayout,
    ::testing::Values(GridCase{"common500", 500, 160, 120, 3, 166, 3, 34, 4080},
                      GridCase{"common160", 160, 160, 120, 1, 160, 0, 100, 12000},
                      GridCase{"common1000ExactRows", 1000, 160, 120, 6, 166, 3, 17, 2040},
                      GridCase{"common1600TenColumns", 1600, 160, 120, 10, 160, 0, 10, 1200},
                      GridCase{"challenge500", 500, 180, 150, 2, 250, 35, 50, 7500}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DeskGrid, HoldsNothingBelowOneCell)
{
    EXPECT_FALSE(CDeskGrid::FromWidth(159, 160, 120));
    EXPECT_FALSE(CDeskGrid::FromWidth(0, 160, 120));
    EXPECT_FALSE(CDeskGrid::FromWidth(-5, 160, 120));
}

TEST(DeskGrid, CellsGoRowByRow)
{
    const auto grid = CDeskGrid::FromWidth(500, 160, 120);
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->Cell(1), QRect(3, 0, 160, 120));
    EXPECT_EQ(grid->Cell(4), QRect(3, 120, 160, 120));
    EXPECT_EQ(grid->Cell(6), QRect(335, 120, 160, 120));
    EXPECT_EQ(grid->Cell(100), QRect(3, 33 * 120, 160, 120));
    const auto challenge = CDeskGrid::FromWidth(500, 180, 150);
    EXPECT_EQ(challenge->Cell(3), QRect(35, 150, 180, 150));
}

TEST(DeskGrid, HitTestingLeavesTheMarginsOut)
{
    const auto grid = CDeskGrid::FromWidth(500, 160, 120);
    ASSERT_TRUE(grid);
    struct Hit {
        const char* name;
        int x;
        int y;
        int desk;
    };
    const Hit hits[] = {
        {"left margin edge", 3, 10, 0},
        {"first pixel inside", 4, 10, 1},
        {"right margin edge", 166 - 3, 10, 0},
        {"last pixel inside", 166 - 4, 10, 1},
        {"second column", 170, 10, 2},
        {"second row", 10, 130, 4},
        {"last desk", 10, 33 * 120 + 5, 100},
        {"below the last row", 200, 33 * 120 + 5, 0},
        // 3 x 166 = 498: the two pixels beyond the last column belong to no column.
        {"beyond the last column", 499, 10, 0},
        {"negative", -1, 10, 0},
    };
    for (const Hit& h : hits) {
        SCOPED_TRACE(h.name);
        EXPECT_EQ(grid->DeskAt(h.x, h.y), h.desk);
    }
}

} // namespace

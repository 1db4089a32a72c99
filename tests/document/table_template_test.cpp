#include "document/table_grid.h"
#include "document/table_template.h"
#include "document/undo_store.h"

#include <gtest/gtest.h>

#include <ostream>

#include <memory>

namespace {

struct TemplateCase {
    int commandId;
    const char* name;
    int rows;
    int columns;
    int cellSize;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const TemplateCase& c, std::ostream* os)
{
    *os << c.name;
}

class TemplateTest : public ::testing::TestWithParam<TemplateCase> {};

TEST_P(TemplateTest, creates_its_grid_of_free_cells_with_the_first_and_last_geometry)
{
    const TemplateCase& c = GetParam();
    auto grid = std::make_unique<TableGrid>();
    UndoStore undo;
    const auto t = templateForCommand(c.commandId);
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(templateByName(c.name)->commandId, c.commandId);
    createTable(*grid, undo, *t);

    EXPECT_EQ(grid->rows, c.rows);
    EXPECT_EQ(grid->columns, c.columns);
    EXPECT_EQ(grid->cellWidth, c.cellSize);
    EXPECT_EQ(grid->cellHeight, c.cellSize);
    EXPECT_EQ(grid->separation, 1);
    EXPECT_EQ(grid->lineThickness, 1);
    EXPECT_EQ(grid->lineColour, 0xC0C0C0);
    EXPECT_EQ(grid->paperColour, 0xFFFFFF);

    const CellRecord& first = grid->at(0, 0);
    EXPECT_EQ(first.left, 2);
    EXPECT_EQ(first.top, 2);
    EXPECT_EQ(first.right, 2 + c.cellSize);
    EXPECT_EQ(first.bottom, 2 + c.cellSize);

    const CellRecord& last = grid->at(c.rows - 1, c.columns - 1);
    EXPECT_EQ(last.right, 2 + c.columns * c.cellSize);
    EXPECT_EQ(last.bottom, 2 + c.rows * c.cellSize);
    EXPECT_EQ(last.row, c.rows - 1);
    EXPECT_EQ(last.column, c.columns - 1);

    // Drawn with the separation and origin offsets, every table fits its page.
    const int drawnRight = last.right + (c.columns - 1) + 2;
    const int drawnBottom = last.bottom + (c.rows - 1) + 2;
    EXPECT_LE(drawnRight, t->vertical ? 794 : 1122);
    EXPECT_LE(drawnBottom, t->vertical ? 1122 : 794);
}

INSTANTIATE_TEST_SUITE_P(
    AllTemplates, TemplateTest,
    ::testing::Values(TemplateCase{3302, "h16", 46, 65, 16}, TemplateCase{3309, "h24", 31, 44, 24},
                      TemplateCase{3303, "h32", 23, 33, 32}, TemplateCase{3304, "h64", 12, 17, 64},
                      TemplateCase{3305, "v16", 65, 46, 16}, TemplateCase{3310, "v24", 44, 31, 24},
                      TemplateCase{3306, "v32", 33, 23, 32},
                      TemplateCase{3307, "v64", 17, 12, 64}));

TEST(CreateTable, every_cell_carries_the_table_values_and_the_defaults)
{
    auto grid = std::make_unique<TableGrid>();
    UndoStore undo;
    createTable(*grid, undo, *templateByName("h16"));
    EXPECT_EQ(grid->at(45, 64).right, 1042);
    EXPECT_EQ(grid->at(45, 64).bottom, 738);
    for (int i = 0; i < grid->rows; ++i) {
        for (int j = 0; j < grid->columns; ++j) {
            const CellRecord& c = grid->at(i, j);
            ASSERT_EQ(c.tableRows, 46);
            ASSERT_EQ(c.tableColumns, 65);
            ASSERT_EQ(c.inTable, 0);
            ASSERT_EQ(c.selected + c.marked + c.merge + c.cancelled, 0);
            ASSERT_EQ(c.backColour, 0xFFFFFF);
            ASSERT_EQ(readText(c.fontName), "Times New Roman");
            ASSERT_EQ(c.fontSize, 10);
            ASSERT_EQ(c.alignment, 131);
            ASSERT_EQ(c.numberFormat, 6);
            ASSERT_EQ(c.lineColour, 0xC0C0C0);
            ASSERT_EQ(c.paperColour, 0xFFFFFF);
        }
    }
    // Records outside the table are all zero.
    EXPECT_EQ(grid->at(46, 0), CellRecord{});
    EXPECT_EQ(grid->at(0, 65), CellRecord{});
    EXPECT_EQ(grid->at(100, 100), CellRecord{});
}

TEST(CreateTable, a_new_table_replaces_the_old_one_whole_and_empties_undo)
{
    auto grid = std::make_unique<TableGrid>();
    UndoStore undo;
    int snapshots = 0;
    undo.onSnapshot = [&] { ++snapshots; };
    createTable(*grid, undo, *templateByName("v16"));
    grid->at(60, 40).inTable = 1;
    takeSnapshot(undo, *grid);
    takeSnapshot(undo, *grid);

    createTable(*grid, undo, *templateByName("h64"));
    EXPECT_EQ(undo.position, 0);
    EXPECT_EQ(undo.lastWritten, -1);
    EXPECT_EQ(grid->at(60, 40), CellRecord{}); // beyond the 12 x 17 table now
    EXPECT_EQ(snapshots, 2);
    EXPECT_TRUE(static_cast<bool>(undo.onSnapshot)); // the menu hook stays attached
}

TEST(ResetCellContent, restores_the_content_and_keeps_geometry_and_state)
{
    auto grid = std::make_unique<TableGrid>();
    UndoStore undo;
    createTable(*grid, undo, *templateByName("h32"));
    grid->lineThickness = 3;
    CellRecord& c = grid->at(2, 3);
    c.inTable = 1;
    c.merge = 1;
    c.backColour = 0x123456;
    c.bold = 1;
    c.numericText = 1;
    c.numberFormat = 2;
    c.alignment = AlignVerticalTop;
    c.vertLineOn = 1;
    assignText(c.picture, "/tmp/a.png|16777215");
    assignText(c.icon, "/tmp/a.ico");
    assignCellText(c, u"hello");
    const CellRecord before = c;

    resetCellContent(c, *grid, false);
    EXPECT_EQ(c.backColour, 0xFFFFFF);
    EXPECT_EQ(c.bold, 0);
    EXPECT_EQ(c.numericText, 0);
    EXPECT_EQ(c.numberFormat, 6);
    EXPECT_EQ(c.alignment, 131);
    EXPECT_EQ(readText(c.picture), "");
    EXPECT_EQ(readText(c.icon), "");
    EXPECT_EQ(cellText(c), u"");
    EXPECT_EQ(c.lineThickness, 1);
    EXPECT_EQ(c.left, before.left);
    EXPECT_EQ(c.merge, 1);
    EXPECT_EQ(c.inTable, 1);
    EXPECT_EQ(c.vertLineOn, 1);

    resetCellContent(c, *grid, true);
    EXPECT_EQ(c.lineThickness, 3);
}

TEST(TableGrid, access_never_leaves_the_grid)
{
    auto grid = std::make_unique<TableGrid>();
    EXPECT_NE(grid->find(0, 0), nullptr);
    EXPECT_NE(grid->find(100, 100), nullptr);
    EXPECT_EQ(grid->find(101, 0), nullptr);
    EXPECT_EQ(grid->find(0, -1), nullptr);
    EXPECT_EQ(grid->find(-32768, 32767), nullptr);
    EXPECT_EQ(grid->find(100, 100), &grid->at(100, 100));
}

} // namespace

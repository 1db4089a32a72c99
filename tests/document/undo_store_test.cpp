#include "document/table_grid.h"
#include "document/table_template.h"
#include "document/undo_store.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

class UndoTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        createTable(*grid, undo, *templateByName("h64"));
        undo.onSnapshot = [this] { ++undoEnabled; };
    }
    std::unique_ptr<TableGrid> grid = std::make_unique<TableGrid>();
    UndoStore undo;
    int undoEnabled = 0;
};

TEST_F(UndoTest, two_snapshots_and_two_undos_restore_the_first_state_and_a_third_keeps_it)
{
    const CellRecord original = grid->at(1, 1);
    takeSnapshot(undo, *grid);
    grid->at(1, 1).inTable = 1;
    assignCellText(grid->at(1, 1), u"first");
    takeSnapshot(undo, *grid);
    assignCellText(grid->at(1, 1), u"second");
    EXPECT_EQ(undoEnabled, 2);
    EXPECT_EQ(undo.position, 2);

    undoLast(undo, *grid);
    EXPECT_EQ(cellText(grid->at(1, 1)), u"first");
    undoLast(undo, *grid);
    EXPECT_EQ(grid->at(1, 1), original);
    undoLast(undo, *grid);
    EXPECT_EQ(grid->at(1, 1), original);
    EXPECT_EQ(undo.position, 0);
}

TEST_F(UndoTest, icons_are_not_part_of_a_snapshot)
{
    takeSnapshot(undo, *grid);
    CellRecord& c = grid->at(2, 2);
    assignText(c.icon, "/icons/new.ico");
    c.backColour = 0x00FF00;
    undoLast(undo, *grid);
    EXPECT_EQ(readText(c.icon), "/icons/new.ico"); // placed after the snapshot: kept
    EXPECT_EQ(c.backColour, 0xFFFFFF);             // everything else comes back

    assignText(c.icon, "/icons/old.ico");
    takeSnapshot(undo, *grid);
    assignText(c.icon, ""); // cleared after the snapshot: stays cleared
    undoLast(undo, *grid);
    EXPECT_EQ(readText(c.icon), "");
}

TEST_F(UndoTest, undo_brings_back_the_selection_taken_with_the_snapshot)
{
    grid->at(0, 0).selected = 1;
    takeSnapshot(undo, *grid);
    grid->at(0, 0).selected = 0;
    grid->at(0, 0).inTable = 1;
    undoLast(undo, *grid);
    EXPECT_EQ(grid->at(0, 0).selected, 1);
    EXPECT_EQ(grid->at(0, 0).inTable, 0);
}

TEST_F(UndoTest, the_position_stops_at_49_and_the_next_undo_moves_to_level_48)
{
    for (int k = 0; k < 60; ++k) {
        grid->at(0, 0).fontSize = static_cast<std::int16_t>(k);
        takeSnapshot(undo, *grid);
        ASSERT_EQ(undo.position, std::min(k + 1, 49));
    }
    // Snapshots 49..59 all landed on level 49; the undo goes below it, to level 48, which
    // holds the state of the 49th snapshot (k = 48).
    undoLast(undo, *grid);
    EXPECT_EQ(undo.position, 48);
    EXPECT_EQ(grid->at(0, 0).fontSize, 48);
    undoLast(undo, *grid);
    EXPECT_EQ(grid->at(0, 0).fontSize, 47);
}

TEST_F(UndoTest, an_undo_without_any_snapshot_leaves_the_table_intact)
{
    const CellRecord before = grid->at(3, 3);
    undoLast(undo, *grid);
    EXPECT_EQ(grid->at(3, 3), before);
    EXPECT_EQ(undo.busy, 1);
}

TEST_F(UndoTest, an_undo_while_one_runs_does_nothing)
{
    takeSnapshot(undo, *grid);
    grid->at(0, 0).bold = 1;
    undo.busy = 2;
    undoLast(undo, *grid);
    EXPECT_EQ(grid->at(0, 0).bold, 1);
}

TEST_F(UndoTest, unchanged_cells_are_shared_between_levels)
{
    takeSnapshot(undo, *grid);
    grid->at(5, 5).italic = 1;
    takeSnapshot(undo, *grid);
    const auto& a = undo.levels[0];
    const auto& b = undo.levels[1];
    ASSERT_EQ(a.size(), b.size());
    std::size_t distinct = 0;
    for (std::size_t k = 0; k < a.size(); ++k)
        distinct += a[k] != b[k];
    EXPECT_EQ(distinct, 1u);
    // A change of the icon alone is not a change for the store.
    assignText(grid->at(6, 6).icon, "x.ico");
    takeSnapshot(undo, *grid);
    EXPECT_EQ(undo.levels[2][6 * grid->columns + 6], undo.levels[1][6 * grid->columns + 6]);
}

} // namespace

#include "document/table_grid.h"
#include "document/table_template.h"
#include "document/undo_store.h"
#include "platform/raster.h"
#include "render/new_table_cells.h"
#include "render/page_frame.h"
#include "render/table_painter.h"
#include "render/table_view.h"
#include "tests/support/recording_messages.h"

#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

constexpr Colour Paper = 0x00FF00; // green paper tells the gaps from white cells

class PainterTest : public ::testing::Test {
  protected:
    void SetUp() override { newTable("h16"); }

    void newTable(const char* name)
    {
        createTable(*grid, undo, *templateByName(name));
        grid->paperColour = Paper;
    }

    void repaint() { repaintTable(view, *grid, painter, messages); }

    Colour at(int x, int y) { return pixelAt(view.tableBitmap, x, y); }

    CellRecord& tableCell(int r, int c)
    {
        CellRecord& cell = grid->at(r, c);
        cell.inTable = 1;
        return cell;
    }

    std::unique_ptr<TableGrid> grid = std::make_unique<TableGrid>();
    UndoStore undo;
    TableView view = makeTableView();
    PainterState painter;
    RecordingMessages messages;
};

TEST_F(PainterTest, free_cells_are_squared_paper_one_pixel_apart)
{
    repaint();
    // Cell (0, 0) covers (4, 4) to (20, 20); cell (0, 1) starts at 21.
    EXPECT_EQ(at(4, 4), Silver);
    EXPECT_EQ(at(19, 19), Silver);
    EXPECT_EQ(at(10, 10), White);
    EXPECT_EQ(at(20, 10), Paper);
    EXPECT_EQ(at(21, 10), Silver);
    EXPECT_EQ(at(36, 10), Silver);
    EXPECT_EQ(at(37, 10), Paper);
    EXPECT_EQ(painter.paintedExtent.right, 1108);
    EXPECT_EQ(painter.paintedExtent.bottom, 785);
    // The last cell (45, 64) is drawn from (1092, 769) to (1108, 785).
    EXPECT_EQ(at(1092, 769), Silver);
    EXPECT_EQ(at(1107, 784), Silver);
    EXPECT_EQ(at(1100, 777), White);
    // The dotted guides and the frame are under the table, visible where no cell is.
    EXPECT_EQ(at(1, 900), Black);
}

TEST_F(PainterTest, a_merged_master_covers_the_gaps_of_the_cells_it_absorbed)
{
    CellRecord& master = tableCell(0, 3);
    master.right = grid->at(0, 5).right;
    tableCell(0, 4).merge = MergedLeft;
    tableCell(0, 5).merge = MergedLeft;
    repaint();
    // Columns 3..5 are drawn from 50 + 3 + 2 = 55 to 98 + 5 + 2 = 105: two pixels wider
    // than right - left, covering the two gaps.
    EXPECT_EQ(at(55, 10), Black);
    EXPECT_EQ(at(104, 10), Black);
    EXPECT_EQ(at(71, 10), White); // where the gap between columns 3 and 4 would be
    EXPECT_EQ(at(88, 10), White); // and between columns 4 and 5
    EXPECT_EQ(at(105, 10), Paper);
}

TEST_F(PainterTest, a_merge_up_cell_resets_the_span_across)
{
    tableCell(1, 2);
    tableCell(1, 3).merge = MergedUp;
    tableCell(1, 4).merge = MergedLeft;
    repaint();
    // Cell (1, 2) keeps its own width: x from 2 + 32 + 2 + 2 = 38 to 54.
    EXPECT_EQ(at(53, 30), Black);
    EXPECT_EQ(at(54, 30), Paper);
}

TEST_F(PainterTest, a_cancelled_cell_leaves_a_hole)
{
    grid->at(2, 2).cancelled = 1;
    repaint();
    const int x = 2 + 32 + 2 + 2 + 8;
    const int y = 2 + 32 + 2 + 2 + 8;
    EXPECT_EQ(at(x, y), Paper);
}

TEST_F(PainterTest, selected_free_cells_are_yellow_and_plain_free_cells_vanish_in_exports)
{
    grid->at(0, 0).selected = 1;
    CellRecord& withLine = grid->at(0, 2);
    withLine.horzLineOn = 1;
    withLine.horzLineX1 = withLine.left;
    withLine.horzLineY1 = withLine.top + 8;
    withLine.horzLineX2 = withLine.right;
    withLine.horzLineY2 = withLine.top + 8;
    repaint();
    EXPECT_EQ(at(10, 10), Yellow);

    clearRaster(view.tableBitmap, 0x123456);
    painter.exportMode = true;
    paintTable(view.tableBitmap, *grid, grid->columns, grid->rows, 2, 2, grid->lineColour, painter,
               messages);
    EXPECT_EQ(at(10, 10), Yellow);
    EXPECT_EQ(at(30, 10), 0x123456); // free cell (0, 1): not drawn
    // Cell (0, 2) is not drawn either, but its connector line is: black, end point excluded.
    const int lineY = withLine.top + 8 + 2;
    const int lineX1 = withLine.left + 2 + 2;
    const int lineX2 = withLine.right + 2 + 2;
    EXPECT_EQ(at(lineX1, lineY), Black);
    EXPECT_EQ(at(lineX2 - 1, lineY), Black);
    EXPECT_EQ(at(lineX2, lineY), 0x123456);
    EXPECT_EQ(at(lineX1 + 3, lineY + 1), 0x123456);
}

TEST_F(PainterTest, a_marked_cell_is_a_plain_dark_blue_box)
{
    newTable("h64");
    grid->paperColour = Paper;
    CellRecord& cell = tableCell(0, 0);
    cell.marked = 1;
    assignCellText(cell, u"Ana Ruiz");
    cell.textColour = Black;
    repaint();
    for (int y = 5; y < 67; ++y)
        for (int x = 5; x < 67; ++x)
            ASSERT_EQ(at(x, y), DarkBlue) << x << "," << y;
    EXPECT_EQ(at(4, 4), Silver);

    cell.marked = 0;
    repaint();
    bool inked = false;
    for (int y = 5; y < 67 && !inked; ++y)
        for (int x = 5; x < 67 && !inked; ++x)
            inked = at(x, y) != White;
    EXPECT_TRUE(inked) << "the text shows again once unmarked";
}

TEST_F(PainterTest, a_picture_naming_a_missing_file_shows_a_hatched_placeholder)
{
    newTable("h64");
    grid->paperColour = Paper;
    CellRecord& cell = tableCell(0, 0);
    cell.backColour = NoFillColour;
    assignText(cell.picture, "/nonexistent/deleted.png|16777215");
    repaint();
    EXPECT_EQ(at(4, 4), Silver); // the outline in the line colour, over the black one
    EXPECT_EQ(at(67, 30), Silver);
    // Inside: silver on the diagonals of the 8 x 8 pattern, the paper between them.
    EXPECT_EQ(at(8, 8), Silver);  // x - y = 0
    EXPECT_EQ(at(8, 15), Silver); // x + y = 23, & 7 == 7
    EXPECT_EQ(at(9, 11), Paper);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PainterTest, a_picture_fills_its_slot_inset_by_the_line_thickness)
{
    const auto dir = std::filesystem::temp_directory_path();
    const auto path = (dir / "cuadrivista-slot.png").string();
    QImage red(20, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(QString::fromStdString(path)));

    newTable("h24");
    grid->paperColour = Paper;
    grid->lineThickness = 3;
    CellRecord& cell = tableCell(1, 1);
    cell.backColour = NoFillColour;
    assignText(cell.picture, path + "|16777215");
    repaint();
    // Box 24 x 24 from x1 = 2 + 24 + 1 + 2 = 29, y1 the same; slot 20 x 20 at inset 2.
    const int x1 = 29;
    EXPECT_EQ(at(x1 + 2, x1 + 2), 0x0000FF);
    EXPECT_EQ(at(x1 + 21, x1 + 21), 0x0000FF);
    EXPECT_NE(at(x1 + 22, x1 + 22), 0x0000FF);
    EXPECT_NE(at(x1 + 1, x1 + 1), 0x0000FF);
    std::filesystem::remove(path);
}

TEST_F(PainterTest, the_icon_is_drawn_over_the_text_and_a_missing_icon_is_a_silver_box)
{
    newTable("h64");
    grid->paperColour = Paper;
    CellRecord& cell = tableCell(0, 0);
    assignCellText(cell, u"XXXXXXXX XXXXXXXX XXXXXXXX");
    assignText(cell.icon, "/nonexistent/icon.ico");
    repaint();
    // The silver box from (5, 5) to (5 + 63, 5 + 63) hides the text entirely.
    for (int y = 6; y < 67; ++y)
        for (int x = 6; x < 67; ++x)
            ASSERT_EQ(at(x, y), Silver) << x << "," << y;
}

TEST_F(PainterTest, an_icon_is_scaled_to_the_whole_box_over_the_text)
{
    const auto path = (std::filesystem::temp_directory_path() / "cuadrivista-painter.ico").string();
    QImage red(4, 4, QImage::Format_ARGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(QString::fromStdString(path), "ICO"));
    newTable("h64");
    CellRecord& cell = tableCell(0, 0);
    assignCellText(cell, u"Ana Ruiz");
    assignText(cell.icon, path);
    repaint();
    // W x H = 64 x 64 pixels from the text origin (5, 5).
    for (int y = 5; y < 69; ++y)
        for (int x = 5; x < 69; ++x)
            ASSERT_EQ(at(x, y), 0x0000FF) << x << "," << y;
    std::filesystem::remove(path);
}

TEST_F(PainterTest, an_icon_file_that_changes_is_drawn_as_it_is_now)
{
    const auto path = (std::filesystem::temp_directory_path() / "cuadrivista-change.ico").string();
    auto writeIcon = [&](QColor colour, int size) {
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(QString::fromStdString(path), "ICO"));
    };
    newTable("h64");
    assignText(tableCell(0, 0).icon, path);
    writeIcon(Qt::red, 4);
    repaint();
    repaint();
    EXPECT_EQ(at(30, 30), 0x0000FF);
    writeIcon(Qt::green, 8); // another size, so the file's stamp changes for sure
    repaint();
    EXPECT_EQ(at(30, 30), 0x00FF00);
    std::filesystem::remove(path);
    repaint();
    EXPECT_EQ(at(30, 30), Silver); // gone: the placeholder
}

TEST_F(PainterTest, a_new_table_drawn_cell_by_cell_matches_its_first_repaint)
{
    Raster drawn = createRaster(1122, 1122);
    clearRaster(drawn, Paper);
    drawPageFrame(drawn);
    drawNewTableCells(drawn, *grid);
    repaint();
    EXPECT_EQ(rasterImage(drawn), rasterImage(view.tableBitmap));
}

TEST_F(PainterTest, extreme_values_from_a_file_are_painted_without_harm)
{
    CellRecord& a = tableCell(0, 0);
    a.left = INT32_MIN;
    a.right = INT32_MAX;
    a.top = INT32_MAX;
    a.bottom = INT32_MIN;
    a.fontSize = 32767;
    assignCellText(a, u"big text that would not fit anywhere");
    CellRecord& b = grid->at(0, 1);
    b.vertLineOn = b.horzLineOn = 1;
    b.vertLineX1 = INT32_MIN;
    b.vertLineY2 = INT32_MAX;
    b.horzLineX2 = INT32_MAX;
    CellRecord& c = tableCell(0, 2);
    c.alignment = 999;
    c.numericText = 1;
    c.numberFormat = -5;
    grid->lineThickness = 30000;
    repaint();
    EXPECT_EQ(painter.paintedExtent.right, 1108);
}

TEST_F(PainterTest, a_numeric_cell_shows_its_formatted_number)
{
    newTable("h64");
    CellRecord& numeric = tableCell(0, 0);
    assignCellText(numeric, u"1234.5");
    numeric.numericText = 1;
    numeric.numberFormat = 1;
    repaint();
    const QImage withNumber = rasterImage(view.tableBitmap).copy(0, 0, 80, 80);

    numeric.numericText = 0;
    assignCellText(numeric, u"1,234.50");
    repaint();
    EXPECT_EQ(rasterImage(view.tableBitmap).copy(0, 0, 80, 80), withNumber);
}

TEST_F(PainterTest, text_running_out_of_a_cell_is_covered_by_later_cells)
{
    newTable("h64");
    grid->paperColour = Paper;
    CellRecord& first = tableCell(0, 0);
    // One word per line, far more lines than the cell is high: the text runs down over the
    // gap and into the next row, whose box is painted later and covers it.
    std::u16string words;
    for (int k = 0; k < 30; ++k)
        words += u"WW ";
    assignCellText(first, words);
    first.fontSize = 14;
    tableCell(1, 0);
    repaint();
    bool inkInGap = false;
    for (int gapY = 68; gapY < 600; gapY += 65)
        for (int x = 5; x < 67; ++x)
            inkInGap = inkInGap || at(x, gapY) != Paper;
    EXPECT_TRUE(inkInGap) << "the text is not clipped to its cell";
    for (int y = 70; y < 132; ++y)
        for (int x = 6; x < 66; ++x)
            ASSERT_EQ(at(x, y), White) << x << "," << y;
}

TEST_F(PainterTest, the_screen_buffer_shows_the_table_at_the_view_offset)
{
    view.viewOffsetY = -10;
    Raster shown;
    view.showOnCanvas = [&](const Raster& r) {
        shown = createRaster(1, 1);
        copyRaster(r, shown, 0, 0);
    };
    repaint();
    EXPECT_EQ(pixelAt(view.screenBuffer, 4, 4 - 10 + 10), pixelAt(view.tableBitmap, 4, 14));
    EXPECT_EQ(pixelAt(view.screenBuffer, 10, 10 - 10), pixelAt(view.tableBitmap, 10, 10));
    EXPECT_EQ(rasterWidth(shown), 1);
}

} // namespace

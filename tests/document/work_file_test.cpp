#include "document/table_grid.h"
#include "document/table_template.h"
#include "document/undo_store.h"
#include "document/work_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Little-endian access written out here, independently of the code under test.
void put16(Bytes& b, std::size_t at, int v)
{
    b[at] = static_cast<std::uint8_t>(v & 0xFF);
    b[at + 1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
}
void put32(Bytes& b, std::size_t at, std::int64_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF);
}
int get16(const Bytes& b, std::size_t at)
{
    return static_cast<std::int16_t>(b[at] | (b[at + 1] << 8));
}

Bytes save(const TableGrid& grid)
{
    Bytes out;
    writeWorkFile(grid, [&out](std::span<const std::uint8_t> piece) {
        out.insert(out.end(), piece.begin(), piece.end());
    });
    return out;
}

// A table with a little of everything the editor can put into a cell.
void makeWorkedTable(TableGrid& grid, UndoStore& undo)
{
    createTable(grid, undo, *templateByName("h64")); // 12 rows, 17 columns
    grid.lineThickness = 3;
    grid.paperColour = 0x00E0FFFF;
    for (int i = 0; i < grid.rows; ++i)
        for (int j = 0; j < grid.columns; ++j) {
            grid.at(i, j).lineThickness = 3;
            grid.at(i, j).paperColour = 0x00E0FFFF;
        }

    for (int j = 3; j <= 5; ++j)
        grid.at(2, j).inTable = 1;
    grid.at(2, 3).right = grid.at(2, 5).right;
    grid.at(2, 4).merge = MergedLeft;
    grid.at(2, 5).merge = MergedLeft;
    assignCellText(grid.at(2, 4), u"stays in the absorbed cell");

    grid.at(4, 1).inTable = grid.at(5, 1).inTable = 1;
    grid.at(4, 1).bottom = grid.at(5, 1).bottom;
    grid.at(5, 1).merge = MergedUp;

    grid.at(7, 7).inTable = 1;
    grid.at(7, 7).cancelled = 1;
    grid.at(8, 8).inTable = 1;
    grid.at(8, 8).marked = 1;
    grid.at(9, 0).selected = 1;

    CellRecord& lines = grid.at(10, 10);
    lines.vertLineOn = lines.horzLineOn = 1;
    lines.vertLineX1 = 660;
    lines.vertLineY1 = 642;
    lines.vertLineX2 = 660;
    lines.vertLineY2 = 770;
    lines.horzLineX1 = -5;
    lines.horzLineY1 = 642;
    lines.horzLineX2 = 0x7FFFFFFF;
    lines.horzLineY2 = 642;

    CellRecord& odd = grid.at(1, 16);
    odd.inTable = 1;
    odd.backColour = -2;
    odd.bold = odd.italic = odd.underline = odd.strikeout = odd.leading = 1;
    odd.fontSize = -7;
    odd.alignment = AlignVerticalCentred;
    odd.numberFormat = 3;
    odd.numericText = 1;
    odd.fontName.fill('z'); // bytes after the terminator are kept as they are
    assignText(odd.fontName, "DejaVu Sans");
    odd.picture.fill('\x7F');
    assignText(odd.picture, "/home/ana/fotos/niña.jpg|16777215");
    assignText(odd.icon, "/usr/share/icons/a.ico");
    odd.text.fill(u'\xFFFF');
    std::u16string longText(272, u'\u00e9');
    longText += u"\U0001F600"; // a surrogate pair straddling the cut
    assignCellText(odd, longText);
    odd.reserved.fill('R');

    CellRecord& noTerminator = grid.at(11, 15);
    noTerminator.inTable = 1;
    std::u16string exact(273, u'\u4e2d');
    assignCellText(noTerminator, exact);
}

struct GridCopy {
    std::vector<CellRecord> cells;
    std::int16_t rows, columns, cellWidth, cellHeight, separation;
    std::int32_t lineThickness;
    Colour lineColour, paperColour;
};

GridCopy copyOf(const TableGrid& g)
{
    return {g.cells,      g.rows,          g.columns,    g.cellWidth,  g.cellHeight,
            g.separation, g.lineThickness, g.lineColour, g.paperColour};
}

void expectSameGrid(const TableGrid& g, const GridCopy& c)
{
    EXPECT_EQ(g.rows, c.rows);
    EXPECT_EQ(g.columns, c.columns);
    EXPECT_EQ(g.cellWidth, c.cellWidth);
    EXPECT_EQ(g.cellHeight, c.cellHeight);
    EXPECT_EQ(g.separation, c.separation);
    EXPECT_EQ(g.lineThickness, c.lineThickness);
    EXPECT_EQ(g.lineColour, c.lineColour);
    EXPECT_EQ(g.paperColour, c.paperColour);
    EXPECT_TRUE(g.cells == c.cells);
}

class WorkFileTest : public ::testing::Test {
  protected:
    std::unique_ptr<TableGrid> grid = std::make_unique<TableGrid>();
    UndoStore undo;
};

TEST_F(WorkFileTest, saving_writes_rows_outer_columns_inner_one_full_record_per_cell)
{
    createTable(*grid, undo, *templateByName("h16"));
    const Bytes file = save(*grid);
    ASSERT_EQ(file.size(), 46u * 65u * 1345u);
    EXPECT_EQ(get16(file, 18), 0); // record 1: row 0, column 0
    EXPECT_EQ(get16(file, 16), 0);
    EXPECT_EQ(get16(file, 1345 + 18), 0); // record 2: row 0, column 1
    EXPECT_EQ(get16(file, 1345 + 16), 1);
    EXPECT_EQ(get16(file, 65 * 1345 + 18), 1); // record 66: row 1, column 0
    EXPECT_EQ(get16(file, 65 * 1345 + 16), 0);
    const std::size_t last = (46 * 65 - 1) * 1345;
    EXPECT_EQ(get16(file, last + 18), 45);
    EXPECT_EQ(get16(file, last + 16), 64);
    EXPECT_EQ(get16(file, last + 8), 2 + 65 * 16); // right of cell (45, 64)
    EXPECT_EQ(workFileSize(*grid), file.size());
}

TEST_F(WorkFileTest, a_worked_table_comes_back_from_shuffled_records_unmarked_and_otherwise_whole)
{
    makeWorkedTable(*grid, undo);
    const GridCopy saved = copyOf(*grid);
    Bytes file = save(*grid);

    // Keep the first record first (it carries the table-level values) and shuffle the rest.
    const std::size_t count = file.size() / 1345;
    std::vector<std::size_t> order(count);
    for (std::size_t k = 0; k < count; ++k)
        order[k] = k;
    std::shuffle(order.begin() + 1, order.end(), std::mt19937(4));
    Bytes shuffled;
    for (std::size_t k : order)
        shuffled.insert(shuffled.end(), file.begin() + k * 1345, file.begin() + (k + 1) * 1345);

    auto loaded = std::make_unique<TableGrid>();
    UndoStore loadedUndo;
    createTable(*loaded, loadedUndo, *templateByName("v16"));
    takeSnapshot(loadedUndo, *loaded);
    int hookCalls = 0;
    loadedUndo.onSnapshot = [&hookCalls] { ++hookCalls; };

    const WorkFileLoadResult result =
        loadWorkFileBytes(shuffled, WorkFileFormat::Current, *loaded, loadedUndo);
    ASSERT_TRUE(result.accepted());

    GridCopy expected = saved;
    expected.cells[8 * GridSize + 8].marked = 0;
    expectSameGrid(*loaded, expected);
    EXPECT_EQ(loadedUndo.position, 0);
    EXPECT_EQ(loadedUndo.lastWritten, -1);
    for (const auto& level : loadedUndo.levels)
        EXPECT_TRUE(level.empty());
    takeSnapshot(loadedUndo, *loaded);
    EXPECT_EQ(hookCalls, 1) << "the undo hook survives a load";
}

TEST_F(WorkFileTest, the_largest_table_is_accepted_and_one_record_more_is_refused)
{
    createTable(*grid, undo, *templateByName("h16"));
    grid->rows = grid->columns = 101;
    for (int i = 0; i < 101; ++i)
        for (int j = 0; j < 101; ++j) {
            CellRecord& c = grid->at(i, j);
            c = grid->at(0, 0);
            c.row = static_cast<std::int16_t>(i);
            c.column = static_cast<std::int16_t>(j);
            c.tableRows = c.tableColumns = 101;
            c.left = i * 1000 + j;
        }
    Bytes file = save(*grid);
    auto loaded = std::make_unique<TableGrid>();
    ASSERT_TRUE(loadWorkFileBytes(file, WorkFileFormat::Current, *loaded, undo).accepted());
    EXPECT_EQ(loaded->rows, 101);
    EXPECT_EQ(loaded->at(100, 100).left, 100100);
    EXPECT_EQ(loaded->at(37, 58).left, 37058);

    file.insert(file.end(), file.begin(), file.begin() + 1345);
    const WorkFileLoadResult tooMany =
        loadWorkFileBytes(file, WorkFileFormat::Current, *loaded, undo);
    EXPECT_EQ(tooMany.refusal, WorkFileRefusal::TooManyRecords);
    EXPECT_EQ(tooMany.recordNumber, 10202u);
}

TEST_F(WorkFileTest, each_record_goes_to_the_cell_it_names_even_outside_the_table_size)
{
    createTable(*grid, undo, *templateByName("h64"));
    grid->rows = grid->columns = 2;
    grid->at(0, 0).tableRows = grid->at(0, 0).tableColumns = 2;
    Bytes file = save(*grid);
    // A third record naming cell (50, 60).
    file.insert(file.end(), file.begin(), file.begin() + 1345);
    put16(file, 4 * 1345 + 18, 50);
    put16(file, 4 * 1345 + 16, 60);
    put32(file, 4 * 1345 + 0, 4242);

    auto loaded = std::make_unique<TableGrid>();
    createTable(*loaded, undo, *templateByName("h64"));
    ASSERT_TRUE(loadWorkFileBytes(file, WorkFileFormat::Current, *loaded, undo).accepted());
    EXPECT_EQ(loaded->rows, 2);
    EXPECT_EQ(loaded->at(50, 60).left, 4242);
    EXPECT_EQ(loaded->at(50, 60).row, 50);
    EXPECT_EQ(loaded->at(2, 0), CellRecord{}) << "cells named by no record stay zero";
}

// A record of the earlier version, written field by field at the offsets that version used.
Bytes previousRecord(int row, int column, int rows, int columns)
{
    Bytes r(1071, 0);
    put32(r, 0, 10 + column * 24);
    put32(r, 4, 20 + row * 24);
    put32(r, 8, 34 + column * 24);
    put32(r, 12, 44 + row * 24);
    put16(r, 16, column);
    put16(r, 18, row);
    put32(r, 20, 0x00112233);
    put32(r, 24, 0x00445566);
    const std::string font = "Arial";
    std::copy(font.begin(), font.end(), r.begin() + 28);
    put16(r, 128, 12);
    put32(r, 130, 1); // bold
    put32(r, 146, 1); // leading
    const std::string picture = "C:\\fotos\\a.bmp|-2";
    std::copy(picture.begin(), picture.end(), r.begin() + 150);
    const std::u16string text = u"Año " + std::u16string(1, static_cast<char16_t>(u'0' + column));
    for (std::size_t i = 0; i < text.size(); ++i)
        put16(r, 424 + 2 * i, text[i]);
    put16(r, 972, 133);     // alignment
    put16(r, 974, columns); // tableColumns
    put16(r, 976, rows);    // tableRows
    put16(r, 978, 2);       // lineThickness
    put32(r, 980, 0x00C0C0C0);
    put32(r, 984, column == 2 ? 1 : 0); // merge
    put32(r, 988, 1);                   // marked, ignored
    put32(r, 992, row == 1 ? 1 : 0);    // cancelled
    put16(r, 996, 24);
    put16(r, 998, 24);
    put16(r, 1000, 1);
    put32(r, 1002, 0x00FFFFFF);
    put16(r, 1006, 4);
    put32(r, 1008, 1);
    r[1012] = 'q';
    r[1022] = 'Q';
    for (int k = 0; k < 12; ++k)
        put32(r, 1023 + 4 * k, 1000 * (k + 1) + row * 10 + column);
    return r;
}

TEST_F(WorkFileTest, previous_format_fields_land_in_their_current_places_with_an_empty_icon)
{
    Bytes file;
    for (int k = 5; k >= 0; --k) { // last cell first: the order must not matter
        const int row = k / 3, column = k % 3;
        const Bytes r = previousRecord(row, column, 2, 3);
        file.insert(file.end(), r.begin(), r.end());
    }
    // The first record carries the table-level values; make the others disagree.
    for (std::size_t k = 1; k < 6; ++k)
        put16(file, k * 1071 + 996, 99);
    put16(file, 996, 24);

    createTable(*grid, undo, *templateByName("h16"));
    assignText(grid->at(0, 0).icon, "old.ico");
    ASSERT_TRUE(loadWorkFileBytes(file, WorkFileFormat::Previous, *grid, undo).accepted());

    EXPECT_EQ(grid->rows, 2);
    EXPECT_EQ(grid->columns, 3);
    EXPECT_EQ(grid->cellWidth, 24) << "taken from the first record, which names cell (1, 2)";
    EXPECT_EQ(grid->lineThickness, 2);
    EXPECT_EQ(grid->lineColour, 0x00C0C0C0);
    EXPECT_EQ(grid->paperColour, 0x00FFFFFF);

    const CellRecord& c = grid->at(1, 2);
    EXPECT_EQ(c.left, 10 + 48);
    EXPECT_EQ(c.bottom, 44 + 24);
    EXPECT_EQ(c.column, 2);
    EXPECT_EQ(c.row, 1);
    EXPECT_EQ(c.backColour, 0x00112233);
    EXPECT_EQ(c.textColour, 0x00445566);
    EXPECT_EQ(readText(c.fontName), "Arial");
    EXPECT_EQ(c.fontSize, 12);
    EXPECT_EQ(c.bold, 1);
    EXPECT_EQ(c.italic, 0);
    EXPECT_EQ(c.leading, 1);
    EXPECT_EQ(readText(c.picture), "C:\\fotos\\a.bmp|-2");
    EXPECT_TRUE(std::all_of(c.icon.begin(), c.icon.end(), [](char b) { return b == 0; }));
    EXPECT_EQ(cellText(c), u"Año 2");
    EXPECT_EQ(c.alignment, 133);
    EXPECT_EQ(c.tableColumns, 3);
    EXPECT_EQ(c.tableRows, 2);
    EXPECT_EQ(c.lineThickness, 2);
    EXPECT_EQ(c.lineColour, 0x00C0C0C0);
    EXPECT_EQ(c.merge, 1);
    EXPECT_EQ(c.marked, 0);
    EXPECT_EQ(c.cancelled, 1);
    EXPECT_EQ(c.cellWidth, 24);
    EXPECT_EQ(c.cellHeight, 24);
    EXPECT_EQ(c.separation, 1);
    EXPECT_EQ(c.paperColour, 0x00FFFFFF);
    EXPECT_EQ(c.numberFormat, 4);
    EXPECT_EQ(c.numericText, 1);
    EXPECT_EQ(c.reserved[0], 'q');
    EXPECT_EQ(c.reserved[10], 'Q');
    const std::int32_t lineFields[12] = {c.selected,   c.inTable,    c.vertLineOn, c.horzLineOn,
                                         c.vertLineX1, c.vertLineY1, c.vertLineX2, c.vertLineY2,
                                         c.horzLineX1, c.horzLineY1, c.horzLineX2, c.horzLineY2};
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(lineFields[k], 1000 * (k + 1) + 12) << "field " << k << " after selected";

    EXPECT_EQ(cellText(grid->at(0, 0)), u"Año 0");
    EXPECT_EQ(grid->at(0, 0).cellWidth, 99);
    EXPECT_EQ(grid->at(0, 0).icon[0], 0);
}

TEST_F(WorkFileTest, text_fields_without_a_terminator_are_cut_to_their_size_less_one)
{
    for (const WorkFileFormat format : {WorkFileFormat::Current, WorkFileFormat::Previous}) {
        const bool previous = format == WorkFileFormat::Previous;
        const std::size_t textAt = previous ? 424 : 698;
        Bytes file = previous ? previousRecord(0, 0, 1, 1) : Bytes(1345, 0);
        if (!previous) {
            put16(file, 1248, 1);
            put16(file, 1250, 1);
            std::fill(file.begin() + 424, file.begin() + 698, 'i');
        }
        std::fill(file.begin() + 28, file.begin() + 128, 'f');
        std::fill(file.begin() + 150, file.begin() + 424, 'p');
        for (std::size_t i = 0; i < 274; ++i)
            put16(file, textAt + 2 * i, 0x4e2d);

        auto loaded = std::make_unique<TableGrid>();
        ASSERT_TRUE(loadWorkFileBytes(file, format, *loaded, undo).accepted());
        const CellRecord& c = loaded->at(0, 0);
        EXPECT_EQ(readText(c.fontName), std::string(99, 'f'));
        EXPECT_EQ(c.fontName[99], 0);
        EXPECT_EQ(readText(c.picture), std::string(273, 'p'));
        EXPECT_EQ(c.picture[273], 0);
        EXPECT_EQ(readText(c.icon), previous ? std::string() : std::string(273, 'i'));
        EXPECT_EQ(c.icon[273], 0);
        EXPECT_EQ(cellText(c), std::u16string(273, u'\u4e2d'));
        EXPECT_EQ(c.text[273], 0);
    }
}

struct RefusalCase {
    const char* name;
    WorkFileFormat format;
    std::function<Bytes()> file;
    WorkFileRefusal refusal;
    std::size_t recordNumber;
    std::size_t byteOffset;
};

Bytes currentFile(int records, int rows = 3, int columns = 1)
{
    Bytes file(static_cast<std::size_t>(records) * 1345, 0);
    for (int k = 0; k < records; ++k) {
        put16(file, k * 1345 + 1248, columns);
        put16(file, k * 1345 + 1250, rows);
        put16(file, k * 1345 + 18, k);
    }
    return file;
}

Bytes previousFile(int records)
{
    Bytes file;
    for (int k = 0; k < records; ++k) {
        const Bytes r = previousRecord(k, 0, records, 1);
        file.insert(file.end(), r.begin(), r.end());
    }
    return file;
}

Bytes with16(Bytes b, std::size_t at, int v)
{
    put16(b, at, v);
    return b;
}

const RefusalCase refusalCases[] = {
    {"partial_record", WorkFileFormat::Current,
     [] {
         Bytes b = currentFile(3);
         b.push_back(0);
         return b;
     },
     WorkFileRefusal::WrongLength, 4, 3 * 1345},
    {"previous_file_read_as_current", WorkFileFormat::Current, [] { return previousFile(3); },
     WorkFileRefusal::WrongLength, 3, 2 * 1345},
    {"current_file_read_as_previous", WorkFileFormat::Previous, [] { return currentFile(3); },
     WorkFileRefusal::WrongLength, 4, 3 * 1071},
    {"no_rows", WorkFileFormat::Current, [] { return with16(currentFile(3), 1250, 0); },
     WorkFileRefusal::BadTableSize, 1, 1250},
    {"negative_rows", WorkFileFormat::Current, [] { return with16(currentFile(3), 1250, -3); },
     WorkFileRefusal::BadTableSize, 1, 1250},
    {"columns_beyond_the_grid", WorkFileFormat::Current,
     [] { return with16(currentFile(3), 1248, 102); }, WorkFileRefusal::BadTableSize, 1, 1248},
    {"previous_rows_beyond_the_grid", WorkFileFormat::Previous,
     [] { return with16(previousFile(3), 976, 300); }, WorkFileRefusal::BadTableSize, 1, 976},
    {"previous_no_columns", WorkFileFormat::Previous,
     [] { return with16(previousFile(3), 974, 0); }, WorkFileRefusal::BadTableSize, 1, 974},
    {"row_beyond_the_grid", WorkFileFormat::Current,
     [] { return with16(currentFile(3), 2 * 1345 + 18, 101); }, WorkFileRefusal::BadCellIndex, 3,
     2 * 1345 + 18},
    {"negative_column", WorkFileFormat::Current,
     [] { return with16(currentFile(3), 1345 + 16, -1); }, WorkFileRefusal::BadCellIndex, 2,
     1345 + 16},
    {"first_record_column_beyond_the_grid", WorkFileFormat::Current,
     [] { return with16(currentFile(3), 16, 32767); }, WorkFileRefusal::BadCellIndex, 1, 16},
    {"previous_row_beyond_the_grid", WorkFileFormat::Previous,
     [] { return with16(previousFile(3), 1071 + 18, 200); }, WorkFileRefusal::BadCellIndex, 2,
     1071 + 18},
    {"more_records_than_the_grid_holds", WorkFileFormat::Previous,
     [] {
         Bytes b = previousFile(1);
         b.resize(1071 * 10202);
         return b;
     },
     WorkFileRefusal::TooManyRecords, 10202, 10201 * 1071},
};

TEST_F(WorkFileTest, refused_files_name_the_fault_and_leave_the_table_and_its_undo_history)
{
    makeWorkedTable(*grid, undo);
    takeSnapshot(undo, *grid);
    assignCellText(grid->at(2, 3), u"after the first snapshot");
    takeSnapshot(undo, *grid);
    const GridCopy before = copyOf(*grid);
    const auto levelsBefore = undo.levels;
    const auto positionBefore = undo.position;
    const auto lastWrittenBefore = undo.lastWritten;

    for (const RefusalCase& c : refusalCases) {
        SCOPED_TRACE(c.name);
        const WorkFileLoadResult result = loadWorkFileBytes(c.file(), c.format, *grid, undo);
        EXPECT_EQ(result.refusal, c.refusal);
        EXPECT_EQ(result.recordNumber, c.recordNumber);
        EXPECT_EQ(result.byteOffset, c.byteOffset);
        expectSameGrid(*grid, before);
        EXPECT_EQ(undo.position, positionBefore);
        EXPECT_EQ(undo.lastWritten, lastWrittenBefore);
        EXPECT_TRUE(undo.levels == levelsBefore);
    }
}

TEST_F(WorkFileTest, an_empty_file_is_accepted_and_changes_nothing)
{
    makeWorkedTable(*grid, undo);
    takeSnapshot(undo, *grid);
    const GridCopy before = copyOf(*grid);
    for (const WorkFileFormat format : {WorkFileFormat::Current, WorkFileFormat::Previous}) {
        EXPECT_TRUE(loadWorkFileBytes({}, format, *grid, undo).accepted());
        expectSameGrid(*grid, before);
        EXPECT_EQ(undo.position, 1);
        EXPECT_EQ(undo.lastWritten, 0);
    }
}

TEST_F(WorkFileTest,
       a_current_file_of_21_by_51_records_passes_the_length_test_of_the_previous_format)
{
    // Blank records, so that whatever the earlier layout finds at its row and column
    // offsets is a valid index.
    grid->rows = 21;
    grid->columns = 51;
    const Bytes file = save(*grid);
    ASSERT_EQ(file.size() % 1071, 0u);

    const WorkFileLoadResult asPrevious =
        loadWorkFileBytes(file, WorkFileFormat::Previous, *grid, undo);
    EXPECT_NE(asPrevious.refusal, WorkFileRefusal::WrongLength);
    // Decoded with the earlier layout, the table size comes from inside the empty cell text.
    EXPECT_EQ(asPrevious.refusal, WorkFileRefusal::BadTableSize);
    EXPECT_EQ(asPrevious.byteOffset, 974u);

    // With the text chosen so that those bytes make a table size, the file is read that way.
    Bytes shaped = file;
    put16(shaped, 974, 3);
    put16(shaped, 976, 2);
    auto loaded = std::make_unique<TableGrid>();
    ASSERT_TRUE(loadWorkFileBytes(shaped, WorkFileFormat::Previous, *loaded, undo).accepted());
    EXPECT_EQ(loaded->rows, 2);
    EXPECT_EQ(loaded->columns, 3);
}

} // namespace

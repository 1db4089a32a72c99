#pragma once

#include "document/table_grid.h"
#include "document/table_template.h"
#include "document/undo_store.h"
#include "document/work_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace fuzzing {

struct LoaderState {
    std::unique_ptr<TableGrid> grid = std::make_unique<TableGrid>();
    UndoStore undo;

    LoaderState()
    {
        createTable(*grid, undo, *templateByName("h64"));
        takeSnapshot(undo, *grid);
    }
};

inline void require(bool condition)
{
    if (!condition)
        std::abort();
}

template <typename Char, std::size_t N> bool terminated(const std::array<Char, N>& field)
{
    return std::find(field.begin(), field.end(), Char{0}) != field.end();
}

inline int readLittle16(const std::uint8_t* p)
{
    return static_cast<std::int16_t>(p[0] | (p[1] << 8));
}

} // namespace fuzzing

// Loads one input over a table kept from the inputs before, and checks what a load promises
// whatever the bytes: a refusal changes nothing; an acceptance gives a table of 1..101 rows
// and columns, every cell a record named is unmarked with all its text fields ending inside
// their fields, the undo history is empty, and the table saves again to the expected size.
inline int fuzzWorkFile(const std::uint8_t* data, std::size_t size, WorkFileFormat format)
{
    using namespace fuzzing;
    static LoaderState state;
    TableGrid& grid = *state.grid;

    const std::int16_t rows = grid.rows;
    const std::int16_t columns = grid.columns;
    const CellRecord first = grid.at(0, 0);
    const CellRecord last = grid.at(rows - 1, columns - 1);
    const auto position = state.undo.position;
    const auto lastWritten = state.undo.lastWritten;

    const WorkFileLoadResult result =
        loadWorkFileBytes(std::span<const std::uint8_t>(data, size), format, grid, state.undo);

    if (!result.accepted() || size == 0) {
        require(grid.rows == rows && grid.columns == columns);
        require(grid.at(0, 0) == first && grid.at(rows - 1, columns - 1) == last);
        require(state.undo.position == position && state.undo.lastWritten == lastWritten);
        require(result.accepted() || (result.recordNumber >= 1 && result.byteOffset <= size));
        return 0;
    }

    require(grid.rows >= 1 && grid.rows <= GridSize);
    require(grid.columns >= 1 && grid.columns <= GridSize);
    require(state.undo.position == 0 && state.undo.lastWritten == -1);
    const std::size_t recordSize = workFileRecordSize(format);
    for (std::size_t at = 0; at < size; at += recordSize) {
        const CellRecord* cell =
            grid.find(readLittle16(data + at + 18), readLittle16(data + at + 16));
        require(cell != nullptr);
        require(cell->marked == 0);
        require(terminated(cell->fontName) && terminated(cell->picture));
        require(terminated(cell->icon) && terminated(cell->text));
        require(format == WorkFileFormat::Current || cell->icon[0] == 0);
    }

    std::size_t written = 0;
    writeWorkFile(grid,
                  [&written](std::span<const std::uint8_t> piece) { written += piece.size(); });
    require(written == static_cast<std::size_t>(grid.rows) * grid.columns * CellRecordSize);

    takeSnapshot(state.undo, grid);
    return 0;
}

#pragma once

#include "document/table_grid.h"
#include "document/table_template.h"
#include "document/undo_store.h"

// The largest table the grid holds, 101 x 101 free cells of 10 pixels, which fits the
// canvas: what the benchmarks that need every record in use start from.
inline void makeLargestTable(TableGrid& grid, UndoStore& undo)
{
    createTable(grid, undo, TableTemplates[0]);
    grid.rows = grid.columns = GridSize;
    grid.cellWidth = grid.cellHeight = 10;
    const CellRecord model = grid.at(0, 0);
    for (int i = 0; i < GridSize; ++i)
        for (int j = 0; j < GridSize; ++j) {
            CellRecord& c = grid.at(i, j);
            c = model;
            c.row = static_cast<std::int16_t>(i);
            c.column = static_cast<std::int16_t>(j);
            c.tableRows = c.tableColumns = GridSize;
            c.cellWidth = c.cellHeight = 10;
            c.left = TableOrigin + j * 10;
            c.top = TableOrigin + i * 10;
            c.right = c.left + 10;
            c.bottom = c.top + 10;
        }
}

#include "document/table_grid.h"

#include <algorithm>
#include <cassert>

namespace {
std::size_t indexOf(int row, int column)
{
    assert(insideGrid(row, column));
    row = std::clamp(row, 0, GridSize - 1);
    column = std::clamp(column, 0, GridSize - 1);
    return static_cast<std::size_t>(row) * GridSize + static_cast<std::size_t>(column);
}
} // namespace

CellRecord& TableGrid::at(int row, int column)
{
    return cells[indexOf(row, column)];
}

const CellRecord& TableGrid::at(int row, int column) const
{
    return cells[indexOf(row, column)];
}

CellRecord* TableGrid::find(int row, int column)
{
    return insideGrid(row, column) ? &cells[indexOf(row, column)] : nullptr;
}

const CellRecord* TableGrid::find(int row, int column) const
{
    return insideGrid(row, column) ? &cells[indexOf(row, column)] : nullptr;
}

void clearGrid(TableGrid& grid)
{
    std::fill(grid.cells.begin(), grid.cells.end(), CellRecord{});
    grid.rows = grid.columns = 0;
    grid.cellWidth = grid.cellHeight = grid.separation = 0;
    grid.lineThickness = 0;
    grid.lineColour = grid.paperColour = 0;
}

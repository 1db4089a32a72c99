#include "render/new_table_cells.h"

#include "document/table_grid.h"
#include "platform/raster.h"

void drawNewTableCells(Raster& tableBitmap, const TableGrid& grid)
{
    setPen(tableBitmap, grid.lineThickness, PenStyle::Solid);
    for (int i = 0; i < grid.rows; ++i) {
        for (int j = 0; j < grid.columns; ++j) {
            const CellRecord& cell = grid.at(i, j);
            const int dx = j * grid.separation + TableOrigin;
            const int dy = i * grid.separation + TableOrigin;
            drawBox(tableBitmap, cell.left + dx, cell.top + dy, cell.right + dx, cell.bottom + dy,
                    grid.lineColour, BoxFill::Solid, White);
        }
    }
}

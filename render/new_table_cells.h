#pragma once

struct Raster;
struct TableGrid;

// Draws the cells of a freshly created table as squared paper: each cell an outlined box in
// the line colour, filled white, at its drawing position.
void drawNewTableCells(Raster& tableBitmap, const TableGrid& grid);

#pragma once

#include "document/cell_record.h"

#include <cstdint>
#include <vector>

constexpr int GridSize = 101;  // rows and columns 0..100
constexpr int TableOrigin = 2; // x and y origin of the cell geometry

inline bool insideGrid(int row, int column)
{
    return row >= 0 && row < GridSize && column >= 0 && column < GridSize;
}

// The open document: 101 x 101 records of which rows x columns are in use, and the values
// that belong to the whole table (every cell in use carries a copy of them).
struct TableGrid {
    std::vector<CellRecord> cells = std::vector<CellRecord>(GridSize * GridSize);
    std::int16_t rows = 0;
    std::int16_t columns = 0;
    std::int16_t cellWidth = 0;
    std::int16_t cellHeight = 0;
    std::int16_t separation = 0;
    std::int32_t lineThickness = 0;
    Colour lineColour = 0;
    Colour paperColour = 0;

    // Indices outside 0..100 never reach memory outside the grid: they are a programming
    // error, caught in debug builds and clamped to the border in release builds. Code that
    // handles numbers from outside (files, clicks) uses find() instead.
    CellRecord& at(int row, int column);
    const CellRecord& at(int row, int column) const;
    CellRecord* find(int row, int column);
    const CellRecord* find(int row, int column) const;
};

// Discards every record and the table-level values, leaving an empty grid.
void clearGrid(TableGrid& grid);

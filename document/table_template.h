#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

struct CellRecord;
struct TableGrid;
struct UndoStore;

// The entries of the New menu.
struct TableTemplate {
    int commandId;
    std::int16_t cellSize; // width = height
    std::int16_t rows;
    std::int16_t columns;
    bool vertical;
};

constexpr std::array<TableTemplate, 8> TableTemplates = {{
    {3302, 16, 46, 65, false},
    {3309, 24, 31, 44, false},
    {3303, 32, 23, 33, false},
    {3304, 64, 12, 17, false},
    {3305, 16, 65, 46, true},
    {3310, 24, 44, 31, true},
    {3306, 32, 33, 23, true},
    {3307, 64, 17, 12, true},
}};

std::optional<TableTemplate> templateForCommand(int commandId);
// "h16", "v64", ... as the command line names them.
std::optional<TableTemplate> templateByName(std::string_view name);

// Builds a fresh table of free cells and empties the undo store. Drawing the new cells is
// the painter's job (drawNewTableCells).
void createTable(TableGrid& grid, UndoStore& undo, const TableTemplate& tableTemplate);

// Gives a cell its default content; withThickness also resets its line thickness copy.
void resetCellContent(CellRecord& cell, const TableGrid& grid, bool withThickness);

#include "document/table_template.h"

#include "document/table_grid.h"
#include "document/undo_store.h"

#include <string>

std::optional<TableTemplate> templateForCommand(int commandId)
{
    for (const auto& t : TableTemplates)
        if (t.commandId == commandId)
            return t;
    return std::nullopt;
}

std::optional<TableTemplate> templateByName(std::string_view name)
{
    if (name.size() < 2 || (name[0] != 'h' && name[0] != 'v'))
        return std::nullopt;
    const bool vertical = name[0] == 'v';
    const std::string_view size = name.substr(1);
    for (const auto& t : TableTemplates) {
        if (t.vertical == vertical && size == std::to_string(t.cellSize))
            return t;
    }
    return std::nullopt;
}

void resetCellContent(CellRecord& cell, const TableGrid& grid, bool withThickness)
{
    cell.backColour = White;
    cell.textColour = Black;
    assignText(cell.fontName, "Times New Roman");
    cell.fontSize = 10;
    cell.bold = cell.italic = cell.underline = cell.strikeout = cell.leading = 0;
    assignCellText(cell, u"");
    assignText(cell.picture, "");
    assignText(cell.icon, "");
    cell.alignment = AlignLeft;
    cell.numberFormat = 6;
    cell.numericText = 0;
    if (withThickness)
        cell.lineThickness = static_cast<std::int16_t>(grid.lineThickness);
}

void createTable(TableGrid& grid, UndoStore& undo, const TableTemplate& t)
{
    clearGrid(grid);
    resetUndoStore(undo);
    grid.cellWidth = grid.cellHeight = t.cellSize;
    grid.separation = 1;
    grid.lineThickness = 1;
    grid.rows = t.rows;
    grid.columns = t.columns;
    grid.lineColour = Silver;
    grid.paperColour = White;

    for (int i = 0; i < grid.rows; ++i) {
        for (int j = 0; j < grid.columns; ++j) {
            CellRecord& cell = grid.at(i, j);
            cell.left = TableOrigin + j * grid.cellWidth;
            cell.top = TableOrigin + i * grid.cellHeight;
            cell.right = TableOrigin + (j + 1) * grid.cellWidth;
            cell.bottom = TableOrigin + (i + 1) * grid.cellHeight;
            cell.column = static_cast<std::int16_t>(j);
            cell.row = static_cast<std::int16_t>(i);
            cell.backColour = White;
            cell.textColour = Black;
            assignText(cell.fontName, "Times New Roman");
            cell.fontSize = 10;
            cell.alignment = AlignLeft;
            cell.tableColumns = grid.columns;
            cell.tableRows = grid.rows;
            cell.lineThickness = static_cast<std::int16_t>(grid.lineThickness);
            cell.lineColour = grid.lineColour;
            cell.cellWidth = grid.cellWidth;
            cell.cellHeight = grid.cellHeight;
            cell.separation = grid.separation;
            cell.paperColour = grid.paperColour;
            cell.numberFormat = 6;
        }
    }
}

#pragma once

#include "document/table_grid.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

constexpr int UndoLevels = 51;    // levels 0..50
constexpr int UndoLastLevel = 49; // the highest level a snapshot ever writes

// Snapshots of the cells in use. A level shares the record of the level written before it
// wherever the cell has not changed, so fifty levels after small edits cost little more
// than one copy of the table.
struct UndoStore {
    using Level = std::vector<std::shared_ptr<const CellRecord>>; // rows x columns, row-major
    std::array<Level, UndoLevels> levels;
    std::int16_t position = 0;
    std::int32_t busy = 1; // 1: an undo may start; 2: one is running
    int lastWritten = -1;  // the level the latest snapshot wrote, -1 when none

    // Called by every snapshot, so that the menu bar can enable Undo.
    std::function<void()> onSnapshot;
};

// Empties the store, as creating or loading a table does; the hook stays attached.
void resetUndoStore(UndoStore& store);

void takeSnapshot(UndoStore& store, const TableGrid& grid);
void undoLast(UndoStore& store, TableGrid& grid);

#include "document/undo_store.h"

namespace {
// Snapshots hold every field but the icon, so two records that differ only there count as
// the same for sharing.
bool sameButIcon(const CellRecord& a, const CellRecord& b)
{
    CellRecord bWithIcon = b;
    bWithIcon.icon = a.icon;
    return a == bWithIcon;
}
} // namespace

void resetUndoStore(UndoStore& store)
{
    for (auto& level : store.levels)
        UndoStore::Level().swap(level);
    store.position = 0;
    store.lastWritten = -1;
}

void takeSnapshot(UndoStore& store, const TableGrid& grid)
{
    if (store.onSnapshot)
        store.onSnapshot();

    const std::size_t count =
        static_cast<std::size_t>(grid.rows) * static_cast<std::size_t>(grid.columns);
    const UndoStore::Level* previous =
        store.lastWritten >= 0 ? &store.levels[store.lastWritten] : nullptr;
    if (previous && previous->size() != count)
        previous = nullptr;

    UndoStore::Level level(count);
    std::size_t k = 0;
    for (int i = 0; i < grid.rows; ++i) {
        for (int j = 0; j < grid.columns; ++j, ++k) {
            const CellRecord& cell = grid.at(i, j);
            if (previous && sameButIcon(*(*previous)[k], cell))
                level[k] = (*previous)[k];
            else
                level[k] = std::make_shared<const CellRecord>(cell);
        }
    }
    store.levels[store.position] = std::move(level);
    store.lastWritten = store.position;
    if (store.position < UndoLastLevel)
        ++store.position;
}

void undoLast(UndoStore& store, TableGrid& grid)
{
    if (store.busy != 1)
        return;
    store.busy = 2;
    if (store.position > 0)
        --store.position;

    // A level that no snapshot has written holds no cells: restoring it would wipe the
    // table to zeros, so such an undo leaves the cells as they are.
    const UndoStore::Level& level = store.levels[store.position];
    const std::size_t count =
        static_cast<std::size_t>(grid.rows) * static_cast<std::size_t>(grid.columns);
    if (level.size() == count) {
        std::size_t k = 0;
        for (int i = 0; i < grid.rows; ++i) {
            for (int j = 0; j < grid.columns; ++j, ++k) {
                CellRecord& cell = grid.at(i, j);
                const auto icon = cell.icon;
                cell = *level[k];
                cell.icon = icon;
            }
        }
    }
    store.busy = 1;
}

#include "document/table_grid.h"
#include "document/table_template.h"
#include "document/undo_store.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

namespace {

// The largest table the grid holds: 101 x 101 cells.
void makeMaxTable(TableGrid& grid, UndoStore& undo)
{
    createTable(grid, undo, TableTemplates[0]);
    grid.rows = grid.columns = 101;
    for (int i = 0; i < 101; ++i)
        for (int j = 0; j < 101; ++j) {
            CellRecord& c = grid.at(i, j);
            c = grid.at(0, 0);
            c.row = static_cast<std::int16_t>(i);
            c.column = static_cast<std::int16_t>(j);
        }
}

double residentMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

void undoSnapshot(benchmark::State& state)
{
    auto grid = std::make_unique<TableGrid>();
    UndoStore undo;
    makeMaxTable(*grid, undo);
    takeSnapshot(undo, *grid);
    int n = 0;
    for (auto _ : state) {
        grid->at(n % 101, 7).fontSize = static_cast<std::int16_t>(n);
        takeSnapshot(undo, *grid);
        ++n;
    }
}
BENCHMARK(undoSnapshot)->Name("undo/snapshot")->Unit(benchmark::kMillisecond);

void undoUndo(benchmark::State& state)
{
    auto grid = std::make_unique<TableGrid>();
    UndoStore undo;
    makeMaxTable(*grid, undo);
    for (int k = 0; k < 49; ++k) {
        grid->at(k, 3).bold = k;
        takeSnapshot(undo, *grid);
    }
    for (auto _ : state) {
        undoLast(undo, *grid);
        if (undo.position == 0)
            undo.position = 49;
    }
}
BENCHMARK(undoUndo)->Name("undo/undo")->Unit(benchmark::kMillisecond);

void undoMemory49(benchmark::State& state)
{
    for (auto _ : state) {
        auto grid = std::make_unique<TableGrid>();
        auto undo = std::make_unique<UndoStore>();
        makeMaxTable(*grid, *undo);
        for (int k = 0; k < 49; ++k) {
            grid->at(k, 5).italic = k;
            takeSnapshot(*undo, *grid);
        }
        state.counters["rss_mb"] = residentMegabytes();
        benchmark::DoNotOptimize(undo->position);
    }
}
BENCHMARK(undoMemory49)->Name("undo/memory_49")->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

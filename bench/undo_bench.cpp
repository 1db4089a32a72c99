#include "bench/largest_table.h"
#include "document/table_grid.h"
#include "document/table_template.h"
#include "document/undo_store.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

namespace {

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
    makeLargestTable(*grid, undo);
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
    makeLargestTable(*grid, undo);
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
        makeLargestTable(*grid, *undo);
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

#include "app/work_file_commands.h"
#include "bench/largest_table.h"
#include "document/table_grid.h"
#include "document/table_template.h"
#include "document/undo_store.h"
#include "document/work_file.h"
#include "platform/message_service.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

// Saving and loading the largest table (101 x 101 cells, 13.7 MB) against writing and
// reading the same bytes with one plain buffered stream in the same folder. A save forces
// its file to disk, so the plain write is measured both without and with fdatasync; a load
// reads into a buffer of its own, so the plain read is measured both into a buffer kept
// from run to run and into a new one.
// The folder is CUADRIVISTA_BENCH_DIR, or the current folder.

namespace {

class SilentMessages : public MessageService {
  public:
    int shown = 0;
    MessageAnswer showMessage(const std::string&, const std::string&, MessageButtons) override
    {
        ++shown;
        return MessageAnswer::Ok;
    }
    std::string chooseFile(const FileDialogRequest&) override { return {}; }
    std::optional<Colour> chooseColour(Colour) override { return std::nullopt; }
};

std::filesystem::path benchFolder()
{
    const char* folder = std::getenv("CUADRIVISTA_BENCH_DIR");
    return folder && *folder ? std::filesystem::path(folder) : std::filesystem::current_path();
}

std::unique_ptr<TableGrid> largestTable()
{
    auto grid = std::make_unique<TableGrid>();
    UndoStore undo;
    makeLargestTable(*grid, undo);
    for (int i = 0; i < GridSize; ++i)
        for (int j = 0; j < GridSize; ++j) {
            CellRecord& c = grid->at(i, j);
            c.inTable = (i + j) % 3 == 0;
            assignCellText(c, u"Departamento de ventas " + std::u16string(1, u'A' + (j % 26)));
        }
    return grid;
}

std::vector<std::uint8_t> encodedTable(const TableGrid& grid)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(workFileSize(grid));
    writeWorkFile(grid, [&bytes](std::span<const std::uint8_t> piece) {
        bytes.insert(bytes.end(), piece.begin(), piece.end());
    });
    return bytes;
}

void workFileSave(benchmark::State& state)
{
    const auto grid = largestTable();
    const std::string path = (benchFolder() / "cv-bench-save.qvtb").string();
    SilentMessages messages;
    for (auto _ : state)
        saveWorkFile(path, *grid, messages);
    if (messages.shown != 0)
        state.SkipWithError("the save failed");
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(workFileSize(*grid)));
    std::filesystem::remove(path);
}
BENCHMARK(workFileSave)->Name("workfile/save")->Unit(benchmark::kMillisecond)->UseRealTime();

void workFileLoad(benchmark::State& state)
{
    const auto grid = largestTable();
    const std::string path = (benchFolder() / "cv-bench-load.qvtb").string();
    SilentMessages messages;
    saveWorkFile(path, *grid, messages);
    auto loaded = std::make_unique<TableGrid>();
    UndoStore undo;
    for (auto _ : state) {
        if (loadWorkFile(path, *loaded, undo, messages) != 1)
            state.SkipWithError("the load was refused");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(workFileSize(*grid)));
    std::filesystem::remove(path);
}
BENCHMARK(workFileLoad)->Name("workfile/load")->Unit(benchmark::kMillisecond)->UseRealTime();

// One buffered stream, written record by record as the save hands its pieces over.
void plainWrite(benchmark::State& state, bool synced)
{
    const auto bytes = encodedTable(*largestTable());
    const std::string path = (benchFolder() / "cv-bench-plain.bin").string();
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        for (std::size_t at = 0; at < bytes.size(); at += CellRecordSize)
            std::fwrite(bytes.data() + at, 1, CellRecordSize, file);
        std::fflush(file);
        if (synced)
            ::fdatasync(::fileno(file));
        std::fclose(file);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
    std::filesystem::remove(path);
}
BENCHMARK_CAPTURE(plainWrite, unsynced, false)
    ->Name("workfile/plain_write")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(plainWrite, synced, true)
    ->Name("workfile/plain_write_fdatasync")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// One buffered stream read into a buffer, either kept from run to run or made anew for each
// read as a loader that does not know the size beforehand must.
void plainRead(benchmark::State& state, bool newBuffer)
{
    const auto bytes = encodedTable(*largestTable());
    const std::string path = (benchFolder() / "cv-bench-plain-read.bin").string();
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<char> kept(bytes.size());
    for (auto _ : state) {
        std::vector<char> fresh(newBuffer ? bytes.size() : 0);
        std::vector<char>& buffer = newBuffer ? fresh : kept;
        std::ifstream in(path, std::ios::binary);
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
    std::filesystem::remove(path);
}
BENCHMARK_CAPTURE(plainRead, kept, false)
    ->Name("workfile/plain_read")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(plainRead, fresh, true)
    ->Name("workfile/plain_read_new_buffer")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

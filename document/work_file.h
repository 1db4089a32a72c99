#pragma once

#include "document/cell_record.h"
#include "document/table_grid.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

struct UndoStore;

// The record of the earlier version: the current record without the icon field.
constexpr std::size_t PreviousRecordSize = 1071;

// The editor never holds more than 101 x 101 cells, so no file it wrote has more records.
constexpr std::size_t MaxWorkFileRecords = static_cast<std::size_t>(GridSize) * GridSize;

enum class WorkFileFormat { Current, Previous };

enum class WorkFileRefusal {
    None,
    WrongLength,    // not a whole number of records
    TooManyRecords, // more records than a table can have
    BadTableSize,   // the first record's tableRows or tableColumns outside 1..101
    BadCellIndex,   // a record's row or column outside 0..100
};

// What a load did. On a refusal, recordNumber (counting from 1) and byteOffset name the
// record and the byte in the file where the problem lies; nothing was changed.
struct WorkFileLoadResult {
    WorkFileRefusal refusal = WorkFileRefusal::None;
    std::size_t recordNumber = 0;
    std::size_t byteOffset = 0;

    bool accepted() const { return refusal == WorkFileRefusal::None; }
};

std::size_t workFileRecordSize(WorkFileFormat format);

// An earlier-version record as a current cell: every field where the current record has
// it, the icon empty. The bytes are taken as they are (terminators are not repaired here).
CellRecord decodePreviousCellRecord(std::span<const std::uint8_t, PreviousRecordSize> in);

// Reads a whole work file held in memory into the grid. Everything is checked before the
// grid is touched: a refused file leaves the grid and the undo store exactly as they were.
// An accepted file replaces the grid and empties the undo store; an empty file is accepted
// and changes nothing.
WorkFileLoadResult loadWorkFileBytes(std::span<const std::uint8_t> bytes, WorkFileFormat format,
                                     TableGrid& grid, UndoStore& undo);

// Writes the cells in use in the current format, rows outer and columns inner, one record
// of CellRecordSize bytes per call of sink, each exactly as the cell holds it.
using ByteSink = std::function<void(std::span<const std::uint8_t>)>;
void writeWorkFile(const TableGrid& grid, const ByteSink& sink);
std::size_t workFileSize(const TableGrid& grid);

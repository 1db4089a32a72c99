#include "document/work_file.h"

#include "document/le_bytes.h"
#include "document/undo_store.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

// Fields the loader checks before decoding anything. The first 424 bytes are laid out the
// same in both formats; everything from the text on sits IconBytes earlier in the previous one.
constexpr std::size_t ColumnOffset = 16;
constexpr std::size_t RowOffset = 18;
constexpr std::size_t TableColumnsOffset = 1248;
constexpr std::size_t TableRowsOffset = 1250;
constexpr std::size_t IconBytes = CellOffset::text - CellOffset::icon;

static_assert(PreviousRecordSize + IconBytes == CellRecordSize);

std::size_t fieldOffset(std::size_t currentOffset, WorkFileFormat format)
{
    if (format == WorkFileFormat::Previous && currentOffset >= CellOffset::text)
        return currentOffset - IconBytes;
    return currentOffset;
}

// A field without a terminator is read as its first size - 1 elements.
template <std::size_t N> void cutUnterminated(std::array<char, N>& field)
{
    if (std::memchr(field.data(), 0, N) == nullptr)
        field[N - 1] = '\0';
}

template <std::size_t N> void cutUnterminated(std::array<char16_t, N>& field)
{
    if (std::char_traits<char16_t>::find(field.data(), N, u'\0') == nullptr)
        field[N - 1] = u'\0';
}

void decodeInto(CellRecord& cell, const std::uint8_t* record, WorkFileFormat format)
{
    if (format == WorkFileFormat::Current)
        decodeCellRecordInto(std::span<const std::uint8_t, CellRecordSize>(record, CellRecordSize),
                             cell);
    else
        cell = decodePreviousCellRecord(
            std::span<const std::uint8_t, PreviousRecordSize>(record, PreviousRecordSize));
    cutUnterminated(cell.fontName);
    cutUnterminated(cell.picture);
    cutUnterminated(cell.icon);
    cutUnterminated(cell.text);
    cell.marked = 0;
}

WorkFileLoadResult refusal(WorkFileRefusal why, std::size_t recordIndex, std::size_t byteOffset)
{
    return WorkFileLoadResult{why, recordIndex + 1, byteOffset};
}

} // namespace

std::size_t workFileRecordSize(WorkFileFormat format)
{
    return format == WorkFileFormat::Current ? CellRecordSize : PreviousRecordSize;
}

CellRecord decodePreviousCellRecord(std::span<const std::uint8_t, PreviousRecordSize> in)
{
    std::array<std::uint8_t, CellRecordSize> current{};
    std::memcpy(current.data(), in.data(), CellOffset::icon);
    std::memcpy(current.data() + CellOffset::text, in.data() + CellOffset::icon,
                PreviousRecordSize - CellOffset::icon);
    return decodeCellRecord(current);
}

WorkFileLoadResult loadWorkFileBytes(std::span<const std::uint8_t> bytes, WorkFileFormat format,
                                     TableGrid& grid, UndoStore& undo)
{
    const std::size_t size = workFileRecordSize(format);
    const std::size_t count = bytes.size() / size;
    if (bytes.size() % size != 0)
        return refusal(WorkFileRefusal::WrongLength, count, count * size);
    if (count == 0)
        return {};
    if (count > MaxWorkFileRecords)
        return refusal(WorkFileRefusal::TooManyRecords, MaxWorkFileRecords,
                       MaxWorkFileRecords * size);

    const std::uint8_t* first = bytes.data();
    for (const std::size_t offset : {TableColumnsOffset, TableRowsOffset}) {
        const std::size_t at = fieldOffset(offset, format);
        const int value = readInt16(first + at);
        if (value < 1 || value > GridSize)
            return refusal(WorkFileRefusal::BadTableSize, 0, at);
    }
    for (std::size_t k = 0; k < count; ++k) {
        const std::uint8_t* record = first + k * size;
        for (const std::size_t at : {RowOffset, ColumnOffset}) {
            const int value = readInt16(record + at);
            if (value < 0 || value >= GridSize)
                return refusal(WorkFileRefusal::BadCellIndex, k, k * size + at);
        }
    }

    resetUndoStore(undo);
    // Each cell is written once, with its record or emptied, instead of emptying the whole
    // grid first: a full table costs one pass over the grid instead of two.
    std::vector<bool> named(grid.cells.size(), false);
    for (std::size_t k = 0; k < count; ++k) {
        const std::uint8_t* record = first + k * size;
        CellRecord& cell = grid.at(readInt16(record + RowOffset), readInt16(record + ColumnOffset));
        decodeInto(cell, record, format);
        named[static_cast<std::size_t>(&cell - grid.cells.data())] = true;
        if (k == 0) {
            grid.rows = cell.tableRows;
            grid.columns = cell.tableColumns;
            grid.cellWidth = cell.cellWidth;
            grid.cellHeight = cell.cellHeight;
            grid.separation = cell.separation;
            grid.lineThickness = cell.lineThickness;
            grid.lineColour = cell.lineColour;
            grid.paperColour = cell.paperColour;
        }
    }
    for (std::size_t index = 0; index < named.size(); ++index) {
        if (!named[index])
            grid.cells[index] = CellRecord{};
    }
    return {};
}

void writeWorkFile(const TableGrid& grid, const ByteSink& sink)
{
    const int rows = std::clamp<int>(grid.rows, 0, GridSize);
    const int columns = std::clamp<int>(grid.columns, 0, GridSize);
    std::array<std::uint8_t, CellRecordSize> record;
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < columns; ++j) {
            encodeCellRecord(grid.at(i, j), record);
            sink(record);
        }
    }
}

std::size_t workFileSize(const TableGrid& grid)
{
    const auto rows = static_cast<std::size_t>(std::clamp<int>(grid.rows, 0, GridSize));
    const auto columns = static_cast<std::size_t>(std::clamp<int>(grid.columns, 0, GridSize));
    return rows * columns * CellRecordSize;
}

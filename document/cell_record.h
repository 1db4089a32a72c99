#pragma once

#include "document/colour.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// One cell of the table, and at the same time one record of the work file. Text fields keep
// their raw bytes, including whatever follows the terminator, so that a record read from a
// file is written back byte for byte.
struct CellRecord {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    std::int16_t column = 0;
    std::int16_t row = 0;
    Colour backColour = 0;
    Colour textColour = 0;
    std::array<char, 100> fontName{};
    std::int16_t fontSize = 0;
    std::int32_t bold = 0;
    std::int32_t italic = 0;
    std::int32_t underline = 0;
    std::int32_t strikeout = 0;
    std::int32_t leading = 0;
    std::array<char, 274> picture{};
    std::array<char, 274> icon{};
    std::array<char16_t, 274> text{};
    std::int16_t alignment = 0;
    std::int16_t tableColumns = 0;
    std::int16_t tableRows = 0;
    std::int16_t lineThickness = 0;
    Colour lineColour = 0;
    std::int32_t merge = 0;
    std::int32_t marked = 0;
    std::int32_t cancelled = 0;
    std::int16_t cellWidth = 0;
    std::int16_t cellHeight = 0;
    std::int16_t separation = 0;
    Colour paperColour = 0;
    std::int16_t numberFormat = 0;
    std::int32_t numericText = 0;
    std::array<char, 11> reserved{};
    std::int32_t selected = 0;
    std::int32_t inTable = 0;
    std::int32_t vertLineOn = 0;
    std::int32_t horzLineOn = 0;
    std::int32_t vertLineX1 = 0;
    std::int32_t vertLineY1 = 0;
    std::int32_t vertLineX2 = 0;
    std::int32_t vertLineY2 = 0;
    std::int32_t horzLineX1 = 0;
    std::int32_t horzLineY1 = 0;
    std::int32_t horzLineX2 = 0;
    std::int32_t horzLineY2 = 0;

    bool operator==(const CellRecord&) const = default;
};

constexpr std::size_t CellRecordSize = 1345;
constexpr std::size_t MaxCellTextUnits = 273;

enum AlignmentCode : std::int16_t {
    AlignLeft = 131,
    AlignRight = 132,
    AlignCentred = 133,
    AlignJustified = 134,
    AlignVerticalTop = 135,
    AlignVerticalCentred = 136,
};

enum MergeState : std::int32_t { NotMerged = 0, MergedLeft = 1, MergedUp = 2 };

// Byte offsets of the fields inside an encoded record; the previous work-file layout is
// derived from these.
namespace CellOffset {
constexpr std::size_t picture = 150;
constexpr std::size_t icon = 424;
constexpr std::size_t text = 698;
constexpr std::size_t alignment = 1246;
constexpr std::size_t reserved = 1286;
constexpr std::size_t selected = 1297;
} // namespace CellOffset

void encodeCellRecord(const CellRecord& cell, std::span<std::uint8_t, CellRecordSize> out);
CellRecord decodeCellRecord(std::span<const std::uint8_t, CellRecordSize> in);
// The same, straight into an existing record (every field is overwritten).
void decodeCellRecordInto(std::span<const std::uint8_t, CellRecordSize> in, CellRecord& cell);

// Assignment to a single-byte field: at most size - 1 bytes of UTF-8, cut at a character
// boundary, then a terminator; the bytes after the terminator keep their old values.
void assignText(std::span<char> field, std::string_view utf8);
template <std::size_t N> void assignText(std::array<char, N>& field, std::string_view utf8)
{
    assignText(std::span<char>(field), utf8);
}

// Reading a single-byte field: the bytes up to the terminator (or size - 1 bytes when there
// is none), as UTF-8. Fields written by the earlier Windows version are Windows-1252 and are
// converted when they are not valid UTF-8.
std::string readText(std::span<const char> field);
template <std::size_t N> std::string readText(const std::array<char, N>& field)
{
    return readText(std::span<const char>(field));
}

// The raw bytes of a single-byte field up to its terminator, without conversion; for hot
// paths that only need to tell whether a field is empty or plain ASCII.
std::string_view textFieldBytes(std::span<const char> field);
template <std::size_t N> std::string_view textFieldBytes(const std::array<char, N>& field)
{
    return textFieldBytes(std::span<const char>(field));
}

// The cell text: at most 273 UTF-16 units, cut on assignment, the rest of the field kept.
void assignCellText(CellRecord& cell, std::u16string_view text);
std::u16string cellText(const CellRecord& cell);
// The same text as a view into the record, valid while the record is unchanged.
std::u16string_view cellTextView(const CellRecord& cell);

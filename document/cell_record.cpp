#include "document/cell_record.h"

#include "document/le_bytes.h"
#include "document/text_encoding.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

// Walks a record's bytes field by field in layout order; the same walk encodes and decodes,
// so the two directions cannot drift apart.
template <typename Bytes> struct FieldCursor {
    Bytes bytes;
    std::size_t offset = 0;
};

void put(FieldCursor<std::uint8_t*>& c, std::int32_t& v)
{
    writeInt32(c.bytes + c.offset, v);
    c.offset += 4;
}
void put(FieldCursor<std::uint8_t*>& c, std::int16_t& v)
{
    writeInt16(c.bytes + c.offset, v);
    c.offset += 2;
}
template <std::size_t N> void put(FieldCursor<std::uint8_t*>& c, std::array<char, N>& v)
{
    std::memcpy(c.bytes + c.offset, v.data(), N);
    c.offset += N;
}
template <std::size_t N> void put(FieldCursor<std::uint8_t*>& c, std::array<char16_t, N>& v)
{
    // The text is most of a record; on little-endian hosts it is copied whole.
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(c.bytes + c.offset, v.data(), 2 * N);
    } else {
        for (std::size_t i = 0; i < N; ++i)
            writeInt16(c.bytes + c.offset + 2 * i, static_cast<std::int16_t>(v[i]));
    }
    c.offset += 2 * N;
}

void put(FieldCursor<const std::uint8_t*>& c, std::int32_t& v)
{
    v = readInt32(c.bytes + c.offset);
    c.offset += 4;
}
void put(FieldCursor<const std::uint8_t*>& c, std::int16_t& v)
{
    v = readInt16(c.bytes + c.offset);
    c.offset += 2;
}
template <std::size_t N> void put(FieldCursor<const std::uint8_t*>& c, std::array<char, N>& v)
{
    std::memcpy(v.data(), c.bytes + c.offset, N);
    c.offset += N;
}
template <std::size_t N> void put(FieldCursor<const std::uint8_t*>& c, std::array<char16_t, N>& v)
{
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(v.data(), c.bytes + c.offset, 2 * N);
    } else {
        for (std::size_t i = 0; i < N; ++i)
            v[i] = static_cast<char16_t>(
                static_cast<std::uint16_t>(readInt16(c.bytes + c.offset + 2 * i)));
    }
    c.offset += 2 * N;
}

template <typename Cursor, typename Cell> void walkFields(Cursor& c, Cell& cell)
{
    put(c, cell.left);
    put(c, cell.top);
    put(c, cell.right);
    put(c, cell.bottom);
    put(c, cell.column);
    put(c, cell.row);
    put(c, cell.backColour);
    put(c, cell.textColour);
    put(c, cell.fontName);
    put(c, cell.fontSize);
    put(c, cell.bold);
    put(c, cell.italic);
    put(c, cell.underline);
    put(c, cell.strikeout);
    put(c, cell.leading);
    put(c, cell.picture);
    put(c, cell.icon);
    put(c, cell.text);
    put(c, cell.alignment);
    put(c, cell.tableColumns);
    put(c, cell.tableRows);
    put(c, cell.lineThickness);
    put(c, cell.lineColour);
    put(c, cell.merge);
    put(c, cell.marked);
    put(c, cell.cancelled);
    put(c, cell.cellWidth);
    put(c, cell.cellHeight);
    put(c, cell.separation);
    put(c, cell.paperColour);
    put(c, cell.numberFormat);
    put(c, cell.numericText);
    put(c, cell.reserved);
    put(c, cell.selected);
    put(c, cell.inTable);
    put(c, cell.vertLineOn);
    put(c, cell.horzLineOn);
    put(c, cell.vertLineX1);
    put(c, cell.vertLineY1);
    put(c, cell.vertLineX2);
    put(c, cell.vertLineY2);
    put(c, cell.horzLineX1);
    put(c, cell.horzLineY1);
    put(c, cell.horzLineX2);
    put(c, cell.horzLineY2);
}

} // namespace

void encodeCellRecord(const CellRecord& cell, std::span<std::uint8_t, CellRecordSize> out)
{
    FieldCursor<std::uint8_t*> cursor{out.data()};
    CellRecord copy = cell;
    walkFields(cursor, copy);
}

CellRecord decodeCellRecord(std::span<const std::uint8_t, CellRecordSize> in)
{
    CellRecord cell;
    decodeCellRecordInto(in, cell);
    return cell;
}

void decodeCellRecordInto(std::span<const std::uint8_t, CellRecordSize> in, CellRecord& cell)
{
    FieldCursor<const std::uint8_t*> cursor{in.data()};
    walkFields(cursor, cell);
}

void assignText(std::span<char> field, std::string_view utf8)
{
    if (field.empty())
        return;
    const std::size_t n = utf8PrefixLength(utf8, field.size() - 1);
    std::copy_n(utf8.data(), n, field.data());
    field[n] = '\0';
}

std::string_view textFieldBytes(std::span<const char> field)
{
    if (field.empty())
        return {};
    const auto end = std::find(field.begin(), field.end() - 1, '\0');
    return std::string_view(field.data(), static_cast<std::size_t>(end - field.begin()));
}

std::string readText(std::span<const char> field)
{
    const std::string_view bytes = textFieldBytes(field);
    if (isValidUtf8(bytes))
        return std::string(bytes);
    return windows1252ToUtf8(bytes);
}

void assignCellText(CellRecord& cell, std::u16string_view text)
{
    std::size_t n = std::min(text.size(), MaxCellTextUnits);
    // Never leave half of a surrogate pair at the end of a cut text.
    if (n < text.size() && n > 0 && text[n - 1] >= 0xD800 && text[n - 1] <= 0xDBFF)
        --n;
    std::copy_n(text.data(), n, cell.text.data());
    cell.text[n] = u'\0';
}

std::u16string cellText(const CellRecord& cell)
{
    return std::u16string(cellTextView(cell));
}

std::u16string_view cellTextView(const CellRecord& cell)
{
    const auto end = std::find(cell.text.begin(), cell.text.begin() + MaxCellTextUnits, u'\0');
    return std::u16string_view(cell.text.data(), static_cast<std::size_t>(end - cell.text.begin()));
}

#include "document/cell_record.h"
#include "document/text_encoding.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

std::array<std::uint8_t, CellRecordSize> encode(const CellRecord& cell)
{
    std::array<std::uint8_t, CellRecordSize> bytes{};
    encodeCellRecord(cell, bytes);
    return bytes;
}

TEST(CellRecord, decoding_then_encoding_any_bytes_gives_them_back)
{
    std::mt19937 random(1345);
    for (int round = 0; round < 50; ++round) {
        std::array<std::uint8_t, CellRecordSize> bytes;
        for (auto& b : bytes)
            b = static_cast<std::uint8_t>(random());
        EXPECT_EQ(encode(decodeCellRecord(bytes)), bytes);
    }
}

TEST(CellRecord, fields_sit_at_their_offsets_little_endian)
{
    CellRecord cell;
    cell.left = 0x04030201;
    cell.column = -2;
    cell.row = 0x0102;
    cell.fontSize = 10;
    cell.text[0] = u'\u00e9';
    cell.alignment = AlignJustified;
    cell.tableColumns = 65;
    cell.marked = 1;
    cell.numberFormat = 6;
    cell.reserved[10] = 'R';
    cell.selected = 1;
    cell.horzLineY2 = -1;
    const auto b = encode(cell);
    EXPECT_EQ(b[0], 0x01);
    EXPECT_EQ(b[3], 0x04);
    EXPECT_EQ(b[16], 0xFE);
    EXPECT_EQ(b[17], 0xFF);
    EXPECT_EQ(b[18], 0x02);
    EXPECT_EQ(b[19], 0x01);
    EXPECT_EQ(b[128], 10);
    EXPECT_EQ(b[698], 0xE9);
    EXPECT_EQ(b[699], 0x00);
    EXPECT_EQ(b[1246], 134);
    EXPECT_EQ(b[1248], 65);
    EXPECT_EQ(b[1262], 1);
    EXPECT_EQ(b[1280], 6);
    EXPECT_EQ(b[1296], 'R');
    EXPECT_EQ(b[1297], 1);
    EXPECT_EQ(b[1341], 0xFF);
    EXPECT_EQ(b[1344], 0xFF);
}

TEST(CellRecord, single_byte_fields_hold_size_less_one_and_keep_what_follows_the_terminator)
{
    CellRecord cell;
    cell.fontName.fill('x');
    assignText(cell.fontName, std::string(120, 'a'));
    EXPECT_EQ(readText(cell.fontName), std::string(99, 'a'));
    EXPECT_EQ(cell.fontName[99], '\0');

    assignText(cell.fontName, "Arial");
    EXPECT_EQ(readText(cell.fontName), "Arial");
    EXPECT_EQ(cell.fontName[5], '\0');
    EXPECT_EQ(cell.fontName[6], 'a'); // left over from the longer name
    EXPECT_EQ(cell.fontName[99], '\0');
}

TEST(CellRecord, assignment_cuts_utf8_at_a_character_boundary)
{
    CellRecord cell;
    // 98 ASCII bytes and a two-byte "é": the "é" does not fit in 99 bytes and is dropped
    // whole instead of leaving half of it.
    assignText(cell.fontName, std::string(98, 'b') + "\xC3\xA9");
    EXPECT_EQ(readText(cell.fontName), std::string(98, 'b'));
    assignText(cell.fontName, std::string(97, 'b') + "\xC3\xA9");
    EXPECT_EQ(readText(cell.fontName), std::string(97, 'b') + "\xC3\xA9");
}

TEST(CellRecord, a_field_without_terminator_reads_as_its_first_size_less_one_bytes)
{
    CellRecord cell;
    cell.reserved.fill('z');
    EXPECT_EQ(readText(cell.reserved), std::string(10, 'z'));
}

TEST(CellRecord, windows_1252_bytes_from_old_files_read_as_their_characters)
{
    CellRecord cell;
    const char old[] = {'C', 'a', 'f', '\xE9', ' ', '\x80', '\0'};
    std::copy(std::begin(old), std::end(old), cell.picture.begin());
    EXPECT_EQ(readText(cell.picture), "Caf\xC3\xA9 \xE2\x82\xAC");
}

TEST(CellRecord, cell_text_holds_273_units_and_keeps_surrogate_pairs_whole)
{
    CellRecord cell;
    assignCellText(cell, std::u16string(300, u'q'));
    EXPECT_EQ(cellText(cell), std::u16string(273, u'q'));
    EXPECT_EQ(cell.text[273], u'\0');

    std::u16string withPair(272, u'q');
    withPair += u"\U0001F600";
    assignCellText(cell, withPair);
    EXPECT_EQ(cellText(cell), std::u16string(272, u'q'));

    assignCellText(cell, u"short");
    EXPECT_EQ(cellText(cell), u"short");
    EXPECT_EQ(cell.text[6], u'q'); // the rest of the field is left as it was
}

TEST(TextEncoding, utf8_validation_rejects_malformed_sequences)
{
    EXPECT_TRUE(isValidUtf8("plain \xC3\xB1"));
    EXPECT_FALSE(isValidUtf8("\xC3"));         // truncated
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));     // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80")); // surrogate
    EXPECT_FALSE(isValidUtf8("\xE9t\xE9"));    // Windows-1252
}

} // namespace

#include "render/text_layout.h"

#include "document/cell_record.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// Every UTF-16 unit is 10 pixels wide except 'W' (30) and 'i' (5); lines are 15 pixels apart
// and a measured string is 13 pixels high.
class FixedMeasure : public TextMeasure {
  public:
    static int unitWidth(char16_t c) { return c == u'W' ? 30 : c == u'i' ? 5 : 10; }

    int width(std::u16string_view text) const override
    {
        int total = 0;
        for (char16_t c : text)
            total += unitWidth(c);
        return total;
    }
    int height(std::u16string_view) const override { return 13; }
    int fitCount(std::u16string_view text, int maxWidth) const override
    {
        int n = 0;
        int total = 0;
        for (char16_t c : text) {
            total += unitWidth(c);
            if (total > maxWidth)
                break;
            ++n;
        }
        return n;
    }
    int lineHeight() const override { return 15; }
};

struct Printed {
    std::u16string text;
    int x;
    int y;
    int extra = 0;
    int blanks = 0;

    bool operator==(const Printed&) const = default;
};

void PrintTo(const Printed& p, std::ostream* os)
{
    *os << "\"" << std::string(p.text.begin(), p.text.end()) << "\" at (" << p.x << ", " << p.y
        << ") extra " << p.extra << " over " << p.blanks;
}

std::vector<Printed> layout(std::u16string_view text, int alignment, int x, int y, int w, int h)
{
    std::vector<Printed> printed;
    for (const PrintOp& op : layoutCellText(text, alignment, x, y, w, h, FixedMeasure{})) {
        EXPECT_GT(op.length, 0) << "an empty line is never printed";
        printed.push_back(Printed{std::u16string(text.substr(op.begin, op.length)), op.x, op.y,
                                  op.justifyExtra, op.justifyBlanks});
    }
    return printed;
}

using Lines = std::vector<Printed>;

TEST(TextLayout, a_text_that_fits_is_one_line_at_the_origin)
{
    EXPECT_EQ(layout(u"abc def", AlignLeft, 7, 9, 100, 40), (Lines{{u"abc def", 7, 9}}));
    EXPECT_EQ(layout(u"abc def", AlignLeft, 7, 9, 70, 40), (Lines{{u"abc def", 7, 9}}));
}

TEST(TextLayout, a_short_second_line_keeps_its_leading_blank)
{
    // Line 2 has fewer characters than line 1, so it is not broken again and its blank stays.
    EXPECT_EQ(layout(u"abc def ghi", AlignLeft, 4, 4, 70, 40),
              (Lines{{u"abc def", 4, 4}, {u" ghi", 4, 19}}));
    EXPECT_EQ(layout(u"abc def ghi", AlignLeft, 4, 4, 79, 40),
              (Lines{{u"abc def", 4, 4}, {u" ghi", 4, 19}}));
}

TEST(TextLayout, lines_broken_again_lose_their_leading_blanks)
{
    EXPECT_EQ(layout(u"aa bb cc dd ee", AlignLeft, 0, 0, 50, 40),
              (Lines{{u"aa bb", 0, 0}, {u"cc", 0, 15}, {u"dd ee", 0, 30}}));
}

TEST(TextLayout, a_line_no_longer_in_characters_than_the_one_above_is_never_broken)
{
    // " WWW" is four characters like "iiii" above it, so it stays whole although it is
    // 100 pixels wide in a 20-pixel area.
    EXPECT_EQ(layout(u"iiii WWW", AlignLeft, 0, 0, 20, 40),
              (Lines{{u"iiii", 0, 0}, {u" WWW", 0, 15}}));
}

TEST(TextLayout, a_word_wider_than_the_area_moves_the_text_to_the_last_line)
{
    const int last = 99 * 15;
    EXPECT_EQ(layout(u"abcdefgh ij", AlignLeft, 3, 5, 50, 40),
              (Lines{{u"abcdefgh ij", 3, 5 + last}}));
    EXPECT_EQ(layout(u"abcdefghij", AlignLeft, 3, 5, 50, 40),
              (Lines{{u"abcdefghij", 3, 5 + last}}));
    // A leading blank is never a break point, so it does not help a long first word.
    EXPECT_EQ(layout(u" abcdefgh", AlignLeft, 0, 0, 50, 40), (Lines{{u"abcdefgh", 0, last}}));
    // The lines before the long word stay where they are.
    EXPECT_EQ(layout(u"ab cdefghijkl mn", AlignLeft, 0, 0, 50, 40),
              (Lines{{u"ab", 0, 0}, {u"cdefghijkl mn", 0, last}}));
}

TEST(TextLayout, a_blank_just_after_the_fitting_characters_is_a_break_point)
{
    // "abcde" fills the 50 pixels exactly; the blank after it does not fit but still breaks.
    EXPECT_EQ(layout(u"abcde fg", AlignLeft, 0, 0, 50, 40),
              (Lines{{u"abcde", 0, 0}, {u" fg", 0, 15}}));
}

TEST(TextLayout, right_alignment_keeps_three_pixels_from_the_right_end)
{
    EXPECT_EQ(layout(u"abc", AlignRight, 10, 20, 100, 40), (Lines{{u"abc", 77, 20}}));
    EXPECT_EQ(layout(u"abc def gjk", AlignRight, 0, 0, 70, 40),
              (Lines{{u"abc def", -3, 0}, {u" gjk", 27, 15}}));
}

TEST(TextLayout, centring_rounds_half_pixels_to_even)
{
    struct Case {
        int x;
        int w;
        int expectedX;
    };
    // "ab" is 20 pixels wide.
    const Case cases[] = {
        {0, 35, 8},   // 7.5
        {0, 37, 8},   // 8.5
        {1, 35, 8},   // 8.5
        {1, 37, 10},  // 9.5
        {0, 36, 8},   // 8
        {-3, 25, 0},  // -0.5
        {-4, 25, -2}, // -1.5
    };
    for (const Case& c : cases)
        EXPECT_EQ(layout(u"ab", AlignCentred, c.x, 0, c.w, 40), (Lines{{u"ab", c.expectedX, 0}}))
            << "x " << c.x << ", w " << c.w;
}

TEST(TextLayout, justification_stretches_only_lines_from_80_percent_below_the_widest)
{
    struct Case {
        const char16_t* text;
        Lines expected;
    };
    const Case cases[] = {
        // 90 of 100 pixels: the 10 pixels go to both blanks, the kept leading one included.
        {u"aaaa bbbbb cc ddddd", {{u"aaaa bbbbb", 0, 0}, {u" cc ddddd", 0, 15, 10, 2}}},
        // Exactly 80 of 100 pixels is below the single-precision threshold.
        {u"aaaa bbbbb cc dddd", {{u"aaaa bbbbb", 0, 0}, {u" cc dddd", 0, 15}}},
        // Exactly as wide as the widest line.
        {u"aaaa bbbbb cccc dddd", {{u"aaaa bbbbb", 0, 0}, {u" cccc dddd", 0, 15}}},
        // 90 pixels without a blank, then 20 pixels: neither is stretched.
        {u"aaaaa bbbb ccccccccc dd",
         {{u"aaaaa bbbb", 0, 0}, {u"ccccccccc", 0, 15}, {u"dd", 0, 30}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(layout(c.text, AlignJustified, 0, 0, 100, 40), c.expected)
            << std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text));
}

TEST(TextLayout, justification_measures_against_the_widest_line_even_past_the_area)
{
    // " WWW" (100 pixels) is the widest line; "iiii" (20) is far below it.
    EXPECT_EQ(layout(u"iiii WWW", AlignJustified, 0, 0, 20, 40),
              (Lines{{u"iiii", 0, 0}, {u" WWW", 0, 15}}));
    // The first line (85 pixels) is stretched to the 100 of the second, which is wider than
    // the 90-pixel area.
    EXPECT_EQ(layout(u"iiiiiiii iiiiiii WWW", AlignJustified, 0, 0, 90, 40),
              (Lines{{u"iiiiiiii iiiiiii", 0, 0, 15, 1}, {u" WWW", 0, 15}}));
}

TEST(TextLayout, vertical_text_is_one_unsplit_line_centred_across_the_area)
{
    // th = 13, w = 30: x + 6.5 + 15 = x + 21.5, rounded to even.
    EXPECT_EQ(layout(u"ab cd ef", AlignVerticalTop, 10, 20, 5, 100),
              (Lines{{u"ab cd ef", 19, 20}}));
    EXPECT_EQ(layout(u"abcd", AlignVerticalTop, 10, 20, 30, 100), (Lines{{u"abcd", 32, 20}}));
    EXPECT_EQ(layout(u"abcd", AlignVerticalTop, 11, 20, 30, 100), (Lines{{u"abcd", 32, 20}}));
    // Centred down: 40 pixels of text in 100 go 30 down.
    EXPECT_EQ(layout(u"abcd", AlignVerticalCentred, 10, 20, 30, 100), (Lines{{u"abcd", 32, 50}}));
}

TEST(TextLayout, vertical_text_longer_than_the_area_starts_above_it)
{
    // 120 pixels of text in 101: 20 - 9.5 = 10.5, rounded to 10.
    EXPECT_EQ(layout(u"abcdefghjkmn", AlignVerticalCentred, 10, 20, 30, 101),
              (Lines{{u"abcdefghjkmn", 32, 10}}));
    EXPECT_EQ(layout(u"abcdefghjkmn", AlignVerticalCentred, 10, 21, 30, 101),
              (Lines{{u"abcdefghjkmn", 32, 12}}));
}

TEST(TextLayout, unknown_alignments_and_empty_texts_draw_nothing)
{
    for (int alignment : {0, 130, 137, -131, 1000})
        EXPECT_TRUE(layout(u"abc def", alignment, 0, 0, 100, 40).empty()) << alignment;
    for (int alignment = AlignLeft; alignment <= AlignVerticalCentred; ++alignment)
        EXPECT_TRUE(layout(u"", alignment, 0, 0, 100, 40).empty()) << alignment;
}

TEST(TextLayout, only_the_capacity_of_a_cell_text_is_laid_out)
{
    const std::u16string longText(300, u'a');
    EXPECT_EQ(layout(longText, AlignVerticalTop, 0, 0, 30, 100),
              (Lines{{std::u16string(MaxCellTextUnits, u'a'), 22, 0}}));
}

// The line table built literally, one step after another, with strings instead of ranges.
std::vector<std::u16string> literalLines(const std::u16string& text, int w)
{
    const FixedMeasure measure;
    auto split = [&](const std::u16string& s) -> std::pair<std::u16string, std::u16string> {
        const std::size_t n = std::size_t(measure.fitCount(s, w));
        if (n >= s.size())
            return {s, u""};
        for (std::size_t i = n; i >= 1; --i)
            if (s[i] == u' ')
                return {s.substr(0, i), s.substr(i)};
        return {u"", s};
    };
    auto trim = [](const std::u16string& s) {
        const std::size_t first = s.find_first_not_of(u' ');
        return first == std::u16string::npos ? std::u16string() : s.substr(first);
    };
    std::vector<std::u16string> lines(101);
    std::tie(lines[1], lines[2]) = split(text);
    for (int k = 2; k <= 99; ++k) {
        if (lines[k].size() > lines[k - 1].size()) {
            std::tie(lines[k], lines[k + 1]) = split(lines[k]);
            lines[k] = trim(lines[k]);
            lines[k + 1] = trim(lines[k + 1]);
        }
    }
    return {lines.begin() + 1, lines.end()};
}

TEST(TextLayout, the_line_table_is_what_the_hundred_steps_give)
{
    std::mt19937 random(1684);
    const char16_t alphabet[] = u"aaaaiiW    ";
    for (int round = 0; round < 3000; ++round) {
        std::u16string text(random() % 40, u'a');
        for (char16_t& c : text)
            c = alphabet[random() % 11];
        const int w = int(random() % 120);
        const std::vector<std::u16string> expected = literalLines(text, w);
        const LineTable lines = breakCellText(text, w, FixedMeasure{});
        for (int k = 0; k < LineTableSize; ++k)
            ASSERT_EQ(text.substr(lines[k].begin, lines[k].length), expected[k])
                << "line " << k + 1 << " of \"" << std::string(text.begin(), text.end())
                << "\" at width " << w;
    }
}

TEST(TextLayout, halving_rounds_exact_halves_to_even)
{
    const int cases[][2] = {{215, 108}, {217, 108}, {216, 108}, {1, 0},   {3, 2},
                            {-1, 0},    {-3, -2},   {-5, -2},   {-4, -2}, {0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(halveRoundingToEven(c[0]), c[1]) << c[0];
}

} // namespace

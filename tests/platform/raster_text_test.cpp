#include "platform/raster.h"
#include "platform/raster_font.h"

#include "tests/platform/raster_test_art.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

#include <gtest/gtest.h>

#include <ostream>

#include <climits>
#include <cmath>
#include <string>
#include <vector>

namespace {
std::shared_ptr<const RasterFont> font(const char* face, int height, int escapement = 0)
{
    FontRequest request;
    request.face = face;
    request.height = height;
    request.escapement = escapement;
    request.orientation = escapement;
    return createFont(request);
}

Raster filledRaster(int width, int height, Colour background)
{
    Raster r = createRaster(width, height);
    clearRaster(r, background);
    return r;
}

struct InkBox {
    int left = INT_MAX;
    int top = INT_MAX;
    int right = -1;
    int bottom = -1;
    bool empty() const { return right < 0; }
};

InkBox inkBox(const Raster& r, Colour background)
{
    InkBox box;
    for (auto [x, y] : paintedPixels(r, background)) {
        box.left = std::min(box.left, x);
        box.right = std::max(box.right, x);
        box.top = std::min(box.top, y);
        box.bottom = std::max(box.bottom, y);
    }
    return box;
}

// Columns where a run of inked columns starts, within the rows [top, bottom].
std::vector<int> inkRunStarts(const Raster& r, Colour background, int top, int bottom)
{
    std::vector<int> starts;
    bool previous = false;
    for (int x = 0; x < rasterWidth(r); ++x) {
        bool inked = false;
        for (int y = top; y <= bottom && !inked; ++y)
            inked = pixelAt(r, x, y) != background;
        if (inked && !previous)
            starts.push_back(x);
        previous = inked;
    }
    return starts;
}

void printAt(Raster& r, const std::shared_ptr<const RasterFont>& f, int x, int y,
             std::u16string_view text, Colour colour = Black)
{
    selectFont(r, f);
    setTextColour(r, colour);
    setTextPosition(r, x, y);
    printLine(r, text);
}
} // namespace

TEST(RasterFont, a_negative_height_is_the_em_and_a_positive_one_the_whole_character_cell)
{
    for (const char* face : {"Arial", "Times New Roman", "Courier New"}) {
        for (int h : {8, 10, 13, 16, 21, 33}) {
            const auto em = font(face, -h);
            EXPECT_EQ(em->qtFont.pixelSize(), h) << face << " " << h;
            EXPECT_EQ(measureText(*em, u"Ag").height, QFontMetrics(em->qtFont).height())
                << face << " " << h;
            const auto cell = font(face, h);
            EXPECT_EQ(measureText(*cell, u"Ag").height, h) << face << " " << h;
            EXPECT_LT(cell->qtFont.pixelSize(), h) << face << " " << h;
            EXPECT_GE(lineHeight(*cell), h) << face << " " << h;
        }
    }
}

TEST(RasterFont, a_cell_height_gives_the_em_of_the_faces_design_proportions)
{
    // Arial's metric twin: ascent 1854 and descent 434 in an em of 2048 units, so a cell of h
    // pixels holds an em of h x 2048 / 2288 pixels.
    for (auto [cell, em] : {std::pair{13, 12}, {16, 14}, {33, 30}, {40, 36}})
        EXPECT_EQ(font("Arial", cell)->qtFont.pixelSize(), em) << cell;
}

TEST(RasterFont, the_windows_faces_map_to_their_metric_compatible_twins)
{
    EXPECT_EQ(QFontInfo(font("Times New Roman", -13)->qtFont).family(), "Liberation Serif");
    EXPECT_EQ(QFontInfo(font("Arial", -13)->qtFont).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(font("Courier New", -13)->qtFont).family(), "Liberation Mono");
}

TEST(RasterFont, the_same_request_gives_the_same_font_and_another_size_measures_differently)
{
    EXPECT_EQ(font("Arial", -13), font("Arial", -13));
    EXPECT_LT(measureText(*font("Arial", -10), u"abc").width,
              measureText(*font("Arial", -30), u"abc").width);
    FontRequest bold;
    bold.face = "Arial";
    bold.height = -20;
    bold.weight = 700;
    EXPECT_GT(measureText(*createFont(bold), u"Cuadrivista").width,
              measureText(*font("Arial", -20), u"Cuadrivista").width);
}

TEST(RasterText, the_line_height_is_the_cell_height_plus_the_external_leading)
{
    // Liberation Serif at 13 pixels has one pixel of external leading, so leaving it out
    // would show here.
    const auto f = font("Times New Roman", -13);
    const QFontMetrics metrics(f->qtFont);
    ASSERT_GT(metrics.leading(), 0);
    EXPECT_EQ(lineHeight(*f), metrics.height() + metrics.leading());
    EXPECT_EQ(lineHeight(*f), measureText(*f, u"x").height + metrics.leading());
}

TEST(RasterText, printing_returns_to_the_left_edge_one_line_height_down)
{
    const auto f = font("Times New Roman", -13);
    Raster r = filledRaster(200, 100, White);
    selectFont(r, f);
    setTextPosition(r, 5, 7);
    printLine(r, u"Ab");
    EXPECT_EQ(r.textX, 5);
    EXPECT_EQ(r.textY, 7 + lineHeight(*f));
    moveTextPosition(r, 40, 20);
    printLine(r, u"Ab");
    EXPECT_EQ(r.textX, 5) << "the left edge stays where the position was set";
    EXPECT_EQ(r.textY, 20 + lineHeight(*f));
    printLine(r, u"");
    EXPECT_EQ(r.textY, 20 + 2 * lineHeight(*f)) << "an empty line still moves down";
}

TEST(RasterText, the_position_is_the_top_left_of_the_character_cell)
{
    const auto f = font("Arial", -40);
    Raster r = filledRaster(80, 80, Yellow);
    printAt(r, f, 10, 10, u"H", Red);
    const InkBox ink = inkBox(r, Yellow);
    ASSERT_FALSE(ink.empty());
    EXPECT_EQ(ink.bottom, 10 + f->ascent - 1) << "an H stands on the baseline";
    EXPECT_GT(ink.top, 10) << "the internal leading above the capitals";
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.left, 15);
}

TEST(RasterText, text_is_drawn_in_its_colour_on_a_transparent_background)
{
    const auto f = font("Arial", -40);
    Raster r = filledRaster(80, 80, Yellow);
    printAt(r, f, 10, 10, u"H I", Red);
    bool solid = false;
    for (auto [x, y] : paintedPixels(r, Yellow))
        solid = solid || pixelAt(r, x, y) == Red;
    EXPECT_TRUE(solid) << "the stems are fully covered pixels of the text colour";
    for (int x = 0; x < 80; ++x)
        EXPECT_EQ(pixelAt(r, x, 10), Yellow) << "the cell's top row keeps the background";
}

struct DrawCase {
    const char* face;
    int height;
    std::u16string text;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const DrawCase& c, std::ostream* os)
{
    *os << c.face << " " << c.height << " px, " << c.text.size() << " units";
}

class RasterTextAsQt : public testing::TestWithParam<DrawCase> {};

TEST_P(RasterTextAsQt, a_printed_line_has_the_pixels_qt_draws_for_the_same_text)
{
    const DrawCase& c = GetParam();
    const auto f = font(c.face, c.height);
    Raster r = filledRaster(260, 50, White);
    printAt(r, f, 7, 9, c.text, rgbColour(20, 40, 160));

    QImage expected(260, 50, QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
        QPainter p(&expected);
        p.setFont(f->qtFont);
        p.setPen(QColor(20, 40, 160));
        // GDI lays a line out left to right whatever script it starts with.
        p.setLayoutDirection(Qt::LeftToRight);
        p.drawText(QPointF(7, 9 + f->ascent),
                   QString::fromUtf16(c.text.data(), qsizetype(c.text.size())));
    }
    EXPECT_TRUE(rasterImage(r) == expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RasterTextAsQt,
    testing::Values(DrawCase{"Arial", -13, u"Hello World"},
                    DrawCase{"Times New Roman", -17, u"AVATAR Wave, To fix yo."},
                    DrawCase{"DejaVu Sans", -15, u"office fluff"},
                    DrawCase{"Arial", -16, u"\u00dcn\u00efc\u00f6d\u00e9 \u00c6\u00d8\u00c5"},
                    DrawCase{"DejaVu Sans", -16, u"\u05e9\u05dc\u05d5\u05dd world"},
                    DrawCase{"Arial", -16, u"x\u0301y \u2190"}));

TEST(RasterText, the_measured_width_is_where_the_drawn_text_ends)
{
    for (const char* face : {"Arial", "Times New Roman", "DejaVu Sans"}) {
        const auto f = font(face, -15);
        Raster whole = filledRaster(200, 30, White);
        Raster parts = filledRaster(200, 30, White);
        printAt(whole, f, 4, 3, u"Hello mundo");
        printAt(parts, f, 4, 3, u"Hello ");
        setTextPosition(parts, 4 + measureText(*f, u"Hello ").width, 3);
        printLine(parts, u"mundo");
        EXPECT_TRUE(rasterImage(whole) == rasterImage(parts)) << face;
    }
}

TEST(RasterText, a_rotated_font_is_measured_along_its_text)
{
    const TextSize turned = measureText(*font("Arial", -20, -900), u"Cuadrivista");
    const TextSize level = measureText(*font("Arial", -20), u"Cuadrivista");
    EXPECT_EQ(turned.width, level.width);
    EXPECT_EQ(turned.height, level.height);
    EXPECT_GT(turned.width, turned.height);
}

TEST(RasterText, fit_count_is_the_longest_prefix_whose_measured_width_fits)
{
    const std::u16string text = u"cuadros de texto en celdas";
    const auto f = font("Arial", -13);
    const int full = measureText(*f, text).width;
    for (int width = 0; width <= full + 3; ++width) {
        const int n = fitCount(*f, text, width);
        ASSERT_GE(n, 0);
        ASSERT_LE(n, int(text.size()));
        EXPECT_LE(measureText(*f, text.substr(0, n)).width, width) << width;
        if (n < int(text.size())) {
            EXPECT_GT(measureText(*f, text.substr(0, n + 1)).width, width) << width;
        }
    }
    EXPECT_EQ(fitCount(*f, text, full), int(text.size()));
    EXPECT_EQ(fitCount(*f, text, -5), 0);
    EXPECT_EQ(fitCount(*f, u"", 100), 0);
    EXPECT_EQ(fitCount(*f, text, 0), 0);
}

TEST(RasterText, fit_count_grows_with_the_width_for_ligatures_and_other_scripts)
{
    const std::u16string texts[] = {u"office fifty fluff",
                                    u"\u05e9\u05dc\u05d5\u05dd \u05e2\u05d5\u05dc\u05dd",
                                    u"x\u0301y\u0301z \u2190\u2192"};
    const auto f = font("DejaVu Sans", -14);
    for (const std::u16string& text : texts) {
        const int full = measureText(*f, text).width;
        int previous = 0;
        for (int width = 0; width <= full; ++width) {
            const int n = fitCount(*f, text, width);
            EXPECT_GE(n, previous) << width;
            previous = n;
        }
        EXPECT_EQ(fitCount(*f, text, full), int(text.size()));
        EXPECT_LT(fitCount(*f, text, full - 1), int(text.size()));
    }
}

TEST(RasterText, fit_count_never_splits_a_surrogate_pair)
{
    const std::u16string text = u"ab\U0001F600cd\U00010348e";
    const auto f = font("Arial", -13);
    for (int width = 0; width <= measureText(*f, text).width + 1; ++width) {
        const int n = fitCount(*f, text, width);
        EXPECT_NE(n, 3) << width;
        EXPECT_NE(n, 7) << width;
    }
}

struct JustifyCase {
    const char* face;
    std::u16string text; // four one-glyph words
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const JustifyCase& c, std::ostream* os)
{
    *os << c.face << ", " << c.text.size() << " units";
}

class RasterJustify : public testing::TestWithParam<JustifyCase> {};

TEST_P(RasterJustify, seven_extra_pixels_over_three_blanks_give_three_two_and_two)
{
    const JustifyCase& c = GetParam();
    const auto f = font(c.face, -20);
    Raster plain = filledRaster(220, 60, White);
    Raster justified = filledRaster(220, 60, White);
    printAt(plain, f, 5, 2, c.text);
    selectFont(justified, f);
    setTextPosition(justified, 5, 2);
    setJustification(justified, 7, 3);
    printLine(justified, c.text);
    printLine(justified, c.text);

    const int firstTop = 2;
    const int firstBottom = 2 + lineHeight(*f) - 1;
    const std::vector<int> words = inkRunStarts(plain, White, firstTop, firstBottom);
    ASSERT_EQ(words.size(), 4u);
    const std::vector<int> spread = inkRunStarts(justified, White, firstTop, firstBottom);
    EXPECT_EQ(spread, (std::vector<int>{words[0], words[1] + 3, words[2] + 5, words[3] + 7}));
    const std::vector<int> next = inkRunStarts(justified, White, firstBottom + 1, 59);
    EXPECT_EQ(next, words) << "justification holds for one line only";
}

INSTANTIATE_TEST_SUITE_P(Paths, RasterJustify,
                         testing::Values(JustifyCase{"Arial", u"H H H H"},
                                         JustifyCase{"Arial", u"\u2190 \u2190 \u2190 \u2190"},
                                         JustifyCase{"DejaVu Sans", u"fi fi fi fi"}));

TEST(RasterText, justified_right_to_left_text_spreads_the_extra_pixels_between_its_words)
{
    const std::u16string text = u"\u05d0 \u05d0 \u05d0 \u05d0";
    const auto f = font("DejaVu Sans", -20);
    Raster plain = filledRaster(200, 40, White);
    Raster justified = filledRaster(200, 40, White);
    printAt(plain, f, 5, 2, text);
    selectFont(justified, f);
    setTextPosition(justified, 5, 2);
    setJustification(justified, 7, 3);
    printLine(justified, text);
    const std::vector<int> words = inkRunStarts(plain, White, 0, 39);
    const std::vector<int> spread = inkRunStarts(justified, White, 0, 39);
    ASSERT_EQ(words.size(), 4u);
    ASSERT_EQ(spread.size(), 4u);
    EXPECT_NEAR(spread[0], words[0], 1);
    EXPECT_NEAR(spread[3] - spread[0], words[3] - words[0] + 7, 1);
}

TEST(RasterText, a_font_turned_by_minus_ninety_degrees_runs_down_left_of_its_reference_point)
{
    const auto f = font("Arial", -20, -900);
    Raster r = filledRaster(100, 140, White);
    printAt(r, f, 60, 10, u"HHHH");
    const InkBox ink = inkBox(r, White);
    ASSERT_FALSE(ink.empty());
    EXPECT_LT(ink.right, 60);
    EXPECT_GE(ink.left, 60 - measureText(*f, u"H").height);
    EXPECT_GE(ink.top, 10);
    EXPECT_LE(ink.top, 14);
    EXPECT_GT(ink.bottom - ink.top, 3 * (ink.right - ink.left)) << "the text runs downwards";
    EXPECT_NEAR(ink.bottom - 10, measureText(*f, u"HHHH").width, 3);
}

TEST(RasterText, underline_and_strikeout_draw_their_lines)
{
    FontRequest request;
    request.face = "Arial";
    request.height = -30;
    const auto plainFont = createFont(request);
    request.underline = true;
    const auto underlined = createFont(request);
    request.underline = false;
    request.strikeout = true;
    const auto struck = createFont(request);

    auto inkInRows = [](const std::shared_ptr<const RasterFont>& f, int from, int to) {
        Raster r = filledRaster(120, 60, White);
        printAt(r, f, 5, 5, u"....");
        int count = 0;
        for (auto [x, y] : paintedPixels(r, White))
            count += y >= from && y <= to;
        return count;
    };
    const int baseline = 5 + plainFont->ascent;
    EXPECT_EQ(inkInRows(plainFont, baseline + 1, 59), 0);
    EXPECT_GT(inkInRows(underlined, baseline + 1, 59), 40);
    EXPECT_EQ(inkInRows(plainFont, baseline - 12, baseline - 6), 0);
    EXPECT_GT(inkInRows(struck, baseline - 12, baseline - 6), 40);
}

TEST(RasterText, turned_text_keeps_its_underline)
{
    FontRequest request;
    request.face = "Arial";
    request.height = -30;
    request.escapement = request.orientation = -900;
    const auto plainFont = createFont(request);
    request.underline = true;
    const auto underlined = createFont(request);

    // Turned a quarter clockwise, the baseline runs down at ascent pixels left of the
    // reference point; the underline lies beyond it, further left.
    auto inkInColumns = [](const std::shared_ptr<const RasterFont>& f, int from, int to) {
        Raster r = filledRaster(80, 140, White);
        printAt(r, f, 60, 5, u"....");
        int count = 0;
        for (auto [x, y] : paintedPixels(r, White))
            count += x >= from && x <= to;
        return count;
    };
    const int baseline = 60 - plainFont->ascent;
    EXPECT_EQ(inkInColumns(plainFont, 0, baseline - 1), 0);
    EXPECT_GT(inkInColumns(underlined, 0, baseline - 1), 40);
}

TEST(RasterText, a_raster_without_a_selected_font_prints_with_a_default_one)
{
    Raster r = filledRaster(100, 40, White);
    setTextPosition(r, 2, 2);
    printLine(r, u"Hello");
    EXPECT_FALSE(inkBox(r, White).empty());
    EXPECT_GT(r.textY, 2);
}

TEST(RasterState, an_image_handed_out_is_not_changed_by_later_drawing)
{
    const auto f = font("Arial", -14);
    Raster r = filledRaster(60, 30, White);
    printAt(r, f, 2, 2, u"one");
    const QImage handedOut = rasterImage(r);
    const QImage before = handedOut.copy();
    printAt(r, f, 2, 12, u"two");
    drawBox(r, 40, 2, 50, 12, Black, BoxFill::Solid, Black);
    EXPECT_TRUE(handedOut == before);
    EXPECT_FALSE(rasterImage(r) == before);
    Raster expected = filledRaster(60, 30, White);
    printAt(expected, f, 2, 2, u"one");
    printAt(expected, f, 2, 12, u"two");
    drawBox(expected, 40, 2, 50, 12, Black, BoxFill::Solid, Black);
    EXPECT_TRUE(rasterImage(r) == rasterImage(expected));
}

TEST(RasterState, a_raster_moved_while_its_painter_is_open_keeps_drawing)
{
    const auto f = font("Arial", -14);
    Raster first = filledRaster(80, 40, White);
    printAt(first, f, 2, 2, u"moved");
    Raster second = std::move(first);
    EXPECT_TRUE(first.image.isNull());
    printAt(second, f, 2, 20, u"again");
    drawBox(second, 70, 0, 80, 10, Black, BoxFill::Solid, Black);
    Raster third = filledRaster(10, 10, White);
    third = std::move(second);
    printAt(third, f, 40, 2, u"x");

    Raster expected = filledRaster(80, 40, White);
    printAt(expected, f, 2, 2, u"moved");
    printAt(expected, f, 2, 20, u"again");
    drawBox(expected, 70, 0, 80, 10, Black, BoxFill::Solid, Black);
    printAt(expected, f, 40, 2, u"x");
    EXPECT_TRUE(rasterImage(third) == rasterImage(expected));
}

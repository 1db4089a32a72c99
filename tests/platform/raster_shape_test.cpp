#include "platform/raster.h"

#include "tests/platform/raster_test_art.h"

#include <QImage>

#include <gtest/gtest.h>

#include <ostream>

#include <climits>
#include <string>
#include <vector>

namespace {
using Art = std::vector<std::string>;

constexpr Colour Green = 0x00FF00;
constexpr Colour Blue = 0xFF0000;

const std::map<Colour, char> Legend = {{White, '.'}, {Yellow, '.'}, {Black, '#'},
                                       {Red, 'o'},   {Green, 'g'},  {Blue, 'b'}};

Raster rasterOf(int width, int height, Colour background)
{
    Raster r = createRaster(width, height);
    clearRaster(r, background);
    return r;
}

std::vector<int> paintedColumnsInRow(const Raster& r, int y, Colour background)
{
    std::vector<int> columns;
    for (int x = 0; x < rasterWidth(r); ++x)
        if (pixelAt(r, x, y) != background)
            columns.push_back(x);
    return columns;
}

std::vector<int> paintedRowsInColumn(const Raster& r, int x, Colour background)
{
    std::vector<int> rows;
    for (int y = 0; y < rasterHeight(r); ++y)
        if (pixelAt(r, x, y) != background)
            rows.push_back(y);
    return rows;
}

const Art HatchPattern16 = {
    "#......##......#", ".#....#..#....#.", "..#..#....#..#..", "...##......##...",
    "...##......##...", "..#..#....#..#..", ".#....#..#....#.", "#......##......#",
    "#......##......#", ".#....#..#....#.", "..#..#....#..#..", "...##......##...",
    "...##......##...", "..#..#....#..#..", ".#....#..#....#.", "#......##......#",
};
} // namespace

TEST(RasterBox, a_filled_box_covers_up_to_but_not_including_its_right_and_bottom_edge)
{
    Raster r = rasterOf(8, 6, White);
    drawBox(r, 1, 1, 6, 5, Red, BoxFill::Solid, Black);
    EXPECT_EQ(art(r, Legend), (Art{
                                  "........",
                                  ".ooooo..",
                                  ".o###o..",
                                  ".o###o..",
                                  ".ooooo..",
                                  "........",
                              }));
}

TEST(RasterBox, a_box_without_fill_keeps_what_was_inside)
{
    Raster r = rasterOf(6, 6, Yellow);
    drawBox(r, 1, 1, 5, 5, Black, BoxFill::None, Red);
    EXPECT_EQ(art(r, Legend), (Art{
                                  "......",
                                  ".####.",
                                  ".#..#.",
                                  ".#..#.",
                                  ".####.",
                                  "......",
                              }));
}

TEST(RasterBox, a_box_given_its_corners_in_reverse_covers_the_same_pixels)
{
    Raster forward = rasterOf(8, 7, White);
    Raster reversed = rasterOf(8, 7, White);
    drawBox(forward, 1, 2, 6, 6, Red, BoxFill::Solid, Black);
    drawBox(reversed, 6, 6, 1, 2, Red, BoxFill::Solid, Black);
    EXPECT_EQ(art(reversed, Legend), art(forward, Legend));
}

struct OutlineBands {
    int width;
    std::vector<int> nearBand; // columns (and rows) painted around the left (top) edge
    std::vector<int> farBand;  // around the right (bottom) edge
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const OutlineBands& c, std::ostream* os)
{
    *os << "width " << c.width;
}

class RasterOutline : public testing::TestWithParam<OutlineBands> {};

// Box from 8 to 20: its covered pixels are 8..19, so the edges are pixels 8 and 19.
TEST_P(RasterOutline, a_wide_outline_is_centred_on_the_outermost_covered_pixels)
{
    const OutlineBands& c = GetParam();
    Raster r = rasterOf(30, 30, White);
    setPen(r, c.width, PenStyle::Solid);
    drawBox(r, 8, 8, 20, 20, Black, BoxFill::None, Red);

    std::vector<int> expected = c.nearBand;
    expected.insert(expected.end(), c.farBand.begin(), c.farBand.end());
    EXPECT_EQ(paintedColumnsInRow(r, 14, White), expected);
    EXPECT_EQ(paintedRowsInColumn(r, 14, White), expected);

    const int outer = c.nearBand.front();
    const int farOuter = c.farBand.back();
    EXPECT_EQ(pixelAt(r, outer, outer), Black) << "square corner";
    EXPECT_EQ(pixelAt(r, farOuter, farOuter), Black) << "square corner";
    EXPECT_EQ(pixelAt(r, outer - 1, outer - 1), White);
    EXPECT_EQ(pixelAt(r, farOuter + 1, farOuter + 1), White);
}

INSTANTIATE_TEST_SUITE_P(PenWidths, RasterOutline,
                         testing::Values(OutlineBands{1, {8}, {19}},
                                         OutlineBands{2, {7, 8}, {18, 19}},
                                         OutlineBands{3, {7, 8, 9}, {18, 19, 20}},
                                         OutlineBands{4, {6, 7, 8, 9}, {17, 18, 19, 20}},
                                         OutlineBands{5, {6, 7, 8, 9, 10}, {17, 18, 19, 20, 21}}));

TEST(RasterBox, the_cross_hatch_paints_the_diagonal_lattice_and_leaves_its_gaps)
{
    Raster r = rasterOf(16, 16, Yellow);
    // The outline lies just outside the raster, so only the fill shows.
    drawBox(r, -1, -1, 17, 17, Red, BoxFill::CrossHatch, Black);
    EXPECT_EQ(art(r, Legend), HatchPattern16);
}

TEST(RasterBox, the_cross_hatch_is_anchored_at_the_raster_origin_not_at_the_box)
{
    Raster r = rasterOf(16, 16, Yellow);
    drawBox(r, 3, 2, 13, 12, Red, BoxFill::CrossHatch, Black);
    const Art picture = art(r, Legend);
    for (int y = 3; y <= 10; ++y)
        EXPECT_EQ(picture[y].substr(4, 8), HatchPattern16[y].substr(4, 8)) << "row " << y;
    EXPECT_EQ(picture[2].substr(3, 10), "oooooooooo");
    EXPECT_EQ(picture[11].substr(3, 10), "oooooooooo");
    EXPECT_EQ(picture[1], "................");
}

TEST(RasterBox, rounded_corners_leave_the_corner_pixels_untouched)
{
    Raster r = rasterOf(12, 12, White);
    drawBox(r, 1, 1, 11, 11, Black, BoxFill::Solid, Blue, 3);
    for (auto [x, y] : {std::pair{1, 1}, {10, 1}, {1, 10}, {10, 10}})
        EXPECT_EQ(pixelAt(r, x, y), White) << x << "," << y;
    for (auto [x, y] : {std::pair{6, 1}, {1, 6}, {10, 6}, {6, 10}})
        EXPECT_EQ(pixelAt(r, x, y), Black) << x << "," << y;
    EXPECT_EQ(pixelAt(r, 6, 6), Blue);
    EXPECT_EQ(pixelAt(r, 3, 3), Blue) << "inside the rounding";
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(pixelAt(r, i, 0), White);
        EXPECT_EQ(pixelAt(r, i, 11), White);
        EXPECT_EQ(pixelAt(r, 0, i), White);
        EXPECT_EQ(pixelAt(r, 11, i), White);
    }
    // The outline is closed: every row crosses it on both sides.
    for (int y = 1; y <= 10; ++y) {
        const std::vector<int> painted = paintedColumnsInRow(r, y, White);
        ASSERT_FALSE(painted.empty());
        EXPECT_EQ(pixelAt(r, painted.front(), y), Black) << "row " << y;
        EXPECT_EQ(pixelAt(r, painted.back(), y), Black) << "row " << y;
    }
}

TEST(RasterBox, a_dotted_outline_runs_three_pixels_on_and_three_off)
{
    Raster r = rasterOf(14, 5, White);
    setPen(r, 1, PenStyle::Dotted);
    drawBox(r, 0, 0, 12, 4, Black, BoxFill::None, Red);
    EXPECT_EQ(art(r, Legend)[0], "###...###.....");
}

TEST(RasterBox, a_dotted_pen_wider_than_one_pixel_draws_solid_as_gdi_does)
{
    Raster dotted = rasterOf(14, 10, White);
    Raster solid = rasterOf(14, 10, White);
    setPen(dotted, 2, PenStyle::Dotted);
    setPen(solid, 2, PenStyle::Solid);
    drawBox(dotted, 2, 2, 12, 8, Black, BoxFill::None, Red);
    drawBox(solid, 2, 2, 12, 8, Black, BoxFill::None, Red);
    EXPECT_EQ(art(dotted, Legend), art(solid, Legend));
}

TEST(RasterBox, boxes_reaching_far_outside_the_raster_are_clipped)
{
    for (BoxFill fill : {BoxFill::Solid, BoxFill::CrossHatch}) {
        Raster r = rasterOf(8, 8, White);
        setPen(r, 5, PenStyle::Solid);
        drawBox(r, -2000000000, -2000000000, 2000000000, 2000000000, Black, fill, Yellow);
        drawBox(r, INT_MIN, 3, INT_MAX, 4, Red, BoxFill::None, Yellow);
        const Art picture = art(r, Legend);
        EXPECT_EQ(picture[0], "........");
        EXPECT_EQ(picture[3], "oooooooo") << "the top band of the thin box";
    }
}

struct CopyCase {
    int x;
    int y;
    Art expected;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const CopyCase& c, std::ostream* os)
{
    *os << "at " << c.x << "," << c.y;
}

class RasterCopy : public testing::TestWithParam<CopyCase> {};

TEST_P(RasterCopy, copies_the_whole_source_clipped_to_the_target)
{
    const CopyCase& c = GetParam();
    Raster src = createRaster(3, 3);
    const Colour colours[3][3] = {{Red, Green, Blue}, {Black, Yellow, Red}, {Green, Blue, Black}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            drawBox(src, x, y, x + 1, y + 1, colours[y][x], BoxFill::Solid, colours[y][x]);
    Raster dst = rasterOf(5, 5, White);
    copyRaster(src, dst, c.x, c.y);
    const std::map<Colour, char> legend = {{White, '.'}, {Red, 'r'},   {Green, 'g'},
                                           {Blue, 'b'},  {Black, 'k'}, {Yellow, 'y'}};
    EXPECT_EQ(art(dst, legend), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Offsets, RasterCopy,
    testing::Values(CopyCase{1, 1, {".....", ".rgb.", ".kyr.", ".gbk.", "....."}},
                    CopyCase{-1, 3, {".....", ".....", ".....", "gb...", "yr..."}},
                    CopyCase{3, -2, {"...gb", ".....", ".....", ".....", "....."}},
                    CopyCase{5, 0, {".....", ".....", ".....", ".....", "....."}},
                    CopyCase{0, -3, {".....", ".....", ".....", ".....", "....."}}));

TEST(RasterCopy, copying_a_raster_onto_itself_reads_every_pixel_before_overwriting_it)
{
    const std::map<Colour, char> legend = {{Red, 'a'}, {Green, 'b'}, {Blue, 'c'}, {Black, 'd'}};
    auto strip = [](int width, int height) {
        Raster r = createRaster(width, height);
        const Colour colours[] = {Red, Green, Blue, Black};
        for (int i = 0; i < 4; ++i) {
            const int x = width > 1 ? i : 0;
            const int y = width > 1 ? 0 : i;
            drawBox(r, x, y, x + 1, y + 1, colours[i], BoxFill::Solid, colours[i]);
        }
        return r;
    };
    Raster row = strip(4, 1);
    copyRaster(row, row, 1, 0);
    EXPECT_EQ(art(row, legend), (Art{"aabc"}));
    Raster column = strip(1, 4);
    copyRaster(column, column, 0, 1);
    EXPECT_EQ(art(column, legend), (Art{"a", "a", "b", "c"}));
    Raster up = strip(1, 4);
    copyRaster(up, up, 0, -1);
    EXPECT_EQ(art(up, legend), (Art{"b", "c", "d", "d"}));
}

TEST(RasterPixels, colours_keep_red_in_the_lowest_byte_and_the_image_holds_true_rgb)
{
    Raster r = rasterOf(2, 2, rgbColour(0x99, 0x66, 0x33));
    EXPECT_EQ(pixelAt(r, 1, 1), 0x00336699);
    const QImage& image = rasterImage(r);
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.pixel(0, 0), qRgb(0x99, 0x66, 0x33));
}

TEST(RasterPixels, reading_outside_the_raster_gives_the_invalid_colour)
{
    Raster r = rasterOf(3, 2, White);
    for (auto [x, y] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 2}, {INT_MIN, INT_MAX}})
        EXPECT_EQ(pixelAt(r, x, y), -1) << x << "," << y;
    EXPECT_EQ(pixelAt(Raster{}, 0, 0), -1);
}

TEST(RasterPixels, a_raster_of_no_size_takes_every_operation_without_effect)
{
    Raster r = createRaster(0, 5);
    EXPECT_EQ(rasterWidth(r), 0);
    clearRaster(r, White);
    drawBox(r, 0, 0, 4, 4, Black, BoxFill::CrossHatch, Red);
    drawLine(r, 0, 0, 4, 4, Black);
    Raster other = rasterOf(2, 2, White);
    copyRaster(r, other, 0, 0);
    copyRaster(other, r, 0, 0);
    EXPECT_EQ(art(other, Legend), (Art{"..", ".."}));
}

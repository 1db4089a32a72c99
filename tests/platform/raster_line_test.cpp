#include "platform/raster.h"

#include "tests/platform/raster_test_art.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {
using Pixels = std::vector<std::pair<int, int>>;

Raster whiteRaster(int width, int height)
{
    Raster r = createRaster(width, height);
    clearRaster(r, White);
    return r;
}

struct LineCase {
    const char* name;
    int x1, y1, x2, y2;
    Pixels expected; // in row order
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const LineCase& c, std::ostream* os)
{
    *os << c.name;
}

class RasterThinLine : public testing::TestWithParam<LineCase> {};

TEST_P(RasterThinLine, draws_from_its_start_up_to_but_not_including_its_end_point)
{
    const LineCase& c = GetParam();
    Raster r = whiteRaster(8, 8);
    drawLine(r, c.x1, c.y1, c.x2, c.y2, Black);
    EXPECT_EQ(paintedPixels(r, White), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Directions, RasterThinLine,
    testing::Values(LineCase{"rightwards", 1, 2, 6, 2, {{1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}}},
                    LineCase{"leftwards", 6, 2, 1, 2, {{2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}}},
                    LineCase{"downwards", 3, 1, 3, 5, {{3, 1}, {3, 2}, {3, 3}, {3, 4}}},
                    LineCase{"upwards", 3, 5, 3, 1, {{3, 2}, {3, 3}, {3, 4}, {3, 5}}},
                    LineCase{"diagonal", 1, 1, 5, 5, {{1, 1}, {2, 2}, {3, 3}, {4, 4}}},
                    LineCase{"anti-diagonal", 5, 1, 1, 5, {{5, 1}, {4, 2}, {3, 3}, {2, 4}}},
                    LineCase{"a single step", 4, 4, 5, 4, {{4, 4}}},
                    LineCase{"no length", 4, 4, 4, 4, {}}));

TEST(RasterLine, a_shallow_line_paints_one_connected_pixel_per_column_close_to_the_ideal_line)
{
    Raster r = whiteRaster(40, 12);
    drawLine(r, 2, 9, 37, 1, Black);
    int previous = -1;
    for (int x = 0; x < 40; ++x) {
        std::vector<int> rows;
        for (int y = 0; y < 12; ++y)
            if (pixelAt(r, x, y) == Black)
                rows.push_back(y);
        if (x < 2 || x >= 37) {
            EXPECT_TRUE(rows.empty()) << "column " << x;
            continue;
        }
        ASSERT_EQ(rows.size(), 1u) << "column " << x;
        const double ideal = 9 - 8.0 * (x - 2) / 35;
        EXPECT_LE(std::abs(rows[0] - ideal), 0.5 + 1e-9) << "column " << x;
        if (previous >= 0) {
            EXPECT_LE(std::abs(rows[0] - previous), 1);
        }
        previous = rows[0];
    }
}

struct BandCase {
    int width;
    int x1, x2;
    std::pair<int, int> columns; // first and last painted
    std::pair<int, int> rows;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const BandCase& c, std::ostream* os)
{
    *os << "width " << c.width << " from " << c.x1 << " to " << c.x2;
}

class RasterWideLine : public testing::TestWithParam<BandCase> {};

TEST_P(RasterWideLine, a_horizontal_line_is_a_band_centred_like_a_box_edge)
{
    const BandCase& c = GetParam();
    Raster r = whiteRaster(14, 12);
    setPen(r, c.width, PenStyle::Solid);
    drawLine(r, c.x1, 5, c.x2, 5, Black);
    Pixels expected;
    for (int y = c.rows.first; y <= c.rows.second; ++y)
        for (int x = c.columns.first; x <= c.columns.second; ++x)
            expected.emplace_back(x, y);
    EXPECT_EQ(paintedPixels(r, White), expected);
}

TEST_P(RasterWideLine, a_vertical_line_is_the_same_band_turned)
{
    const BandCase& c = GetParam();
    Raster r = whiteRaster(12, 14);
    setPen(r, c.width, PenStyle::Solid);
    drawLine(r, 5, c.x1, 5, c.x2, Black);
    Pixels expected;
    for (int y = c.columns.first; y <= c.columns.second; ++y)
        for (int x = c.rows.first; x <= c.rows.second; ++x)
            expected.emplace_back(x, y);
    EXPECT_EQ(paintedPixels(r, White), expected);
}

INSTANTIATE_TEST_SUITE_P(Widths, RasterWideLine,
                         testing::Values(BandCase{2, 2, 9, {2, 8}, {4, 5}},
                                         BandCase{3, 2, 9, {2, 8}, {4, 6}},
                                         BandCase{4, 2, 9, {2, 8}, {3, 6}},
                                         BandCase{5, 2, 9, {2, 8}, {3, 7}},
                                         BandCase{3, 9, 2, {3, 9}, {4, 6}}));

TEST(RasterLine, a_wide_diagonal_line_covers_the_thin_line_and_is_as_wide_across)
{
    Raster thin = whiteRaster(30, 30);
    Raster wide = whiteRaster(30, 30);
    setPen(wide, 3, PenStyle::Solid);
    drawLine(thin, 5, 5, 25, 25, Black);
    drawLine(wide, 5, 5, 25, 25, Black);
    for (auto [x, y] : paintedPixels(thin, White))
        EXPECT_EQ(pixelAt(wide, x, y), Black) << x << "," << y;
    // Measured square to the line, three pixels wide: about 3 x sqrt(2) pixels per column.
    for (int x = 8; x <= 22; ++x) {
        int count = 0;
        for (int y = 0; y < 30; ++y)
            count += pixelAt(wide, x, y) == Black;
        EXPECT_GE(count, 4) << "column " << x;
        EXPECT_LE(count, 5) << "column " << x;
    }
}

TEST(RasterLine, a_dotted_line_paints_three_pixels_and_leaves_three_untouched)
{
    Raster r = createRaster(16, 3);
    clearRaster(r, Yellow);
    setPen(r, 1, PenStyle::Dotted);
    drawLine(r, 0, 1, 14, 1, Black);
    const std::map<Colour, char> legend = {{Yellow, '.'}, {Black, '#'}};
    EXPECT_EQ(art(r, legend), (std::vector<std::string>{
                                  "................",
                                  "###...###...##..",
                                  "................",
                              }));
}

TEST(RasterLine, a_dotted_vertical_line_counts_its_pattern_from_the_start_point)
{
    Raster r = whiteRaster(3, 10);
    setPen(r, 1, PenStyle::Dotted);
    drawLine(r, 1, 9, 1, 0, Black);
    const Pixels expected = {{1, 1}, {1, 2}, {1, 3}, {1, 7}, {1, 8}, {1, 9}};
    EXPECT_EQ(paintedPixels(r, White), expected);
}

TEST(RasterLine, lines_with_far_away_end_points_are_clipped_to_the_raster)
{
    Raster r = whiteRaster(10, 10);
    drawLine(r, -2000000000, 3, 2000000000, 3, Black);
    drawLine(r, -2000000000, -2000000000, 2000000000, 2000000000, Black);
    setPen(r, 3, PenStyle::Solid);
    drawLine(r, 7, 2000000000, 7, -2000000000, Red);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const Colour expected = (x >= 6 && x <= 8) ? Red : (y == 3 || x == y) ? Black : White;
            EXPECT_EQ(pixelAt(r, x, y), expected) << x << "," << y;
        }
    }
}
} // namespace

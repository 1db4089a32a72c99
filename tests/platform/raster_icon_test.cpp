#include "platform/raster.h"

#include "tests/platform/raster_test_art.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr Colour Green = 0x00FF00;
constexpr Colour Blue = 0xFF0000;

void put16(Bytes& b, unsigned v)
{
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}

void put32(Bytes& b, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(std::uint8_t(v >> (8 * i)));
}

// One image of an icon file: size x size pixels of 32 bits, each given as 0xAARRGGBB by a
// function of its position.
struct IconImage {
    int size;
    std::uint32_t (*pixel)(int x, int y);
};

// Builds an icon file by hand: the directory, then for each image a 40-byte bitmap header
// with the doubled height, the colour rows bottom-up, and the 1-bit mask rows (set where
// the pixel is transparent), each padded to 4 bytes.
Bytes iconFile(const std::vector<IconImage>& images)
{
    std::vector<Bytes> bodies;
    for (const IconImage& image : images) {
        Bytes body;
        const int n = image.size;
        const int maskStride = ((n + 31) / 32) * 4;
        put32(body, 40);
        put32(body, std::uint32_t(n));
        put32(body, std::uint32_t(2 * n));
        put16(body, 1);
        put16(body, 32);
        put32(body, 0);
        put32(body, std::uint32_t(n * n * 4 + maskStride * n));
        for (int i = 0; i < 4; ++i)
            put32(body, 0);
        for (int y = n - 1; y >= 0; --y)
            for (int x = 0; x < n; ++x)
                put32(body, image.pixel(x, y));
        for (int y = n - 1; y >= 0; --y) {
            Bytes row(std::size_t(maskStride), 0);
            for (int x = 0; x < n; ++x)
                if ((image.pixel(x, y) >> 24) == 0)
                    row[std::size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
            body.insert(body.end(), row.begin(), row.end());
        }
        bodies.push_back(body);
    }
    Bytes file;
    put16(file, 0);
    put16(file, 1);
    put16(file, unsigned(images.size()));
    std::uint32_t offset = std::uint32_t(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        file.push_back(std::uint8_t(images[i].size));
        file.push_back(std::uint8_t(images[i].size));
        file.push_back(0);
        file.push_back(0);
        put16(file, 1);
        put16(file, 32);
        put32(file, std::uint32_t(bodies[i].size()));
        put32(file, offset);
        offset += std::uint32_t(bodies[i].size());
    }
    for (const Bytes& body : bodies)
        file.insert(file.end(), body.begin(), body.end());
    return file;
}

// Left half opaque red, right half fully transparent.
std::uint32_t halfRed(int x, int)
{
    return x < 2 ? 0xFFFF0000u : 0x00000000u;
}

std::uint32_t opaqueRed(int, int)
{
    return 0xFFFF0000u;
}

std::uint32_t opaqueBlue(int, int)
{
    return 0xFF0000FFu;
}

class RasterIcon : public testing::Test {
  protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() /
                 ("raster_icon_test_" + std::to_string(::getpid()) + "_" +
                  testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string write(const std::string& name, const Bytes& bytes)
    {
        const fs::path path = folder / name;
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path.string();
    }

    fs::path folder;
};

Raster greenRaster(int width, int height)
{
    Raster r = createRaster(width, height);
    clearRaster(r, Green);
    return r;
}

const std::map<Colour, char> Legend = {{Green, '.'}, {Red, 'r'}, {Blue, 'b'}};
} // namespace

TEST_F(RasterIcon, draws_the_icon_at_its_place_and_its_transparent_pixels_keep_the_target)
{
    const std::string path = write("half.ico", iconFile({{4, halfRed}}));
    Raster r = greenRaster(8, 6);
    EXPECT_TRUE(drawIconFile(r, path, 2, 1, 4, 4));
    EXPECT_EQ(art(r, Legend), (std::vector<std::string>{
                                  "........",
                                  "..rr....",
                                  "..rr....",
                                  "..rr....",
                                  "..rr....",
                                  "........",
                              }));
}

TEST_F(RasterIcon, stretches_the_icon_to_the_requested_size)
{
    const std::string path = write("half.ico", iconFile({{4, halfRed}}));
    Raster r = greenRaster(20, 20);
    EXPECT_TRUE(drawIconFile(r, path, 2, 2, 16, 12));
    EXPECT_EQ(pixelAt(r, 3, 3), Red);
    EXPECT_EQ(pixelAt(r, 7, 12), Red);
    EXPECT_EQ(pixelAt(r, 14, 8), Green) << "the transparent half keeps the target";
    EXPECT_EQ(pixelAt(r, 1, 8), Green);
    EXPECT_EQ(pixelAt(r, 5, 1), Green);
    EXPECT_EQ(pixelAt(r, 5, 14), Green) << "12 rows high, from row 2";
    EXPECT_EQ(pixelAt(r, 5, 13), Red);
}

TEST_F(RasterIcon, chooses_the_smallest_image_large_enough_else_the_largest)
{
    const std::string path = write("two.ico", iconFile({{4, opaqueRed}, {16, opaqueBlue}}));
    for (auto [size, colour] : {std::pair{2, Red}, {4, Red}, {5, Blue}, {16, Blue}, {32, Blue}}) {
        Raster r = greenRaster(40, 40);
        ASSERT_TRUE(drawIconFile(r, path, 0, 0, size, size));
        EXPECT_EQ(pixelAt(r, size / 2, size / 2), colour) << size;
    }
}

TEST_F(RasterIcon, draws_nothing_and_fails_when_the_file_is_no_readable_icon)
{
    const Bytes icon = iconFile({{4, halfRed}});
    const std::string png = write("picture.ico", Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n',
                                                       0, 0, 0, 13, 'I', 'H', 'D', 'R'});
    const std::string text = write("notes.ico", Bytes{'h', 'e', 'l', 'l', 'o'});
    const std::string empty = write("empty.ico", Bytes{});
    const std::string headerOnly = write("header.ico", Bytes(icon.begin(), icon.begin() + 6));
    const std::string truncated =
        write("truncated.ico", Bytes(icon.begin(), icon.begin() + 6 + 16 + 40 + 10));
    const std::string fifo = (folder / "pipe.ico").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string directory = (folder / "folder.ico").string();
    fs::create_directory(directory);

    for (const std::string& path : {png, text, empty, headerOnly, truncated, fifo, directory,
                                    (folder / "missing.ico").string()}) {
        Raster r = greenRaster(8, 8);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(drawIconFile(r, path, 0, 0, 8, 8)) << path;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << path;
        EXPECT_TRUE(paintedPixels(r, Green).empty()) << path;
    }
}

#include "platform/file_read.h"
#include "platform/picture_codec.h"
#include "platform/raster.h"
#include "tests/platform/picture_fixtures.h"

#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <future>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The bytes of a literal, embedded zeros included, without its terminator.
template <std::size_t N> std::vector<std::uint8_t> bytesOf(const char (&text)[N])
{
    return std::vector<std::uint8_t>(text, text + N - 1);
}

// A 4 x 4 picture: red top-left quadrant with a fully transparent pixel at (3, 0), blue
// elsewhere.
QImage transparentCornerPicture()
{
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(qRgba(0, 0, 255, 255));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            image.setPixel(x, y, qRgba(255, 0, 0, 255));
    image.setPixel(3, 0, qRgba(0, 0, 0, 0));
    return image;
}

// A 2 x 2 GIF written by hand: palette red, blue; pixels red, blue / blue, red. The LZW data
// sends a clear code every two pixels so that every code stays 3 bits wide:
// codes 4 0 1 4 1 0 5 packed from the lowest bit give 0x44 0x18 0x14.
// clang-format off
const std::vector<std::uint8_t> HandMadeGif{
    'G', 'I', 'F', '8', '7', 'a', 2, 0, 2, 0, 0x80, 0, 0, // screen 2 x 2, 2-colour table
    0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF,                   // red, blue
    0x2C, 0, 0, 0, 0, 2, 0, 2, 0, 0x00,                   // image at (0, 0), 2 x 2
    0x02, 0x03, 0x44, 0x18, 0x14, 0x00,                   // code size 2, one 3-byte block
    0x3B};
// clang-format on

// A BMP header that declares a picture of width x height at 24 bits and carries no pixels.
std::vector<std::uint8_t> bmpHeaderOnly(int width, int height)
{
    std::vector<std::uint8_t> b(54, 0);
    const auto put32 = [&](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, 54);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    b[26] = 1;
    b[28] = 24;
    return b;
}

class PictureCodec : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(startPictureCodecs()); }
    QTemporaryDir dir;
    std::string pathOf(const char* name) const { return dir.filePath(name).toStdString(); }
};

TEST(PictureCodecStart, finds_every_needed_codec_and_sets_the_allocation_limit)
{
    QImageReader::setAllocationLimit(512);
    EXPECT_TRUE(startPictureCodecs());
    EXPECT_EQ(QImageReader::allocationLimit(), 128);
}

TEST(PictureSniffing, recognises_formats_by_their_leading_bytes_only)
{
    struct Case {
        std::vector<std::uint8_t> bytes;
        PictureFormat expected;
    };
    const std::vector<Case> cases{
        {{0xFF, 0xD8, 0xFF, 0xE0}, PictureFormat::Jpeg},
        {{0xFF, 0xD8, 0xFF}, PictureFormat::Jpeg},
        {{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0}, PictureFormat::Png},
        {bytesOf("GIF87a..."), PictureFormat::Gif},
        {bytesOf("GIF89a"), PictureFormat::Gif},
        {bytesOf("BM6\0\0\0"), PictureFormat::Bmp},
        {{0, 0, 1, 0, 1, 0}, PictureFormat::Ico},
        {{'I', 'I', 0x2A, 0, 8, 0, 0, 0}, PictureFormat::Tiff},
        {{'M', 'M', 0, 0x2A, 0, 0, 0, 8}, PictureFormat::Tiff},
        {bytesOf("RIFF\x10\0\0\0WEBPVP8 "), PictureFormat::Webp},
        // Too short for their signature.
        {{}, PictureFormat::Unknown},
        {{0xFF, 0xD8}, PictureFormat::Unknown},
        {{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A}, PictureFormat::Unknown},
        {bytesOf("GIF89"), PictureFormat::Unknown},
        {bytesOf("B"), PictureFormat::Unknown},
        {{0, 0, 1}, PictureFormat::Unknown},
        {bytesOf("RIFF\x10\0\0\0WEB"), PictureFormat::Unknown},
        // Near misses and other files.
        {bytesOf("GIF88a"), PictureFormat::Unknown},
        {{0, 0, 2, 0, 1, 0}, PictureFormat::Unknown},
        {bytesOf("RIFF\x10\0\0\0WAVEfmt "), PictureFormat::Unknown},
        {{'I', 'I', 0, 0x2A}, PictureFormat::Unknown},
        {bytesOf("Hello, this is a text file.\n"), PictureFormat::Unknown},
        {bytesOf("P6\n1 1\n255\n\xFF\0\0"), PictureFormat::Unknown},
        {{0x00, 0xFF, 0xD8, 0xFF}, PictureFormat::Unknown},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(sniffPictureFormat(cases[i].bytes), cases[i].expected);
    }
}

TEST_F(PictureCodec, decodes_each_format_a_user_places)
{
    struct Pixel {
        int x;
        int y;
        QRgb colour;
        int alpha;
    };
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        int width;
        int height;
        int tolerance;
        std::vector<Pixel> pixels;
    };
    const QRgb red = qRgb(255, 0, 0);
    const QRgb green = qRgb(0, 255, 0);
    const QRgb blue = qRgb(0, 0, 255);
    const QRgb white = qRgb(255, 255, 255);
    const std::vector<Case> cases{
        {"png",
         writeWithQt(transparentCornerPicture(), "png"),
         4,
         4,
         0,
         {{0, 0, red, 255}, {3, 3, blue, 255}, {3, 0, qRgb(0, 0, 0), 0}}},
        {"ico",
         writeWithQt(transparentCornerPicture(), "ico"),
         4,
         4,
         0,
         {{1, 1, red, 255}, {2, 3, blue, 255}, {3, 0, qRgb(0, 0, 0), 0}}},
        {"bmp",
         writeWithQt(quadrantPicture(6, 4), "bmp"),
         6,
         4,
         0,
         {{0, 0, red, 255}, {5, 0, green, 255}, {0, 3, blue, 255}, {5, 3, white, 255}}},
        {"gif",
         HandMadeGif,
         2,
         2,
         0,
         {{0, 0, red, 255}, {1, 0, blue, 255}, {0, 1, blue, 255}, {1, 1, red, 255}}},
        {"jpeg",
         writeWithQt(quadrantPicture(32, 32), "jpeg", 95),
         32,
         32,
         12,
         {{4, 4, red, 255}, {27, 4, green, 255}, {4, 27, blue, 255}, {27, 27, white, 255}}},
        {"tiff",
         writeWithQt(quadrantPicture(6, 4), "tiff"),
         6,
         4,
         0,
         {{0, 0, red, 255}, {5, 3, white, 255}}},
        {"webp",
         writeWithQt(quadrantPicture(16, 16), "webp", 100),
         16,
         16,
         12,
         {{2, 2, red, 255}, {13, 13, white, 255}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.bytes.empty());
        const auto picture = decodePicture(c.bytes);
        ASSERT_TRUE(picture.has_value());
        EXPECT_EQ(picture->width(), c.width);
        EXPECT_EQ(picture->height(), c.height);
        for (const Pixel& p : c.pixels) {
            const QRgb got = picture->pixel(p.x, p.y);
            EXPECT_EQ(qAlpha(got), p.alpha) << p.x << "," << p.y;
            if (p.alpha == 255) {
                EXPECT_TRUE(closeTo(got, p.colour, c.tolerance))
                    << p.x << "," << p.y << " got " << std::hex << got;
            }
        }
    }
}

TEST_F(PictureCodec, refuses_formats_qt_could_read_but_a_user_does_not_place)
{
    const std::vector<std::vector<std::uint8_t>> others{
        bytesOf("P6\n1 1\n255\n\xFF\0\0"),
        bytesOf("/* XPM */\nstatic const char* x[] = {\"1 1 1 1\", \"a c #FF0000\", \"a\"};\n"),
        writeWithQt(quadrantPicture(16, 16), "icns"),
    };
    for (std::size_t i = 0; i < others.size(); ++i) {
        SCOPED_TRACE(i);
        const QByteArray data(reinterpret_cast<const char*>(others[i].data()),
                              static_cast<qsizetype>(others[i].size()));
        ASSERT_FALSE(QImage::fromData(data).isNull()) << "the fixture must be readable by Qt";
        EXPECT_FALSE(decodePicture(others[i]).has_value());
    }
}

TEST_F(PictureCodec, a_truncated_png_decodes_to_nothing)
{
    QImage noise(16, 16, QImage::Format_RGB32);
    std::mt19937 random(7);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            noise.setPixel(x, y, static_cast<QRgb>(random()) | 0xFF000000u);
    const std::vector<std::uint8_t> whole = writeWithQt(noise, "png");
    ASSERT_TRUE(decodePicture(whole).has_value());
    // Every cut inside the header or the pixel data; the last 12 bytes are the end chunk.
    for (std::size_t length = 8; length + 12 < whole.size(); ++length) {
        const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + length);
        EXPECT_FALSE(decodePicture(cut).has_value()) << "cut at " << length;
    }
}

TEST_F(PictureCodec, random_bytes_behind_a_signature_decode_to_nothing)
{
    const std::vector<std::vector<std::uint8_t>> signatures{
        {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A},
        {0xFF, 0xD8, 0xFF},
        bytesOf("GIF89a"),
        bytesOf("BM"),
        {0, 0, 1, 0},
        {'I', 'I', 0x2A, 0},
        bytesOf("RIFF\x40\0\0\0WEBP"),
    };
    std::mt19937 random(2137);
    for (const auto& signature : signatures) {
        for (int round = 0; round < 20; ++round) {
            std::vector<std::uint8_t> bytes = signature;
            const int extra = 1 + static_cast<int>(random() % 300);
            for (int i = 0; i < extra; ++i)
                bytes.push_back(static_cast<std::uint8_t>(random()));
            SCOPED_TRACE(testing::Message() << int(signature[0]) << " round " << round);
            EXPECT_FALSE(decodePicture(bytes).has_value());
        }
    }
}

TEST_F(PictureCodec, a_declared_size_beyond_the_allocation_limit_is_refused)
{
    // 6000 x 6000 at 4 bytes a pixel is 144 MB: over this program's 128, under Qt's default.
    EXPECT_FALSE(decodePicture(bmpHeaderOnly(6000, 6000)).has_value());
    EXPECT_FALSE(decodePicture(bmpHeaderOnly(60000, 60000)).has_value());
}

TEST_F(PictureCodec, loading_goes_by_content_whatever_the_extension)
{
    const std::string path = pathOf("photo.jpg");
    writeFile(path, writeWithQt(transparentCornerPicture(), "png"));
    const auto picture = loadPicture(path);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->size(), QSize(4, 4));
    EXPECT_EQ(qAlpha(picture->pixel(3, 0)), 0);

    const std::string text = pathOf("notes.png");
    writeFile(text, bytesOf("just some text, not a picture\n"));
    EXPECT_FALSE(loadPicture(text).has_value());
}

TEST_F(PictureCodec, loading_fails_for_a_missing_path_or_a_folder)
{
    EXPECT_FALSE(loadPicture(pathOf("absent.png")).has_value());
    EXPECT_FALSE(loadPicture(dir.path().toStdString()).has_value());
    EXPECT_FALSE(loadPicture("").has_value());
}

TEST_F(PictureCodec, loading_a_fifo_fails_at_once_without_waiting_for_a_writer)
{
    const std::string path = pathOf("pipe.png");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    auto loaded = std::async(std::launch::async, [&] { return loadPicture(path).has_value(); });
    if (loaded.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        // Give the blocked reader a writer that closes at once, so that the test can end.
        const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
        FAIL() << "loading a FIFO blocked";
    }
    EXPECT_FALSE(loaded.get());
}

TEST_F(PictureCodec, loading_refuses_a_file_over_the_size_cap_and_accepts_one_at_it)
{
    // A valid PNG at the start, then zeros up to the size (sparse: nothing is written).
    const std::vector<std::uint8_t> png = writeWithQt(transparentCornerPicture(), "png");
    const std::string atCap = pathOf("at_cap.png");
    const std::string overCap = pathOf("over_cap.png");
    writeFile(atCap, png);
    writeFile(overCap, png);
    std::filesystem::resize_file(atCap, MaxPictureFileBytes);
    std::filesystem::resize_file(overCap, MaxPictureFileBytes + 1);

    EXPECT_TRUE(loadPicture(atCap).has_value());
    EXPECT_FALSE(loadPicture(overCap).has_value());
}

TEST_F(PictureCodec, drawing_scales_the_whole_picture_into_the_destination)
{
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 0, 255));
    Raster raster = createRaster(6, 3);
    clearRaster(raster, White);

    ASSERT_TRUE(drawPictureScaled(raster, picture, 4, 2));
    for (int y = 0; y < 2; ++y) {
        SCOPED_TRACE(y);
        EXPECT_EQ(pixelAt(raster, 0, y), Red);
        EXPECT_EQ(pixelAt(raster, 3, y), rgbColour(0, 0, 255));
        // Smooth scaling blends the middle, leaning to the nearer source pixel.
        const Colour left = pixelAt(raster, 1, y);
        const Colour right = pixelAt(raster, 2, y);
        EXPECT_GT(redOf(left), blueOf(left));
        EXPECT_GT(blueOf(left), 0);
        EXPECT_GT(blueOf(right), redOf(right));
        EXPECT_GT(redOf(right), 0);
        // Outside the destination the raster keeps what it held.
        EXPECT_EQ(pixelAt(raster, 4, y), White);
        EXPECT_EQ(pixelAt(raster, 5, y), White);
    }
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(pixelAt(raster, x, 2), White) << x;
}

TEST_F(PictureCodec, transparent_parts_of_a_drawn_picture_keep_the_background)
{
    QImage picture(2, 2, QImage::Format_ARGB32);
    picture.fill(qRgba(0, 0, 0, 0));
    picture.setPixel(1, 1, qRgba(0, 128, 0, 255));
    const Colour background = rgbColour(200, 150, 100);
    Raster raster = createRaster(8, 8);
    clearRaster(raster, background);

    ASSERT_TRUE(drawPictureScaled(raster, picture, 8, 8));
    EXPECT_EQ(pixelAt(raster, 0, 0), background);
    EXPECT_EQ(pixelAt(raster, 7, 0), background);
    EXPECT_EQ(pixelAt(raster, 0, 7), background);
    EXPECT_EQ(pixelAt(raster, 7, 7), rgbColour(0, 128, 0));
}

TEST_F(PictureCodec, drawing_nothing_fails_and_leaves_the_raster_alone)
{
    Raster raster = createRaster(3, 3);
    clearRaster(raster, White);
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 0));

    EXPECT_FALSE(drawPictureScaled(raster, QImage(), 3, 3));
    EXPECT_FALSE(drawPictureScaled(raster, picture, 0, 3));
    EXPECT_FALSE(drawPictureScaled(raster, picture, 3, -1));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(pixelAt(raster, x, y), White);
}

} // namespace

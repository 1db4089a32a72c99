#include "platform/gif_writer.h"
#include "platform/picture_codec.h"
#include "tests/platform/picture_fixtures.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class PictureEncoding : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(startPictureCodecs()); }
};

// An encoder that is not listed comes back empty, and encoding with it then fails.
ImageEncoder encoderFor(const std::string& mimeType)
{
    for (const ImageEncoder& e : imageEncoders())
        if (e.mimeType == mimeType)
            return e;
    return {};
}

TEST_F(PictureEncoding, lists_jpeg_first_then_png_bmp_gif_and_tiff)
{
    std::vector<std::string> mimeTypes;
    std::set<std::string> ids;
    for (const ImageEncoder& e : imageEncoders()) {
        mimeTypes.push_back(e.mimeType);
        EXPECT_FALSE(e.id.empty());
        ids.insert(e.id);
    }
    EXPECT_EQ(mimeTypes, (std::vector<std::string>{"image/jpeg", "image/png", "image/bmp",
                                                   "image/gif", "image/tiff"}));
    EXPECT_EQ(ids.size(), mimeTypes.size());
}

TEST_F(PictureEncoding, every_encoder_writes_a_file_that_decodes_to_the_same_picture)
{
    struct Case {
        const char* mimeType;
        PictureFormat format;
        bool lossless;
    };
    const std::vector<Case> cases{
        {"image/jpeg", PictureFormat::Jpeg, false}, {"image/png", PictureFormat::Png, true},
        {"image/bmp", PictureFormat::Bmp, true},    {"image/gif", PictureFormat::Gif, true},
        {"image/tiff", PictureFormat::Tiff, true},
    };
    // Odd sides, so that BMP rows need padding and no side is a multiple of JPEG's blocks.
    const QImage picture = quadrantPicture(37, 23);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mimeType);
        const auto bytes = encodePicture(picture, encoderFor(c.mimeType), 100);
        ASSERT_TRUE(bytes.has_value());
        EXPECT_EQ(sniffPictureFormat(*bytes), c.format);
        const auto decoded = decodePicture(*bytes);
        ASSERT_TRUE(decoded.has_value());
        ASSERT_EQ(decoded->size(), picture.size());
        if (c.lossless) {
            int wrong = 0;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    wrong += decoded->pixel(x, y) != picture.pixel(x, y);
            EXPECT_EQ(wrong, 0);
        } else {
            // Away from the quadrant edges a JPEG at quality 100 is nearly exact.
            for (const QPoint p : {QPoint(5, 5), QPoint(30, 5), QPoint(5, 18), QPoint(30, 18)})
                EXPECT_TRUE(closeTo(decoded->pixel(p), picture.pixel(p), 6))
                    << p.x() << "," << p.y() << " " << std::hex << decoded->pixel(p);
        }
    }
}

TEST_F(PictureEncoding, jpeg_honours_the_quality)
{
    QImage detailed(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            detailed.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * y) % 256, (y * 53) % 256));
    const ImageEncoder jpeg = encoderFor("image/jpeg");
    const auto best = encodePicture(detailed, jpeg, 100);
    const auto poor = encodePicture(detailed, jpeg, 10);
    ASSERT_TRUE(best.has_value());
    ASSERT_TRUE(poor.has_value());
    EXPECT_GT(best->size(), 2 * poor->size());
}

TEST_F(PictureEncoding, png_stays_compressed_at_quality_100)
{
    QImage flat(64, 64, QImage::Format_RGB32);
    flat.fill(qRgb(10, 200, 30));
    const auto bytes = encodePicture(flat, encoderFor("image/png"), 100);
    ASSERT_TRUE(bytes.has_value());
    // Uncompressed the pixels alone would take 64 * (1 + 64 * 3) = 12352 bytes.
    EXPECT_LT(bytes->size(), 1000u);
}

TEST_F(PictureEncoding, refuses_a_null_picture_and_an_unknown_encoder)
{
    for (const ImageEncoder& e : imageEncoders())
        EXPECT_FALSE(encodePicture(QImage(), e, 100).has_value()) << e.mimeType;
    EXPECT_FALSE(encodePicture(quadrantPicture(4, 4), ImageEncoder{"image/x-none", "none"}, 100)
                     .has_value());
    EXPECT_TRUE(encodeBmp24(QImage()).empty());
}

TEST_F(PictureEncoding, bmp24_bytes_are_laid_out_exactly)
{
    // Row 0: (10,20,30) (40,50,60) (70,80,90); row 1: (100,110,120) (130,140,150) (160,170,180).
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(10, 20, 30));
    picture.setPixel(1, 0, qRgb(40, 50, 60));
    picture.setPixel(2, 0, qRgb(70, 80, 90));
    picture.setPixel(0, 1, qRgb(100, 110, 120));
    picture.setPixel(1, 1, qRgb(130, 140, 150));
    picture.setPixel(2, 1, qRgb(160, 170, 180));

    // Rows of 9 bytes padded to 12; 2 rows make 24 bytes of pixels, 54 + 24 = 78 in all.
    // 3780 pixels per metre (96 dots per inch) is 0x0EC4.
    // clang-format off
    const std::vector<std::uint8_t> expected{
        'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,              // file header
        40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0,            // size, width, height
        0, 0, 0, 0, 24, 0, 0, 0, 0xC4, 0x0E, 0, 0, 0xC4, 0x0E, 0, 0, // compression .. y res
        0, 0, 0, 0, 0, 0, 0, 0,                                      // colours
        120, 110, 100, 150, 140, 130, 180, 170, 160, 0, 0, 0,        // bottom row first, BGR
        30, 20, 10, 60, 50, 40, 90, 80, 70, 0, 0, 0,                 // then the top row
    };
    // clang-format on
    EXPECT_EQ(encodeBmp24(picture), expected);
}

TEST_F(PictureEncoding, bmp24_drops_alpha_and_keeps_rows_of_a_width_that_needs_no_padding)
{
    QImage picture(4, 1, QImage::Format_ARGB32);
    picture.fill(qRgba(1, 2, 3, 255));
    picture.setPixel(3, 0, qRgba(4, 5, 6, 0));
    const std::vector<std::uint8_t> bytes = encodeBmp24(picture);
    ASSERT_EQ(bytes.size(), 54u + 12u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 54, bytes.end()),
              (std::vector<std::uint8_t>{3, 2, 1, 3, 2, 1, 3, 2, 1, 6, 5, 4}));
}

TEST_F(PictureEncoding, palette_keeps_up_to_256_colours_exactly)
{
    QImage picture(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            picture.setPixel(x, y, qRgb(x * 17, y * 13, (x + y) * 3));
    const PalettePicture reduced = reduceToPalette(picture);
    ASSERT_EQ(reduced.palette.size(), 256u);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(reduced.palette[reduced.indices[y * 16 + x]], picture.pixel(x, y))
                << x << "," << y;
}

TEST_F(PictureEncoding, gif_of_many_colours_stays_close_to_the_picture)
{
    // 4096 colours: a red-green plane over a constant blue, plus a flat white band that must
    // come through exactly.
    QImage picture(64, 72, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            picture.setPixel(x, y, qRgb(x * 4, y * 4, 128));
    for (int y = 64; y < 72; ++y)
        for (int x = 0; x < 64; ++x)
            picture.setPixel(x, y, qRgb(255, 255, 255));

    const PalettePicture reduced = reduceToPalette(picture);
    EXPECT_LE(reduced.palette.size(), 256u);

    const auto bytes = encodePicture(picture, encoderFor("image/gif"), 100);
    ASSERT_TRUE(bytes.has_value());
    const auto decoded = decodePicture(*bytes);
    ASSERT_TRUE(decoded.has_value());
    ASSERT_EQ(decoded->size(), picture.size());
    int far = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            far += !closeTo(decoded->pixel(x, y), picture.pixel(x, y), 16);
    EXPECT_EQ(far, 0);
    EXPECT_EQ(decoded->pixel(10, 68), qRgb(255, 255, 255));
}

TEST_F(PictureEncoding, gif_refuses_a_side_over_65535_and_writes_a_single_colour)
{
    QImage wide(65536, 1, QImage::Format_RGB32);
    wide.fill(qRgb(0, 0, 0));
    EXPECT_FALSE(encodeGif(wide).has_value());
    QImage single(1, 1, QImage::Format_RGB32);
    single.fill(qRgb(9, 8, 7));
    const auto bytes = encodeGif(single);
    ASSERT_TRUE(bytes.has_value());
    const auto decoded = decodePicture(*bytes);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->pixel(0, 0), qRgb(9, 8, 7));
}

} // namespace

#include "platform/raster.h"
#include "render/pictures.h"
#include "tests/support/recording_messages.h"

#include <QImage>

#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>
#include <fstream>

namespace {

class PicturesTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() /
              ("cuadrivista-pictures-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string writePicture(const std::string& name, int w, int h, QColor colour)
    {
        QImage image(w, h, QImage::Format_ARGB32);
        image.fill(colour);
        const auto path = (dir / name).string();
        EXPECT_TRUE(image.save(QString::fromStdString(path), "PNG"));
        return path;
    }

    std::filesystem::path dir;
    PictureState state;
    RecordingMessages messages;
};

struct FitCase {
    int pictureWidth;
    int pictureHeight;
    int expectedWidth;
    int expectedHeight;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const FitCase& c, std::ostream* os)
{
    *os << c.pictureWidth << " x " << c.pictureHeight;
}

class PictureFitTest : public PicturesTest, public ::testing::WithParamInterface<FitCase> {};

TEST_P(PictureFitTest, a_picture_is_fitted_to_a_100_by_100_slot)
{
    const FitCase& c = GetParam();
    const auto path = writePicture("p.png", c.pictureWidth, c.pictureHeight, Qt::red);
    const auto fitted = loadPictureBitmap(path, 100, 100, White, state, messages);
    ASSERT_TRUE(fitted);
    EXPECT_EQ(fitted->width(), c.expectedWidth);
    EXPECT_EQ(fitted->height(), c.expectedHeight);
    EXPECT_EQ(QColor(fitted->pixel(c.expectedWidth - 1, c.expectedHeight - 1)), QColor(Qt::red));
    EXPECT_TRUE(messages.shown.empty());
}

// Larger than the slot in its dominant direction: shrunk with its proportions. Not larger:
// stretched to the whole slot, proportions lost, as tables made with the program show.
INSTANTIATE_TEST_SUITE_P(Fitting, PictureFitTest,
                         ::testing::Values(FitCase{400, 200, 100, 50}, FitCase{50, 20, 100, 100},
                                           FitCase{100, 400, 25, 100}, FitCase{300, 300, 100, 100},
                                           FitCase{101, 99, 100, 98}));

TEST_F(PicturesTest, transparent_parts_show_the_cell_background_from_before_the_picture)
{
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(0, 0, qRgba(0, 0, 255, 255));
    const auto path = (dir / "t.png").string();
    ASSERT_TRUE(image.save(QString::fromStdString(path), "PNG"));

    const auto fitted = loadPictureBitmap(path, 4, 4, 0x00FFFF /* yellow */, state, messages);
    ASSERT_TRUE(fitted);
    EXPECT_EQ(QColor(fitted->pixel(3, 3)), QColor(255, 255, 0));
    EXPECT_EQ(QColor(fitted->pixel(0, 0)), QColor(0, 0, 255));
}

TEST_F(PicturesTest, an_empty_slot_gives_nothing_and_shows_nothing)
{
    const auto path = writePicture("p.png", 10, 10, Qt::red);
    EXPECT_FALSE(loadPictureBitmap(path, 0, 100, White, state, messages));
    EXPECT_FALSE(loadPictureBitmap(path, 100, 0, White, state, messages));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PicturesTest, a_missing_file_shows_the_missing_file_box)
{
    const auto path = (dir / "gone.png").string();
    EXPECT_FALSE(loadPictureBitmap(path, 10, 10, White, state, messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "[GraphicLoadImageFileToBitmap] called on <" + path + "> Missing file");
    EXPECT_EQ(messages.shown[0].caption, "");
}

TEST_F(PicturesTest, an_unreadable_picture_is_reported_once_until_the_file_changes)
{
    const auto path = (dir / "broken.png").string();
    std::ofstream(path) << "not a picture";
    for (int repaint = 0; repaint < 3; ++repaint)
        EXPECT_FALSE(loadPictureBitmap(path, 10, 10, White, state, messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "[GraphicLoadImageFileToBitmap] [GdipLoadImagefromFile] read error on <" + path +
                  ">");

    std::ofstream(path) << "still not a picture, but another file now";
    EXPECT_FALSE(loadPictureBitmap(path, 10, 10, White, state, messages));
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(PicturesTest, a_changed_file_is_read_again)
{
    const auto path = writePicture("p.png", 10, 10, Qt::red);
    const auto first = loadPictureBitmap(path, 10, 10, White, state, messages);
    ASSERT_TRUE(first);
    EXPECT_EQ(QColor(first->pixel(5, 5)), QColor(Qt::red));
    writePicture("p.png", 12, 10, Qt::green); // another size, so the stamp differs
    const auto second = loadPictureBitmap(path, 10, 10, White, state, messages);
    ASSERT_TRUE(second);
    EXPECT_EQ(QColor(second->pixel(5, 5)), QColor(Qt::green));
}

TEST(PictureCache, stays_within_its_byte_bound)
{
    PictureCache cache(3 * 100 * 100 * 4);
    for (int k = 0; k < 10; ++k) {
        auto image = std::make_shared<QImage>(100, 100, QImage::Format_RGB32);
        cache.insert(PictureKey{std::to_string(k) + ".png", 1, 1, 100, 100, 0, true}, image);
        EXPECT_LE(cache.bytes(), 3u * 100 * 100 * 4);
    }
    EXPECT_TRUE(cache.find(PictureKey{"9.png", 1, 1, 100, 100, 0, true}));
    EXPECT_FALSE(cache.find(PictureKey{"0.png", 1, 1, 100, 100, 0, true}));
}

struct ReferenceCase {
    const char* reference;
    const char* path;
    Colour colour;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const ReferenceCase& c, std::ostream* os)
{
    *os << c.reference;
}

class PictureReferenceTest : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(PictureReferenceTest, splits_path_and_colour)
{
    const auto r = splitPictureReference(GetParam().reference);
    EXPECT_EQ(r.path, GetParam().path);
    EXPECT_EQ(r.background, GetParam().colour);
}

INSTANTIATE_TEST_SUITE_P(References, PictureReferenceTest,
                         ::testing::Values(ReferenceCase{"/a/b.png|16777215", "/a/b.png", 0xFFFFFF},
                                           ReferenceCase{"/a/b.png|-2", "/a/b.png", -2},
                                           ReferenceCase{"/a/b.png|255|junk", "/a/b.png", 255},
                                           ReferenceCase{"/a/b.png", "/a/b.png", 0},
                                           ReferenceCase{"/a/b.png|", "/a/b.png",
                                                         0}, // colour cut off: black
                                           ReferenceCase{"/a/b.png|abc", "/a/b.png", 0}));

} // namespace

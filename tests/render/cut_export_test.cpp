#include "document/table_grid.h"
#include "document/table_template.h"
#include "document/undo_store.h"
#include "platform/picture_codec.h"
#include "platform/raster.h"
#include "render/cut_export.h"
#include "render/table_painter.h"
#include "render/table_view.h"
#include "tests/support/recording_messages.h"

#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

class CutExportTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(startPictureCodecs());
        createTable(*grid, undo, *templateByName("h16"));
        dir = std::filesystem::temp_directory_path() /
              ("cuadrivista-export-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    void makeEveryCellATableCell()
    {
        for (int i = 0; i < grid->rows; ++i)
            for (int j = 0; j < grid->columns; ++j)
                grid->at(i, j).inTable = 1;
    }

    std::unique_ptr<TableGrid> grid = std::make_unique<TableGrid>();
    UndoStore undo;
    TableView view = makeTableView();
    PainterState painter;
    RecordingMessages messages;
    std::filesystem::path dir;
};

TEST_F(CutExportTest, the_16_pixel_template_exports_1104_by_781)
{
    const QImage picture = paintCutExport(view, *grid, painter, 0x00FFFF, messages);
    EXPECT_EQ(picture.width(), 1104);
    EXPECT_EQ(picture.height(), 781);
    // Free cells are not part of an export: the picture is the favourite background.
    EXPECT_EQ(QColor(picture.pixel(10, 10)), QColor(255, 255, 0));
    EXPECT_FALSE(painter.exportMode);
}

TEST_F(CutExportTest, the_outlines_touch_both_corners_for_every_thickness)
{
    makeEveryCellATableCell();
    for (int thickness = 1; thickness <= 7; ++thickness) {
        grid->lineThickness = thickness;
        const CutGeometry g = cutGeometry(thickness);
        const QImage picture = paintCutExport(view, *grid, painter, White, messages);
        const CellRecord& last = grid->at(grid->rows - 1, grid->columns - 1);
        EXPECT_EQ(picture.width(), last.right + (grid->columns - 1) + g.offset + g.addition)
            << thickness;
        EXPECT_EQ(picture.height(), last.bottom + (grid->rows - 1) + g.offset + g.addition)
            << thickness;
        EXPECT_EQ(picture.pixel(0, 0), qRgb(0, 0, 0)) << thickness;
        EXPECT_EQ(picture.pixel(picture.width() - 1, picture.height() - 1), qRgb(0, 0, 0))
            << thickness;
    }
}

TEST_F(CutExportTest, the_extent_reaches_a_cancelled_bottom_right_cell)
{
    grid->at(grid->rows - 1, grid->columns - 1).cancelled = 1;
    const QImage picture = paintCutExport(view, *grid, painter, White, messages);
    EXPECT_EQ(picture.width(), 1104);
    EXPECT_EQ(picture.height(), 781);
}

TEST_F(CutExportTest, an_export_never_grows_beyond_the_canvas)
{
    CellRecord& last = grid->at(grid->rows - 1, grid->columns - 1);
    last.right = 2000000000;
    last.bottom = 2000000000;
    const QImage picture = paintCutExport(view, *grid, painter, White, messages);
    EXPECT_LE(picture.width(), 1124);
    EXPECT_LE(picture.height(), 1124);
}

struct ExtensionCase {
    const char* path;
    const char* mime;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const ExtensionCase& c, std::ostream* os)
{
    *os << c.path;
}

class ExtensionTest : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(ExtensionTest, the_extension_selects_the_mime_type)
{
    EXPECT_EQ(mimeTypeForPath(GetParam().path), GetParam().mime);
}

INSTANTIATE_TEST_SUITE_P(Table, ExtensionTest,
                         ::testing::Values(ExtensionCase{"/t/a.png", "image/png"},
                                           ExtensionCase{"/t/a.JPG", "image/jpeg"},
                                           ExtensionCase{"/t/a.gif", "image/gif"},
                                           ExtensionCase{"/t/a.Tif", "image/tiff"},
                                           ExtensionCase{"/t/a.bmp", "image/bmp"},
                                           ExtensionCase{"/t/a.jpeg", ""},
                                           ExtensionCase{"/t/a.tiff", ""},
                                           ExtensionCase{"/t.d/noext", ""},
                                           ExtensionCase{"/t/a.png.txt", ""}));

TEST(FindEncoder, compares_mime_types_in_upper_case_by_containment)
{
    ASSERT_TRUE(startPictureCodecs());
    EXPECT_EQ(findEncoder("image/png")->mimeType, "image/png");
    EXPECT_EQ(findEncoder("IMAGE/TIFF")->mimeType, "image/tiff");
    EXPECT_EQ(findEncoder("")->mimeType, "image/jpeg"); // the first encoder listed
    EXPECT_EQ(findEncoder("png")->mimeType, "image/png");
    EXPECT_FALSE(findEncoder("image/x-unknown"));
}

TEST_F(CutExportTest, the_jpeg_command_writes_the_format_of_the_extension)
{
    struct Case {
        const char* name;
        const char* format;
    };
    for (const Case c : {Case{"t.jpg", "jpeg"}, Case{"t.jpeg", "jpeg"}, Case{"t.png", "png"},
                         Case{"t.gif", "gif"}, Case{"t.tif", "tiff"}}) {
        const auto path = (dir / c.name).string();
        EXPECT_TRUE(exportCutJpeg(path, view, *grid, painter, White, messages).ok()) << c.name;
        QImageReader reader(QString::fromStdString(path));
        EXPECT_EQ(reader.format().toStdString(), c.format) << c.name;
        EXPECT_EQ(reader.size(), QSize(1104, 781)) << c.name;
    }
}

TEST_F(CutExportTest, the_bitmap_command_writes_a_bmp_whatever_the_extension)
{
    const auto path = (dir / "cut.png").string();
    ASSERT_TRUE(exportCutBitmap(path, view, *grid, painter, White, messages).ok());
    std::ifstream file(path, std::ios::binary);
    char magic[2] = {};
    file.read(magic, 2);
    EXPECT_EQ(magic[0], 'B');
    EXPECT_EQ(magic[1], 'M');
    EXPECT_EQ(std::filesystem::file_size(path), 54u + 781u * ((1104u * 3u + 3u) / 4u * 4u));
}

TEST_F(CutExportTest, a_failed_export_reports_the_error_and_leaves_no_file)
{
    const auto path = (dir / "missing-folder" / "cut.bmp").string();
    const FileWriteResult result = exportCutBitmap(path, view, *grid, painter, White, messages);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.errorNumber, ENOENT);
    EXPECT_FALSE(std::filesystem::exists(path));
}

} // namespace

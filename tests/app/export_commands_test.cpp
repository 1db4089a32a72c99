#include "app/editor_state.h"
#include "app/export_commands.h"
#include "document/table_template.h"
#include "i18n/message_catalog.h"
#include "platform/picture_codec.h"
#include "tests/support/recording_messages.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

namespace {

class ExportCommandTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(startPictureCodecs());
        setCurrentLanguage(English);
        createTable(*state.grid, state.undo, *templateByName("h24"));
        dir = std::filesystem::temp_directory_path() /
              ("cuadrivista-export-cmd-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override
    {
        std::filesystem::remove_all(dir);
        setCurrentLanguage(Spanish);
    }

    EditorState state;
    RecordingMessages messages;
    std::filesystem::path dir;
};

TEST_F(ExportCommandTest, a_saved_picture_is_announced_in_the_current_language)
{
    EXPECT_TRUE(runCutExport(CutExportKind::Bitmap, (dir / "a.bmp").string(), state, messages));
    EXPECT_TRUE(runCutExport(CutExportKind::Jpeg, (dir / "a.jpg").string(), state, messages));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "Exported to cut bitmap ..");
    EXPECT_EQ(messages.shown[1].text, "Exported to JPEG cut");
    EXPECT_EQ(messages.shown[1].caption, "Programmer");
}

TEST_F(ExportCommandTest, a_failed_save_reports_the_error_instead_of_success)
{
    const auto target = dir / "no-such-folder" / "a.jpg";
    EXPECT_FALSE(runCutExport(CutExportKind::Jpeg, target.string(), state, messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Err:  " + std::to_string(ENOENT) + " No such file or directory");
    EXPECT_EQ(messages.shown[0].caption, "Programador");
    EXPECT_FALSE(std::filesystem::exists(target));
}

TEST_F(ExportCommandTest, an_export_leaves_the_normal_view_painted)
{
    ASSERT_TRUE(runCutExport(CutExportKind::Bitmap, (dir / "a.bmp").string(), state, messages));
    EXPECT_FALSE(state.painter.exportMode);
    // The free cell (0, 0) is squared paper again in the view: white inside a silver outline.
    EXPECT_EQ(pixelAt(state.view.tableBitmap, 4, 4), Silver);
    EXPECT_EQ(pixelAt(state.view.tableBitmap, 10, 10), White);
}

} // namespace

#include "app/command_line.h"

#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>

namespace {

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class CommandLineTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() /
              ("cuadrivista-cli-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        std::filesystem::permissions(dir, std::filesystem::perms::all);
        setLanguage(5);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    void setLanguage(int language)
    {
        std::ofstream(dir / "Cuadrivista.ini") << "[General]\r\nIdioma=" << language << "\r\n";
    }

    std::string path(const std::string& name) const { return (dir / name).string(); }

    // Runs the program with the settings of the test folder; prefix may drop privileges.
    RunResult run(const std::string& arguments, const std::string& prefix = "") const
    {
        const std::string outFile = path("stdout.txt");
        const std::string errFile = path("stderr.txt");
        const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY CUADRIVISTA_CONFIG_DIR='" +
                                    dir.string() + "' " + prefix + " '" CUADRIVISTA_BINARY "' " +
                                    arguments + " >'" + outFile + "' 2>'" + errFile + "'";
        RunResult r;
        const int status = std::system(command.c_str());
        r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.out = readAll(outFile);
        r.err = readAll(errFile);
        return r;
    }

    static std::string readAll(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::filesystem::path dir;
};

TEST_F(CommandLineTest, help_and_version_succeed)
{
    const RunResult help = run("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--export-cut"), std::string::npos);
    const RunResult version = run("--version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.rfind("cuadrivista ", 0), 0u);
}

TEST_F(CommandLineTest, new_info_convert_and_export_work_together)
{
    const std::string table = path("new table.qvtb");
    const RunResult created = run("--new h16 '" + table + "'");
    ASSERT_EQ(created.exitCode, 0) << created.err;
    EXPECT_EQ(std::filesystem::file_size(table), 46u * 65u * 1345u);

    const RunResult info = run("--info '" + table + "'");
    EXPECT_EQ(info.exitCode, 0) << info.err;
    EXPECT_EQ(info.out, "Width : 16 Height : 16 Rows : 46 Columns : 65 Separation : 1\n");

    const std::string converted = path("converted.qvtb");
    EXPECT_EQ(run("--convert '" + converted + "' '" + table + "'").exitCode, 0);
    EXPECT_EQ(std::filesystem::file_size(converted), 46u * 65u * 1345u);

    const RunResult bitmap = run("--export-cut '" + path("cut.BMP") + "' '" + table + "'");
    EXPECT_EQ(bitmap.exitCode, 0) << bitmap.err;
    EXPECT_EQ(bitmap.out, "Exported to cut bitmap ..\n");
    EXPECT_EQ(QImageReader(QString::fromStdString(path("cut.BMP"))).size(), QSize(1104, 781));

    const RunResult png = run("--export-cut '" + path("cut.png") + "' '" + table + "'");
    EXPECT_EQ(png.exitCode, 0) << png.err;
    EXPECT_EQ(png.out, "Exported to JPEG cut\n");
    QImageReader reader(QString::fromStdString(path("cut.png")));
    EXPECT_EQ(reader.format(), "png");
}

TEST_F(CommandLineTest, render_saves_the_whole_canvas_of_a_new_or_loaded_table)
{
    const RunResult fresh = run("--render '" + path("new.png") + "'");
    EXPECT_EQ(fresh.exitCode, 0) << fresh.err;
    QImage canvas(QString::fromStdString(path("new.png")));
    ASSERT_EQ(canvas.size(), QSize(1122, 1122));
    // A new Horizontal 32 pixels table: squared paper from (4, 4), the frame at x = 1.
    EXPECT_EQ(canvas.pixelColor(4, 4), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(canvas.pixelColor(10, 10), QColor(Qt::white));
    EXPECT_EQ(canvas.pixelColor(1, 1000), QColor(Qt::black));

    const std::string table = path("t.qvtb");
    ASSERT_EQ(run("--new v16 '" + table + "'").exitCode, 0);
    EXPECT_EQ(run("--render '" + path("v.bmp") + "' '" + table + "'").exitCode, 0);
    EXPECT_EQ(QImageReader(QString::fromStdString(path("v.bmp"))).size(), QSize(1122, 1122));
    EXPECT_EQ(run("--render '" + path("x.png") + "' '" + path("missing.qvtb") + "'").exitCode, 1);
}

TEST_F(CommandLineTest, messages_follow_the_configured_language)
{
    const std::string table = path("t.qvtb");
    ASSERT_EQ(run("--new v64 '" + table + "'").exitCode, 0);
    setLanguage(1);
    EXPECT_EQ(run("--info '" + table + "'").out,
              "Ancho : 64 Alto : 64 Filas : 17 Columnas : 12 Separaci\xC3\xB3n : 1\n");
}

TEST_F(CommandLineTest, a_missing_work_file_is_refused_with_the_editor_message)
{
    const RunResult r = run("--info '" + path("nowhere.qvtb") + "'");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Work file : \n" + path("nowhere.qvtb") + "\nNot Exist ...\n");
}

TEST_F(CommandLineTest, a_file_of_the_wrong_length_is_refused)
{
    std::ofstream(path("short.qvtb"), std::ios::binary) << std::string(1345 * 3 + 1, '\0');
    const RunResult r = run("--export-cut '" + path("x.png") + "' '" + path("short.qvtb") + "'");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Wrong format file ..."), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(path("x.png")));
}

TEST_F(CommandLineTest, a_bad_template_or_argument_list_is_a_usage_error)
{
    EXPECT_EQ(run("--new h17 '" + path("a.qvtb") + "'").exitCode, 1);
    EXPECT_EQ(run("--new h16").exitCode, 1);
    EXPECT_EQ(run("--export-cut only-one").exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(path("a.qvtb")));
}

TEST_F(CommandLineTest, an_export_into_a_folder_without_write_permission_fails_cleanly)
{
    const std::string table = path("t.qvtb");
    ASSERT_EQ(run("--new h32 '" + table + "'").exitCode, 0);
    std::filesystem::permissions(table, std::filesystem::perms::owner_read |
                                            std::filesystem::perms::group_read |
                                            std::filesystem::perms::others_read);
    const auto locked = dir / "locked";
    std::filesystem::create_directories(locked);
    std::filesystem::permissions(
        locked, std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                    std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
                    std::filesystem::perms::others_exec);
    const std::string target = (locked / "cut.bmp").string();
    const RunResult r = run("--export-cut '" + target + "' '" + table + "'",
                            "setpriv --reuid=65534 --regid=65534 --clear-groups");
    EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
    EXPECT_NE(r.err.find("Err:  13 "), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(std::filesystem::is_empty(locked));
}

TEST(WorkFileArguments, are_joined_by_blanks_without_quotes)
{
    EXPECT_EQ(workFileFromArguments({"/tmp/my", "\"table\".qvtb"}), "/tmp/my table.qvtb");
    EXPECT_EQ(workFileFromArguments({}), "");
    EXPECT_EQ(workFileFromArguments({std::string(300, 'a')}).size(), 255u);
}

} // namespace

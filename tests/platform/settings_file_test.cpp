#include "platform/settings_file.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace {

struct NumberCase {
    const char* text;
    std::int64_t expected;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const NumberCase& c, std::ostream* os)
{
    *os << '"' << c.text << '"';
}

class SettingsNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(SettingsNumberTest, reads_the_number_at_the_start_rounded_half_to_even)
{
    EXPECT_EQ(settingsNumber(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Values, SettingsNumberTest,
                         ::testing::Values(NumberCase{"5", 5}, NumberCase{" 5", 5},
                                           NumberCase{"5.4", 5}, NumberCase{"2.5", 2},
                                           NumberCase{"3.5", 4}, NumberCase{"-1", -1},
                                           NumberCase{"abc", 0}, NumberCase{"", 0},
                                           NumberCase{"12abc", 12},
                                           NumberCase{"16777215", 16777215},
                                           NumberCase{"99999999999999999999999", INT64_MAX}));

TEST(Settings, a_missing_file_gives_every_default)
{
    const Settings s = readSettings("/nonexistent/folder/Cuadrivista.ini");
    EXPECT_EQ(s.language, 1);
    EXPECT_EQ(s.rulerKind, 1);
    EXPECT_EQ(s.favouriteBackground, 16777215);
    EXPECT_EQ(s.charsetCode, 0);
    for (const int sw : s.copySwitches)
        EXPECT_EQ(sw, 1);
}

TEST(Settings, values_come_from_their_sections_and_keys)
{
    const Settings s = parseSettings("[General]\r\n"
                                     "caracteres=128\r\n"
                                     "Color fondo=255\r\n"
                                     "Regleta=3.5\r\n"
                                     "idioma = 5\r\n"
                                     "[Config Copia]\r\n"
                                     "Colfondo=0\r\n"
                                     "Tama\xC3\xB1o=0\r\n"
                                     "Permite Numero=0\r\n"
                                     "[Other]\r\n"
                                     "Texto=0\r\n");
    EXPECT_EQ(s.charsetCode, 128);
    EXPECT_EQ(s.favouriteBackground, 255); // red
    EXPECT_EQ(s.rulerKind, 4);             // its user brings it back to 1
    EXPECT_EQ(s.language, 5);
    EXPECT_EQ(s.copySwitches[0], 0);
    EXPECT_EQ(s.copySwitches[3], 0);
    EXPECT_EQ(s.copySwitches[14], 0);
    EXPECT_EQ(s.copySwitches[9], 1); // "Texto" of another section does not count
}

TEST(Settings, a_language_outside_the_six_is_kept_as_it_is)
{
    EXPECT_EQ(parseSettings("[General]\nIdioma=9\n").language, 9);
    EXPECT_EQ(parseSettings("[General]\nIdioma=letters\n").language, 0);
}

TEST(Settings, the_config_folder_variable_wins)
{
    const auto dir = std::filesystem::temp_directory_path() / "cuadrivista-settings-test";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "Cuadrivista.ini") << "[General]\nIdioma=6\n";
    ::setenv("CUADRIVISTA_CONFIG_DIR", dir.c_str(), 1);
    EXPECT_EQ(settingsPath(), (dir / "Cuadrivista.ini").string());
    EXPECT_EQ(readSettings(settingsPath()).language, 6);
    ::unsetenv("CUADRIVISTA_CONFIG_DIR");
    std::filesystem::remove_all(dir);
}

TEST(Settings, a_folder_or_fifo_in_place_of_the_file_gives_the_defaults_without_blocking)
{
    const auto dir = std::filesystem::temp_directory_path() / "cuadrivista-settings-fifo";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "Cuadrivista.ini");
    EXPECT_EQ(readSettings((dir / "Cuadrivista.ini").string()).language, 1);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const auto fifo = dir / "Cuadrivista.ini";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(readSettings(fifo.string()).language, 1);
    std::filesystem::remove_all(dir);
}

} // namespace

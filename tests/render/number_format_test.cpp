#include "render/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct FormatCase {
    double value;
    std::int16_t type;
    std::string shown; // the field without its trailing blanks
};

std::ostream& operator<<(std::ostream& out, const FormatCase& c)
{
    return out << c.value << " with type " << c.type;
}

std::string field(std::string shown)
{
    shown.append(19 - shown.size(), ' ');
    return shown;
}

class FormatNumber : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumber, gives_the_masked_text_in_a_field_of_nineteen)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatNumber(c.value, c.type), field(c.shown));
}

// The sample values the properties dialog shows beside each format type.
INSTANTIATE_TEST_SUITE_P(
    DialogSamples, FormatNumber,
    testing::Values(FormatCase{2034500.13, 1, "2,034,500.13"},
                    FormatCase{2034500.13, 4, "2.034.500'13"}, FormatCase{1850000, 2, "1,850,000"},
                    FormatCase{1850000, 5, "1.850.000"}, FormatCase{1183.72f, 3, "1183.72"},
                    FormatCase{1183.72f, 6, "1183'72"}, FormatCase{1183.72f, 7, "1184"},
                    FormatCase{1183.72, 7, "1184"}));

INSTANTIATE_TEST_SUITE_P(
    Grouping, FormatNumber,
    testing::Values(FormatCase{100, 1, "100.00"}, FormatCase{1000, 1, "1,000.00"},
                    FormatCase{123, 2, "123"}, FormatCase{123456, 5, "123.456"},
                    FormatCase{1234.5, 3, "1234.50"},
                    // Integer digits beyond the twelve positions of the masks still show.
                    FormatCase{1234567890123.0, 2, "1,234,567,890,123"},
                    FormatCase{1234567890123456.0, 7, "1234567890123456"}));

INSTANTIATE_TEST_SUITE_P(
    BelowOneAndZero, FormatNumber,
    testing::Values(FormatCase{0.5, 1, ".50"}, FormatCase{0.5, 4, "'50"},
                    FormatCase{0.5, 3, "0.50"}, FormatCase{0.5, 6, "0'50"}, FormatCase{0, 1, ".00"},
                    FormatCase{0, 3, "0.00"}, FormatCase{0, 6, "0'00"},
                    // "#" shows no leading zero, so a zero shows nothing with the integer masks.
                    FormatCase{0, 2, ""}, FormatCase{0, 5, ""}, FormatCase{0, 7, ""},
                    FormatCase{0.4, 7, ""}, FormatCase{0.04, 7, ""}, FormatCase{0.0004, 3, "0.00"},
                    FormatCase{0.000999, 1, ".00"},
                    FormatCase{std::numeric_limits<double>::denorm_min(), 3, "0.00"}));

INSTANTIATE_TEST_SUITE_P(HalvesGoToTheEvenDigit, FormatNumber,
                         testing::Values(FormatCase{0.125, 1, ".12"}, FormatCase{0.375, 1, ".38"},
                                         FormatCase{0.125, 3, "0.12"}, FormatCase{0.375, 6, "0'38"},
                                         FormatCase{2.5, 7, "2"}, FormatCase{3.5, 7, "4"},
                                         FormatCase{2.5, 2, "2"}, FormatCase{3.5, 5, "4"},
                                         FormatCase{0.5, 7, ""}, FormatCase{1.5, 7, "2"},
                                         FormatCase{-2.5, 7, "-2"}, FormatCase{-0.375, 1, "-.38"}));

// The doubles nearest to 0.995 and 0.045 lie just below the half, the one nearest to 0.005
// just above it, so the rounding follows the stored value and not the typed text.
INSTANTIATE_TEST_SUITE_P(RoundingOfNearHalves, FormatNumber,
                         testing::Values(FormatCase{0.995, 1, ".99"}, FormatCase{0.045, 3, "0.04"},
                                         FormatCase{0.005, 3, "0.01"}, FormatCase{0.015, 3, "0.01"},
                                         FormatCase{2.675, 3, "2.67"},
                                         FormatCase{1234567.885, 1, "1,234,567.89"}));

// 1000.245 is stored as 1000.24500000000000454..., 1000.255 as 1000.25499999999999545...;
// at 18 significant digits both become exact halves, which then go to the even digit.
INSTANTIATE_TEST_SUITE_P(
    EighteenSignificantDigitsFirst, FormatNumber,
    testing::Values(FormatCase{1000.245, 1, "1,000.24"}, FormatCase{1000.245, 4, "1.000'24"},
                    FormatCase{1000.255, 1, "1,000.26"}, FormatCase{1000.255, 3, "1000.26"},
                    // 2^63 = 9223372036854775808 has 19 digits; the last one is rounded away.
                    FormatCase{9223372036854775808.0, 7, "9223372036854775810"}));

INSTANTIATE_TEST_SUITE_P(CarriesIntoNewDigits, FormatNumber,
                         testing::Values(FormatCase{9.996, 1, "10.00"},
                                         FormatCase{0.999, 1, "1.00"},
                                         FormatCase{999999.999, 2, "1,000,000"},
                                         FormatCase{999.5, 7, "1000"}));

INSTANTIATE_TEST_SUITE_P(
    Negatives, FormatNumber,
    testing::Values(FormatCase{-1234.5, 1, "-1,234.50"}, FormatCase{-1234.5, 4, "-1.234'50"},
                    FormatCase{-1234.5, 3, "-1234.50"}, FormatCase{-1234.5, 6, "-1234'50"},
                    FormatCase{-123, 2, "-123"}, FormatCase{-1850000, 5, "-1.850.000"},
                    FormatCase{-0.5, 1, "-.50"}, FormatCase{-0.5, 3, "-0.50"},
                    FormatCase{-1183.72, 7, "-1184"}));

// A negative value that rounds to zero shows as zero, without a minus sign.
INSTANTIATE_TEST_SUITE_P(NegativesRoundingToZero, FormatNumber,
                         testing::Values(FormatCase{-0.001, 1, ".00"},
                                         FormatCase{-0.001, 3, "0.00"},
                                         FormatCase{-0.004, 6, "0'00"}, FormatCase{-0.4, 7, ""},
                                         FormatCase{-0.5, 2, ""}, FormatCase{-0.0, 3, "0.00"}));

// Results longer than the field are cut to their first 19 characters without any mark.
INSTANTIATE_TEST_SUITE_P(
    CutToTheField, FormatNumber,
    testing::Values(
        FormatCase{1e16, 1, "10,000,000,000,000,"}, FormatCase{1e16, 4, "10.000.000.000.000."},
        FormatCase{1e15, 2, "1,000,000,000,000,0"}, FormatCase{-1e16, 3, "-10000000000000000."},
        FormatCase{9223372036854775808.0, 2, "9,223,372,036,854,7"},
        // 1e300 is stored as 1.000000000000000052504...e300.
        FormatCase{1e300, 7, "1000000000000000050"}, FormatCase{1e300, 1, "1,000,000,000,000,0"},
        FormatCase{-1e300, 5, "-1.000.000.000.000."},
        FormatCase{std::numeric_limits<double>::max(), 7, "1797693134862315710"}));

INSTANTIATE_TEST_SUITE_P(
    NotANumberAndInfinities, FormatNumber,
    testing::Values(FormatCase{std::nan(""), 1, "NaN"}, FormatCase{std::nan(""), 6, "NaN"},
                    FormatCase{std::numeric_limits<double>::infinity(), 2, "Infinity"},
                    FormatCase{std::numeric_limits<double>::infinity(), 4, "Infinity"},
                    FormatCase{-std::numeric_limits<double>::infinity(), 7, "-Infinity"}));

INSTANTIATE_TEST_SUITE_P(TypesOutsideOneToSeven, FormatNumber,
                         testing::Values(FormatCase{1234.5, 0, ""}, FormatCase{1234.5, 8, ""},
                                         FormatCase{1234.5, -1, ""}, FormatCase{1234.5, 32767, ""},
                                         FormatCase{std::nan(""), 0, ""}));

TEST(FormatNumberField, is_filled_with_blanks_on_the_right)
{
    EXPECT_EQ(formatNumber(2034500.13, 1), "2,034,500.13       ");
    EXPECT_EQ(formatNumber(1850000, 5), "1.850.000          ");
    EXPECT_EQ(formatNumber(0.5, 1), ".50                ");
    EXPECT_EQ(formatNumber(1234.5, 8), "                   ");
    EXPECT_EQ(formatNumber(0, 7), "                   ");
}

TEST(FormatNumberField, has_nineteen_characters_for_every_type_and_magnitude)
{
    const double values[] = {0.0,
                             -0.0,
                             1e-300,
                             0.5,
                             1.0,
                             123.456,
                             -98765.4321,
                             1e17,
                             1e18,
                             -1e308,
                             std::numeric_limits<double>::quiet_NaN()};
    for (std::int16_t type = -2; type <= 10; ++type) {
        for (double value : values)
            EXPECT_EQ(formatNumber(value, type).size(), 19u) << value << " with type " << type;
    }
}

} // namespace

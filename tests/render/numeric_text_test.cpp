#include "render/numeric_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace {

// Printable ASCII as it is, every other unit as \uXXXX, so that failures and test names show
// exactly which text was read.
std::string narrow(std::u16string_view text)
{
    std::string result;
    for (char16_t c : text) {
        if (c >= 0x20 && c < 0x7f) {
            result += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            result += escaped;
        }
    }
    return result;
}

struct ReadingCase {
    std::u16string text;
    double value;
};

std::ostream& operator<<(std::ostream& out, const ReadingCase& c)
{
    return out << '"' << narrow(c.text) << '"';
}

class LeadingNumber : public testing::TestWithParam<ReadingCase> {};

TEST_P(LeadingNumber, reads_the_number_at_the_start_of_the_text)
{
    EXPECT_EQ(leadingNumber(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Numbers, LeadingNumber,
                         testing::Values(ReadingCase{u"12.5", 12.5},
                                         ReadingCase{u"  12.5abc", 12.5}, ReadingCase{u"-3", -3},
                                         ReadingCase{u"+4.25", 4.25},
                                         ReadingCase{u"   -7.75 kg", -7.75},
                                         ReadingCase{u".5", 0.5}, ReadingCase{u"-.25", -0.25},
                                         ReadingCase{u"5.", 5}, ReadingCase{u"007", 7},
                                         ReadingCase{u"1234.5", 1234.5}));

INSTANTIATE_TEST_SUITE_P(StopsAtTheFirstOtherCharacter, LeadingNumber,
                         testing::Values(ReadingCase{u"1.2.3", 1.2}, ReadingCase{u"12 5", 12},
                                         ReadingCase{u"1,234.56", 1}, ReadingCase{u"1'5", 1},
                                         ReadingCase{u"1e5", 1}, ReadingCase{u"0x1F", 0},
                                         ReadingCase{u"12\u00a05", 12},
                                         ReadingCase{u"3\u0661", 3}));

INSTANTIATE_TEST_SUITE_P(NoNumberReadsAsZero, LeadingNumber,
                         testing::Values(ReadingCase{u"", 0}, ReadingCase{u"abc", 0},
                                         ReadingCase{u"   ", 0}, ReadingCase{u". 5", 0},
                                         ReadingCase{u".", 0}, ReadingCase{u"-", 0},
                                         ReadingCase{u"- 5", 0}, ReadingCase{u"+-5", 0},
                                         ReadingCase{u"--5", 0}, ReadingCase{u"\u0661\u0662", 0},
                                         ReadingCase{u"\uff11\uff12", 0}, ReadingCase{u"\t5", 0},
                                         ReadingCase{u"kg 5", 0}));

// The value is the double nearest to the decimal text, as the compiler reads the same literal.
INSTANTIATE_TEST_SUITE_P(
    CorrectlyRounded, LeadingNumber,
    testing::Values(ReadingCase{u"0.1", 0.1}, ReadingCase{u"2034500.13", 2034500.13},
                    ReadingCase{u"1183.72", 1183.72},
                    ReadingCase{u"0.1234567890123456789", 0.1234567890123456789},
                    ReadingCase{u"3.14159265358979323846264338327950288", 3.14159265358979323846},
                    ReadingCase{u"123456789.987654321", 123456789.987654321},
                    ReadingCase{u"9007199254740993", 9007199254740992.0},
                    ReadingCase{u"-0.000000000000000000001", -1e-21}));

TEST(LeadingNumberOfLongTexts, reads_every_digit_of_a_full_cell_text)
{
    std::u16string ones = u"1";
    ones.append(272, u'0');
    EXPECT_EQ(leadingNumber(ones), 1e272);

    std::u16string tiny = u"0.";
    tiny.append(270, u'0');
    tiny += u'1';
    EXPECT_EQ(tiny.size(), 273u);
    EXPECT_EQ(leadingNumber(tiny), 1e-271);

    std::u16string pattern;
    while (pattern.size() < 273)
        pattern += u"123456789";
    pattern.resize(273);
    EXPECT_EQ(leadingNumber(pattern), 1.234567891234567891234567891e272);
}

TEST(LeadingNumberOfLongTexts, is_infinite_or_zero_beyond_the_range_of_a_double)
{
    std::u16string huge = u"-9";
    huge.append(400, u'9');
    EXPECT_EQ(leadingNumber(huge), -std::numeric_limits<double>::infinity());

    std::u16string tiny = u"0.";
    tiny.append(400, u'0');
    tiny += u"7abc";
    EXPECT_EQ(leadingNumber(tiny), 0.0);
}

struct CheckCase {
    std::u16string text;
    bool accepted;
    std::u16string normalised;
};

std::ostream& operator<<(std::ostream& out, const CheckCase& c)
{
    return out << '"' << narrow(c.text) << '"';
}

class CheckNumericText : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckNumericText, accepts_and_normalises_or_refuses)
{
    const CheckCase& c = GetParam();
    const NumericTextCheck check = checkNumericText(c.text);
    EXPECT_EQ(check.accepted, c.accepted);
    EXPECT_EQ(narrow(check.normalised), narrow(c.normalised));
}

INSTANTIATE_TEST_SUITE_P(
    Accepted, CheckNumericText,
    testing::Values(CheckCase{u"1,234.56", true, u"1,234.56"}, CheckCase{u"42", true, u"42"},
                    CheckCase{u".5", true, u".5"}, CheckCase{u"1'5", true, u"1'5"},
                    CheckCase{u"1,5", true, u"1,5"}, CheckCase{u"1.2.3", true, u"1.2.3"},
                    CheckCase{u".", true, u"."}, CheckCase{u"5.,'", true, u"5.,'"}));

INSTANTIATE_TEST_SUITE_P(
    LeadingSeparatorBecomesAPoint, CheckNumericText,
    testing::Values(CheckCase{u",5", true, u".5"}, CheckCase{u"'5", true, u".5"},
                    CheckCase{u",1,5", true, u".1.5"}, CheckCase{u"'1'234", true, u".1.234"},
                    // Once the commas are points the text no longer begins with "'".
                    CheckCase{u",1'5", true, u".1'5"}, CheckCase{u"'1,5", true, u".1,5"},
                    CheckCase{u",", true, u"."}, CheckCase{u"'", true, u"."}));

INSTANTIATE_TEST_SUITE_P(
    Refused, CheckNumericText,
    testing::Values(CheckCase{u"", false, u""}, CheckCase{u"..5", false, u"..5"},
                    CheckCase{u",'5", false, u",'5"}, CheckCase{u"'.5", false, u"'.5"},
                    CheckCase{u",,", false, u",,"}, CheckCase{u"12a", false, u"12a"},
                    CheckCase{u"12 5", false, u"12 5"}, CheckCase{u"12 ", false, u"12 "},
                    CheckCase{u" 12", false, u" 12"}, CheckCase{u"-5", false, u"-5"},
                    CheckCase{u"+5", false, u"+5"}, CheckCase{u"1e5", false, u"1e5"},
                    CheckCase{u"12\r\n", false, u"12\r\n"},
                    CheckCase{u"5\u2019", false, u"5\u2019"},
                    CheckCase{u"\uff11\uff12", false, u"\uff11\uff12"}));

} // namespace

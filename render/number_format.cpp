#include "render/number_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace {

struct FormatRow {
    std::string_view mask;
    bool spanishSeparators;
};

// Indexed by format type less one.
constexpr std::array<FormatRow, 7> FormatRows{{
    {"###,###,###,###.00", false},
    {"###,###,###,###", false},
    {"0.00", false},
    {"###,###,###,###.00", true},
    {"###,###,###,###", true},
    {"0.00", true},
    {"############", false},
}};

// What a mask asks of the digits: "#" shows a digit only where the number has one and "0"
// always does, a "," in the integer part groups it by threes, and the positions after "."
// give the decimals.
struct MaskShape {
    int decimals = 0;
    std::size_t minimumIntegerDigits = 0;
    bool grouped = false;
};

MaskShape shapeOf(std::string_view mask)
{
    MaskShape shape;
    const std::size_t point = mask.find('.');
    for (char c : mask.substr(0, point)) {
        if (c == '0')
            ++shape.minimumIntegerDigits;
        else if (c == ',')
            shape.grouped = true;
    }
    if (point != std::string_view::npos)
        shape.decimals = static_cast<int>(mask.size() - point - 1);
    return shape;
}

// A non-negative value as 0.d1d2...d18 x 10^pointPosition.
struct SignificantDigits {
    std::string digits;
    int pointPosition = 0;
};

SignificantDigits significantDigits(double magnitude)
{
    // to_chars gives the correctly rounded digits whatever the process locale is; the
    // printf family would write the locale's decimal point.
    std::array<char, 40> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                       std::chars_format::scientific, 17);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(written.ptr - buffer.data()));
    const std::size_t e = text.find('e');
    SignificantDigits result;
    result.digits.push_back(text[0]);
    result.digits.append(text.substr(2, e - 2));
    std::size_t exponentStart = e + 1;
    if (text[exponentStart] == '+')
        ++exponentStart;
    int exponent = 0;
    std::from_chars(text.data() + exponentStart, text.data() + text.size(), exponent);
    result.pointPosition = exponent + 1;
    return result;
}

void incrementDigits(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The digits of the value times 10^decimals rounded to an integer, exact halves to even.
std::string scaledAndRounded(const SignificantDigits& value, int decimals)
{
    const int kept = value.pointPosition + decimals;
    const int available = static_cast<int>(value.digits.size());
    if (kept >= available)
        return value.digits + std::string(static_cast<std::size_t>(kept - available), '0');
    if (kept < 0)
        return {};
    std::string result = value.digits.substr(0, static_cast<std::size_t>(kept));
    const std::string_view rest =
        std::string_view(value.digits).substr(static_cast<std::size_t>(kept));
    const bool beyondHalf = rest.find_first_not_of('0', 1) != std::string_view::npos;
    const bool lastIsOdd = !result.empty() && (result.back() - '0') % 2 == 1;
    if (rest[0] > '5' || (rest[0] == '5' && (beyondHalf || lastIsOdd)))
        incrementDigits(result);
    return result;
}

std::string groupedByThousands(const std::string& digits)
{
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped.push_back(',');
        grouped.push_back(digits[i]);
    }
    return grouped;
}

std::string applyMask(double value, const MaskShape& shape)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Infinity" : "Infinity";

    std::string scaled = scaledAndRounded(significantDigits(std::fabs(value)), shape.decimals);
    scaled.erase(0, scaled.find_first_not_of('0'));
    const bool roundsToZero = scaled.empty();

    const std::size_t decimals = static_cast<std::size_t>(shape.decimals);
    if (scaled.size() < decimals)
        scaled.insert(0, decimals - scaled.size(), '0');
    std::string integerDigits = scaled.substr(0, scaled.size() - decimals);
    if (integerDigits.size() < shape.minimumIntegerDigits)
        integerDigits.insert(0, shape.minimumIntegerDigits - integerDigits.size(), '0');

    // A value that rounds to zero shows no minus sign: "-.00" would read as a negative number.
    std::string text = std::signbit(value) && !roundsToZero ? "-" : "";
    text += shape.grouped ? groupedByThousands(integerDigits) : integerDigits;
    if (decimals > 0) {
        text.push_back('.');
        text.append(scaled, scaled.size() - decimals);
    }
    return text;
}

// Both replacements in one pass, so the "." that replaces a "," stays a ".".
std::string withSpanishSeparators(const std::string& text)
{
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c == ',')
            result.push_back('.');
        else if (c == '.')
            result.push_back('\'');
        else
            result.push_back(c);
    }
    return result;
}

} // namespace

std::string formatNumber(double value, std::int16_t type)
{
    if (type < 1 || type > static_cast<std::int16_t>(FormatRows.size()))
        return std::string(NumberFieldWidth, ' ');
    const FormatRow& row = FormatRows[static_cast<std::size_t>(type - 1)];
    std::string text = applyMask(value, shapeOf(row.mask));
    if (row.spanishSeparators)
        text = withSpanishSeparators(text);
    text.resize(NumberFieldWidth, ' ');
    return text;
}

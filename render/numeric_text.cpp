#include "render/numeric_text.h"

#include <charconv>
#include <limits>

double leadingNumber(std::u16string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }

    std::string number;
    bool hasPoint = false;
    bool hasDigit = false;
    bool hasIntegerValue = false;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= u'0' && c <= u'9') {
            number.push_back(static_cast<char>(c));
            hasDigit = true;
            hasIntegerValue = hasIntegerValue || (!hasPoint && c != u'0');
        } else if (c == u'.' && !hasPoint) {
            number.push_back('.');
            hasPoint = true;
        } else {
            break;
        }
    }
    if (!hasDigit)
        return 0.0;

    double value = 0.0;
    const auto parsed = std::from_chars(number.data(), number.data() + number.size(), value);
    // Only a text far longer than a cell holds leaves the range of a double: a value of at
    // least 1 then overflows, a smaller one underflows.
    if (parsed.ec == std::errc::result_out_of_range)
        value = hasIntegerValue ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

namespace {

bool isSeparator(char16_t c)
{
    return c == u'.' || c == u',' || c == u'\'';
}

bool isNumericCharacter(char16_t c)
{
    return (c >= u'0' && c <= u'9') || isSeparator(c);
}

void replaceAll(std::u16string& text, char16_t from, char16_t to)
{
    for (char16_t& c : text) {
        if (c == from)
            c = to;
    }
}

} // namespace

NumericTextCheck checkNumericText(std::u16string_view text)
{
    NumericTextCheck check{false, std::u16string(text)};
    if (text.empty())
        return check;
    for (char16_t c : text) {
        if (!isNumericCharacter(c))
            return check;
    }
    if (text.size() >= 2 && isSeparator(text[0]) && isSeparator(text[1]))
        return check;

    std::u16string& normalised = check.normalised;
    if (normalised[0] == u',')
        replaceAll(normalised, u',', u'.');
    if (normalised[0] == u'\'')
        replaceAll(normalised, u'\'', u'.');
    check.accepted = true;
    return check;
}

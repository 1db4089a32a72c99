#pragma once

#include <string>
#include <string_view>

// The number at the start of a cell text: leading blanks are skipped, then an optional sign,
// then digits with at most one "." as the decimal point; reading stops at the first other
// character. A text that does not start with a number reads as 0.
double leadingNumber(std::u16string_view text);

struct NumericTextCheck {
    bool accepted = false;
    // The text to store when accepted; the text as given when refused.
    std::u16string normalised;
};

// The check a numeric cell text must pass before it is stored: not empty, made only of
// "1234567890.,'", and not beginning with two or more of ".,'". A text beginning with ","
// has every "," turned into "."; then one beginning with "'" has every "'" turned into ".",
// so that a decimal fraction typed in either convention reads as a number.
NumericTextCheck checkNumericText(std::u16string_view text);

#pragma once

#include <cstdint>
#include <string>

// Every formatted number is a field of this many characters, cut or filled with blanks.
inline constexpr int NumberFieldWidth = 19;

// Formats a value with the mask of a number format type 1..7 (English or Spanish convention,
// with or without thousands grouping, or a plain integer) into a field of NumberFieldWidth
// characters; any other type gives a field of blanks. The value is first taken to 18
// significant decimal digits, then rounded to the mask's decimals with exact halves going to
// the even digit. A result longer than the field is cut without any mark.
std::string formatNumber(double value, std::int16_t type);

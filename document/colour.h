#pragma once

#include <cstdint>

// Colours are 24-bit values laid out as 0x00BBGGRR: red in the lowest byte, as the work
// files store them.
using Colour = std::int32_t;

constexpr Colour NoFillColour = -2;
constexpr Colour White = 0xFFFFFF;
constexpr Colour Black = 0x000000;
constexpr Colour Silver = 0xC0C0C0;
constexpr Colour Yellow = 0x00FFFF;
constexpr Colour DarkBlue = 0x8B0000;
constexpr Colour Red = 0x0000FF;

constexpr int redOf(Colour c)
{
    return c & 0xFF;
}
constexpr int greenOf(Colour c)
{
    return (c >> 8) & 0xFF;
}
constexpr int blueOf(Colour c)
{
    return (c >> 16) & 0xFF;
}
constexpr Colour rgbColour(int r, int g, int b)
{
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}

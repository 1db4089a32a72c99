#include "platform/raster.h"

#include "platform/raster_pixels.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {
using Coord = std::int64_t;
// Products of two 32-bit coordinate differences need more than 64 bits.
using Wide = __int128;

Coord sign(Coord v)
{
    return (v > 0) - (v < 0);
}
} // namespace

void drawLine(Raster& r, int x1, int y1, int x2, int y2, Colour colour)
{
    const Coord dx = Coord{x2} - x1;
    const Coord dy = Coord{y2} - y1;
    if (dx == 0 && dy == 0)
        return;
    const PixelView px = writablePixels(r);
    if (px.empty())
        return;
    const int t = std::max(1, r.penWidth);
    // GDI draws styled pens only one pixel wide; a wider dotted pen is solid.
    const bool dotted = r.penStyle == PenStyle::Dotted && t == 1;
    const std::uint32_t pen = toQRgb(colour);

    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const Coord steps = xMajor ? std::llabs(dx) : std::llabs(dy);
    const Coord minorSpan = xMajor ? std::llabs(dy) : std::llabs(dx);
    const Coord majorStep = sign(xMajor ? dx : dy);
    const Coord minorStep = sign(xMajor ? dy : dx);
    const Coord majorStart = xMajor ? x1 : y1;
    const Coord minorStart = xMajor ? y1 : x1;
    const Coord majorSize = xMajor ? px.width : px.height;

    // A wide pen paints, at every step along the line, a run across the major axis centred
    // like a box edge ([c - T/2, c - T/2 + T)); diagonal runs are lengthened so that the
    // line keeps its width measured square to its direction.
    Coord run = 1;
    if (t > 1) {
        run = minorSpan == 0 ? t
                             : std::llround(t * std::hypot(double(dx), double(dy)) / double(steps));
    }

    // Only the steps whose major coordinate lies inside the raster are walked, so a line
    // with far-away end points costs no more than one across the raster.
    Coord first = majorStep > 0 ? -majorStart : majorStart - majorSize + 1;
    Coord last = majorStep > 0 ? majorSize - majorStart : majorStart + 1;
    first = std::clamp<Coord>(first, 0, steps);
    last = std::clamp<Coord>(last, 0, steps);

    for (Coord i = first; i < last; ++i) {
        if (dotted && i % 6 >= 3)
            continue;
        const Coord major = majorStart + majorStep * i;
        const Coord offset = Coord((Wide{2} * i * minorSpan + steps) / (Wide{2} * steps));
        const Coord minor = minorStart + minorStep * offset;
        if (run == 1) {
            if (xMajor)
                px.set(major, minor, pen);
            else
                px.set(minor, major, pen);
            continue;
        }
        const Coord from = minor - run / 2;
        if (xMajor)
            px.fill(major, from, major + 1, from + run, pen);
        else
            px.fill(from, major, from + run, major + 1, pen);
    }
}

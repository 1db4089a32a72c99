#include "platform/raster.h"

#include "platform/raster_pixels.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace {
using Coord = std::int64_t;

// The diagonal cross-hatch: 45-degree lines both ways every 8 pixels, anchored at the
// raster's origin so that neighbouring boxes continue one pattern.
void hatchSpan(const PixelView& px, Coord y, Coord x1, Coord x2, std::uint32_t colour)
{
    if (y < 0 || y >= px.height)
        return;
    x1 = std::max<Coord>(x1, 0);
    x2 = std::min<Coord>(x2, px.width);
    if (x1 >= x2)
        return;
    std::uint32_t* row = px.row(y);
    for (Coord x = x1 + ((y - x1) & 7); x < x2; x += 8)
        row[x] = colour;
    for (Coord x = x1 + ((7 - y - x1) & 7); x < x2; x += 8)
        row[x] = colour;
}

void fillSpan(const PixelView& px, BoxFill fill, Coord y, Coord x1, Coord x2, std::uint32_t colour)
{
    if (fill == BoxFill::Solid)
        px.fill(x1, y, x2, y + 1, colour);
    else if (fill == BoxFill::CrossHatch)
        hatchSpan(px, y, x1, x2, colour);
}

// A band of a wide pen is centred on its edge pixel c: [c - T/2, c - T/2 + T).
Coord bandStart(Coord c, int t)
{
    return c - t / 2;
}

// The indices i in [0, count) for which c + step * i lies in [0, size).
std::pair<Coord, Coord> visibleRange(Coord c, int step, Coord size, Coord count)
{
    const Coord lo = step > 0 ? -c : c - size + 1;
    const Coord hi = step > 0 ? size - c : c + 1;
    return {std::clamp<Coord>(lo, 0, std::max<Coord>(count, 0)),
            std::clamp<Coord>(hi, 0, std::max<Coord>(count, 0))};
}

// A 1-pixel dotted outline, three pixels on and three off, running once around the ring
// clockwise from the top-left corner. Only the part of each edge inside the raster is
// walked; the pattern keeps its phase over the parts outside.
void dottedRing(const PixelView& px, Coord x1, Coord y1, Coord x2, Coord y2, std::uint32_t colour)
{
    Coord phase = 0;
    auto edge = [&](Coord x, Coord y, int dx, int dy, Coord count) {
        const auto [first, last] =
            dx != 0 ? visibleRange(x, dx, px.width, count) : visibleRange(y, dy, px.height, count);
        for (Coord i = first; i < last; ++i) {
            if ((phase + i) % 6 < 3)
                px.set(x + dx * i, y + dy * i, colour);
        }
        phase += std::max<Coord>(count, 0);
    };
    const Coord w = x2 - x1;
    const Coord h = y2 - y1;
    edge(x1, y1, 1, 0, w);
    edge(x2 - 1, y1 + 1, 0, 1, h - 1);
    if (h > 1)
        edge(x2 - 2, y2 - 1, -1, 0, w - 1);
    if (w > 1)
        edge(x1, y2 - 2, 0, -1, h - 2);
}

// Pixels of a row whose centres lie inside a rectangle [x1, x2) x [y1, y2) with corners
// rounded by the given radius: the half-open span [first, last).
struct Span {
    Coord first = 0;
    Coord last = 0;
};

Span roundedRowSpan(Coord x1, Coord y1, Coord x2, Coord y2, double radius, Coord y)
{
    if (y < y1 || y >= y2 || x1 >= x2)
        return {};
    radius = std::min({radius, double(x2 - x1) / 2, double(y2 - y1) / 2});
    const double centre = double(y) + 0.5;
    double d = 0;
    if (centre < y1 + radius)
        d = y1 + radius - centre;
    else if (centre > y2 - radius)
        d = centre - (y2 - radius);
    const double inset = d > 0 ? radius - std::sqrt(std::max(0.0, radius * radius - d * d)) : 0;
    const Coord first = Coord(std::ceil(x1 + inset - 0.5));
    const Coord last = Coord(std::floor(x2 - inset - 0.5)) + 1;
    return first < last ? Span{first, last} : Span{};
}

void drawRoundedBox(const PixelView& px, Coord x1, Coord y1, Coord x2, Coord y2, int t,
                    std::uint32_t outline, BoxFill fill, std::uint32_t fillColour, int radius)
{
    const Coord rowFirst = std::max<Coord>(bandStart(y1, t), 0);
    const Coord rowLast = std::min<Coord>(bandStart(y2 - 1, t) + t, px.height);
    if (fill != BoxFill::None) {
        for (Coord y = std::max<Coord>(y1, 0); y < std::min<Coord>(y2, px.height); ++y) {
            const Span s = roundedRowSpan(x1, y1, x2, y2, radius, y);
            if (s.first < s.last)
                fillSpan(px, fill, y, s.first, s.last, fillColour);
        }
    }
    // The outline is the ring between the shape grown by the pen's outer half and the
    // shape shrunk by its inner half.
    const Coord ox1 = bandStart(x1, t);
    const Coord oy1 = bandStart(y1, t);
    const Coord ox2 = bandStart(x2 - 1, t) + t;
    const Coord oy2 = bandStart(y2 - 1, t) + t;
    const double outerRadius = radius + t / 2;
    const double innerRadius = std::max(0.0, outerRadius - t);
    for (Coord y = rowFirst; y < rowLast; ++y) {
        const Span outer = roundedRowSpan(ox1, oy1, ox2, oy2, outerRadius, y);
        const Span inner = roundedRowSpan(ox1 + t, oy1 + t, ox2 - t, oy2 - t, innerRadius, y);
        if (inner.first >= inner.last) {
            px.fill(outer.first, y, outer.last, y + 1, outline);
        } else {
            px.fill(outer.first, y, std::min(outer.last, inner.first), y + 1, outline);
            px.fill(std::max(outer.first, inner.last), y, outer.last, y + 1, outline);
        }
    }
}
} // namespace

void drawBox(Raster& r, int left, int top, int right, int bottom, Colour outline, BoxFill fill,
             Colour fillColour, int cornerRadius)
{
    Coord x1 = left, y1 = top, x2 = right, y2 = bottom;
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    if (x1 == x2 || y1 == y2)
        return;
    const PixelView px = writablePixels(r);
    if (px.empty())
        return;
    const int t = std::max(1, r.penWidth);
    const std::uint32_t pen = toQRgb(outline);
    const std::uint32_t brush = toQRgb(fillColour);

    if (cornerRadius > 0) {
        drawRoundedBox(px, x1, y1, x2, y2, t, pen, fill, brush, cornerRadius);
        return;
    }
    if (fill == BoxFill::Solid) {
        px.fill(x1, y1, x2, y2, brush);
    } else if (fill == BoxFill::CrossHatch) {
        for (Coord y = std::max<Coord>(y1, 0); y < std::min<Coord>(y2, px.height); ++y)
            hatchSpan(px, y, x1, x2, brush);
    }
    // GDI draws styled pens only one pixel wide; a wider dotted pen is solid.
    if (r.penStyle == PenStyle::Dotted && t == 1) {
        dottedRing(px, x1, y1, x2, y2, pen);
        return;
    }
    const Coord outerLeft = bandStart(x1, t);
    const Coord outerTop = bandStart(y1, t);
    const Coord outerRight = bandStart(x2 - 1, t) + t;
    const Coord outerBottom = bandStart(y2 - 1, t) + t;
    px.fill(outerLeft, outerTop, outerRight, outerTop + t, pen);
    px.fill(outerLeft, outerBottom - t, outerRight, outerBottom, pen);
    px.fill(outerLeft, outerTop, outerLeft + t, outerBottom, pen);
    px.fill(outerRight - t, outerTop, outerRight, outerBottom, pen);
}

#pragma once

#include "platform/raster.h"

#include <QRgb>

#include <algorithm>
#include <cstdint>

// Direct access to a raster's pixels for the drawing that must match the classic GDI
// results pixel for pixel. Writing the memory ourselves is also several times faster than
// going through QPainter for the thousands of boxes of one repaint.

constexpr QRgb toQRgb(Colour c)
{
    const auto v = static_cast<std::uint32_t>(c);
    return 0xFF000000u | ((v & 0xFFu) << 16) | (v & 0xFF00u) | ((v >> 16) & 0xFFu);
}

constexpr Colour fromQRgb(QRgb p)
{
    return static_cast<Colour>(((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16));
}

struct PixelView {
    std::uint32_t* bits = nullptr;
    std::int64_t stride = 0; // in pixels
    int width = 0;
    int height = 0;

    bool empty() const { return bits == nullptr; }
    std::uint32_t* row(std::int64_t y) const { return bits + y * stride; }

    // Paints the half-open rectangle [x1, x2) x [y1, y2), clipped to the raster.
    void fill(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
              std::uint32_t colour) const
    {
        x1 = std::max<std::int64_t>(x1, 0);
        y1 = std::max<std::int64_t>(y1, 0);
        x2 = std::min<std::int64_t>(x2, width);
        y2 = std::min<std::int64_t>(y2, height);
        if (x1 >= x2 || y1 >= y2)
            return;
        for (std::int64_t y = y1; y < y2; ++y)
            std::fill(row(y) + x1, row(y) + x2, colour);
    }

    void set(std::int64_t x, std::int64_t y, std::uint32_t colour) const
    {
        if (x >= 0 && y >= 0 && x < width && y < height)
            row(y)[x] = colour;
    }
};

// The pixels of a raster for writing. The raster's painter may stay open: Qt never lets an
// image share its pixels while a painter is active on it (a copy taken then is a deep one),
// so the painter and these writes always reach the same memory.
PixelView writablePixels(Raster& r);

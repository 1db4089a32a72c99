#include "platform/raster.h"

#include "platform/raster_font.h"
#include "platform/raster_pixels.h"

#include <QPainter>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {
// 96 dots per inch, so that anything written with the raster (a saved picture's
// resolution) states the canvas's own scale.
constexpr int CanvasDotsPerMeter = 3780;

void endPainter(Raster& r)
{
    if (r.painter && r.painter->isActive())
        r.painter->end();
}

void takeState(Raster& to, Raster& from)
{
    to.image = std::move(from.image);
    to.penWidth = from.penWidth;
    to.penStyle = from.penStyle;
    to.font = std::move(from.font);
    to.textColour = from.textColour;
    to.textX = from.textX;
    to.textY = from.textY;
    to.textLeft = from.textLeft;
    to.justifyExtra = std::exchange(from.justifyExtra, 0);
    to.justifyBlanks = std::exchange(from.justifyBlanks, 0);
}
} // namespace

Raster::Raster() = default;

Raster::Raster(Raster&& other) noexcept
{
    endPainter(other);
    takeState(*this, other);
}

Raster& Raster::operator=(Raster&& other) noexcept
{
    if (this != &other) {
        endPainter(*this);
        endPainter(other);
        takeState(*this, other);
    }
    return *this;
}

Raster::~Raster()
{
    endPainter(*this);
}

Raster createRaster(int width, int height)
{
    Raster r;
    if (width > 0 && height > 0) {
        r.image = QImage(width, height, QImage::Format_RGB32);
        if (!r.image.isNull()) {
            r.image.setDotsPerMeterX(CanvasDotsPerMeter);
            r.image.setDotsPerMeterY(CanvasDotsPerMeter);
            r.image.fill(toQRgb(Black));
        }
    }
    return r;
}

int rasterWidth(const Raster& r)
{
    return r.image.width();
}

int rasterHeight(const Raster& r)
{
    return r.image.height();
}

const QImage& rasterImage(Raster& r)
{
    endPainter(r);
    return r.image;
}

QPainter& rasterPainter(Raster& r)
{
    if (!r.painter)
        r.painter = std::make_unique<QPainter>();
    if (!r.painter->isActive() && !r.image.isNull()) {
        r.painter->begin(&r.image);
        r.painter->setRenderHint(QPainter::Antialiasing, false);
        r.painter->setRenderHint(QPainter::TextAntialiasing, true);
    }
    return *r.painter;
}

PixelView writablePixels(Raster& r)
{
    PixelView view;
    if (r.image.isNull())
        return view;
    view.bits = reinterpret_cast<std::uint32_t*>(r.image.bits());
    view.stride = r.image.bytesPerLine() / 4;
    view.width = r.image.width();
    view.height = r.image.height();
    return view;
}

void clearRaster(Raster& r, Colour colour)
{
    const PixelView px = writablePixels(r);
    px.fill(0, 0, px.width, px.height, toQRgb(colour));
}

void setPen(Raster& r, int width, PenStyle style)
{
    r.penWidth = width;
    r.penStyle = style;
}

Colour pixelAt(const Raster& r, int x, int y)
{
    if (r.image.isNull() || x < 0 || y < 0 || x >= r.image.width() || y >= r.image.height())
        return -1;
    const auto* row = reinterpret_cast<const std::uint32_t*>(r.image.constScanLine(y));
    return fromQRgb(row[x]);
}

void copyRaster(const Raster& src, Raster& dst, int x, int y)
{
    if (src.image.isNull())
        return;
    const int srcWidth = src.image.width();
    const int srcHeight = src.image.height();
    const PixelView to = writablePixels(dst);
    if (to.empty())
        return;
    const std::int64_t x1 = std::max<std::int64_t>(x, 0);
    const std::int64_t y1 = std::max<std::int64_t>(y, 0);
    const std::int64_t x2 = std::min<std::int64_t>(std::int64_t{x} + srcWidth, to.width);
    const std::int64_t y2 = std::min<std::int64_t>(std::int64_t{y} + srcHeight, to.height);
    if (x1 >= x2 || y1 >= y2)
        return;
    const auto* from = reinterpret_cast<const std::uint32_t*>(src.image.constBits());
    const std::int64_t fromStride = src.image.bytesPerLine() / 4;
    const std::size_t bytes = static_cast<std::size_t>(x2 - x1) * 4;
    auto copyRow = [&](std::int64_t row) {
        const std::uint32_t* source = from + (row - y) * fromStride + (x1 - x);
        // memmove: a raster copied onto itself overlaps.
        std::memmove(to.row(row) + x1, source, bytes);
    };
    // Rows run against the shift so that a copy onto the same raster reads every row
    // before it is overwritten.
    if (y > 0) {
        for (std::int64_t row = y2 - 1; row >= y1; --row)
            copyRow(row);
    } else {
        for (std::int64_t row = y1; row < y2; ++row)
            copyRow(row);
    }
}

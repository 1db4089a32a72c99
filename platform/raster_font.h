#pragma once

#include "platform/raster.h"

#include <QFont>

#include <cstdint>
#include <memory>

// A font made by createFont: the Qt font that draws it and the metrics that every
// measurement and printed line uses, fixed when it is made.
struct RasterFont {
    FontRequest request;
    QFont qtFont;
    int ascent = 0;
    int descent = 0;
    int externalLeading = 0;
    // Turn of the text on the raster in degrees, clockwise as Qt turns; GDI's escapement
    // counts counter-clockwise in tenths of a degree.
    double rotation = 0;
    // Identifies the font among the cached shaped texts; never reused.
    std::uint64_t serial = 0;
};

// The font a raster prints with while none has been selected.
std::shared_ptr<const RasterFont> defaultRasterFont();

// Em sizes are capped far above anything the 1122-pixel canvas can show.
constexpr int MaxFontPixels = 4096;

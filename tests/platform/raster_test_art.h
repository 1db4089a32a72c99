#pragma once

#include "platform/raster.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

// A raster as rows of characters, one per pixel, through a legend of colours; a colour the
// legend lacks shows as '?'. Expected pictures are written the same way in the tests.
inline std::vector<std::string> art(const Raster& r, const std::map<Colour, char>& legend)
{
    std::vector<std::string> rows;
    for (int y = 0; y < rasterHeight(r); ++y) {
        std::string row;
        for (int x = 0; x < rasterWidth(r); ++x) {
            const auto it = legend.find(pixelAt(r, x, y));
            row += it == legend.end() ? '?' : it->second;
        }
        rows.push_back(row);
    }
    return rows;
}

// Pixels of a raster that differ from a background colour, as (x, y) pairs in row order.
inline std::vector<std::pair<int, int>> paintedPixels(const Raster& r, Colour background)
{
    std::vector<std::pair<int, int>> pixels;
    for (int y = 0; y < rasterHeight(r); ++y)
        for (int x = 0; x < rasterWidth(r); ++x)
            if (pixelAt(r, x, y) != background)
                pixels.emplace_back(x, y);
    return pixels;
}

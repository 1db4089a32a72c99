#pragma once

#include <QImage>

#include <cstdint>
#include <optional>
#include <vector>

// A picture reduced to at most 256 colours: one palette index per pixel, rows top-down.
struct PalettePicture {
    int width = 0;
    int height = 0;
    std::vector<QRgb> palette;
    std::vector<std::uint8_t> indices;
};

// Keeps every colour exactly when the picture has at most 256 of them; otherwise chooses 256
// by median cut, which suits drawings with large flat areas better than a fixed colour cube.
PalettePicture reduceToPalette(const QImage& picture);

// A GIF file of the picture (its colours reduced as above, no transparency); nothing when
// the picture is null, larger than the format's 65535 x 65535, or the writer fails.
std::optional<std::vector<std::uint8_t>> encodeGif(const QImage& picture);

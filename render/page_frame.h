#pragma once

struct Raster;

constexpr int CanvasSize = 1122;   // an A4 page's height at 96 dpi: 297 mm
constexpr int A4WidthPixels = 794; // 210 mm

// The page frame and the two dotted red guides that mark the A4 width across and down.
void drawPageFrame(Raster& target);

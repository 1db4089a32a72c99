#pragma once

#include "platform/raster.h"

#include <memory>
#include <string_view>

struct CellRecord;

enum CellStyleBit : int {
    StyleBold = 1,
    StyleItalic = 2,
    StyleUnderline = 4,
    StyleStrikeout = 8,
    StyleLeading = 16,
};

// The style bits of a cell's five flags; a flag counts only when it is exactly 1.
int cellStyleBits(const CellRecord& cell);

// The request for a cell's font: charsetCode is the Character set menu's choice. Alignments
// 135 and 136 ask for the font turned a quarter clockwise, so text runs downwards.
FontRequest cellFontRequest(std::string_view fontName, double fontSize, int styleBits,
                            int alignment, int charsetCode);

// The font of a cell. Fonts are shared by equal requests, since the painter asks for one per
// cell at every repaint.
std::shared_ptr<const RasterFont> makeCellFont(std::string_view fontName, double fontSize,
                                               int styleBits, int alignment, int charsetCode);

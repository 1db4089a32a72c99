#pragma once

#include "platform/raster_font.h"

#include <QGlyphRun>
#include <QList>

#include <memory>
#include <string_view>
#include <vector>

// A string laid out once by Qt's full shaping (kerning as Qt does it, ligatures, every
// script through font fallback) and kept, so that measuring it again and drawing it cost no
// shaping and what is drawn is exactly what was measured.
struct ShapedText {
    // Glyph runs with the text's left edge at x = 0 and its baseline at y = 0.
    QList<QGlyphRun> runs;
    int width = 0;
    // Advance of the first i UTF-16 units, i = 0..n. Empty for a text holding right-to-left
    // characters, whose leading units need not lie at the left end of the line.
    std::vector<int> prefix;
    // A single run with one glyph per UTF-16 unit in text order: part of the line can be
    // drawn from the run itself.
    bool glyphPerUnit = false;
};

// The shaped text, from the cache when the same font has shaped the same string before.
std::shared_ptr<const ShapedText> shapedText(const RasterFont& font, std::u16string_view text);

// Width of a text shaped on its own, without keeping it.
int shapedWidth(const RasterFont& font, std::u16string_view text);

// Shapes a text with a font changed for one drawing (word spacing), without keeping it.
ShapedText shapeUncached(const QFont& font, std::u16string_view text, bool withPrefix);

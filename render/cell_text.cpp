#include "render/cell_text.h"

#include "platform/raster.h"
#include "platform/raster_font.h"

#include <algorithm>

int RasterTextMeasure::width(std::u16string_view text) const
{
    return measureText(font_, text).width;
}

int RasterTextMeasure::height(std::u16string_view text) const
{
    return measureText(font_, text).height;
}

int RasterTextMeasure::fitCount(std::u16string_view text, int maxWidth) const
{
    return ::fitCount(font_, text, maxWidth);
}

int RasterTextMeasure::lineHeight() const
{
    return ::lineHeight(font_);
}

namespace {

// Whether a line printed at (x, y) could put a pixel on the target. Pushed-down text often
// lies far below the canvas; printing it would only be clipped away. The margin is far more
// than any glyph reaches beyond its line; turned text is always printed.
bool mayShow(const Raster& target, const RasterFont& font, int x, int y)
{
    if (font.rotation != 0)
        return true;
    const int margin = 8 * std::max(lineHeight(font), 1) + 8;
    return y + margin > 0 && y - margin < rasterHeight(target) && x - margin < rasterWidth(target);
}

void printPlan(Raster& target, std::u16string_view text, const CellTextPlan& plan,
               const RasterFont& font, int x, int y)
{
    for (const PlannedLine& line : plan.lines) {
        const PrintOp op = placeLine(plan, line, x, y);
        if (!mayShow(target, font, op.x, op.y))
            continue;
        moveTextPosition(target, op.x, op.y);
        if (op.justifyBlanks > 0)
            setJustification(target, op.justifyExtra, op.justifyBlanks);
        printLine(target, text.substr(op.begin, op.length));
    }
    // Where the last of the hundred lines leaves the position.
    if (!plan.vertical && !plan.lines.empty())
        setTextPosition(target, x, y + LineTableSize * plan.lineHeight);
}

} // namespace

void drawCellText(Raster& target, std::u16string_view text, int alignment, int x, int y, int w,
                  int h, const std::shared_ptr<const RasterFont>& font, Colour textColour,
                  CellTextCache* cache)
{
    selectFont(target, font);
    setTextColour(target, textColour);
    setTextPosition(target, x, y);
    if (text.empty() || !font)
        return;
    if (!cache) {
        printPlan(target, text, planCellText(text, alignment, w, h, RasterTextMeasure(*font)),
                  *font, x, y);
        return;
    }
    const CellTextKey key{font->serial, alignment, w, h, text};
    const CellTextPlan* plan = cache->find(key);
    if (!plan)
        plan = &cache->insert(key, planCellText(text, alignment, w, h, RasterTextMeasure(*font)));
    printPlan(target, text, *plan, *font, x, y);
}

#include "render/cell_text.h"

#include "platform/raster.h"
#include "platform/raster_font.h"
#include "platform/raster_pixels.h"
#include "platform/raster_shaped_text.h"

#include <QPainter>

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

// How far any glyph may reach beyond its line; far more than any face needs.
int inkMargin(const RasterFont& font)
{
    return 8 * std::max(lineHeight(font), 1) + 8;
}

// Whether lines whose tops lie between top and bottom and that start at left or further right
// could put a pixel on the target. Pushed-down text often lies far below the canvas; printing
// it would only be clipped away. Turned text is always printed.
bool mayShow(const Raster& target, const RasterFont& font, int left, int top, int bottom)
{
    if (font.rotation != 0)
        return true;
    const int margin = inkMargin(font);
    return bottom + margin > 0 && top - margin < rasterHeight(target) &&
           left - margin < rasterWidth(target);
}

void printPlannedLine(Raster& target, std::u16string_view text, const CellTextPlan& plan,
                      const PlannedLine& line, int x, int y)
{
    const PrintOp op = placeLine(plan, line, x, y);
    moveTextPosition(target, op.x, op.y);
    if (op.justifyBlanks > 0)
        setJustification(target, op.justifyExtra, op.justifyBlanks);
    printLine(target, text.substr(op.begin, op.length));
}

// Where the last of the hundred lines leaves the position.
void finishPosition(Raster& target, const CellTextPlan& plan, int x, int y)
{
    if (!plan.vertical && !plan.lines.empty())
        setTextPosition(target, x, y + LineTableSize * plan.lineHeight);
}

void printPlan(Raster& target, std::u16string_view text, const CellTextPlan& plan,
               const RasterFont& font, int x, int y)
{
    for (const PlannedLine& line : plan.lines) {
        const PrintOp op = placeLine(plan, line, x, y);
        if (mayShow(target, font, op.x, op.y, op.y))
            printPlannedLine(target, text, plan, line, x, y);
    }
    finishPosition(target, plan, x, y);
}

// Lines this close are drawn together even when one of them lies outside the target.
constexpr int MaxJoinedLineGap = 4;

bool printedThroughRaster(const RasterFont& font, std::u16string_view lineText,
                          const PlannedLine& line)
{
    return font.rotation != 0 || (line.justifyBlanks > 0 && line.justifyExtra != 0 &&
                                  lineText.find(Blank) != std::u16string_view::npos);
}

// The glyph runs of a plan's plain lines for origins of one x parity, laid out exactly as a
// printed line lays them out: the runs of its shaped text with the baseline one ascent below
// the line's top. Runs of one font without decorations on neighbouring lines become one run.
std::vector<PreparedSegment> prepare(std::u16string_view text, const CellTextPlan& plan,
                                     const RasterFont& font, int parity)
{
    std::vector<PreparedSegment> segments;
    int lastJoinable = -1;
    int lastIndex = 0;
    for (std::size_t i = 0; i < plan.lines.size(); ++i) {
        const PlannedLine& line = plan.lines[i];
        const PrintOp op = placeLine(plan, line, parity, 0);
        const int left = op.x - parity;
        const std::u16string_view lineText = text.substr(op.begin, op.length);
        if (printedThroughRaster(font, lineText, line)) {
            segments.push_back(PreparedSegment{QGlyphRun(), int(i), op.y, op.y, left, QPointF()});
            lastJoinable = -1;
            continue;
        }
        const auto shaped = shapedText(font, lineText);
        const QPointF offset(left, op.y + font.ascent);
        for (const QGlyphRun& run : shaped->runs) {
            QList<QPointF> positions = run.positions();
            for (QPointF& p : positions)
                p += offset;
            const bool joinable = run.flags() == QGlyphRun::GlyphRunFlags();
            if (joinable && lastJoinable >= 0 && line.index - lastIndex <= MaxJoinedLineGap &&
                segments[std::size_t(lastJoinable)].run.rawFont() == run.rawFont()) {
                PreparedSegment& joined = segments[std::size_t(lastJoinable)];
                joined.run.setGlyphIndexes(joined.run.glyphIndexes() + run.glyphIndexes());
                joined.run.setPositions(joined.run.positions() + positions);
                joined.bottom = op.y;
                joined.left = std::min(joined.left, left);
            } else if (joinable) {
                QGlyphRun placed = run;
                placed.setPositions(positions);
                segments.push_back(PreparedSegment{placed, -1, op.y, op.y, left, QPointF()});
                lastJoinable = int(segments.size()) - 1;
            } else {
                segments.push_back(PreparedSegment{run, -1, op.y, op.y, left, offset});
                lastJoinable = -1;
            }
            lastIndex = line.index;
        }
    }
    return segments;
}

void drawPrepared(Raster& target, std::u16string_view text, const CellTextPlan& plan,
                  const std::vector<PreparedSegment>& segments, const RasterFont& font,
                  Colour textColour, int x, int y)
{
    QPainter* painter = nullptr;
    for (const PreparedSegment& segment : segments) {
        if (!mayShow(target, font, x + segment.left, y + segment.top, y + segment.bottom))
            continue;
        if (segment.line >= 0) {
            printPlannedLine(target, text, plan, plan.lines[std::size_t(segment.line)], x, y);
            painter = nullptr;
            continue;
        }
        if (!painter) {
            painter = rasterTextPainter(target);
            if (!painter)
                return;
            // Neighbouring cells mostly share their colour, and a new pen is not cheap.
            const QColor colour = QColor::fromRgb(toQRgb(textColour));
            const QPen& pen = painter->pen();
            if (pen.style() != Qt::SolidLine || pen.brush().style() != Qt::SolidPattern ||
                pen.color() != colour)
                painter->setPen(colour);
        }
        painter->drawGlyphRun(QPointF(x, y) + segment.origin, segment.run);
    }
}

} // namespace

void drawCellText(Raster& target, std::u16string_view text, int alignment, int x, int y, int w,
                  int h, const std::shared_ptr<const RasterFont>& font, Colour textColour,
                  CellTextCache* cache)
{
    if (target.font != font)
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
    CachedCellText* entry = cache->find(key);
    if (!entry)
        entry = &cache->insert(key, planCellText(text, alignment, w, h, RasterTextMeasure(*font)));
    if (entry->plan.lines.empty())
        return;
    auto& prepared = entry->prepared[std::size_t(x & 1)];
    if (!prepared)
        prepared = prepare(text, entry->plan, *font, x & 1);
    drawPrepared(target, text, entry->plan, *prepared, *font, textColour, x, y);
    finishPosition(target, entry->plan, x, y);
}

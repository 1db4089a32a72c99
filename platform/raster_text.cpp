#include "platform/raster.h"

#include "platform/raster_font.h"
#include "platform/raster_pixels.h"
#include "platform/raster_shaped_text.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cstdlib>

namespace {
bool isBlank(char16_t c)
{
    return c == u' ';
}

// The extra pixels given to each blank of a justified line: extra / blanks each, and one
// more (one less when narrowing) to the first extra % blanks of them. Blanks beyond the
// announced count get nothing.
class BlankShares {
  public:
    BlankShares(int extra, int blanks)
        : blanks_(blanks), each_(extra / blanks), rest_(std::abs(extra % blanks)),
          step_(extra < 0 ? -1 : 1)
    {
    }
    int operator()(int index) const
    {
        if (index >= blanks_)
            return 0;
        return each_ + (index < rest_ ? step_ : 0);
    }

  private:
    int blanks_;
    int each_;
    int rest_;
    int step_;
};

void drawRuns(QPainter& p, QPointF origin, const QList<QGlyphRun>& runs)
{
    for (const QGlyphRun& run : runs)
        p.drawGlyphRun(origin, run);
}

// Justified output: every part of the line after a blank moves right by the extra pixels
// given to the blanks before it.
void drawJustified(QPainter& p, QPointF origin, const RasterFont& font, std::u16string_view text,
                   const ShapedText& shaped, int extra, int blanks)
{
    const BlankShares share(extra, blanks);
    if (shaped.glyphPerUnit) {
        QGlyphRun run = shaped.runs.front();
        QList<QPointF> positions = run.positions();
        int shift = 0;
        int blank = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            positions[qsizetype(i)].rx() += shift;
            if (isBlank(text[i]))
                shift += share(blank++);
        }
        run.setPositions(positions);
        p.drawGlyphRun(origin, run);
        return;
    }
    if (!shaped.prefix.empty()) {
        // Other scripts are drawn word by word, each word shaped on its own.
        int shift = 0;
        int blank = 0;
        std::size_t i = 0;
        while (i < text.size()) {
            if (isBlank(text[i])) {
                shift += share(blank++);
                ++i;
                continue;
            }
            std::size_t end = i;
            while (end < text.size() && !isBlank(text[end]))
                ++end;
            const auto word = shapedText(font, text.substr(i, end - i));
            drawRuns(p, origin + QPointF(shaped.prefix[i] + shift, 0), word->runs);
            i = end;
        }
        return;
    }
    // Right-to-left text reorders its words, so the extra space goes into the shaping.
    QFont spaced = font.qtFont;
    spaced.setWordSpacing(qreal(extra) / blanks);
    drawRuns(p, origin, shapeUncached(spaced, text, false).runs);
}

void drawLineText(Raster& r, const RasterFont& font, std::u16string_view text)
{
    const auto shaped = shapedText(font, text);
    if (shaped->runs.isEmpty())
        return;
    QPainter* active = rasterTextPainter(r);
    if (!active)
        return;
    QPainter& p = *active;
    p.setPen(QColor::fromRgb(toQRgb(r.textColour)));
    QPointF origin(r.textX, r.textY + font.ascent);
    const bool turned = font.rotation != 0;
    if (turned) {
        // GDI turns the text about the top-left corner of its character cell.
        p.setTransform(QTransform::fromTranslate(r.textX, r.textY).rotate(font.rotation));
        origin = QPointF(0, font.ascent);
    }
    if (turned && (font.qtFont.underline() || font.qtFont.strikeOut())) {
        // Glyph runs lose their underline and strikeout under a rotation; Qt's own text
        // drawing keeps them. Turned text is one unjustified line, so nothing else differs.
        p.setFont(font.qtFont);
        p.drawText(origin, QString::fromUtf16(text.data(), qsizetype(text.size())));
        p.resetTransform();
        return;
    }
    const bool justify = r.justifyBlanks > 0 && r.justifyExtra != 0 &&
                         std::find_if(text.begin(), text.end(), isBlank) != text.end();
    if (justify)
        drawJustified(p, origin, font, text, *shaped, r.justifyExtra, r.justifyBlanks);
    else
        drawRuns(p, origin, shaped->runs);
    if (turned)
        p.resetTransform();
}
} // namespace

QPainter* rasterTextPainter(Raster& r)
{
    QPainter& p = rasterPainter(r);
    if (!p.isActive())
        return nullptr;
    // The painter is shared with picture drawing; undo whatever that may have left set.
    if (p.hasClipping())
        p.setClipping(false);
    if (p.compositionMode() != QPainter::CompositionMode_SourceOver)
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (p.opacity() != 1.0)
        p.setOpacity(1.0);
    if (p.testRenderHint(QPainter::Antialiasing))
        p.setRenderHint(QPainter::Antialiasing, false);
    if (!p.worldTransform().isIdentity())
        p.resetTransform();
    return &p;
}

void selectFont(Raster& r, std::shared_ptr<const RasterFont> font)
{
    r.font = std::move(font);
}

void setTextColour(Raster& r, Colour colour)
{
    r.textColour = colour;
}

void setTextPosition(Raster& r, int x, int y)
{
    r.textX = x;
    r.textY = y;
    r.textLeft = x;
}

void moveTextPosition(Raster& r, int x, int y)
{
    r.textX = x;
    r.textY = y;
}

void setJustification(Raster& r, int extraPixels, int blanks)
{
    r.justifyExtra = extraPixels;
    r.justifyBlanks = blanks;
}

void printLine(Raster& r, std::u16string_view text)
{
    std::shared_ptr<const RasterFont> fallback;
    if (!r.font)
        fallback = defaultRasterFont();
    const RasterFont& font = r.font ? *r.font : *fallback;
    if (!text.empty() && !r.image.isNull())
        drawLineText(r, font, text);
    r.textX = r.textLeft;
    r.textY += lineHeight(font);
    r.justifyExtra = 0;
    r.justifyBlanks = 0;
}

TextSize measureText(const RasterFont& font, std::u16string_view text)
{
    return {text.empty() ? 0 : shapedText(font, text)->width, font.ascent + font.descent};
}

int fitCount(const RasterFont& font, std::u16string_view text, int width)
{
    const int n = int(text.size());
    if (n == 0 || width < 0)
        return 0;
    const auto shaped = shapedText(font, text);
    int fit = n;
    if (!shaped->prefix.empty()) {
        const std::vector<int>& prefix = shaped->prefix;
        fit = int(std::upper_bound(prefix.begin() + 1, prefix.end(), width) - prefix.begin()) - 1;
    } else if (shaped->width > width) {
        // Right-to-left text: the widths of its leading parts, each shaped on its own.
        int lo = 0;
        int hi = n - 1;
        while (lo < hi) {
            const int mid = (lo + hi + 1) / 2;
            if (shapedWidth(font, text.substr(0, std::size_t(mid))) <= width)
                lo = mid;
            else
                hi = mid - 1;
        }
        fit = lo;
    }
    if (fit > 0 && fit < n && QChar::isLowSurrogate(text[std::size_t(fit)]) &&
        QChar::isHighSurrogate(text[std::size_t(fit) - 1]))
        --fit;
    return fit;
}

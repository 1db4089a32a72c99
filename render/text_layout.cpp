#include "render/text_layout.h"

#include "document/cell_record.h"

#include <algorithm>
#include <tuple>

namespace {

std::u16string_view lineText(std::u16string_view text, TextLine line)
{
    return text.substr(static_cast<std::size_t>(line.begin), static_cast<std::size_t>(line.length));
}

// Splits a line where the fit rule says: after the last blank among the characters that fit
// (or the blank just after them), never inside a word. The blank starts the rest.
std::pair<TextLine, TextLine> splitToFit(std::u16string_view text, TextLine line, int w,
                                         const TextMeasure& measure)
{
    const std::u16string_view s = lineText(text, line);
    const int n = measure.fitCount(s, w);
    if (n >= line.length)
        return {line, TextLine{line.begin + line.length, 0}};
    for (int i = n; i >= 1; --i) {
        if (s[static_cast<std::size_t>(i)] == Blank)
            return {TextLine{line.begin, i}, TextLine{line.begin + i, line.length - i}};
    }
    return {TextLine{line.begin, 0}, line};
}

TextLine withoutLeadingBlanks(std::u16string_view text, TextLine line)
{
    while (line.length > 0 && text[static_cast<std::size_t>(line.begin)] == Blank) {
        ++line.begin;
        --line.length;
    }
    return line;
}

int countBlanks(std::u16string_view s)
{
    return static_cast<int>(std::count(s.begin(), s.end(), Blank));
}

bool isHorizontal(int alignment)
{
    return alignment >= AlignLeft && alignment <= AlignJustified;
}

// The single-precision 0.8 the threshold has always been computed with: slightly above 0.8,
// so a line of exactly 80 % of the widest is not stretched.
constexpr double JustifyThreshold = static_cast<double>(0.8f);

// Right-aligned lines keep this far from the right end of the area.
constexpr int RightMargin = 3;

} // namespace

int halveRoundingToEven(int n)
{
    const int floorHalf = n >= 0 ? n / 2 : -((-n + 1) / 2);
    if (n % 2 == 0)
        return floorHalf;
    return floorHalf % 2 == 0 ? floorHalf : floorHalf + 1;
}

LineTable breakCellText(std::u16string_view text, int w, const TextMeasure& measure)
{
    LineTable lines;
    const int length = static_cast<int>(std::min(text.size(), MaxCellTextUnits));
    std::tie(lines[0], lines[1]) = splitToFit(text, TextLine{0, length}, w, measure);
    // A line is broken again only while it is longer than the line above it, counted in
    // characters. So a short last line keeps its leading blank, and a word wider than the
    // area is pushed down line by line to the last one.
    for (int k = 1; k < LineTableSize - 1; ++k) {
        if (lines[k].length <= lines[k - 1].length)
            continue;
        auto [first, rest] = splitToFit(text, lines[k], w, measure);
        first = withoutLeadingBlanks(text, first);
        rest = withoutLeadingBlanks(text, rest);
        if (first.length == 0 && rest.begin == lines[k].begin && rest.length == lines[k].length) {
            // Nothing of the line fits and it comes out unchanged, so every later step would
            // only move it down by one: it ends on the last line.
            lines[k] = first;
            lines[LineTableSize - 1] = rest;
            break;
        }
        lines[k] = first;
        lines[k + 1] = rest;
    }
    return lines;
}

CellTextPlan planCellText(std::u16string_view text, int alignment, int w, int h,
                          const TextMeasure& measure)
{
    CellTextPlan plan;
    plan.lineHeight = measure.lineHeight();
    text = text.substr(0, MaxCellTextUnits);
    if (text.empty())
        return plan;

    if (alignment == AlignVerticalTop || alignment == AlignVerticalCentred) {
        const int tw = measure.width(text);
        const int th = measure.height(text);
        plan.vertical = true;
        plan.lines.push_back(PlannedLine{0, 0, static_cast<int>(text.size()), th + w, 0, 0});
        plan.doubledOffsetY = alignment == AlignVerticalCentred ? h - tw : 0;
        return plan;
    }
    if (!isHorizontal(alignment))
        return plan;

    const LineTable lines = breakCellText(text, w, measure);
    std::array<int, LineTableSize> widths{};
    int maxWidth = 0;
    for (int k = 0; k < LineTableSize; ++k) {
        if (lines[k].length == 0)
            continue;
        widths[k] = measure.width(lineText(text, lines[k]));
        maxWidth = std::max(maxWidth, widths[k]);
    }

    for (int k = 0; k < LineTableSize; ++k) {
        if (lines[k].length == 0)
            continue;
        PlannedLine line{k, lines[k].begin, lines[k].length, 0, 0, 0};
        const int lw = widths[k];
        switch (alignment) {
        case AlignRight:
            line.doubledOffsetX = 2 * (w - lw - RightMargin);
            break;
        case AlignCentred:
            line.doubledOffsetX = w - lw;
            break;
        case AlignJustified:
            if (lw < maxWidth && lw >= JustifyThreshold * maxWidth) {
                const int blanks = countBlanks(lineText(text, lines[k]));
                if (blanks > 0) {
                    line.justifyExtra = maxWidth - lw;
                    line.justifyBlanks = blanks;
                }
            }
            break;
        default:
            break;
        }
        plan.lines.push_back(line);
    }
    return plan;
}

PrintOp placeLine(const CellTextPlan& plan, const PlannedLine& line, int x, int y)
{
    PrintOp op;
    op.begin = line.begin;
    op.length = line.length;
    op.x = halveRoundingToEven(2 * x + line.doubledOffsetX);
    op.y = plan.vertical ? halveRoundingToEven(2 * y + plan.doubledOffsetY)
                         : y + line.index * plan.lineHeight;
    op.justifyExtra = line.justifyExtra;
    op.justifyBlanks = line.justifyBlanks;
    return op;
}

std::vector<PrintOp> placeCellText(const CellTextPlan& plan, int x, int y)
{
    std::vector<PrintOp> ops;
    ops.reserve(plan.lines.size());
    for (const PlannedLine& line : plan.lines)
        ops.push_back(placeLine(plan, line, x, y));
    return ops;
}

std::vector<PrintOp> layoutCellText(std::u16string_view text, int alignment, int x, int y, int w,
                                    int h, const TextMeasure& measure)
{
    return placeCellText(planCellText(text, alignment, w, h, measure), x, y);
}

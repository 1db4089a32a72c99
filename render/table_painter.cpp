#include "render/table_painter.h"

#include "document/table_grid.h"
#include "document/text_encoding.h"
#include "platform/raster.h"
#include "render/cell_font.h"
#include "render/cell_text.h"
#include "render/cell_text_cache.h"
#include "render/number_format.h"
#include "render/numeric_text.h"

#include <QPainter>

#include <algorithm>
#include <vector>

PainterState::PainterState() : textCache(std::make_unique<CellTextCache>()) {}
PainterState::~PainterState() = default;
PainterState::PainterState(PainterState&&) noexcept = default;
PainterState& PainterState::operator=(PainterState&&) noexcept = default;

namespace {

// The number of cells each master spans beyond itself, across and down, derived from the
// merge flags: a run of merge-1 cells to the right of a cell (reset by a merge-2 cell), and
// a run of merge-2 cells below it (reset by a merge-1 cell).
struct Spans {
    int columns = 0;
    std::vector<std::int16_t> across;
    std::vector<std::int16_t> down;
    int acrossOf(int r, int c) const { return across[static_cast<std::size_t>(r * columns + c)]; }
    int downOf(int r, int c) const { return down[static_cast<std::size_t>(r * columns + c)]; }
};

Spans buildSpans(const TableGrid& grid, int rows, int columns)
{
    Spans s;
    s.columns = columns;
    s.across.assign(static_cast<std::size_t>(rows * columns), 0);
    s.down.assign(static_cast<std::size_t>(rows * columns), 0);
    for (int r = 0; r < rows; ++r) {
        std::int16_t counter = 0;
        for (int c = columns - 1; c >= 0; --c) {
            const int merge = grid.at(r, c).merge;
            if (merge == MergedLeft) {
                ++counter;
            } else if (merge == NotMerged) {
                s.across[static_cast<std::size_t>(r * columns + c)] = counter;
                counter = 0;
            } else if (merge == MergedUp) {
                counter = 0;
            }
        }
    }
    for (int c = 0; c < columns; ++c) {
        std::int16_t counter = 0;
        for (int r = rows - 1; r >= 0; --r) {
            const int merge = grid.at(r, c).merge;
            if (merge == MergedUp) {
                ++counter;
            } else if (merge == NotMerged) {
                s.down[static_cast<std::size_t>(r * columns + c)] = counter;
                counter = 0;
            } else if (merge == MergedLeft) {
                counter = 0;
            }
        }
    }
    return s;
}

struct CellPlacement {
    int dx;
    int dy;
    int extraX; // span across x separation
    int extraY;
};

// Geometry comes from work files, so any int32 may arrive: sums are taken in 64 bits and
// held far outside the canvas, where the raster clips them, instead of overflowing.
int coordinate(std::int64_t a, std::int64_t b = 0, std::int64_t c = 0)
{
    constexpr std::int64_t limit = 1 << 24;
    return static_cast<int>(std::clamp(a + b + c, -limit, limit));
}

struct CellBox {
    int x1, y1, x2, y2; // the drawn box
    int width, height;  // W and H
};

CellBox cellBox(const CellRecord& cell, const CellPlacement& p)
{
    return {coordinate(cell.left, p.dx),
            coordinate(cell.top, p.dy),
            coordinate(cell.right, p.dx, p.extraX),
            coordinate(cell.bottom, p.dy, p.extraY),
            coordinate(cell.right, p.extraX, -std::int64_t{cell.left}),
            coordinate(cell.bottom, p.extraY, -std::int64_t{cell.top})};
}

void drawConnectorLines(Raster& target, const CellRecord& cell, const CellPlacement& p)
{
    if (cell.vertLineOn == 1)
        drawLine(target, coordinate(cell.vertLineX1, p.dx), coordinate(cell.vertLineY1, p.dy),
                 coordinate(cell.vertLineX2, p.dx, p.extraX),
                 coordinate(cell.vertLineY2, p.dy, p.extraY), Black);
    if (cell.horzLineOn == 1)
        drawLine(target, coordinate(cell.horzLineX1, p.dx), coordinate(cell.horzLineY1, p.dy),
                 coordinate(cell.horzLineX2, p.dx, p.extraX),
                 coordinate(cell.horzLineY2, p.dy, p.extraY), Black);
}

// The picture slot's inset by line thickness; other thicknesses show no picture.
int pictureInset(int thickness)
{
    switch (thickness) {
    case 1:
    case 2:
        return 1;
    case 3:
    case 4:
        return 2;
    case 5:
        return 3;
    default:
        return -1;
    }
}

std::u16string trimBlanks(const std::string& s)
{
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(' ');
    return utf8ToUtf16(s.substr(first, last - first + 1));
}

void drawTableCellContent(Raster& target, const TableGrid& grid, const CellRecord& cell,
                          const CellBox& box, Colour lineColour, PainterState& state,
                          MessageService& messages)
{
    const int thickness = grid.lineThickness;
    const auto [x1, y1, x2, y2, width, height] = box;

    const bool transparent = cell.backColour == NoFillColour;
    drawBox(target, x1, y1, x2, y2, Black, transparent ? BoxFill::None : BoxFill::Solid,
            cell.backColour);

    if (transparent) {
        const PictureReference ref = splitPictureReference(readText(cell.picture));
        if (!ref.path.empty() && fileExists(ref.path)) {
            const int inset = pictureInset(thickness);
            if (inset >= 0) {
                const auto picture =
                    loadPictureBitmap(ref.path, width - thickness - 1, height - thickness - 1,
                                      ref.background, state.pictures, messages);
                if (picture)
                    rasterPainter(target).drawImage(x1 + inset, y1 + inset, *picture);
            }
        } else {
            drawBox(target, x1, y1, x2, y2, lineColour, BoxFill::CrossHatch, Silver);
        }
    }

    // Font names are nearly always plain ASCII: those are used in place, without a copy,
    // since this runs for every table cell of every repaint.
    const std::string_view faceBytes = textFieldBytes(cell.fontName);
    const bool ascii = std::all_of(faceBytes.begin(), faceBytes.end(),
                                   [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
    const std::string convertedFace = ascii ? std::string() : readText(cell.fontName);
    const auto font =
        makeCellFont(ascii ? faceBytes : std::string_view(convertedFace), cell.fontSize,
                     cellStyleBits(cell), cell.alignment, state.charsetCode);
    if (cell.numericText == 1) {
        const std::u16string number =
            trimBlanks(formatNumber(leadingNumber(cellTextView(cell)), cell.numberFormat));
        drawCellText(target, number, cell.alignment, x1 + thickness, y1 + thickness,
                     width - thickness, height - thickness, font, cell.textColour,
                     state.textCache.get());
    } else {
        drawCellText(target, cellTextView(cell), cell.alignment, x1 + thickness, y1 + thickness,
                     width - thickness, height - thickness, font, cell.textColour,
                     state.textCache.get());
    }

    if (cell.icon[0] == '\0')
        return;
    const std::string icon = readText(cell.icon);
    const int ix = x1 + thickness;
    const int iy = y1 + thickness;
    if (fileExists(icon))
        renderIcon(target, icon, ix, iy, ix + width - 1, iy + height - 1, state.pictures);
    else
        drawBox(target, ix, iy, ix + width - 1, iy + height - 1, Black, BoxFill::Solid, Silver);
}

} // namespace

void paintTable(Raster& target, const TableGrid& grid, int columns, int rows, int offsetX,
                int offsetY, Colour lineColour, PainterState& state, MessageService& messages)
{
    rows = std::clamp(rows, 0, GridSize);
    columns = std::clamp(columns, 0, GridSize);
    const Spans spans = buildSpans(grid, rows, columns);
    const int thickness = grid.lineThickness;
    const int s = grid.separation;
    setPen(target, thickness, PenStyle::Solid);

    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const CellRecord& cell = grid.at(r, c);
            const CellPlacement p{c * s + offsetX, r * s + offsetY, spans.acrossOf(r, c) * s,
                                  spans.downOf(r, c) * s};
            const CellBox box = cellBox(cell, p);
            const auto [x1, y1, x2, y2, width, height] = box;
            state.paintedExtent = {x2, y2};

            if (cell.cancelled != 0 || cell.merge != 0)
                continue;
            if (cell.selected != 0) {
                drawBox(target, x1, y1, x2, y2, lineColour, BoxFill::Solid, Yellow);
                drawConnectorLines(target, cell, p);
            } else if (cell.inTable != 1) {
                if (!state.exportMode)
                    drawBox(target, x1, y1, x2, y2, lineColour, BoxFill::Solid, White);
                drawConnectorLines(target, cell, p);
            } else if (cell.marked != 0) {
                drawBox(target, x1, y1, x2, y2, lineColour, BoxFill::Solid, DarkBlue);
            } else {
                drawTableCellContent(target, grid, cell, box, lineColour, state, messages);
            }
        }
    }
}

#pragma once

#include "document/colour.h"
#include "render/pictures.h"

#include <memory>

class MessageService;
struct CellTextCache;
struct Raster;
struct TableGrid;

// The right and bottom drawing edges of the last cell the painter visited.
struct PaintedExtent {
    int right = 0;
    int bottom = 0;
};

// What the painter keeps: the export switch, the extent of the last paint, and what makes
// repeated repaints cheap (fitted pictures, laid-out cell texts). None of it changes what a
// repaint draws.
struct PainterState {
    bool exportMode = false;
    PaintedExtent paintedExtent;
    int charsetCode = 0;
    PictureState pictures;
    std::unique_ptr<CellTextCache> textCache;

    PainterState();
    ~PainterState();
    PainterState(PainterState&&) noexcept;
    PainterState& operator=(PainterState&&) noexcept;
};

// Draws every cell in use onto the target, rows outer and columns inner, and sets
// state.paintedExtent. The painter reads the grid and never writes a cell.
void paintTable(Raster& target, const TableGrid& grid, int columns, int rows, int offsetX,
                int offsetY, Colour lineColour, PainterState& state, MessageService& messages);

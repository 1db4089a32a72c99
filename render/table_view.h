#pragma once

#include "document/colour.h"
#include "platform/raster.h"

#include <functional>

class MessageService;
struct PainterState;
struct TableGrid;

// The two 1122 x 1122 rasters behind the canvas: the whole table as painted, and the
// picture the canvas shows (the table shifted by the vertical scroll position).
struct TableView {
    Raster tableBitmap;
    Raster screenBuffer;
    int viewOffsetX = 0; // there is only vertical scrolling
    int viewOffsetY = 0; // 0 at the top, negative as the view moves down
    // Called with the screen buffer at the end of every refresh, to show it on the canvas.
    std::function<void(const Raster&)> showOnCanvas;
};

TableView makeTableView();

void clearToPaper(Raster& r, const TableGrid& grid);
void clearToBackground(Raster& r, Colour favouriteBackground);
// Copies the table bitmap into the screen buffer at (0, y).
void showTable(TableView& view, int y);
// The full refresh: clear both rasters, frame, paint every cell, show.
void repaintTable(TableView& view, const TableGrid& grid, PainterState& painter,
                  MessageService& messages);

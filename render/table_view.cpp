#include "render/table_view.h"

#include "document/table_grid.h"
#include "render/page_frame.h"
#include "render/table_painter.h"

TableView makeTableView()
{
    TableView view;
    view.tableBitmap = createRaster(CanvasSize, CanvasSize);
    view.screenBuffer = createRaster(CanvasSize, CanvasSize);
    clearRaster(view.tableBitmap, White);
    clearRaster(view.screenBuffer, White);
    return view;
}

void clearToPaper(Raster& r, const TableGrid& grid)
{
    clearRaster(r, grid.paperColour);
}

void clearToBackground(Raster& r, Colour favouriteBackground)
{
    clearRaster(r, favouriteBackground);
}

void showTable(TableView& view, int y)
{
    copyRaster(view.tableBitmap, view.screenBuffer, 0, y);
}

void repaintTable(TableView& view, const TableGrid& grid, PainterState& painter,
                  MessageService& messages)
{
    clearToPaper(view.screenBuffer, grid);
    clearToPaper(view.tableBitmap, grid);
    drawPageFrame(view.tableBitmap);
    paintTable(view.tableBitmap, grid, grid.columns, grid.rows, 2, 2, grid.lineColour, painter,
               messages);
    showTable(view, view.viewOffsetY);
    if (view.showOnCanvas)
        view.showOnCanvas(view.screenBuffer);
}

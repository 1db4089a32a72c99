#include "app/table_preview_window.h"
#include "document/table_grid.h"
#include "document/table_template.h"
#include "document/undo_store.h"
#include "platform/raster.h"
#include "render/new_table_cells.h"
#include "render/page_frame.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {
bool haveDisplay()
{
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return (x11 && *x11) || (wayland && *wayland) || (platform && *platform);
}
} // namespace

int main(int argc, char** argv)
{
    if (!haveDisplay()) {
        std::fprintf(stderr, "cuadrivista: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)\n");
        return 1;
    }
    QApplication app(argc, argv);

    auto grid = std::make_unique<TableGrid>();
    UndoStore undo;
    createTable(*grid, undo, *templateForCommand(3302));
    Raster tableBitmap = createRaster(CanvasSize, CanvasSize);
    clearRaster(tableBitmap, grid->paperColour);
    drawPageFrame(tableBitmap);
    drawNewTableCells(tableBitmap, *grid);

    auto window = makeTablePreviewWindow(rasterImage(tableBitmap));
    window->show();
    return app.exec();
}

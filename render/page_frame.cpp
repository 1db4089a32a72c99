#include "render/page_frame.h"

#include "platform/raster.h"

void drawPageFrame(Raster& target)
{
    setPen(target, 1, PenStyle::Solid);
    drawBox(target, 1, 1, 1119, CanvasSize, Black, BoxFill::None, Black);
    setPen(target, 1, PenStyle::Dotted);
    drawLine(target, A4WidthPixels, 0, A4WidthPixels, CanvasSize, Red);
    drawLine(target, 0, A4WidthPixels, CanvasSize, A4WidthPixels, Red);
    setPen(target, 1, PenStyle::Solid);
}

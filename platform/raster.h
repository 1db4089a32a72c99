#pragma once

#include "document/colour.h"

#include <QImage>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QPainter;
struct RasterFont;

enum class PenStyle { Solid, Dotted };
enum class BoxFill { None, Solid, CrossHatch };

// A drawing surface with the state every drawing operation works with: 32-bit RGB pixels,
// a pen, a font, a text colour, a current text position with the left edge that printed
// lines return to, and a pending justification. Results follow the classic Windows GDI
// conventions the work files were drawn with, not Qt's defaults: boxes exclude their right
// and bottom edge, lines exclude their end point, shapes are never antialiased.
struct Raster {
    QImage image;
    int penWidth = 1;
    PenStyle penStyle = PenStyle::Solid;
    std::shared_ptr<const RasterFont> font;
    Colour textColour = Black;
    int textX = 0;
    int textY = 0;
    int textLeft = 0;
    int justifyExtra = 0;
    int justifyBlanks = 0;
    // Text drawing keeps one painter open on the image; it is ended before the image is
    // moved or handed out.
    std::unique_ptr<QPainter> painter;

    Raster();
    Raster(Raster&& other) noexcept;
    Raster& operator=(Raster&& other) noexcept;
    ~Raster();
};

struct TextSize {
    int width = 0;
    int height = 0;
};

Raster createRaster(int width, int height);
int rasterWidth(const Raster& r);
int rasterHeight(const Raster& r);
// Ends the text painter so that the image can be read or copied as a whole.
const QImage& rasterImage(Raster& r);
// The raster's painter, begun on demand and kept open between operations, for drawing that
// needs Qt (text, pictures, icons). Never antialiased for shapes.
QPainter& rasterPainter(Raster& r);
// The same painter set up as printed lines draw (no clipping, no transform, plain
// composition), for code that draws prepared glyph runs exactly as printLine would; nothing
// when the painter cannot be opened.
QPainter* rasterTextPainter(Raster& r);

void clearRaster(Raster& r, Colour colour);
void setPen(Raster& r, int width, PenStyle style);

// Box covering x1 <= x < x2, y1 <= y < y2; its outline of the current pen width is centred
// on those edges (a 1-pixel outline is the outermost ring of the covered area). A corner
// radius above 0 rounds the corners.
void drawBox(Raster& r, int x1, int y1, int x2, int y2, Colour outline, BoxFill fill,
             Colour fillColour, int cornerRadius = 0);
// Line with the current pen; the end point is not drawn.
void drawLine(Raster& r, int x1, int y1, int x2, int y2, Colour colour);

Colour pixelAt(const Raster& r, int x, int y);
// Copies the whole of src into dst with its top-left corner at (x, y), clipped to dst.
void copyRaster(const Raster& src, Raster& dst, int x, int y);

// Font request in the terms of the work files: a face, a pixel height (negative for the
// character height, positive for the cell height including internal leading), weight,
// style, character set, pitch and family, and escapement/orientation in tenths of a degree.
struct FontRequest {
    std::string face;
    int height = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    int charset = 0;
    int pitchAndFamily = 0;
    int escapement = 0;
    int orientation = 0;

    bool operator==(const FontRequest&) const = default;
};

// Points to pixels at the canvas's fixed 96 dots per inch.
constexpr int CanvasDpi = 96;

std::shared_ptr<const RasterFont> createFont(const FontRequest& request);
void selectFont(Raster& r, std::shared_ptr<const RasterFont> font);
void setTextColour(Raster& r, Colour colour);
// Sets the current position; x also becomes the left edge printed lines return to.
void setTextPosition(Raster& r, int x, int y);
// Moves the current position without changing the left edge.
void moveTextPosition(Raster& r, int x, int y);
// Draws one line at the current position on a transparent background, applies and then
// clears a pending justification, and moves to the left edge one line height down.
void printLine(Raster& r, std::u16string_view text);
// For the next printed line only: spread extra pixels over its blanks.
void setJustification(Raster& r, int extraPixels, int blanks);

// Measurements with a font: width and height of a string (a rotated font is measured
// unrotated, width along the text), the number of leading UTF-16 units that fit in a width,
// and the line height (cell height plus external leading).
TextSize measureText(const RasterFont& font, std::u16string_view text);
int fitCount(const RasterFont& font, std::u16string_view text, int width);
int lineHeight(const RasterFont& font);

// Loads an icon file (.ico, the image that best suits the size) scaled to width x height and
// draws it at (x, y) with its transparency; false, and nothing drawn, when it cannot be read.
bool drawIconFile(Raster& r, const std::string& path, int x, int y, int width, int height);
// The two halves of drawIconFile, for callers that keep loaded icons: the image that best
// suits the size, scaled to it (a huge size is left to the drawing); and its drawing.
std::optional<QImage> loadIcon(const std::string& path, int width, int height);
void drawIconImage(Raster& r, const QImage& icon, int x, int y, int width, int height);

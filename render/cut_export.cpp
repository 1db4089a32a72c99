#include "render/cut_export.h"

#include "document/table_grid.h"
#include "platform/raster.h"
#include "render/page_frame.h"
#include "render/table_painter.h"
#include "render/table_view.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>

namespace {

std::string lowerCase(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string upperCase(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

// The extension is the part from the last "." of the file name to its end, dot included.
std::string extensionOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const auto dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

FileWriteResult encoderFailure()
{
    return {EIO, std::strerror(EIO)};
}

} // namespace

std::string mimeTypeForPath(const std::string& path)
{
    const std::string ext = lowerCase(extensionOf(path));
    if (ext == ".png")
        return "image/png";
    if (ext == ".jpg")
        return "image/jpeg";
    if (ext == ".gif")
        return "image/gif";
    if (ext == ".tif")
        return "image/tiff";
    if (ext == ".bmp")
        return "image/bmp";
    return {};
}

std::optional<ImageEncoder> findEncoder(const std::string& mimeType)
{
    const std::string wanted = upperCase(mimeType);
    for (const ImageEncoder& encoder : imageEncoders())
        if (upperCase(encoder.mimeType).find(wanted) != std::string::npos)
            return encoder;
    return std::nullopt;
}

FileWriteResult saveImageByExtension(const QImage& picture, const std::string& path)
{
    const auto encoder = findEncoder(mimeTypeForPath(path));
    if (!encoder)
        return encoderFailure();
    const auto bytes = encodePicture(picture, *encoder, 100);
    if (!bytes)
        return encoderFailure();
    return writeFileAtomically(path, *bytes);
}

CutGeometry cutGeometry(int lineThickness)
{
    switch (std::clamp(lineThickness, 1, 5)) {
    case 5:
        return {0, 2};
    case 4:
        return {0, 1};
    case 3:
        return {-1, 1};
    case 2:
        return {-1, 0};
    default:
        return {-2, 0};
    }
}

QImage paintCutExport(TableView& view, const TableGrid& grid, PainterState& painter,
                      Colour favouriteBackground, MessageService& messages)
{
    painter.exportMode = true;
    clearToBackground(view.tableBitmap, favouriteBackground);
    const CutGeometry g = cutGeometry(grid.lineThickness);
    paintTable(view.tableBitmap, grid, grid.columns, grid.rows, g.offset, g.offset, grid.lineColour,
               painter, messages);

    // Cell geometry comes from files; whatever it says, the picture never grows beyond the
    // canvas the table was painted on.
    const int limit = CanvasSize + 2;
    const int width = std::clamp(painter.paintedExtent.right + g.addition, 1, limit);
    const int height = std::clamp(painter.paintedExtent.bottom + g.addition, 1, limit);
    Raster exportBitmap = createRaster(width, height);
    clearRaster(exportBitmap, favouriteBackground);
    copyRaster(view.tableBitmap, exportBitmap, 0, 0);
    QImage picture = rasterImage(exportBitmap);

    painter.exportMode = false;
    repaintTable(view, grid, painter, messages);
    return picture;
}

FileWriteResult exportCutJpeg(const std::string& path, TableView& view, const TableGrid& grid,
                              PainterState& painter, Colour favouriteBackground,
                              MessageService& messages)
{
    const QImage picture = paintCutExport(view, grid, painter, favouriteBackground, messages);
    return saveImageByExtension(picture, path);
}

FileWriteResult exportCutBitmap(const std::string& path, TableView& view, const TableGrid& grid,
                                PainterState& painter, Colour favouriteBackground,
                                MessageService& messages)
{
    const QImage picture = paintCutExport(view, grid, painter, favouriteBackground, messages);
    return writeFileAtomically(path, encodeBmp24(picture));
}

#pragma once

#include "document/colour.h"
#include "platform/atomic_file.h"
#include "platform/picture_codec.h"

#include <QImage>

#include <optional>
#include <string>

class MessageService;
struct PainterState;
struct TableGrid;
struct TableView;

// The MIME type a path's extension selects when saving through the codecs (".png",
// ".jpg", ".gif", ".tif", ".bmp", compared in lower case); empty for anything else.
std::string mimeTypeForPath(const std::string& path);

// The first encoder, in the codecs' order, whose MIME type contains mimeType (both compared
// in upper case); an empty type is contained in every one, so it selects the first encoder.
std::optional<ImageEncoder> findEncoder(const std::string& mimeType);

// Writes a picture in the format its path's extension selects, quality 100, replacing the
// file whole or not at all.
FileWriteResult saveImageByExtension(const QImage& picture, const std::string& path);

// Offsets of the painting and growth of the picture by line thickness, so that the outer
// side of the top-left outline touches the picture's corner and the bottom-right outline
// stays whole. Thicknesses above 5 take the row of 5 and below 1 the row of 1.
struct CutGeometry {
    int offset;   // offsetX = offsetY
    int addition; // added to the painted extent in both directions
};
CutGeometry cutGeometry(int lineThickness);

// Paints the table without the editing aids on the favourite background and returns the
// part of the canvas that holds it; the view is repainted normally afterwards.
QImage paintCutExport(TableView& view, const TableGrid& grid, PainterState& painter,
                      Colour favouriteBackground, MessageService& messages);

enum class CutExportKind { Jpeg, Bitmap };

// The two export commands after their target has been chosen: the JPEG command saves in the
// format the path's extension selects (JPEG for the proposed names), the bitmap command
// always writes a 24-bit BMP, whatever the extension.
FileWriteResult exportCutJpeg(const std::string& path, TableView& view, const TableGrid& grid,
                              PainterState& painter, Colour favouriteBackground,
                              MessageService& messages);
FileWriteResult exportCutBitmap(const std::string& path, TableView& view, const TableGrid& grid,
                                PainterState& painter, Colour favouriteBackground,
                                MessageService& messages);

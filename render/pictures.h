#pragma once

#include "document/colour.h"
#include "render/picture_cache.h"

#include <QImage>

#include <memory>
#include <set>
#include <string>
#include <tuple>

class MessageService;
struct Raster;

// What the picture loading keeps between repaints: fitted pictures, and the files whose
// read error has been shown already. The read-error box used to come back at every repaint
// while an unreadable picture stayed in a cell, and every scroll step repaints, which made
// the editor unusable; it is now shown once per file until the file changes.
struct PictureState {
    PictureCache cache;
    std::set<std::tuple<std::string, std::int64_t, std::int64_t>> reportedReadErrors;
    // Icons scaled to their cells, and the icon files that could not be read as they are
    // now, so that a repaint reads neither again.
    PictureCache icons{16u * 1024u * 1024u};
    std::set<std::tuple<std::string, std::int64_t, std::int64_t>> unreadableIcons;
};

// A path exists when its attributes can be read (a folder counts).
bool fileExists(const std::string& path);

// Loads the picture at path into a new picture of width x height on the background colour;
// with keepAspect, a picture larger than the slot in its dominant direction shrinks with
// its proportions, and one that is not is stretched to the whole slot. Nothing when the
// slot is empty, the file is missing or cannot be decoded (with the loader's messages).
std::shared_ptr<const QImage> GraphicLoadImageFileToBitmap(const std::string& path,
                                                           Colour background, int width, int height,
                                                           bool keepAspect, PictureState& state,
                                                           MessageService& messages);

// The painter's entry: the picture fitted to a slot, proportions kept.
std::shared_ptr<const QImage> loadPictureBitmap(const std::string& path, int slotWidth,
                                                int slotHeight, Colour background,
                                                PictureState& state, MessageService& messages);

// Draws an icon file scaled to the rectangle from (x1, y1) to (x2, y2), both included, with
// its transparency; nothing when the file cannot be loaded.
void renderIcon(Raster& target, const std::string& path, int x1, int y1, int x2, int y2,
                PictureState& state);

// Splits a cell's picture reference "path|colour" into the path and the colour it had before
// the picture was placed (0 when the colour text is not a number).
struct PictureReference {
    std::string path;
    Colour background = 0;
};
PictureReference splitPictureReference(const std::string& reference);

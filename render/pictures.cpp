#include "render/pictures.h"

#include "platform/message_service.h"
#include "platform/picture_codec.h"
#include "platform/raster.h"

#include <cmath>
#include <sys/stat.h>

namespace {

constexpr const char* LoaderName = "[GraphicLoadImageFileToBitmap]";

struct FileStamp {
    bool exists = false;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
};

FileStamp stampOf(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {};
    return {true, static_cast<std::int64_t>(info.st_size),
            static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

// Rounds to the nearest integer, an exact half to the even one.
int roundHalfEven(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

void showLoaderMessage(MessageService& messages, const std::string& text)
{
    messages.showMessage(text, "", MessageButtons::Ok);
}

} // namespace

bool fileExists(const std::string& path)
{
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0;
}

std::shared_ptr<const QImage> GraphicLoadImageFileToBitmap(const std::string& path,
                                                           Colour background, int w, int h,
                                                           bool keepAspect, PictureState& state,
                                                           MessageService& messages)
{
    if (keepAspect && (w == 0 || h == 0))
        return nullptr;
    const FileStamp stamp = stampOf(path);
    if (!stamp.exists) {
        showLoaderMessage(messages,
                          std::string(LoaderName) + " called on <" + path + "> Missing file");
        return nullptr;
    }
    const PictureKey key{path, stamp.size, stamp.modifiedNs, w, h, background, keepAspect};
    if (auto cached = state.cache.find(key))
        return cached;

    const auto failureId = std::make_tuple(path, stamp.size, stamp.modifiedNs);
    const std::optional<QImage> picture = loadPicture(path);
    if (!picture) {
        if (state.reportedReadErrors.insert(failureId).second)
            showLoaderMessage(messages, std::string(LoaderName) +
                                            " [GdipLoadImagefromFile] read error on <" + path +
                                            ">");
        return nullptr;
    }

    const double iw = picture->width();
    const double ih = picture->height();
    if (iw == 0 || ih == 0)
        return nullptr;
    if (w == 0)
        w = roundHalfEven(iw);
    if (h == 0)
        h = roundHalfEven(ih);
    if (keepAspect) {
        if (iw / w > ih / h) {
            if (w < iw)
                h = roundHalfEven(ih / (iw / w));
        } else if (h < ih) {
            w = roundHalfEven(iw / (ih / h));
        }
    }
    if (w <= 0 || h <= 0 || static_cast<std::int64_t>(w) * h > 64 * 1024 * 1024)
        return nullptr;

    Raster fitted = createRaster(w, h);
    if (rasterImage(fitted).isNull())
        return nullptr;
    clearRaster(fitted, background);
    if (!drawPictureScaled(fitted, *picture, w, h))
        return nullptr;
    auto result = std::make_shared<const QImage>(rasterImage(fitted));
    state.cache.insert(key, result);
    return result;
}

std::shared_ptr<const QImage> loadPictureBitmap(const std::string& path, int slotWidth,
                                                int slotHeight, Colour background,
                                                PictureState& state, MessageService& messages)
{
    return GraphicLoadImageFileToBitmap(path, background, slotWidth, slotHeight, true, state,
                                        messages);
}

void renderIcon(Raster& target, const std::string& path, int x1, int y1, int x2, int y2,
                PictureState& state)
{
    const int width = x2 - x1 + 1;
    const int height = y2 - y1 + 1;
    const FileStamp stamp = stampOf(path);
    if (!stamp.exists || width < 0 || height < 0)
        return;
    const PictureKey key{path, stamp.size, stamp.modifiedNs, width, height, 0, false};
    std::shared_ptr<const QImage> icon = state.icons.find(key);
    if (!icon) {
        const auto fileId = std::make_tuple(path, stamp.size, stamp.modifiedNs);
        if (state.unreadableIcons.count(fileId) != 0)
            return;
        std::optional<QImage> loaded = loadIcon(path, width, height);
        if (!loaded) {
            state.unreadableIcons.insert(fileId);
            return;
        }
        icon = std::make_shared<const QImage>(std::move(*loaded));
        state.icons.insert(key, icon);
    }
    drawIconImage(target, *icon, x1, y1, width, height);
}

PictureReference splitPictureReference(const std::string& reference)
{
    PictureReference result;
    const auto bar = reference.find('|');
    result.path = reference.substr(0, bar);
    if (bar == std::string::npos)
        return result;
    std::string colourText = reference.substr(bar + 1);
    colourText = colourText.substr(0, colourText.find('|'));
    // The colour was written as a plain decimal number; anything else reads as 0, as a cut
    // reference does.
    std::size_t i = 0;
    bool negative = false;
    if (i < colourText.size() && (colourText[i] == '-' || colourText[i] == '+'))
        negative = colourText[i++] == '-';
    std::int64_t value = 0;
    for (; i < colourText.size() && colourText[i] >= '0' && colourText[i] <= '9'; ++i)
        value = std::min<std::int64_t>(value * 10 + (colourText[i] - '0'), 0xFFFFFFFFLL);
    result.background = static_cast<Colour>(static_cast<std::uint32_t>(negative ? -value : value));
    return result;
}

#include "platform/raster.h"

#include "platform/file_read.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace {
// Above this many pixels the icon is scaled while it is drawn, so that a huge slot costs
// only its visible part instead of a scaled copy of its whole size.
constexpr std::int64_t MaxScaledIconPixels = 4096 * 4096;

bool hasIconHeader(std::span<const std::uint8_t> bytes)
{
    return bytes.size() >= 6 && bytes[0] == 0 && bytes[1] == 0 && bytes[2] == 1 && bytes[3] == 0 &&
           (bytes[4] != 0 || bytes[5] != 0);
}

struct IconChoice {
    int index = -1;
    QSize size;
};

bool better(QSize candidate, QSize best, int width, int height)
{
    const bool candidateFits = candidate.width() >= width && candidate.height() >= height;
    const bool bestFits = best.width() >= width && best.height() >= height;
    const auto area = [](QSize s) { return std::int64_t(s.width()) * s.height(); };
    if (candidateFits != bestFits)
        return candidateFits;
    // Among images large enough the smallest loses least detail to scaling down; when none
    // is large enough the largest is scaled up least.
    return candidateFits ? area(candidate) < area(best) : area(candidate) > area(best);
}

// The image of the icon that best suits width x height; the first one listed wins a tie,
// as icon files list their preferred depth first.
std::optional<QImage> readBestImage(QImageReader& reader, int width, int height)
{
    IconChoice choice;
    const int count = reader.imageCount();
    for (int i = 0; i < count; ++i) {
        if (!reader.jumpToImage(i))
            continue;
        const QSize size = reader.size();
        if (size.isEmpty())
            continue;
        if (choice.index < 0 || better(size, choice.size, width, height))
            choice = {i, size};
    }
    if (choice.index < 0 || !reader.jumpToImage(choice.index))
        return std::nullopt;
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return std::nullopt;
    return image;
}
} // namespace

std::optional<QImage> loadIcon(const std::string& path, int width, int height)
{
    if (width < 0 || height < 0)
        return std::nullopt;
    const FileReadResult file = readWholeFile(path, MaxPictureFileBytes);
    if (file.error != FileReadError::None || !hasIconHeader(file.bytes))
        return std::nullopt;

    const QByteArray bytes = QByteArray::fromRawData(
        reinterpret_cast<const char*>(file.bytes.data()), qsizetype(file.bytes.size()));
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Only the icon decoder ever sees these bytes, whatever they hold.
    QImageReader reader(&buffer, "ico");
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    std::optional<QImage> icon = readBestImage(reader, width, height);
    if (!icon)
        return std::nullopt;

    // A size of 0 keeps the image's own size, as DrawIconEx does.
    const int w = width == 0 ? icon->width() : width;
    const int h = height == 0 ? icon->height() : height;
    QImage source = icon->convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (std::int64_t(w) * h <= MaxScaledIconPixels && source.size() != QSize(w, h))
        source = source.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return source;
}

void drawIconImage(Raster& r, const QImage& icon, int x, int y, int width, int height)
{
    const int w = width == 0 ? icon.width() : width;
    const int h = height == 0 ? icon.height() : height;
    QPainter& p = rasterPainter(r);
    if (!p.isActive() || icon.isNull())
        return;
    p.save();
    p.resetTransform();
    p.setClipping(false);
    p.setOpacity(1.0);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (icon.size() == QSize(w, h)) {
        p.drawImage(QPoint(x, y), icon);
    } else {
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(QRect(x, y, w, h), icon);
    }
    p.restore();
}

bool drawIconFile(Raster& r, const std::string& path, int x, int y, int width, int height)
{
    if (r.image.isNull())
        return false;
    const std::optional<QImage> icon = loadIcon(path, width, height);
    if (!icon)
        return false;
    drawIconImage(r, *icon, x, y, width, height);
    return true;
}

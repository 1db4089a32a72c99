#include "platform/picture_codec.h"
#include "platform/raster.h"

#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

namespace {

bool allListed(const QList<QByteArray>& available, std::initializer_list<const char*> needed)
{
    for (const char* format : needed)
        if (!available.contains(QByteArray(format)))
            return false;
    return true;
}

} // namespace

bool startPictureCodecs()
{
    QImageReader::setAllocationLimit(PictureAllocationLimitMb);
    // TIFF writing comes from the separate image-formats plugin package, which is the piece
    // most likely to be missing on an installation.
    return allListed(QImageReader::supportedImageFormats(), {"jpeg", "png", "gif", "bmp", "ico"}) &&
           allListed(QImageWriter::supportedImageFormats(), {"jpeg", "png", "bmp", "tiff"});
}

bool drawPictureScaled(Raster& target, const QImage& picture, int width, int height)
{
    if (picture.isNull() || width <= 0 || height <= 0 || rasterImage(target).isNull())
        return false;
    QPainter& painter = rasterPainter(target);
    if (!painter.isActive())
        return false;
    painter.save();
    painter.resetTransform();
    painter.setClipping(false);
    painter.setOpacity(1.0);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(QRectF(0, 0, width, height), picture,
                      QRectF(0, 0, picture.width(), picture.height()));
    painter.restore();
    return true;
}

#include "platform/gif_writer.h"
#include "platform/picture_codec.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>

#include <algorithm>

namespace {

std::optional<std::vector<std::uint8_t>> encodeWithQt(const QImage& picture, const char* format,
                                                      int quality)
{
    QByteArray data;
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::WriteOnly))
        return std::nullopt;
    QImageWriter writer(&buffer, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (!writer.write(picture))
        return std::nullopt;
    return std::vector<std::uint8_t>(data.begin(), data.end());
}

} // namespace

const std::vector<ImageEncoder>& imageEncoders()
{
    // JPEG comes first: a name whose extension has no entry looks up the empty MIME type,
    // which matches the first encoder, and JPEG is what such a user asked for.
    static const std::vector<ImageEncoder> encoders{
        {"image/jpeg", "jpeg"}, {"image/png", "png"},   {"image/bmp", "bmp"},
        {"image/gif", "gif"},   {"image/tiff", "tiff"},
    };
    return encoders;
}

std::optional<std::vector<std::uint8_t>> encodePicture(const QImage& picture,
                                                       const ImageEncoder& encoder, int quality)
{
    if (picture.isNull())
        return std::nullopt;
    if (encoder.id == "jpeg")
        return encodeWithQt(picture, "jpeg", std::clamp(quality, 0, 100));
    // Qt reads a PNG "quality" as the inverse of the compression level, so the exports'
    // quality 100 would write the pixels uncompressed; PNG and TIFF are lossless and take
    // their default settings instead.
    if (encoder.id == "png")
        return encodeWithQt(picture, "png", -1);
    if (encoder.id == "tiff")
        return encodeWithQt(picture, "tiff", -1);
    if (encoder.id == "bmp") {
        std::vector<std::uint8_t> bytes = encodeBmp24(picture);
        if (bytes.empty())
            return std::nullopt;
        return bytes;
    }
    if (encoder.id == "gif")
        return encodeGif(picture);
    return std::nullopt;
}

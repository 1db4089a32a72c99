#include "platform/file_read.h"
#include "platform/picture_codec.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <cstring>

namespace {

bool startsWith(std::span<const std::uint8_t> bytes, std::size_t offset, const char* signature,
                std::size_t length)
{
    return bytes.size() >= offset + length &&
           std::memcmp(bytes.data() + offset, signature, length) == 0;
}

const char* qtFormatName(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Jpeg:
        return "jpeg";
    case PictureFormat::Png:
        return "png";
    case PictureFormat::Gif:
        return "gif";
    case PictureFormat::Bmp:
        return "bmp";
    case PictureFormat::Ico:
        return "ico";
    case PictureFormat::Tiff:
        return "tiff";
    case PictureFormat::Webp:
        return "webp";
    case PictureFormat::Unknown:
        break;
    }
    return nullptr;
}

bool exceedsAllocationLimit(const QSize& size)
{
    if (!size.isValid())
        return false;
    const auto bytes = static_cast<std::int64_t>(size.width()) * size.height() * 4;
    return bytes > static_cast<std::int64_t>(PictureAllocationLimitMb) * 1024 * 1024;
}

} // namespace

PictureFormat sniffPictureFormat(std::span<const std::uint8_t> bytes)
{
    if (startsWith(bytes, 0, "\xFF\xD8\xFF", 3))
        return PictureFormat::Jpeg;
    if (startsWith(bytes, 0, "\x89PNG\r\n\x1A\n", 8))
        return PictureFormat::Png;
    if (startsWith(bytes, 0, "GIF87a", 6) || startsWith(bytes, 0, "GIF89a", 6))
        return PictureFormat::Gif;
    if (startsWith(bytes, 0, "BM", 2))
        return PictureFormat::Bmp;
    if (startsWith(bytes, 0, "\0\0\1\0", 4))
        return PictureFormat::Ico;
    if (startsWith(bytes, 0, "II*\0", 4) || startsWith(bytes, 0, "MM\0*", 4))
        return PictureFormat::Tiff;
    if (startsWith(bytes, 0, "RIFF", 4) && startsWith(bytes, 8, "WEBP", 4))
        return PictureFormat::Webp;
    return PictureFormat::Unknown;
}

std::optional<QImage> decodePicture(std::span<const std::uint8_t> bytes)
{
    const char* format = qtFormatName(sniffPictureFormat(bytes));
    if (format == nullptr)
        return std::nullopt;

    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<qsizetype>(bytes.size()));
    QBuffer buffer;
    buffer.setData(data);
    if (!buffer.open(QIODevice::ReadOnly))
        return std::nullopt;

    // Only the handler of the recognised format may see the bytes: with detection on, Qt
    // would offer them to every installed image plugin, some of which have known flaws.
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    // Pictures are shown as stored, without turning them by their orientation tag.
    reader.setAutoTransform(false);

    // Not every handler checks Qt's allocation limit itself, so the declared size is checked
    // before any pixel memory is taken.
    if (exceedsAllocationLimit(reader.size()))
        return std::nullopt;

    QImage image;
    if (!reader.read(&image) || image.isNull())
        return std::nullopt;
    return image;
}

std::optional<QImage> loadPicture(const std::string& path)
{
    const FileReadResult file = readWholeFile(path, MaxPictureFileBytes);
    if (file.error != FileReadError::None)
        return std::nullopt;
    return decodePicture(file.bytes);
}

#include "document/le_bytes.h"
#include "platform/picture_codec.h"

#include <limits>

namespace {

constexpr int FileHeaderBytes = 14;
constexpr int InfoHeaderBytes = 40;
constexpr int PixelOffset = FileHeaderBytes + InfoHeaderBytes;
// 96 dots per inch, the canvas's resolution, so that a viewer prints an export at page size.
constexpr std::int32_t PixelsPerMetre = 3780;

} // namespace

std::vector<std::uint8_t> encodeBmp24(const QImage& picture)
{
    if (picture.isNull())
        return {};
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    const std::int64_t stride = (static_cast<std::int64_t>(width) * 3 + 3) / 4 * 4;
    const std::int64_t dataBytes = stride * height;
    if (dataBytes + PixelOffset > std::numeric_limits<std::int32_t>::max())
        return {};

    std::vector<std::uint8_t> out(static_cast<std::size_t>(PixelOffset + dataBytes), 0);
    std::uint8_t* p = out.data();
    p[0] = 'B';
    p[1] = 'M';
    writeInt32(p + 2, static_cast<std::int32_t>(out.size()));
    writeInt16(p + 6, 0);
    writeInt16(p + 8, 0);
    writeInt32(p + 10, PixelOffset);

    std::uint8_t* info = p + FileHeaderBytes;
    writeInt32(info + 0, InfoHeaderBytes);
    writeInt32(info + 4, width);
    writeInt32(info + 8, height);
    writeInt16(info + 12, 1);
    writeInt16(info + 14, 24);
    writeInt32(info + 16, 0);
    writeInt32(info + 20, static_cast<std::int32_t>(dataBytes));
    writeInt32(info + 24, PixelsPerMetre);
    writeInt32(info + 28, PixelsPerMetre);
    writeInt32(info + 32, 0);
    writeInt32(info + 36, 0);

    for (int y = 0; y < height; ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::uint8_t* row = p + PixelOffset + stride * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            row[3 * x + 0] = static_cast<std::uint8_t>(qBlue(source[x]));
            row[3 * x + 1] = static_cast<std::uint8_t>(qGreen(source[x]));
            row[3 * x + 2] = static_cast<std::uint8_t>(qRed(source[x]));
        }
    }
    return out;
}

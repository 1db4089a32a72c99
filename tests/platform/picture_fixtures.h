#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

// Small pictures made in the tests themselves, written with Qt's own writers so that the
// decoder under test reads files it did not produce.

inline std::vector<std::uint8_t> writeWithQt(const QImage& image, const char* format,
                                             int quality = -1)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(image))
        return {};
    return std::vector<std::uint8_t>(data.begin(), data.end());
}

// A picture of four flat quadrants (red, green / blue, white), split at half the width and
// half the height.
inline QImage quadrantPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2;
            const bool bottom = y >= height / 2;
            QRgb colour = !bottom ? (right ? qRgb(0, 255, 0) : qRgb(255, 0, 0))
                                  : (right ? qRgb(255, 255, 255) : qRgb(0, 0, 255));
            image.setPixel(x, y, colour);
        }
    return image;
}

inline bool closeTo(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

inline void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

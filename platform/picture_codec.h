#pragma once

#include <QImage>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct Raster;

// The picture codec service: decoding the formats a user places in a cell and encoding
// rasters for the exports.

// Checks that the decoders (JPEG, PNG, GIF, BMP, ICO) and encoders (JPEG, PNG, BMP, TIFF)
// the program needs are present, and sets the decoder's allocation limit. False means the
// program cannot run.
bool startPictureCodecs();

// Largest decoded picture, in megabytes of 32-bit pixels: a 64 MiB file must not be able to
// declare a picture that exhausts memory.
constexpr int PictureAllocationLimitMb = 128;

enum class PictureFormat { Unknown, Jpeg, Png, Gif, Bmp, Ico, Tiff, Webp };

// Recognises a picture by its leading bytes; only the formats above are ever decoded.
PictureFormat sniffPictureFormat(std::span<const std::uint8_t> bytes);

// Decodes a picture file (read through readWholeFile); nothing when the file is missing,
// unreadable, of another format, truncated or corrupt.
std::optional<QImage> loadPicture(const std::string& path);
std::optional<QImage> decodePicture(std::span<const std::uint8_t> bytes);

// Draws the whole picture scaled smoothly into (0, 0, width, height) of the raster, over
// what the raster holds (transparent parts keep it). False when the drawing failed.
bool drawPictureScaled(Raster& target, const QImage& picture, int width, int height);

struct ImageEncoder {
    std::string mimeType; // "image/jpeg"
    std::string id;       // stable identifier of the encoder
};

// The encoders in the service's order: JPEG first, then PNG, BMP, GIF and TIFF.
const std::vector<ImageEncoder>& imageEncoders();

// Encodes a picture with an encoder at a quality 0..100; nothing when the encoder fails.
std::optional<std::vector<std::uint8_t>> encodePicture(const QImage& picture,
                                                       const ImageEncoder& encoder, int quality);

// 24-bit uncompressed Windows BMP: 14-byte file header, 40-byte info header, bottom-up rows
// padded to 4 bytes, pixels at offset 54, 96 dots per inch. Alpha is dropped. Empty when the
// picture is null or too large for the format's 32-bit sizes.
std::vector<std::uint8_t> encodeBmp24(const QImage& picture);

#include "platform/gif_writer.h"

#include <gif_lib.h>

#include <array>
#include <memory>
#include <unordered_map>

namespace {

constexpr std::size_t MaxColours = 256;
constexpr int GifMaxSide = 65535;

// The median cut works on colours cut to 5 bits a channel: 32768 cells, fine enough for
// choosing 256 colours, small enough to scan for every box.
constexpr int Levels = 32;

struct ColourCell {
    std::uint64_t count = 0;
    std::uint64_t red = 0;
    std::uint64_t green = 0;
    std::uint64_t blue = 0;
};

using Histogram = std::vector<ColourCell>;

int cellIndex(int r, int g, int b)
{
    return (r * Levels + g) * Levels + b;
}

int cellOf(QRgb c)
{
    return cellIndex(qRed(c) >> 3, qGreen(c) >> 3, qBlue(c) >> 3);
}

struct ColourBox {
    std::array<int, 3> lo{0, 0, 0};
    std::array<int, 3> hi{Levels - 1, Levels - 1, Levels - 1};
    std::uint64_t population = 0;
};

template <typename Visit> void forEachCell(const ColourBox& box, Visit visit)
{
    for (int r = box.lo[0]; r <= box.hi[0]; ++r)
        for (int g = box.lo[1]; g <= box.hi[1]; ++g)
            for (int b = box.lo[2]; b <= box.hi[2]; ++b)
                visit(std::array<int, 3>{r, g, b}, cellIndex(r, g, b));
}

// Narrows a box to the cells that hold colours and counts its pixels.
void shrink(ColourBox& box, const Histogram& histogram)
{
    std::array<int, 3> lo{Levels, Levels, Levels};
    std::array<int, 3> hi{-1, -1, -1};
    std::uint64_t population = 0;
    forEachCell(box, [&](const std::array<int, 3>& at, int cell) {
        if (histogram[cell].count == 0)
            return;
        population += histogram[cell].count;
        for (int axis = 0; axis < 3; ++axis) {
            lo[axis] = std::min(lo[axis], at[axis]);
            hi[axis] = std::max(hi[axis], at[axis]);
        }
    });
    box.lo = lo;
    box.hi = hi;
    box.population = population;
}

int longestAxis(const ColourBox& box)
{
    int axis = 0;
    for (int a = 1; a < 3; ++a)
        if (box.hi[a] - box.lo[a] > box.hi[axis] - box.lo[axis])
            axis = a;
    return axis;
}

bool splittable(const ColourBox& box)
{
    return box.hi[longestAxis(box)] > box.lo[longestAxis(box)];
}

// Splits a shrunk box across its longest side where half of its pixels lie on each side;
// both halves keep at least one occupied slice.
std::pair<ColourBox, ColourBox> split(const ColourBox& box, const Histogram& histogram)
{
    const int axis = longestAxis(box);
    std::array<std::uint64_t, Levels> slices{};
    forEachCell(box, [&](const std::array<int, 3>& at, int cell) {
        slices[at[axis]] += histogram[cell].count;
    });
    int cut = box.lo[axis];
    std::uint64_t below = 0;
    for (; cut < box.hi[axis] - 1; ++cut) {
        below += slices[cut];
        if (below * 2 >= box.population)
            break;
    }
    ColourBox low = box;
    ColourBox high = box;
    low.hi[axis] = cut;
    high.lo[axis] = cut + 1;
    shrink(low, histogram);
    shrink(high, histogram);
    return {low, high};
}

PalettePicture medianCut(const QImage& image)
{
    PalettePicture result;
    result.width = image.width();
    result.height = image.height();

    Histogram histogram(Levels * Levels * Levels);
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            ColourCell& cell = histogram[cellOf(row[x])];
            ++cell.count;
            cell.red += qRed(row[x]);
            cell.green += qGreen(row[x]);
            cell.blue += qBlue(row[x]);
        }
    }

    std::vector<ColourBox> boxes(1);
    shrink(boxes[0], histogram);
    while (boxes.size() < MaxColours) {
        std::size_t chosen = boxes.size();
        for (std::size_t i = 0; i < boxes.size(); ++i)
            if (splittable(boxes[i]) &&
                (chosen == boxes.size() || boxes[i].population > boxes[chosen].population))
                chosen = i;
        if (chosen == boxes.size())
            break;
        auto [low, high] = split(boxes[chosen], histogram);
        boxes[chosen] = low;
        boxes.push_back(high);
    }

    // Each box's colour is the mean of the pixels it holds, so a large flat area keeps its
    // colour nearly exactly.
    std::vector<std::uint8_t> indexOfCell(histogram.size(), 0);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        ColourCell sum;
        forEachCell(boxes[i], [&](const std::array<int, 3>&, int cell) {
            sum.count += histogram[cell].count;
            sum.red += histogram[cell].red;
            sum.green += histogram[cell].green;
            sum.blue += histogram[cell].blue;
            indexOfCell[cell] = static_cast<std::uint8_t>(i);
        });
        const auto mean = [&](std::uint64_t total) {
            return static_cast<int>((total + sum.count / 2) / sum.count);
        };
        result.palette.push_back(qRgb(mean(sum.red), mean(sum.green), mean(sum.blue)));
    }

    result.indices.reserve(static_cast<std::size_t>(result.width) * result.height);
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            result.indices.push_back(indexOfCell[cellOf(row[x])]);
    }
    return result;
}

int writeToVector(GifFileType* gif, const GifByteType* data, int length)
{
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

struct ColourMapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

} // namespace

PalettePicture reduceToPalette(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    PalettePicture result;
    result.width = image.width();
    result.height = image.height();
    result.indices.reserve(static_cast<std::size_t>(result.width) * result.height);

    std::unordered_map<QRgb, std::uint8_t> exact;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = row[x] | 0xFF000000u;
            auto found = exact.find(colour);
            if (found == exact.end()) {
                if (exact.size() == MaxColours)
                    return medianCut(image);
                found = exact.emplace(colour, static_cast<std::uint8_t>(exact.size())).first;
                result.palette.push_back(colour);
            }
            result.indices.push_back(found->second);
        }
    }
    return result;
}

std::optional<std::vector<std::uint8_t>> encodeGif(const QImage& picture)
{
    if (picture.isNull() || picture.width() > GifMaxSide || picture.height() > GifMaxSide)
        return std::nullopt;
    PalettePicture reduced = reduceToPalette(picture);

    // The format's colour tables hold a power of two entries, at least two.
    int tableSize = 2;
    while (static_cast<std::size_t>(tableSize) < reduced.palette.size())
        tableSize *= 2;
    std::vector<GifColorType> table(static_cast<std::size_t>(tableSize), GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < reduced.palette.size(); ++i)
        table[i] = GifColorType{static_cast<GifByteType>(qRed(reduced.palette[i])),
                                static_cast<GifByteType>(qGreen(reduced.palette[i])),
                                static_cast<GifByteType>(qBlue(reduced.palette[i]))};
    const std::unique_ptr<ColorMapObject, ColourMapDeleter> colourMap(
        GifMakeMapObject(tableSize, table.data()));
    if (!colourMap)
        return std::nullopt;

    std::vector<std::uint8_t> out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, writeToVector, &error);
    if (gif == nullptr)
        return std::nullopt;
    bool written =
        EGifPutScreenDesc(gif, reduced.width, reduced.height, 8, 0, colourMap.get()) == GIF_OK &&
        EGifPutImageDesc(gif, 0, 0, reduced.width, reduced.height, false, nullptr) == GIF_OK;
    for (int y = 0; written && y < reduced.height; ++y)
        written =
            EGifPutLine(gif, reduced.indices.data() + static_cast<std::size_t>(y) * reduced.width,
                        reduced.width) == GIF_OK;
    // Closing writes the trailer and frees the writer, also after a failed line.
    if (EGifCloseFile(gif, &error) != GIF_OK)
        written = false;
    if (!written)
        return std::nullopt;
    return out;
}

#include "platform/raster_font.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QRawFont>
#include <QString>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <unordered_map>

namespace {
// GDI chooses a size of its own for a height of 0; this is ours.
constexpr int DefaultCharacterPixels = 12;
// Enough for every font of a table (one per distinct cell style) several times over.
constexpr std::size_t MaxCachedFonts = 512;

std::atomic<std::uint64_t> nextSerial{1};

struct FontRequestHash {
    std::size_t operator()(const FontRequest& r) const
    {
        std::size_t h = std::hash<std::string>{}(r.face);
        for (int v : {r.height, r.weight, int(r.italic), int(r.underline), int(r.strikeout),
                      r.charset, r.pitchAndFamily, r.escapement, r.orientation})
            h = h * 1000003u ^ std::hash<int>{}(v);
        return h;
    }
};

struct FontCache {
    std::mutex mutex;
    std::unordered_map<FontRequest, std::shared_ptr<const RasterFont>, FontRequestHash> fonts;
    bool cleanupRegistered = false;
};

FontCache& fontCache()
{
    static FontCache cache;
    return cache;
}

// Fonts must not outlive the application object, whose font database they refer to.
void dropCachedFonts()
{
    FontCache& cache = fontCache();
    std::lock_guard lock(cache.mutex);
    cache.fonts.clear();
    cache.cleanupRegistered = false;
}

int clampPixels(std::int64_t pixels)
{
    return int(std::clamp<std::int64_t>(pixels, 1, MaxFontPixels));
}

struct DesignMetrics {
    double unitsPerEm = 0;
    double ascent = 0;
    double descent = 0;
};

// The face's em, ascent and descent in font design units, read at one pixel per unit where
// hinting cannot round them.
std::optional<DesignMetrics> designMetrics(const QFont& font)
{
    QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid() || raw.unitsPerEm() <= 0)
        return std::nullopt;
    raw.setPixelSize(raw.unitsPerEm());
    const DesignMetrics m{raw.unitsPerEm(), raw.ascent(), raw.descent()};
    if (m.ascent < 0 || m.descent < 0 || m.ascent + m.descent <= 0)
        return std::nullopt;
    return m;
}

RasterFont buildFont(const FontRequest& request)
{
    RasterFont font;
    font.request = request;
    font.serial = nextSerial.fetch_add(1);

    QFont& f = font.qtFont;
    const QString face = QString::fromUtf8(request.face.data(), qsizetype(request.face.size()));
    if (!face.isEmpty())
        f.setFamilies({face});
    // An explicit preference keeps widths the same on every platform plugin (the default
    // follows the desktop's settings), and full hinting gives whole-pixel advances as GDI does.
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setWeight(QFont::Weight(request.weight <= 0 ? 400 : std::clamp(request.weight, 1, 1000)));
    f.setItalic(request.italic);
    f.setUnderline(request.underline);
    f.setStrikeOut(request.strikeout);

    const std::int64_t height = request.height;
    if (height <= 0) {
        f.setPixelSize(height == 0 ? DefaultCharacterPixels : clampPixels(-height));
        const QFontMetrics metrics(f);
        font.ascent = metrics.ascent();
        font.descent = metrics.descent();
    } else {
        // A positive height is the character cell, internal leading included. Qt sizes fonts
        // by whole-pixel ems, with which many cell heights cannot be reached (13 pixels of
        // Arial lies between ems 11 and 12), so the em is the nearest one and the cell keeps
        // exactly the requested height, split as the face's design splits it.
        const int cell = clampPixels(height);
        f.setPixelSize(cell);
        if (const auto design = designMetrics(f)) {
            const double cellUnits = design->ascent + design->descent;
            f.setPixelSize(clampPixels(std::llround(cell * design->unitsPerEm / cellUnits)));
            font.ascent = int(std::lround(cell * design->ascent / cellUnits));
        } else {
            font.ascent = QFontMetrics(f).ascent();
        }
        font.ascent = std::clamp(font.ascent, 0, cell);
        font.descent = cell - font.ascent;
    }
    font.externalLeading = std::max(0, QFontMetrics(f).leading());
    font.rotation = -request.escapement / 10.0;
    return font;
}
} // namespace

std::shared_ptr<const RasterFont> createFont(const FontRequest& request)
{
    FontCache& cache = fontCache();
    {
        std::lock_guard lock(cache.mutex);
        if (auto it = cache.fonts.find(request); it != cache.fonts.end())
            return it->second;
    }
    auto font = std::make_shared<const RasterFont>(buildFont(request));
    std::lock_guard lock(cache.mutex);
    if (cache.fonts.size() >= MaxCachedFonts)
        cache.fonts.clear();
    cache.fonts.emplace(request, font);
    if (!cache.cleanupRegistered && QCoreApplication::instance()) {
        qAddPostRoutine(dropCachedFonts);
        cache.cleanupRegistered = true;
    }
    return font;
}

std::shared_ptr<const RasterFont> defaultRasterFont()
{
    return createFont(FontRequest{});
}

int lineHeight(const RasterFont& font)
{
    return font.ascent + font.descent + font.externalLeading;
}

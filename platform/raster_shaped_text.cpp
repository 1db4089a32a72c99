#include "platform/raster_shaped_text.h"

#include <QCoreApplication>
#include <QString>
#include <QTextLayout>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <unordered_map>

namespace {
// Far more than the distinct strings of a full 101 x 101 table, far less than memory.
constexpr std::size_t MaxCacheBytes = 32u << 20;

QString shapingString(std::u16string_view text)
{
    QString s(reinterpret_cast<const QChar*>(text.data()), qsizetype(text.size()));
    // One printed line is one line: Qt would expand a tab to a tab stop and break at the
    // Unicode separators; GDI prints them as ordinary characters.
    for (QChar& c : s) {
        if (c == u'\t' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u' ';
    }
    return s;
}

bool holdsRightToLeft(const QString& s)
{
    for (qsizetype i = 0; i < s.size(); ++i) {
        char32_t code = s[i].unicode();
        if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(s[i], s[i + 1]);
            ++i;
        }
        switch (QChar::direction(code)) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirRLI:
            return true;
        default:
            break;
        }
    }
    return false;
}

// Characters that shaping maps one to one onto glyphs in text order in the common faces:
// Latin, Greek and Cyrillic letters without combining marks, and common punctuation and
// symbols. Anything else is measured through the cursor positions of the layout.
bool mapsToOneGlyph(char16_t c)
{
    return (c >= 0x20 && c <= 0x7E) || (c >= 0xA0 && c <= 0x2FF && c != 0xAD) ||
           (c >= 0x370 && c <= 0x3FF) || (c >= 0x400 && c <= 0x482) || (c >= 0x48A && c <= 0x52F) ||
           (c >= 0x1E00 && c <= 0x1FFF) || (c >= 0x2010 && c <= 0x2027) ||
           (c >= 0x2030 && c <= 0x205E) || (c >= 0x20A0 && c <= 0x20CF) ||
           (c >= 0x2100 && c <= 0x214F);
}

struct Key {
    std::uint64_t font;
    std::u16string text;
};

struct KeyView {
    std::uint64_t font;
    std::u16string_view text;
};

struct KeyHash {
    using is_transparent = void;
    std::size_t operator()(const KeyView& k) const noexcept
    {
        return std::hash<std::u16string_view>{}(k.text) ^ (k.font * 0x9E3779B97F4A7C15ull);
    }
    std::size_t operator()(const Key& k) const noexcept { return (*this)(KeyView{k.font, k.text}); }
};

struct KeyEqual {
    using is_transparent = void;
    template <class A, class B> bool operator()(const A& a, const B& b) const noexcept
    {
        return a.font == b.font && std::u16string_view(a.text) == std::u16string_view(b.text);
    }
};

struct ShapeCache {
    std::mutex mutex;
    std::unordered_map<Key, std::shared_ptr<const ShapedText>, KeyHash, KeyEqual> entries;
    std::size_t bytes = 0;
    bool cleanupRegistered = false;
};

ShapeCache& shapeCache()
{
    static ShapeCache cache;
    return cache;
}

// Glyph runs refer to font engines, which must not outlive the application object.
void dropShapedTexts()
{
    ShapeCache& cache = shapeCache();
    std::lock_guard lock(cache.mutex);
    cache.entries.clear();
    cache.bytes = 0;
    cache.cleanupRegistered = false;
}

std::size_t costOf(const ShapedText& shaped, std::size_t units)
{
    std::size_t glyphs = 0;
    for (const QGlyphRun& run : shaped.runs)
        glyphs += std::size_t(run.glyphIndexes().size());
    return 256 + units * 2 + glyphs * (sizeof(quint32) + sizeof(QPointF)) +
           shaped.prefix.size() * sizeof(int) + shaped.runs.size() * 64;
}
} // namespace

ShapedText shapeUncached(const QFont& font, std::u16string_view text, bool withPrefix)
{
    ShapedText shaped;
    const QString s = shapingString(text);
    QTextLayout layout(s, font);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setWrapMode(QTextOption::NoWrap);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid())
        return shaped;

    // The advance, as GDI measures: the natural width would add the overhang of the last
    // glyph's ink.
    shaped.width = qRound(line.horizontalAdvance());
    const qreal baseline = line.ascent();
    shaped.runs = line.glyphRuns();
    for (QGlyphRun& run : shaped.runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& p : positions)
            p.ry() -= baseline;
        run.setPositions(positions);
    }
    if (!withPrefix || holdsRightToLeft(s))
        return shaped;

    const qsizetype n = s.size();
    shaped.glyphPerUnit = shaped.runs.size() == 1 &&
                          shaped.runs.front().glyphIndexes().size() == n &&
                          std::all_of(text.begin(), text.end(), mapsToOneGlyph) &&
                          qRound(shaped.runs.front().positions().front().x()) == 0;
    shaped.prefix.resize(std::size_t(n) + 1);
    if (shaped.glyphPerUnit) {
        // The width of the first i units is measured as if they stood alone: up to the end
        // of glyph i - 1, without the kerning it has with glyph i.
        const QGlyphRun& run = shaped.runs.front();
        const QList<QPointF> positions = run.positions();
        const QList<QPointF> advances = run.rawFont().advancesForGlyphIndexes(run.glyphIndexes());
        shaped.prefix[0] = 0;
        for (qsizetype i = 1; i < n; ++i)
            shaped.prefix[std::size_t(i)] = qRound(positions[i - 1].x() + advances[i - 1].x());
    } else {
        for (qsizetype i = 0; i < n; ++i) {
            int cursor = int(i);
            shaped.prefix[std::size_t(i)] = qRound(line.cursorToX(&cursor));
        }
    }
    shaped.prefix.back() = shaped.width;
    // Rounding and marks of no width must not let a longer part measure less: fitCount
    // searches these widths.
    for (std::size_t i = 1; i < shaped.prefix.size(); ++i)
        shaped.prefix[i] = std::max(shaped.prefix[i], shaped.prefix[i - 1]);
    return shaped;
}

std::shared_ptr<const ShapedText> shapedText(const RasterFont& font, std::u16string_view text)
{
    ShapeCache& cache = shapeCache();
    {
        std::lock_guard lock(cache.mutex);
        if (auto it = cache.entries.find(KeyView{font.serial, text}); it != cache.entries.end())
            return it->second;
    }
    auto shaped = std::make_shared<const ShapedText>(shapeUncached(font.qtFont, text, true));
    const std::size_t cost = costOf(*shaped, text.size());
    std::lock_guard lock(cache.mutex);
    if (cache.bytes + cost > MaxCacheBytes) {
        cache.entries.clear();
        cache.bytes = 0;
    }
    const auto [it, inserted] =
        cache.entries.emplace(Key{font.serial, std::u16string(text)}, std::move(shaped));
    if (inserted)
        cache.bytes += cost;
    if (!cache.cleanupRegistered && QCoreApplication::instance()) {
        qAddPostRoutine(dropShapedTexts);
        cache.cleanupRegistered = true;
    }
    return it->second;
}

int shapedWidth(const RasterFont& font, std::u16string_view text)
{
    return shapeUncached(font.qtFont, text, false).width;
}

#pragma once

#include "render/text_layout.h"

#include <QGlyphRun>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Identifies one layout: the text, the font (by the raster font's serial, never reused), the
// alignment and the area.
struct CellTextKey {
    std::uint64_t font = 0;
    int alignment = 0;
    int w = 0;
    int h = 0;
    std::u16string_view text;
};

// Part of a laid-out text made ready to draw: the glyphs of neighbouring plain lines joined
// into one run, or one line (justified or turned) that is printed through the raster. Offsets
// are relative to the origin of the text area.
struct PreparedSegment {
    QGlyphRun run;
    int line = -1; // index into the plan's lines when printed through the raster
    int top = 0;   // tops of the first and last line covered
    int bottom = 0;
    int left = 0; // leftmost start of a covered line
    // Where the run is drawn from, relative to the text origin. Runs with underline or
    // strikeout keep their glyphs relative to their own line, because Qt draws those lines
    // from the point a run is drawn at.
    QPointF origin;
};

struct CachedCellText {
    CellTextPlan plan;
    // Made on first use, for origins with an even and an odd x: half pixels of centring round
    // differently on the two.
    std::array<std::optional<std::vector<PreparedSegment>>, 2> prepared;
};

// The laid-out cell texts of recent repaints, so that a repaint lays out only what changed.
// Holds at most maxEntries layouts and about maxBytes of them; those not used for the longest
// are dropped first, a generation at a time.
struct CellTextCache {
    explicit CellTextCache(std::size_t maxEntries = DefaultMaxEntries,
                           std::size_t maxBytes = DefaultMaxBytes);
    ~CellTextCache();
    CellTextCache(const CellTextCache&) = delete;
    CellTextCache& operator=(const CellTextCache&) = delete;

    // The layout for the key, or nullptr. A pointer stays valid until the next insert.
    CachedCellText* find(const CellTextKey& key);
    CachedCellText& insert(const CellTextKey& key, CellTextPlan plan);
    std::size_t size() const { return current_.size() + previous_.size(); }
    void clear();

    // Room for two tables of the largest size (101 x 101 cells); the byte bound keeps long
    // texts broken into many lines from taking much memory.
    static constexpr std::size_t DefaultMaxEntries = 2 * 101 * 101;
    static constexpr std::size_t DefaultMaxBytes = 32u << 20;

  private:
    struct StoredKey {
        std::uint64_t font;
        int alignment;
        int w;
        int h;
        std::u16string text;
    };
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(const CellTextKey& k) const noexcept;
        std::size_t operator()(const StoredKey& k) const noexcept;
    };
    struct Equal {
        using is_transparent = void;
        template <class A, class B> bool operator()(const A& a, const B& b) const noexcept
        {
            return a.font == b.font && a.alignment == b.alignment && a.w == b.w && a.h == b.h &&
                   std::u16string_view(a.text) == std::u16string_view(b.text);
        }
    };
    using Map = std::unordered_map<StoredKey, CachedCellText, Hash, Equal>;

    static std::size_t costOf(const StoredKey& key, const CachedCellText& entry);
    void makeRoom();

    std::size_t generationEntries_;
    std::size_t generationBytes_;
    Map current_;
    Map previous_;
    std::size_t currentBytes_ = 0;
};

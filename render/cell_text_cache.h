#pragma once

#include "render/text_layout.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

// Identifies one layout: the text, the font (by the raster font's serial, never reused), the
// alignment and the area.
struct CellTextKey {
    std::uint64_t font = 0;
    int alignment = 0;
    int w = 0;
    int h = 0;
    std::u16string_view text;
};

// The laid-out cell texts of recent repaints, so that a repaint lays out only what changed.
// Holds at most maxEntries layouts and about maxBytes of them; those not used for the longest
// are dropped first, a generation at a time.
struct CellTextCache {
    explicit CellTextCache(std::size_t maxEntries = DefaultMaxEntries,
                           std::size_t maxBytes = DefaultMaxBytes);

    // The layout for the key, or nullptr. A pointer stays valid until the next insert.
    const CellTextPlan* find(const CellTextKey& key);
    const CellTextPlan& insert(const CellTextKey& key, CellTextPlan plan);
    std::size_t size() const { return current_.size() + previous_.size(); }
    void clear();

    // Two full tables of the largest size (101 x 101 cells), in far less memory than the
    // longest texts broken into a hundred lines in every cell would take.
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
    using Map = std::unordered_map<StoredKey, CellTextPlan, Hash, Equal>;

    static std::size_t costOf(const StoredKey& key, const CellTextPlan& plan);
    void makeRoom();

    std::size_t generationEntries_;
    std::size_t generationBytes_;
    Map current_;
    Map previous_;
    std::size_t currentBytes_ = 0;
};

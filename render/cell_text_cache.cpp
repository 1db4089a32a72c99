#include "render/cell_text_cache.h"

#include <QCoreApplication>

#include <algorithm>
#include <functional>
#include <mutex>
#include <set>
#include <utility>

namespace {

// Prepared glyph runs hold Qt font engines, which must not outlive the application object;
// whoever owns a cache, its contents go when the application does.
struct LiveCaches {
    std::mutex mutex;
    std::set<CellTextCache*> caches;
    bool cleanupRegistered = false;
};

LiveCaches& liveCaches()
{
    static LiveCaches live;
    return live;
}

void clearLiveCaches()
{
    LiveCaches& live = liveCaches();
    const std::lock_guard lock(live.mutex);
    for (CellTextCache* cache : live.caches)
        cache->clear();
    live.cleanupRegistered = false;
}

// Room for the glyphs and positions of both prepared forms of a text.
constexpr std::size_t PreparedBytesPerUnit = 2 * (sizeof(quint32) + 2 * sizeof(double));

std::size_t hashKey(std::uint64_t font, int alignment, int w, int h, std::u16string_view text)
{
    std::size_t seed = std::hash<std::u16string_view>{}(text);
    for (std::uint64_t v : {font, std::uint64_t(std::uint32_t(alignment)),
                            std::uint64_t(std::uint32_t(w)), std::uint64_t(std::uint32_t(h))})
        seed = (seed ^ v) * 0x9E3779B97F4A7C15ull;
    return seed ^ (seed >> 29);
}

} // namespace

std::size_t CellTextCache::Hash::operator()(const CellTextKey& k) const noexcept
{
    return hashKey(k.font, k.alignment, k.w, k.h, k.text);
}

std::size_t CellTextCache::Hash::operator()(const StoredKey& k) const noexcept
{
    return hashKey(k.font, k.alignment, k.w, k.h, k.text);
}

CellTextCache::CellTextCache(std::size_t maxEntries, std::size_t maxBytes)
    : generationEntries_(std::max<std::size_t>(1, maxEntries / 2)),
      generationBytes_(std::max<std::size_t>(1, maxBytes / 2))
{
    LiveCaches& live = liveCaches();
    const std::lock_guard lock(live.mutex);
    live.caches.insert(this);
    if (!live.cleanupRegistered && QCoreApplication::instance()) {
        qAddPostRoutine(clearLiveCaches);
        live.cleanupRegistered = true;
    }
}

CellTextCache::~CellTextCache()
{
    LiveCaches& live = liveCaches();
    const std::lock_guard lock(live.mutex);
    live.caches.erase(this);
}

std::size_t CellTextCache::costOf(const StoredKey& key, const CachedCellText& entry)
{
    constexpr std::size_t nodeOverhead = 192;
    return nodeOverhead + key.text.capacity() * (sizeof(char16_t) + PreparedBytesPerUnit) +
           entry.plan.lines.capacity() * sizeof(PlannedLine);
}

CachedCellText* CellTextCache::find(const CellTextKey& key)
{
    if (auto it = current_.find(key); it != current_.end())
        return &it->second;
    auto old = previous_.find(key);
    if (old == previous_.end())
        return nullptr;
    // Still in use: it moves into the current generation and outlives the next drop.
    auto node = previous_.extract(old);
    makeRoom();
    currentBytes_ += costOf(node.key(), node.mapped());
    return &current_.insert(std::move(node)).position->second;
}

CachedCellText& CellTextCache::insert(const CellTextKey& key, CellTextPlan plan)
{
    makeRoom();
    plan.lines.shrink_to_fit();
    auto [it, inserted] = current_.try_emplace(
        StoredKey{key.font, key.alignment, key.w, key.h, std::u16string(key.text)},
        CachedCellText{std::move(plan), {}});
    if (inserted)
        currentBytes_ += costOf(it->first, it->second);
    return it->second;
}

void CellTextCache::clear()
{
    current_.clear();
    previous_.clear();
    currentBytes_ = 0;
}

void CellTextCache::makeRoom()
{
    if (current_.size() < generationEntries_ && currentBytes_ < generationBytes_)
        return;
    previous_ = std::move(current_);
    current_ = Map();
    currentBytes_ = 0;
}

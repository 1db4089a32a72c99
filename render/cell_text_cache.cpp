#include "render/cell_text_cache.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace {

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

CellTextCache::CellTextCache(std::size_t maxEntries)
    : generationSize_(std::max<std::size_t>(1, maxEntries / 2))
{
}

const CellTextPlan* CellTextCache::find(const CellTextKey& key)
{
    if (auto it = current_.find(key); it != current_.end())
        return &it->second;
    auto old = previous_.find(key);
    if (old == previous_.end())
        return nullptr;
    // Still in use: it moves into the current generation and outlives the next drop.
    auto node = previous_.extract(old);
    makeRoom();
    return &current_.insert(std::move(node)).position->second;
}

const CellTextPlan& CellTextCache::insert(const CellTextKey& key, CellTextPlan plan)
{
    makeRoom();
    auto [it, inserted] = current_.try_emplace(
        StoredKey{key.font, key.alignment, key.w, key.h, std::u16string(key.text)},
        std::move(plan));
    return it->second;
}

void CellTextCache::clear()
{
    current_.clear();
    previous_.clear();
}

void CellTextCache::makeRoom()
{
    if (current_.size() < generationSize_)
        return;
    previous_ = std::move(current_);
    current_ = Map();
}

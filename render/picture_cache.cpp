#include "render/picture_cache.h"

#include <algorithm>

std::shared_ptr<const QImage> PictureCache::find(const PictureKey& key)
{
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [&](const Entry& e) { return e.key == key; });
    if (it == entries_.end())
        return nullptr;
    entries_.splice(entries_.begin(), entries_, it);
    return it->picture;
}

void PictureCache::insert(const PictureKey& key, std::shared_ptr<const QImage> picture)
{
    const std::size_t size = static_cast<std::size_t>(picture->sizeInBytes());
    if (size > maxBytes_)
        return;
    // An entry for an older version of the same file and slot is dropped at once.
    entries_.remove_if([&](const Entry& e) {
        const bool stale =
            e.key.path == key.path && e.key.width == key.width && e.key.height == key.height;
        if (stale)
            bytes_ -= e.bytes;
        return stale;
    });
    while (!entries_.empty() && bytes_ + size > maxBytes_) {
        bytes_ -= entries_.back().bytes;
        entries_.pop_back();
    }
    entries_.push_front({key, std::move(picture), size});
    bytes_ += size;
}

void PictureCache::clear()
{
    entries_.clear();
    bytes_ = 0;
}

#pragma once

#include "document/colour.h"

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <string>

// Identifies one fitted picture: the file as it is on disk now (path, size, modification
// time) and the slot it was fitted to. A file that changes gets a new key, so it is read
// again; what is shown is always what a fresh load would show.
struct PictureKey {
    std::string path;
    std::int64_t fileSize = 0;
    std::int64_t modifiedNs = 0;
    int width = 0;
    int height = 0;
    Colour background = 0;
    bool keepAspect = true;

    bool operator==(const PictureKey&) const = default;
};

// Fitted pictures kept between repaints, least recently used first out, bounded in bytes
// so that a table full of photos cannot grow memory without end.
class PictureCache {
  public:
    explicit PictureCache(std::size_t maxBytes = 64u * 1024u * 1024u) : maxBytes_(maxBytes) {}

    std::shared_ptr<const QImage> find(const PictureKey& key);
    void insert(const PictureKey& key, std::shared_ptr<const QImage> picture);
    void clear();
    std::size_t bytes() const { return bytes_; }

  private:
    struct Entry {
        PictureKey key;
        std::shared_ptr<const QImage> picture;
        std::size_t bytes;
    };
    std::list<Entry> entries_; // most recently used first
    std::size_t bytes_ = 0;
    std::size_t maxBytes_;
};

#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

enum class FileReadError { None, NotFound, NotRegularFile, TooLarge, ReadFailed };

// A byte buffer that is not zeroed before the file's bytes are read into it: a work file
// can be 13.7 MB, and clearing it first would cost as much as reading it.
template <typename T> struct UninitialisedAllocator : std::allocator<T> {
    template <typename U> struct rebind {
        using other = UninitialisedAllocator<U>;
    };
    UninitialisedAllocator() = default;
    template <typename U> UninitialisedAllocator(const UninitialisedAllocator<U>&) noexcept {}
    template <typename U> void construct(U* p) noexcept { ::new (static_cast<void*>(p)) U; }
    template <typename U, typename... Args> void construct(U* p, Args&&... args)
    {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};
using FileBytes = std::vector<std::uint8_t, UninitialisedAllocator<std::uint8_t>>;

struct FileReadResult {
    FileBytes bytes;
    FileReadError error = FileReadError::None;
    int systemError = 0; // errno of the failing call, 0 when none
};

// Limit for pictures and icons named by a cell: far above any photo a user places, far
// below what would exhaust memory.
constexpr std::size_t MaxPictureFileBytes = 64u * 1024u * 1024u;

// Reads a whole regular file into memory without ever blocking: the path is opened
// non-blocking and checked on the open descriptor, so a FIFO, a device or a folder fails at
// once instead of hanging the editor, and a file larger than maxBytes is refused.
FileReadResult readWholeFile(const std::string& path, std::size_t maxBytes);

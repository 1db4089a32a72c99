#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class FileReadError { None, NotFound, NotRegularFile, TooLarge, ReadFailed };

struct FileReadResult {
    std::vector<std::uint8_t> bytes;
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

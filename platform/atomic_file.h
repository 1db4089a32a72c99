#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

// The outcome of a file write: errorNumber is the errno of the step that failed (0 on
// success) and description the system's text for it.
struct FileWriteResult {
    int errorNumber = 0;
    std::string description;

    bool ok() const { return errorNumber == 0; }
};

using FileByteSink = std::function<void(std::span<const std::uint8_t>)>;
using FileByteProducer = std::function<void(const FileByteSink&)>;

// Replaces the file at path as a whole or not at all. The bytes go to a new file in the
// same folder through one buffer, are forced to disk, and the new file is renamed over the
// target. On any failure the previous file is untouched and the new one is removed. The
// target's own permission bits do not stop the replacement (saving over a read-only file
// clears its read-only state); the folder must be writable. A symbolic link is followed,
// so the file it names is replaced and the link stays.
FileWriteResult writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

// The same, with the bytes handed to the sink by produce, piece by piece, so that large
// files need no buffer of their own. Pieces handed after a failure are ignored.
FileWriteResult writeFileAtomically(const std::string& path, const FileByteProducer& produce);

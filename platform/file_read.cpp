#include "platform/file_read.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};
} // namespace

FileReadResult readWholeFile(const std::string& path, std::size_t maxBytes)
{
    FileReadResult result;
    Descriptor file;
    file.fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (file.fd < 0) {
        result.systemError = errno;
        result.error = (errno == ENOENT || errno == ENOTDIR) ? FileReadError::NotFound
                                                             : FileReadError::ReadFailed;
        return result;
    }
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) {
        result.systemError = errno;
        result.error = FileReadError::ReadFailed;
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.error = FileReadError::NotRegularFile;
        return result;
    }
    if (info.st_size < 0 || static_cast<std::size_t>(info.st_size) > maxBytes) {
        result.error = FileReadError::TooLarge;
        return result;
    }
    result.bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    while (done < result.bytes.size()) {
        const ssize_t n = ::read(file.fd, result.bytes.data() + done, result.bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result.systemError = errno;
            result.error = FileReadError::ReadFailed;
            result.bytes.clear();
            return result;
        }
        if (n == 0)
            break; // the file shrank while being read: keep what is there
        done += static_cast<std::size_t>(n);
    }
    result.bytes.resize(done);
    return result;
}

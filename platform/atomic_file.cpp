#include "platform/atomic_file.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t BufferBytes = 256 * 1024;

FileWriteResult failure(int number)
{
    return FileWriteResult{number, std::strerror(number)};
}

// With a file-size limit in force, the kernel would kill the whole editor with SIGXFSZ in
// the middle of a save, leaving the temporary file behind. Ignored, the write fails with
// EFBIG and is reported like any other write error.
void ignoreFileSizeSignal()
{
    static const bool done = [] {
        struct sigaction current {};
        if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL)
            std::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    (void)done;
}

std::string resolveLink(const std::string& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
    return real ? std::string(real.get()) : path;
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string randomSuffix()
{
    static std::mt19937_64 random{std::random_device{}()};
    static constexpr char letters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string suffix(8, 'x');
    for (char& c : suffix)
        c = letters[random() % (sizeof letters - 1)];
    return suffix;
}

// The new file lives beside the target, so that the final rename stays on one file system.
// Hidden by its leading dot, it is named after the target for anyone who finds one left by
// a power cut.
int createTemporary(const std::string& target, std::string& tempPath)
{
    const auto slash = target.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = folder + "." + name + "." + randomSuffix() + ".tmp";
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

class BufferedFile {
  public:
    explicit BufferedFile(int fd) : fd_(fd) { buffer_.reserve(BufferBytes); }
    BufferedFile(const BufferedFile&) = delete;
    BufferedFile& operator=(const BufferedFile&) = delete;
    ~BufferedFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }

    int error() const { return error_; }
    int fd() const { return fd_; }

    void write(std::span<const std::uint8_t> bytes)
    {
        if (error_ != 0)
            return;
        if (buffer_.size() + bytes.size() > BufferBytes) {
            flush();
            if (bytes.size() >= BufferBytes) {
                writeOut(bytes);
                return;
            }
        }
        buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
    }

    void flush()
    {
        writeOut(buffer_);
        buffer_.clear();
    }

    void close()
    {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0 && error_ == 0)
            error_ = errno;
    }

    void fail(int number)
    {
        if (error_ == 0)
            error_ = number;
    }

  private:
    void writeOut(std::span<const std::uint8_t> bytes)
    {
        while (error_ == 0 && !bytes.empty()) {
            const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                error_ = errno;
            else if (n == 0)
                error_ = ENOSPC;
            else
                bytes = bytes.subspan(static_cast<std::size_t>(n));
        }
    }

    int fd_;
    int error_ = 0;
    std::vector<std::uint8_t> buffer_;
};

void syncFolder(const std::string& path)
{
    const int fd = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    // The file itself is already on disk and in place; a folder that cannot be synced (some
    // file systems refuse) only leaves the rename to the next write-back.
    ::fsync(fd);
    ::close(fd);
}

} // namespace

FileWriteResult writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes)
{
    return writeFileAtomically(path, [bytes](const FileByteSink& sink) { sink(bytes); });
}

FileWriteResult writeFileAtomically(const std::string& path, const FileByteProducer& produce)
{
    ignoreFileSizeSignal();
    const std::string target = resolveLink(path);

    std::string tempPath;
    const int fd = createTemporary(target, tempPath);
    if (fd < 0)
        return failure(errno);

    BufferedFile file(fd);
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(file.fd(), (old.st_mode & 07777 & ~(S_ISUID | S_ISGID)) | S_IWUSR);

    produce([&file](std::span<const std::uint8_t> piece) { file.write(piece); });
    file.flush();
    if (file.error() == 0 && ::fdatasync(file.fd()) != 0)
        file.fail(errno);
    file.close();
    if (file.error() == 0 && ::rename(tempPath.c_str(), target.c_str()) != 0)
        file.fail(errno);

    if (file.error() != 0) {
        ::unlink(tempPath.c_str());
        return failure(file.error());
    }
    syncFolder(target);
    return {};
}

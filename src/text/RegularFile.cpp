#include "text/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace quillex {
namespace {

#ifdef _WIN32
int OpenForReading(const std::filesystem::path& path) {
    return _wopen(path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}
bool IsRegular(int fd) {
    struct _stat64 status {};
    return _fstat64(fd, &status) == 0 && (status.st_mode & _S_IFMT) == _S_IFREG;
}
long ReadSome(int fd, char* buffer, std::size_t size) {
    return _read(fd, buffer, static_cast<unsigned>(std::min<std::size_t>(size, 1 << 30)));
}
void Close(int fd) {
    _close(fd);
}
#else
int OpenForReading(const std::filesystem::path& path) {
    // O_NONBLOCK: opening a FIFO returns at once instead of waiting for a writer; it changes
    // nothing for a regular file.
    int fd = -1;
    do {
        fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    return fd;
}
bool IsRegular(int fd) {
    struct stat status {};
    return fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
}
long ReadSome(int fd, char* buffer, std::size_t size) {
    ssize_t got = -1;
    do {
        got = read(fd, buffer, size);
    } while (got < 0 && errno == EINTR);
    return static_cast<long>(got);
}
void Close(int fd) {
    close(fd);
}
#endif

}  // namespace

int OpenRegularFile(const std::filesystem::path& path) {
    const int fd = OpenForReading(path);
    if (fd < 0) {
        return -1;
    }
    if (!IsRegular(fd)) {
        Close(fd);
        return -1;
    }
    return fd;
}

void CloseFile(int fd) {
    Close(fd);
}

std::optional<std::string> ReadRegularFile(const std::filesystem::path& path, std::size_t limit) {
    const int fd = OpenRegularFile(path);
    if (fd < 0) {
        return std::nullopt;
    }
    // Read through a buffer on the stack, so that the string grows by what the file holds:
    // grown a whole chunk ahead, each small data file left tens of KiB of slack in the heap.
    std::string bytes;
    char chunk[16 * 1024];
    while (bytes.size() < limit) {
        const long got = ReadSome(fd, chunk, std::min(sizeof chunk, limit - bytes.size()));
        if (got < 0) {
            Close(fd);
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    Close(fd);
    return bytes;
}

}  // namespace quillex

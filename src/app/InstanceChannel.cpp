#include "app/InstanceChannel.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <thread>

#include "app/InstanceCommands.h"
#include "text/ErrorReason.h"
#include "text/Texts.h"

namespace quillex {
namespace {

using Clock = std::chrono::steady_clock;

// Owned by the user, and nobody else may read, write or enter it.
bool IsUsersAlone(const struct stat& info) {
    return info.st_uid == getuid() && (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

// Fills the address of the socket at `path`; false when the path does not fit.
bool SocketAddress(const std::string& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, path.data(), path.size());
    return true;
}

// Waits until `fd` is ready for `events`; false when the deadline passes first.
bool WaitFor(int fd, short events, Clock::time_point deadline) {
    pollfd entry{fd, events, 0};
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        const int ready = poll(&entry, 1, left > 0 ? static_cast<int>(left) : 0);
        if (ready != 0 || left <= 0) {
            return ready > 0;
        }
    }
}

HandOverResult Converse(int fd, const sockaddr_un& address, std::string_view line,
                        Clock::time_point deadline) {
    // A full queue of connections means a listener that is alive but does not take them.
    while (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        if (errno != EAGAIN) {
            return HandOverResult::NobodyListens;
        }
        if (Clock::now() >= deadline) {
            return HandOverResult::NoAnswer;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!PeerIsThisUser(fd)) {
        return HandOverResult::NoAnswer;
    }
    // MSG_NOSIGNAL: an instance that ends meanwhile must not end this one by SIGPIPE.
    while (!line.empty()) {
        const ssize_t sent = send(fd, line.data(), line.size(), MSG_NOSIGNAL);
        if (sent > 0) {
            line.remove_prefix(static_cast<std::size_t>(sent));
        } else if (!(sent < 0 && errno == EAGAIN && WaitFor(fd, POLLOUT, deadline))) {
            return HandOverResult::NoAnswer;
        }
    }
    // The answer says the running instance has taken the command, which is not lost when this
    // process ends at once.
    std::string answer;
    AnswerVerdict verdict = AnswerVerdict::Pending;
    while ((verdict = ReadAnswer(answer)) == AnswerVerdict::Pending) {
        char buffer[16];
        const ssize_t got = recv(fd, buffer, sizeof buffer, 0);
        if (got > 0) {
            answer.append(buffer, static_cast<std::size_t>(got));
        } else if (!(got < 0 && (errno == EAGAIN || errno == EINTR) &&
                     WaitFor(fd, POLLIN, deadline))) {
            return HandOverResult::NoAnswer;
        }
    }
    return verdict == AnswerVerdict::Taken ? HandOverResult::Answered : HandOverResult::NoAnswer;
}

// Opens the note at `path` with `flags`: -1, and `problem` says why, unless it is a file of
// the user's alone, not a link.
int OpenNote(const std::string& path, int flags, std::string& problem) {
    const int fd =
        open(path.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, S_IRUSR | S_IWUSR);
    struct stat info;
    if (fd < 0) {
        problem = path + ": " + ErrorReason(errno);
        return -1;
    }
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || !IsUsersAlone(info)) {
        close(fd);
        problem = path + ": " + std::string(Text(TextId::InstanceNotPrivate));
        return -1;
    }
    return fd;
}

bool Lock(int fd, int operation) {
    while (flock(fd, operation) != 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    return true;
}

// The folder the note open as `fd` names, when it is a private one; otherwise empty.
std::string NotedFolder(int fd) {
    char text[PATH_MAX];
    const ssize_t got = pread(fd, text, sizeof text, 0);
    std::string path(text, got > 0 ? static_cast<std::size_t>(got) : 0);
    if (path.ends_with('\n')) {
        path.pop_back();
    }
    return path.starts_with('/') && IsPrivateFolder(path, false) ? path : std::string();
}

// Writes `folder` into the note open as `fd`, in place of what it held.
bool WriteNote(int fd, const std::string& folder) {
    const std::string line = folder + '\n';
    // What a write of a few bytes to a file that takes fewer means.
    errno = ENOSPC;
    return ftruncate(fd, 0) == 0 &&
           pwrite(fd, line.data(), line.size(), 0) == static_cast<ssize_t>(line.size());
}

// Makes a private folder from the mkdtemp `pattern` and names it in the note at `notePath`.
// The note stays locked meanwhile, so that of two starts at the same moment the second finds
// the folder the first made.
RuntimeFolder MakeNotedFolder(std::string pattern, const std::string& notePath) {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(notePath).parent_path(), ignored);
    RuntimeFolder folder;
    const int note = OpenNote(notePath, O_RDWR | O_CREAT, folder.problem);
    if (note < 0) {
        return folder;
    }
    if (!Lock(note, LOCK_EX)) {
        folder.problem = notePath + ": " + ErrorReason(errno);
        close(note);
        return folder;
    }
    folder.path = NotedFolder(note);
    if (folder.path.empty()) {
        if (mkdtemp(pattern.data()) == nullptr) {
            folder.problem = pattern + ": " + ErrorReason(errno);
        } else if (WriteNote(note, pattern)) {
            folder.path = pattern;
        } else {
            // A folder no later start can find would only hide this instance.
            folder.problem = notePath + ": " + ErrorReason(errno);
            rmdir(pattern.c_str());
        }
    }
    close(note);
    return folder;
}

}  // namespace

bool IsPrivateFolder(const std::string& path, bool followLink) {
    struct stat info;
    const int status = followLink ? stat(path.c_str(), &info) : lstat(path.c_str(), &info);
    return status == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
           (info.st_mode & 07777) == S_IRWXU;
}

RuntimeFolder FindRuntimeFolder(const char* runtimeDir, const char* tempDir,
                                const std::string& notePath) {
    // The runtime folder is the user's alone by definition; it is checked all the same, since
    // a session can set the variable to anything.
    if (runtimeDir != nullptr && runtimeDir[0] == '/' && IsPrivateFolder(runtimeDir, true)) {
        return {runtimeDir, {}};
    }
    // A folder made at an earlier start stays in use while it is private, even when the
    // predictable name becomes usable again, so that every start meets the same instance.
    std::string problem;
    if (const int note = OpenNote(notePath, O_RDONLY, problem); note >= 0) {
        const std::string noted = Lock(note, LOCK_SH) ? NotedFolder(note) : std::string();
        close(note);
        if (!noted.empty()) {
            return {noted, {}};
        }
    }
    std::string path = tempDir != nullptr && tempDir[0] == '/' ? tempDir : "/tmp";
    path += "/quillex-" + std::to_string(getuid());
    mkdir(path.c_str(), S_IRWXU);
    if (IsPrivateFolder(path, false)) {
        return {path, {}};
    }
    return MakeNotedFolder(path + "-XXXXXX", notePath);
}

bool PeerIsThisUser(int fd) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == getuid();
}

HandOverResult HandOver(const std::string& socketPath, std::string_view line,
                        Clock::time_point deadline) {
    sockaddr_un address;
    struct stat info;
    // Only a socket of the user's own is trusted with the command.
    if (!SocketAddress(socketPath, address) || lstat(socketPath.c_str(), &info) != 0 ||
        !S_ISSOCK(info.st_mode) || !IsUsersAlone(info)) {
        return HandOverResult::NobodyListens;
    }
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return HandOverResult::NobodyListens;
    }
    const HandOverResult result = Converse(fd, address, line, deadline);
    close(fd);
    return result;
}

InstanceChannel::InstanceChannel(const RuntimeFolder& folder, std::string_view name)
    : problem_(folder.problem) {
    if (!folder.path.empty()) {
        socketPath_ = folder.path + "/" + std::string(name);
    }
}

InstanceChannel::~InstanceChannel() {
    if (listener_ >= 0) {
        // A later start may have put its own socket in place of this one, when this one did
        // not answer; that one stays.
        struct stat info;
        if (lstat(socketPath_.c_str(), &info) == 0 && info.st_dev == socketDevice_ &&
            info.st_ino == socketInode_) {
            unlink(socketPath_.c_str());
        }
        close(listener_);
    }
    // The lock goes last, so that the next start to take it finds no socket of this one.
    if (lockFd_ >= 0) {
        close(lockFd_);
    }
}

bool InstanceChannel::HandOverOrListen(std::string_view line, std::chrono::milliseconds timeout) {
    if (socketPath_.empty()) {
        return false;
    }
    const auto deadline = Clock::now() + timeout;
    LockState lock = TakeLock();
    for (;;) {
        const HandOverResult result = HandOver(socketPath_, line, deadline);
        if (result == HandOverResult::Answered) {
            return true;
        }
        // The lock's holder is alive but does not listen yet: it is still starting.
        if (lock != LockState::Held || result != HandOverResult::NobodyListens ||
            Clock::now() >= deadline) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        lock = TakeLock();
    }
    // A lock that failed for an error says nothing about other starts: this one then takes
    // the socket from nobody and only runs its own window.
    if (lock != LockState::Failed) {
        Listen();
    }
    return false;
}

InstanceChannel::LockState InstanceChannel::TakeLock() {
    const std::string path = socketPath_ + ".lock";
    if (lockFd_ < 0) {
        // The lock must be a file of the user's own, not a link, a device or a pipe.
        lockFd_ = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                       S_IRUSR | S_IWUSR);
        struct stat info;
        if (lockFd_ < 0) {
            SetProblem(path, ErrorReason(errno));
            return LockState::Failed;
        }
        if (fstat(lockFd_, &info) != 0 || !S_ISREG(info.st_mode) || !IsUsersAlone(info)) {
            close(lockFd_);
            lockFd_ = -1;
            SetProblem(path, Text(TextId::InstanceNotPrivate));
            return LockState::Failed;
        }
    }
    // The running instance holds the lock until it ends; the system lets go of it even when
    // the instance is killed.
    while (flock(lockFd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            return LockState::Held;
        }
        if (errno != EINTR) {
            SetProblem(path, ErrorReason(errno));
            return LockState::Failed;
        }
    }
    return LockState::Taken;
}

void InstanceChannel::Listen() {
    sockaddr_un address;
    if (!SocketAddress(socketPath_, address)) {
        SetProblem(socketPath_, ErrorReason(ENAMETOOLONG));
        return;
    }
    // What is left at the path belongs to no instance that answers: the socket of one that
    // was killed, or a file that must not stand in the way.
    unlink(socketPath_.c_str());
    listener_ = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    struct stat info;
    // Only the user may connect; the folder keeps everyone else out until the mode is set.
    if (listener_ < 0 ||
        bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        chmod(socketPath_.c_str(), S_IRUSR | S_IWUSR) != 0 || listen(listener_, 16) != 0 ||
        lstat(socketPath_.c_str(), &info) != 0) {
        SetProblem(socketPath_, ErrorReason(errno));
        if (listener_ >= 0) {
            close(listener_);
            listener_ = -1;
        }
        return;
    }
    socketDevice_ = info.st_dev;
    socketInode_ = info.st_ino;
}

void InstanceChannel::SetProblem(const std::string& path, std::string_view reason) {
    problem_ = path + ": " + std::string(reason);
}

}  // namespace quillex

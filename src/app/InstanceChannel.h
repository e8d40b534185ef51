// Where later starts find the running instance: a Unix domain socket it listens on and, beside
// it, a lock file it holds for its whole life, both in a folder that only the user can create
// files in. Written directly on the system's calls and without Qt: it needs one socket, one
// command and one answer, and the tests drive it without a window.
//
// Everything found there is checked before it is trusted: the folder, the note that names it,
// the lock file and the socket must belong to the user and be closed to others, and the running
// instance must run as the user. What fails the check is not used at all; when no folder
// passes, the program runs as a window of its own that later starts cannot reach.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <string_view>

namespace quillex {

// How long a later start waits for the running instance to take its command.
inline constexpr std::chrono::milliseconds kHandOverTimeout{1000};

// Whether `path` is a folder of this user's alone: a directory owned by the user with mode
// exactly 0700. A link is refused unless `followLink`.
bool IsPrivateFolder(const std::string& path, bool followLink);

struct RuntimeFolder {
    std::string path;     // empty when there is none
    std::string problem;  // why there is none
};

// The folder for the socket and the lock: `runtimeDir` ($XDG_RUNTIME_DIR) when it is set and
// private. Otherwise quillex-UID in `tempDir` ($TMPDIR, /tmp when null or not absolute), made
// here when it does not exist yet. Anyone may create that name in a shared /tmp first, so a
// folder found there is only used when it passes IsPrivateFolder; when it does not, a folder
// with a name nobody can foresee is made beside it, and its name kept in the note at
// `notePath` for later starts. A noted folder is used before quillex-UID as long as it is
// private, and the note only as long as it is a file of the user's alone.
RuntimeFolder FindRuntimeFolder(const char* runtimeDir, const char* tempDir,
                                const std::string& notePath);

// Whether the other end of the connected Unix socket `fd` runs as this user.
bool PeerIsThisUser(int fd);

enum class HandOverResult {
    Answered,       // the running instance took the command
    NobodyListens,  // no socket of the user's, or nobody behind it
    NoAnswer,       // a listener that did not answer "ok" in time
};

// Sends `line` to the instance listening at `socketPath` and waits for its answer until
// `deadline`.
HandOverResult HandOver(const std::string& socketPath, std::string_view line,
                        std::chrono::steady_clock::time_point deadline);

class InstanceChannel {
public:
    // The socket `name` in `folder`, its lock beside it as `name`.lock.
    InstanceChannel(const RuntimeFolder& folder, std::string_view name);
    ~InstanceChannel();
    InstanceChannel(const InstanceChannel&) = delete;
    InstanceChannel& operator=(const InstanceChannel&) = delete;

    // Hands `line` to the running instance; true when it took it, and this start may end.
    // Otherwise this start is the instance and listens, or, when something stands in the way
    // (see Problem), runs without listening. Waits only for a live instance: one that is
    // still starting gets up to `timeout` to listen, one that listens up to `timeout` to
    // answer. A socket or lock left by an instance that was killed costs no waiting.
    bool HandOverOrListen(std::string_view line, std::chrono::milliseconds timeout);

    // The listening socket, -1 when this instance does not listen.
    int Listener() const { return listener_; }
    // Why later starts cannot reach this instance; empty when they can.
    const std::string& Problem() const { return problem_; }

private:
    enum class LockState { Taken, Held, Failed };
    LockState TakeLock();
    void Listen();
    void SetProblem(const std::string& path, std::string_view reason);

    std::string socketPath_;
    std::string problem_;
    int lockFd_ = -1;
    int listener_ = -1;
    // The socket file this instance made, so that it removes only its own at the end.
    dev_t socketDevice_ = 0;
    ino_t socketInode_ = 0;
};

}  // namespace quillex

#include "app/CMainCalcApp.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <memory>
#include <thread>

#include "app/QuitSignals.h"
#include "store/CSettingsKey.h"
#include "ui/CMainCalcDlg.h"

// The hand-over between instances runs over a Unix domain socket in the temporary folder,
// written directly on the system's socket calls: it needs one socket, one command and one
// answer, and a network library would bring its proxy and authentication libraries into every
// start for that.

namespace quillex {
namespace {

constexpr char kOpenCommand[] = "Open\n";
constexpr char kAnswer[] = "ok\n";
// The longest command a client may send, line end included, and how long it has to send it.
constexpr qsizetype kMaxCommandLength = 64;
constexpr int kClientTimeoutMs = 1000;

// Fills the address of the socket at `path`; false when the path does not fit.
bool SocketAddress(const QByteArray& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    return true;
}

// Sends the Open command to the instance listening at `path`; false when none answers.
bool SendOpen(const QByteArray& path, int timeoutMs) {
    sockaddr_un address;
    if (!SocketAddress(path, address)) {
        return false;
    }
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    // The timeouts bound a connect to a full backlog as well as the write and the read.
    timeval timeout{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return false;
    }
    // MSG_NOSIGNAL: an instance that ends meanwhile must not end this one by SIGPIPE.
    if (send(fd, kOpenCommand, sizeof kOpenCommand - 1, MSG_NOSIGNAL) >= 0) {
        // Wait for the running instance to take the command, so that it is not lost when
        // this process ends at once.
        char answer[sizeof kAnswer];
        while (recv(fd, answer, sizeof answer, 0) < 0 && errno == EINTR) {
        }
    }
    close(fd);
    return true;
}

// An exclusive lock on a file beside the socket, released when the holder closes it or ends,
// so that a crashed holder leaves no stale lock. Waits up to `timeoutMs` for it.
class InstanceLock {
public:
    InstanceLock(const QByteArray& path, int timeoutMs)
        : fd_(open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (fd_ >= 0 && !locked_) {
            locked_ = flock(fd_, LOCK_EX | LOCK_NB) == 0;
            if (!locked_ && (errno != EWOULDBLOCK || std::chrono::steady_clock::now() > deadline)) {
                break;
            }
            if (!locked_) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        }
    }
    ~InstanceLock() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    bool IsLocked() const { return locked_; }

private:
    int fd_;
    bool locked_ = false;
};

}  // namespace

bool HasDisplay() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

CMainCalcApp::CMainCalcApp() = default;

CMainCalcApp::~CMainCalcApp() {
    if (listener_ >= 0) {
        delete listenerNotifier_;
        close(listener_);
        unlink(socketPath_.constData());
    }
}

QString CMainCalcApp::InstanceName() {
    const QByteArray key = (QDir::homePath() + QLatin1Char('|') + SettingsFilePath()).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex();
    return QStringLiteral("quillex-") + QString::fromLatin1(hash.left(16));
}

bool CMainCalcApp::BecomePrimaryInstance() {
    socketPath_ = QFile::encodeName(QDir(QDir::tempPath()).filePath(InstanceName()));
    // The lock makes "is one running? otherwise listen" one step, so that two starts at the
    // same moment cannot both become the running instance.
    const InstanceLock lock(socketPath_ + ".lock", 5000);
    if (!lock.IsLocked()) {
        return !SendOpen(socketPath_, 1000);
    }
    if (SendOpen(socketPath_, 1000)) {
        return false;
    }
    Listen();
    return true;
}

void CMainCalcApp::Listen() {
    sockaddr_un address;
    if (!SocketAddress(socketPath_, address)) {
        return;
    }
    // Nobody answered: a socket file left behind by a crashed instance must not block us.
    unlink(socketPath_.constData());
    listener_ = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listener_ < 0) {
        return;
    }
    // Only the user may connect.
    if (bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        chmod(socketPath_.constData(), S_IRUSR | S_IWUSR) != 0 || listen(listener_, 50) != 0) {
        close(listener_);
        listener_ = -1;
        return;
    }
    listenerNotifier_ = new QSocketNotifier(listener_, QSocketNotifier::Read, this);
    connect(listenerNotifier_, &QSocketNotifier::activated, this, &CMainCalcApp::OnNewConnection);
}

void CMainCalcApp::OnNewConnection() {
    int fd;
    while ((fd = accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC)) >= 0) {
        // Each line is a command, answered with "ok"; the connection ends when the other side
        // closes it.
        auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        auto pending = std::make_shared<QByteArray>();
        const auto drop = [notifier, fd] {
            notifier->setEnabled(false);
            notifier->deleteLater();
            close(fd);
        };
        // A client has a second to say what it wants; one that stays silent is dropped, and
        // so is one that sends more than a command holds, so no client can hold the instance
        // or fill its memory.
        QTimer::singleShot(kClientTimeoutMs, notifier, drop);
        connect(notifier, &QSocketNotifier::activated, this, [this, pending, drop, fd] {
            char buffer[256];
            ssize_t got = 1;
            while (pending->size() <= kMaxCommandLength &&
                   (got = recv(fd, buffer, sizeof buffer, 0)) > 0) {
                pending->append(buffer, got);
            }
            qsizetype end;
            while ((end = pending->indexOf('\n')) >= 0 && end < kMaxCommandLength) {
                if (pending->left(end + 1) == kOpenCommand && window_ != nullptr) {
                    window_->Open();
                }
                pending->remove(0, end + 1);
                send(fd, kAnswer, sizeof kAnswer - 1, MSG_NOSIGNAL);
            }
            const bool ended =
                got == 0 || (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR);
            if (ended || pending->size() >= kMaxCommandLength) {
                drop();
            }
        });
    }
}

int CMainCalcApp::Run() {
    if (!BecomePrimaryInstance()) {
        return 0;
    }
    QApplication::setQuitOnLastWindowClosed(false);
    CMainCalcDlg window;
    window_ = &window;
    connect(qApp, &QGuiApplication::commitDataRequest, &window, [&window] { window.SaveAll(); });
    const QuitSignals quitSignals([&window] { window.Quit(CMainCalcDlg::QuitAsked::BySignal); });
    window.Initialise();
    const int status = QApplication::exec();
    window_ = nullptr;
    return status;
}

}  // namespace quillex

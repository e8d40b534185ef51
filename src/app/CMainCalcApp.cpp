#include "app/CMainCalcApp.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <utility>

#include "app/InstanceChannel.h"
#include "app/QuitSignals.h"
#include "store/CSettingsKey.h"
#include "store/CalculatorState.h"
#include "text/Texts.h"
#include "ui/CMainCalcDlg.h"

namespace quillex {
namespace {

// How long a client of the running instance has to send its command.
constexpr int kClientTimeoutMs = 1000;

// One client of the running instance: its connection and what it has sent so far. A client
// is dropped once it has its answer, after a second of silence, and when it sends a line
// longer than a command, so no client can hold the instance or fill its memory.
class InstanceClient : public QObject {
public:
    InstanceClient(int fd, std::function<void(InstanceCommand)> carryOut, QObject* parent)
        : QObject(parent),
          fd_(fd),
          carryOut_(std::move(carryOut)),
          notifier_(new QSocketNotifier(fd, QSocketNotifier::Read, this)) {
        QTimer::singleShot(kClientTimeoutMs, this, &InstanceClient::Drop);
        connect(notifier_, &QSocketNotifier::activated, this, &InstanceClient::ReadCommand);
    }
    ~InstanceClient() override {
        delete notifier_;
        close(fd_);
    }
    InstanceClient(const InstanceClient&) = delete;
    InstanceClient& operator=(const InstanceClient&) = delete;

private:
    void Drop() {
        notifier_->setEnabled(false);
        deleteLater();
    }

    void ReadCommand() {
        char buffer[256];
        ssize_t got;
        while ((got = recv(fd_, buffer, sizeof buffer, 0)) > 0 &&
               reader_.Read({buffer, static_cast<std::size_t>(got)})) {
        }
        const int error = errno;
        if (const std::optional<InstanceCommand> command = reader_.Command()) {
            const std::string_view answer = CommandAnswer(*command);
            send(fd_, answer.data(), answer.size(), MSG_NOSIGNAL);
            carryOut_(*command);
        }
        // Whatever the client sends after its command is not read. A client may also end the
        // conversation by closing its end.
        if (reader_.Command() || reader_.TooLong() || got == 0 ||
            (got < 0 && error != EAGAIN && error != EWOULDBLOCK && error != EINTR)) {
            Drop();
        }
    }

    int fd_;
    std::function<void(InstanceCommand)> carryOut_;
    QSocketNotifier* notifier_;
    CommandReader reader_;
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
    delete listenerNotifier_;
}

QString CMainCalcApp::InstanceName() {
    const QByteArray key = (QDir::homePath() + QLatin1Char('|') + SettingsFilePath()).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex();
    return QStringLiteral("quillex-") + QString::fromLatin1(hash.left(16));
}

bool CMainCalcApp::BecomePrimaryInstance(InstanceCommand command) {
    // Where a folder of the instance's own is noted when the predictable one is not usable.
    const QString note =
        QFileInfo(SettingsFilePath()).dir().filePath(QStringLiteral("Quillex.instance"));
    const RuntimeFolder folder =
        FindRuntimeFolder(std::getenv("XDG_RUNTIME_DIR"), std::getenv("TMPDIR"),
                          QFile::encodeName(note).toStdString());
    channel_ = std::make_unique<InstanceChannel>(folder, InstanceName().toStdString());
    if (channel_->HandOverOrListen(CommandText(command), kHandOverTimeout)) {
        return false;
    }
    if (channel_->Listener() < 0) {
        const std::string_view alone = Text(TextId::InstanceAlone);
        std::fprintf(stderr, "quillex: %s; %.*s\n", channel_->Problem().c_str(),
                     static_cast<int>(alone.size()), alone.data());
        return true;
    }
    listenerNotifier_ = new QSocketNotifier(channel_->Listener(), QSocketNotifier::Read, this);
    connect(listenerNotifier_, &QSocketNotifier::activated, this, &CMainCalcApp::OnNewConnection);
    return true;
}

void CMainCalcApp::OnNewConnection() {
    int fd;
    while ((fd = accept4(channel_->Listener(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC)) >=
           0) {
        if (!PeerIsThisUser(fd)) {
            close(fd);
            continue;
        }
        // A command runs from the event loop after the client has its answer, so that a
        // message box it may open does not keep the client waiting.
        new InstanceClient(
            fd,
            [this](InstanceCommand command) {
                QMetaObject::invokeMethod(
                    this, [this, command] { CarryOut(command); }, Qt::QueuedConnection);
            },
            this);
    }
}

void CMainCalcApp::CarryOut(InstanceCommand command) {
    if (window_ == nullptr) {
        return;
    }
    if (command == InstanceCommand::Open) {
        window_->Open();
    } else if (command == InstanceCommand::Toggle) {
        window_->Toggle();
    }
}

int CMainCalcApp::Run(InstanceCommand command) {
    if (!BecomePrimaryInstance(command)) {
        return 0;
    }
    QApplication::setQuitOnLastWindowClosed(false);
    CalculatorState state;
    CMainCalcDlg window(state);
    window_ = &window;
    connect(qApp, &QGuiApplication::commitDataRequest, &window, [&window] { window.SaveAll(); });
    const QuitSignals quitSignals([&window] { window.Quit(CMainCalcDlg::QuitAsked::BySignal); });
    window.Initialise();
    const int status = QApplication::exec();
    window_ = nullptr;
    return status;
}

}  // namespace quillex

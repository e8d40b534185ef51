#include "ui/CMainCalcApp.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>

#include "ui/CMainCalcDlg.h"

namespace quillex {
namespace {

constexpr char kOpenCommand[] = "Open\n";

QString UserSettingsPath() {
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Vondrel"),
                             QStringLiteral("Quillex"));
    return settings.fileName();
}

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
CMainCalcApp::~CMainCalcApp() = default;

QString CMainCalcApp::InstanceName() {
    const QByteArray key = (QDir::homePath() + QLatin1Char('|') + UserSettingsPath()).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex();
    return QStringLiteral("quillex-") + QString::fromLatin1(hash.left(16));
}

bool CMainCalcApp::SendOpenToRunningInstance(int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(InstanceName());
    if (!socket.waitForConnected(timeoutMs)) {
        return false;
    }
    socket.write(kOpenCommand);
    socket.waitForBytesWritten(timeoutMs);
    // Wait for the running instance to take the command, so that it is not lost when this
    // process ends at once.
    socket.waitForReadyRead(timeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool CMainCalcApp::BecomePrimaryInstance() {
    // The lock makes "is one running? otherwise listen" one step, so that two starts at the
    // same moment cannot both become the running instance. A lock left by a crashed process
    // is taken over.
    QLockFile lock(QDir(QDir::tempPath()).filePath(InstanceName() + QStringLiteral(".lock")));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(5000)) {
        return !SendOpenToRunningInstance(1000);
    }
    if (SendOpenToRunningInstance(1000)) {
        return false;
    }
    // Nobody answered: a socket file left behind by a crashed instance must not block us.
    QLocalServer::removeServer(InstanceName());
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (server_->listen(InstanceName())) {
        connect(server_, &QLocalServer::newConnection, this, &CMainCalcApp::OnNewConnection);
    }
    return true;
}

void CMainCalcApp::OnNewConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                if (socket->readLine() == kOpenCommand && window_ != nullptr) {
                    window_->Open();
                }
                socket->write("ok\n");
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
    window.Initialise();
    const int status = QApplication::exec();
    window_ = nullptr;
    return status;
}

}  // namespace quillex

// The application: one instance per user and settings store. A second start hands the Open
// command to the running instance and ends at once, creating no window.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace quillex {

class CMainCalcDlg;

class CMainCalcApp : public QObject {
    Q_OBJECT
public:
    CMainCalcApp();
    ~CMainCalcApp() override;

    // Runs the program's window until Quit; returns the exit status. Must be called with a
    // QApplication in place.
    int Run();

    // The name of the local socket the running instance listens on, private to the user and
    // to the settings store in use.
    static QString InstanceName();

private:
    bool BecomePrimaryInstance();
    void Listen();
    void OnNewConnection();

    // The running instance's local socket: its path in the temporary folder and, while it
    // listens, its descriptor.
    QByteArray socketPath_;
    int listener_ = -1;
    QSocketNotifier* listenerNotifier_ = nullptr;
    CMainCalcDlg* window_ = nullptr;
};

// Whether a window system is reachable, so that the window can be shown at all.
bool HasDisplay();

}  // namespace quillex

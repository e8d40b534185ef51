// The application: one instance per user and settings store. A later start hands its command
// (Open, or Toggle for --toggle) to the running instance and ends at once, creating no window.
#pragma once

#include <QObject>
#include <QString>

#include <memory>

#include "app/InstanceCommands.h"

class QSocketNotifier;

namespace quillex {

class CMainCalcDlg;
class InstanceChannel;

class CMainCalcApp : public QObject {
    Q_OBJECT
public:
    CMainCalcApp();
    ~CMainCalcApp() override;

    // Hands `command` to the running instance, or else runs the program's window until Quit;
    // returns the exit status. Must be called with a QApplication in place.
    int Run(InstanceCommand command);

    // The name of the local socket the running instance listens on, one for each settings
    // store.
    static QString InstanceName();

private:
    bool BecomePrimaryInstance(InstanceCommand command);
    void OnNewConnection();
    void CarryOut(InstanceCommand command);

    std::unique_ptr<InstanceChannel> channel_;
    QSocketNotifier* listenerNotifier_ = nullptr;
    CMainCalcDlg* window_ = nullptr;
};

// Whether a window system is reachable, so that the window can be shown at all.
bool HasDisplay();

}  // namespace quillex

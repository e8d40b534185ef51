// Ends the program the normal way when it is asked to by a signal: SIGTERM (a shutdown or
// kill), SIGHUP (the terminal it was started from closes) and SIGINT (Ctrl+C). The handler only
// writes a byte into a pipe; the event loop reads it and runs the quit function, which saves
// the session like the menu's Quit.
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace quillex {

class QuitSignals : public QObject {
    Q_OBJECT
public:
    // Takes over the three signals until destroyed; `quit` runs on the event loop.
    explicit QuitSignals(std::function<void()> quit, QObject* parent = nullptr);
    ~QuitSignals() override;

private:
    std::function<void()> quit_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace quillex

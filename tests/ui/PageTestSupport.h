// Helpers that the page and dialog tests share beside UiTestSupport.h.
#pragma once

#include <QApplication>
#include <QTimer>

#include "ui/CMainCalcDlg.h"

namespace quillex {

// Quits the window from a running main loop, as the program quits it, and gives the loop's
// exit status (0: everything was saved). Quit ends the main loop; without one running, the
// end it asks for would instead end the next dialog of a later test at once. As in the
// program, the window hiding does not end the loop by itself.
inline int QuitFromMainLoop(CMainCalcDlg& window) {
    const bool quitOnLastWindow = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false);
    QTimer::singleShot(0, &window, [&window] { window.Quit(); });
    const int status = QApplication::exec();
    QApplication::setQuitOnLastWindowClosed(quitOnLastWindow);
    return status;
}

}  // namespace quillex

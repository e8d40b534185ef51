// The common base of the pages in the main window's tab control. A page handles its own
// controls' commands first (OnCommand) and then reports every command, unchanged, through
// `command`, which the tab control passes on to the main window. Enter and Esc in a page's
// controls report kCmdOk and kCmdCancel: the page itself never closes.
#pragma once

#include <QWidget>

namespace quillex {

class CTabPage : public QWidget {
    Q_OBJECT
public:
    explicit CTabPage(QWidget* parent = nullptr);

    // Runs a command of the page: OnCommand first, then the command signal.
    void IssueCommand(int commandId);

signals:
    void command(int commandId);

protected:
    // The page's own handling of a command; nothing by default.
    virtual void OnCommand(int commandId);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void childEvent(QChildEvent* event) override;
};

}  // namespace quillex

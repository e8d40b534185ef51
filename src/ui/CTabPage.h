// The common base of the pages in the main window's tab control. A page handles its own
// controls' commands first (OnCommand) and then reports every command, unchanged, through
// `command`, which the tab control passes on to the main window. Enter and Esc in a page's
// controls report kCmdOk and kCmdCancel: the page itself never closes.
//
// A page may build its controls the first time it is shown (Build), so that they do not hold
// up the window's first paint.
#pragma once

#include <QWidget>

class QComboBox;

namespace quillex {

class CTabPage : public QWidget {
    Q_OBJECT
public:
    // The page is laid out in the dialog font, at its size in dialog units.
    explicit CTabPage(QWidget* parent = nullptr, QSize sizeInDialogUnits = {210, 115});

    QSize sizeHint() const override;
    // Whether Build has run.
    bool IsBuilt() const { return built_; }

    // Runs a command of the page: OnCommand first, then the command signal.
    void IssueCommand(int commandId);

signals:
    void command(int commandId);

protected:
    // The page's own handling of a command; nothing by default.
    virtual void OnCommand(int commandId);
    // A drop-down list of the page whose popup shows its longest entry whole; with `typed` an
    // editable box whose typed text only selects an entry of the same name and adds none, and
    // which shows its entry from the start.
    QComboBox* NewList(bool typed);
    // Makes the page's controls; runs once, just before the page is first shown.
    virtual void Build();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void childEvent(QChildEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QSize size_;  // in dialog units
    bool built_ = false;
};

}  // namespace quillex

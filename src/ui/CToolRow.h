// The main window's tool buttons: the icon buttons of the row at the top and the two beside
// the expression field, each with its tip and accessible name. A click reports the button's
// command.
#pragma once

#include <QObject>

#include <vector>

#include "text/Texts.h"
#include "ui/BackgroundJob.h"
#include "ui/WindowLayout.h"

class QIcon;
class QToolButton;
class QWidget;

namespace quillex {

class CToolRow : public QObject {
    Q_OBJECT
public:
    // Creates the buttons as children of the window the layout places controls in.
    explicit CToolRow(WindowLayout& layout);

    // Adds one more button at the place given in dialog units at the window's default size.
    QToolButton* Add(TextId tip, const QIcon& icon, int commandId, int x, int y, int width,
                     int height, Anchors anchors = kStays);

    const std::vector<QToolButton*>& Buttons() const { return buttons_; }
    // Starts drawing every button's picture at its final size on a thread of its own, while
    // the rest of the window is being built; WaitForIcons() returns once they are drawn, so
    // that the window's first paint finds them ready. Nothing may paint the buttons in
    // between: the pictures are kept in the icons that the thread draws into.
    void StartDrawingIcons();
    void WaitForIcons();

signals:
    void commandRequested(int commandId);

private:
    QWidget* window_;
    WindowLayout& layout_;
    std::vector<QToolButton*> buttons_;
    BackgroundJob drawing_;
};

}  // namespace quillex

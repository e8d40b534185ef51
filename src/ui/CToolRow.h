// The main window's tool buttons: the icon buttons of the row at the top and the two beside
// the expression field, each with its tip and accessible name. A click reports the button's
// command.
#pragma once

#include <QObject>

#include <vector>

class QToolButton;
class QWidget;

namespace quillex {

class DialogUnits;

class CToolRow : public QObject {
    Q_OBJECT
public:
    // Creates the buttons as children of the window, placed in its dialog units.
    CToolRow(QWidget* window, const DialogUnits& units);

    const std::vector<QToolButton*>& Buttons() const { return buttons_; }

signals:
    void commandRequested(int commandId);

private:
    std::vector<QToolButton*> buttons_;
};

}  // namespace quillex

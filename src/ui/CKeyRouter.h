// The main window's keyboard routing: an event filter on the window's own controls that sees
// their key presses first. Enter files the expression and Esc deletes (both as commands of the
// window), F2 and F3 run the two Euro conversions and F6 opens the mini calculator, the
// numeric keypad's digits and operators are inserted into the expression field, and a
// main-block digit typed elsewhere is typed into the expression field instead. Up and Down in
// the expression field step through the tape's expressions.
#pragma once

#include <QObject>

#include <initializer_list>

class QKeyEvent;
class QWidget;

namespace quillex {

class CExpressionField;

class CKeyRouter : public QObject {
    Q_OBJECT
public:
    CKeyRouter(CExpressionField* expression, QObject* parent);

    // Routes the keys pressed in the widgets.
    void Watch(std::initializer_list<QWidget*> widgets);

signals:
    void commandRequested(int commandId);
    void historyStep(bool older);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // True when the key was taken.
    bool Route(QObject* watched, QKeyEvent* event);

    CExpressionField* expression_;
};

}  // namespace quillex

#include "ui/CKeyRouter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include "ui/CExpressionField.h"
#include "ui/Commands.h"

namespace quillex {
namespace {

bool IsKeypadOperator(int key) {
    return key == Qt::Key_Asterisk || key == Qt::Key_Plus || key == Qt::Key_Minus ||
           key == Qt::Key_Slash;
}

// The command of a function key, or 0.
int FunctionKeyCommand(int key) {
    switch (key) {
        case Qt::Key_F2:
            return kCmdCurrencyToEuro;
        case Qt::Key_F3:
            return kCmdEuroToCurrency;
        case Qt::Key_F6:
            return kCmdMiniCalc;
        default:
            return 0;
    }
}

}  // namespace

CKeyRouter::CKeyRouter(CExpressionField* expression, QObject* parent)
    : QObject(parent), expression_(expression) {}

void CKeyRouter::Watch(std::initializer_list<QWidget*> widgets) {
    for (QWidget* widget : widgets) {
        widget->installEventFilter(this);
    }
}

bool CKeyRouter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && Route(watched, static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool CKeyRouter::Route(QObject* watched, QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    const bool digit = key >= Qt::Key_0 && key <= Qt::Key_9;

    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit commandRequested(kCmdOk);
        return true;
    }
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && watched == expression_ &&
        (modifiers & ~Qt::KeypadModifier) == Qt::NoModifier) {
        emit historyStep(key == Qt::Key_Up);
        return true;
    }
    if (key == Qt::Key_Escape) {
        emit commandRequested(kCmdDeleteAll);
        return true;
    }
    // A function key runs its command, and the control still sees the key.
    if (const int commandId = FunctionKeyCommand(key); commandId != 0) {
        emit commandRequested(commandId);
        return false;
    }
    if (keypad && ((digit && !shift) || IsKeypadOperator(key))) {
        expression_->setFocus(Qt::ShortcutFocusReason);
        expression_->InsertText(QString(QChar(key)));
        return true;
    }
    if (digit && !keypad && !shift && watched != expression_) {
        // The digit is typed where the focus now is.
        expression_->setFocus(Qt::ShortcutFocusReason);
        QCoreApplication::sendEvent(expression_, event);
        return true;
    }
    return false;
}

}  // namespace quillex

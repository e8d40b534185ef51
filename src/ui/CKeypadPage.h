// The scientific keypad page: the keys, the X and Y fields and the three display lists
// (decimals, style, thousands). Keys report their command (kCmdKeypadFirst + index); the main
// window inserts the key's text. The lists and fields change the state's settings and ask for
// a new evaluation.
#pragma once

#include "ui/CTabPage.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace quillex {

class CalculatorState;
struct Settings;

class CKeypadPage : public CTabPage {
    Q_OBJECT
public:
    // Shows and changes decimals, displayStyle, thousands, xText and yText of the settings.
    CKeypadPage(CalculatorState& state, QWidget* parent = nullptr);
    // Once set, a change of the X or Y field gives the focus back to that field after the
    // evaluation it asks for (the evaluation moves the focus to the expression field).
    void SetFocusReturn(bool on) { focusReturn_ = on; }

signals:
    // A display list, the X or Y field changed.
    void evaluateRequested();
    // The X or Y field lost the focus: an evaluation that leaves the focus where the user
    // moved it.
    void fieldLeft();

protected:
    // A field losing the focus asks for an evaluation too.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnFieldChanged(QLineEdit* field, QString Settings::*value, const QString& text);

    CalculatorState& state_;
    QLineEdit* xField_ = nullptr;
    QLineEdit* yField_ = nullptr;
    QComboBox* decimals_ = nullptr;
    QComboBox* style_ = nullptr;
    QComboBox* thousands_ = nullptr;
    bool focusReturn_ = false;
};

}  // namespace quillex

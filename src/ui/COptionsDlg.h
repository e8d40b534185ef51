// The options dialog: six settings switched by click, each change taking effect in the
// state's settings at once; OK, Enter, Esc and the close box all just close it.
#pragma once

#include <QDialog>

class QAbstractButton;

namespace quillex {

class CalculatorState;

class COptionsDlg : public QDialog {
    Q_OBJECT
public:
    COptionsDlg(CalculatorState& state, QWidget* parent = nullptr);

    // Esc and the close box end the dialog as OK does; there is nothing to cancel.
    void reject() override;

private:
    // Sets every mark from the settings.
    void ShowMarks();

    CalculatorState& state_;
    QAbstractButton* storeStack_ = nullptr;
    QAbstractButton* alwaysOnTop_ = nullptr;
    QAbstractButton* toolTips_ = nullptr;
    QAbstractButton* showSplash_ = nullptr;
    QAbstractButton* useComma_ = nullptr;
    QAbstractButton* usePoint_ = nullptr;
    QAbstractButton* copyAlways_ = nullptr;
};

}  // namespace quillex

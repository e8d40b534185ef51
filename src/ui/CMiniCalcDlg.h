// The mini calculator: a small window that stays on top and takes the main window's place while
// it is open. It evaluates its one input line at every change with an engine of its own (X and
// Y are 0, the word width is 4 bits) and shows the value with three decimals, red when it is
// not at least 0. Two buttons show the value converted between the Euro and the chosen
// currency. Enter, the back button and any other way of closing it close it; the text last
// shown as a result then goes back to the main window. Escape empties both lines.
#pragma once

#include <QDialog>
#include <QString>

#include "engine/ExprEngine.h"
#include "ui/Inks.h"

class QLineEdit;

namespace quillex {

class CalculatorState;

class CMiniCalcDlg : public QDialog {
    Q_OBJECT
public:
    // `placement` is where the window stood when it last closed (empty: nowhere yet); it is
    // used only when it has the window's size and its title strip lies on a screen.
    CMiniCalcDlg(int currencyIndex, const QString& placement, QWidget* parent = nullptr);

    // Opens the calculator in place of the main window: hides the main window, runs the
    // calculator with the state's currency and placement and keeps the placement it closes
    // with. Returns the text last shown as a result, empty when none was shown. Bringing the
    // main window back is the caller's.
    static QString Run(QWidget* mainWindow, CalculatorState& state);

protected:
    // Escape: empties both lines and stays open.
    void reject() override;
    // Enter and the back button: notes the placement and closes.
    void accept() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Evaluate();
    // Shows the value with three decimals as the result text.
    void ShowValue(double shown);
    void Convert(bool intoCurrency);

    ExprEngine engine_;
    int currencyIndex_;
    QString placement_;
    double value_ = 0;  // the value of the last successful evaluation
    QString resultText_;
    bool evaluating_ = false;
    QLineEdit* input_ = nullptr;
    QLineEdit* result_ = nullptr;
    Ink resultInk_ = Ink::Black;  // black for a value of 0 or more, red below
};

}  // namespace quillex

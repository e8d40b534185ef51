// The Euro conversion of the main window: the three buttons of the tool row (the currency
// menu, Euro into the chosen currency, the chosen currency into Euro) and their commands. A
// conversion shows the last successful result converted in the result field and changes
// nothing else; choosing a currency only changes the setting and the button's picture.
#pragma once

#include <QObject>

class QMenu;
class QToolButton;

namespace quillex {

class CResultField;
class CToolRow;
class CalculatorState;

class CCurrencyButtons : public QObject {
    Q_OBJECT
public:
    // Adds the buttons to the row; the currency button shows the stored currency. A stored
    // index outside the table counts as the first currency. Converts the state's last result
    // and changes its currency index.
    CCurrencyButtons(CToolRow& row, CalculatorState& state, CResultField* result);

    // Runs the command of the currency menu, one of its entries or a conversion; false when
    // the number is none of these.
    bool Run(int commandId);

private:
    void ShowMenu();
    void Choose(int currencyIndex);

    CalculatorState& state_;
    CResultField* result_;
    QToolButton* currencyButton_ = nullptr;
    QMenu* menu_ = nullptr;  // built the first time it is shown
};

}  // namespace quillex

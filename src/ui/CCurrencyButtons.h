// The Euro conversion of the main window: the three buttons of the tool row (the currency
// menu, Euro into the chosen currency, the chosen currency into Euro) and their commands. A
// conversion shows the last successful result converted in the result field and changes
// nothing else; choosing a currency only changes the setting and the button's picture.
#pragma once

#include <QObject>

#include <functional>

class QMenu;
class QToolButton;

namespace quillex {

class CResultField;
class CToolRow;
struct Settings;

// What the conversions convert: the value of the last successful evaluation, and whether the
// last evaluation that ran succeeded (thousands separators are set only then).
struct LastEvaluation {
    double value = 0;
    bool succeeded = true;
};

class CCurrencyButtons : public QObject {
    Q_OBJECT
public:
    // Adds the buttons to the row; the currency button shows the stored currency. A stored
    // index outside the table counts as the first currency. Reads and writes the settings'
    // currency index and reads their separator settings.
    CCurrencyButtons(CToolRow& row, Settings& settings, CResultField* result,
                     std::function<LastEvaluation()> lastEvaluation);

    // Runs the command of the currency menu, one of its entries or a conversion; false when
    // the number is none of these.
    bool Run(int commandId);

signals:
    // The user chose a currency: the setting changed.
    void currencyChosen();

private:
    void ShowMenu();
    void Choose(int currencyIndex);

    Settings& settings_;
    CResultField* result_;
    std::function<LastEvaluation()> lastEvaluation_;
    QToolButton* currencyButton_ = nullptr;
    QMenu* menu_ = nullptr;  // built the first time it is shown
};

}  // namespace quillex

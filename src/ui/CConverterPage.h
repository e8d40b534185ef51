// The unit converter page ("Umrechnung"): a region (a physical quantity), two units of it and a
// value for each; typing a value for one unit shows the same quantity in the other at once.
// A button beside the second value, and the same entry in that field's context menu, hand
// that value over for the expression.
// UnitConverter holds every rule and reads the region files; the page shows its lists and
// texts and passes it the user's choices and edits.
//
// Its widgets are built the first time it is shown, and the first region file is read then,
// so that neither holds up the window's first paint.
#pragma once

#include <array>

#include "ui/CTabPage.h"
#include "units/Converter.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace quillex {

class CalculatorState;

class CConverterPage : public CTabPage {
    Q_OBJECT
public:
    // The "All" box (every unit a table lists, not only the common ones) starts as the state's
    // setting says and keeps it.
    explicit CConverterPage(CalculatorState& state, QWidget* parent = nullptr);
    ~CConverterPage() override;

signals:
    // The second value, as a term to insert into the expression.
    void insertRequested(const QString& term);

private:
    static std::size_t Index(ConverterSide side) { return side == ConverterSide::First ? 0 : 1; }
    void Build() override;
    // Fills both unit lists from the loaded region and shows its labels and values.
    void ShowRegion();
    // Shows both labels and the value texts; the field the user is editing keeps its text.
    void ShowValues(const QLineEdit* edited = nullptr);
    void InsertSecondValue();

    CalculatorState& state_;
    UnitConverter converter_;
    QComboBox* regions_ = nullptr;
    QCheckBox* all_ = nullptr;
    std::array<QComboBox*, 2> units_{};
    std::array<QLineEdit*, 2> values_{};
    std::array<QLabel*, 2> labels_{};
    QToolButton* toExpression_ = nullptr;
};

}  // namespace quillex

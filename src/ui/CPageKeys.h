// The buttons of the keypad and programmer pages as edits of the calculation. Each button
// reports its command number; a key inserts its text into the expression field (and may have it
// evaluated), a width button sets the word width, and sign, GetBit and parity replace the
// result of a fresh evaluation by what they tell about it.
#pragma once

#include <QObject>

#include <functional>

#include "engine/Calculation.h"

namespace quillex {

class CExpressionField;
class CProgrammerPage;
class CResultField;
class CalculatorState;
struct BitWidth;
struct ProgrammerKey;

class CPageKeys : public QObject {
    Q_OBJECT
public:
    // `evaluate` runs the window's evaluation of the expression field and gives its outcome.
    CPageKeys(CExpressionField* expression, CResultField* result, CProgrammerPage* programmer,
              CalculatorState& state, std::function<Calculation()> evaluate, QObject* parent);

    // Runs the command of a page key; false when the number is no page key's.
    bool Run(int commandId);
    // Stores the width index as the calculation takes it, gives the width to the programmer
    // page and evaluates.
    void ApplyWidth(int index);

private:
    void RunProgrammerKey(const ProgrammerKey& key);
    BitWidth CurrentWidth() const;

    CExpressionField* expression_;
    CResultField* result_;
    CProgrammerPage* programmer_;
    CalculatorState& state_;
    std::function<Calculation()> evaluate_;
};

}  // namespace quillex

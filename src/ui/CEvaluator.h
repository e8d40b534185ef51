// The main window's calculation: the expression field evaluated at every change, the result
// field showing the outcome, and the expression filed on the tape with its result.
#pragma once

#include <QObject>

#include "engine/Calculation.h"
#include "store/InputHistory.h"

namespace quillex {

class CExpressionField;
class CResultField;
class CalculatorState;

class CEvaluator : public QObject {
    Q_OBJECT
public:
    CEvaluator(CExpressionField* expression, CResultField* result, CalculatorState& state,
               QObject* parent);

    // Evaluates the expression field with the state and shows the result; with
    // `focusExpression` the focus then goes to the expression field. An input that is too
    // long is cut after a message. Asked while an evaluation runs (its message box, the field
    // written back), gives the outcome of that one.
    Calculation Evaluate(bool focusExpression = true);
    // Evaluates and files the expression and its result on the tape; the field is emptied.
    void PushToTape();
    // Shows the tape's next older (or newer) expression in the field and evaluates it.
    void StepHistory(bool older);

signals:
    // The result for the programmer page: after each evaluation of a non-empty expression,
    // also a failed one (the value the engine gave), unless the settings keep the page apart.
    void handedOver(double value);

private:
    CExpressionField* expression_;
    CResultField* result_;
    CalculatorState& state_;
    bool evaluating_ = false;
    InputHistory history_;
};

}  // namespace quillex

#include "ui/CEvaluator.h"

#include <QClipboard>
#include <QGuiApplication>

#include "store/CalculatorState.h"
#include "store/QtCp1252.h"
#include "ui/CExpressionField.h"
#include "ui/CResultField.h"

namespace quillex {

CEvaluator::CEvaluator(CExpressionField* expression, CResultField* result, CalculatorState& state,
                       QObject* parent)
    : QObject(parent), expression_(expression), result_(result), state_(state) {
    connect(expression_, &CExpressionField::edited, this, [this] {
        history_.Leave();
        Evaluate();
    });
    connect(expression_, &CExpressionField::focusEntering, this, [this] { Evaluate(); });
}

Calculation CEvaluator::Evaluate(bool focusExpression) {
    // Writing back a cut input, the message box and the focus moves below all report back
    // here; the evaluation under way covers them.
    if (evaluating_) {
        return state_.LastCalculation();
    }
    evaluating_ = true;

    const QString input = expression_->toPlainText();
    const Calculation shown = state_.Evaluate(input);
    if (shown.inputCut) {
        expression_->RefuseExcess(KeptInput(input));
    }
    const QString resultText = FromCp1252(shown.resultText);
    result_->Show(resultText);
    if (shown.outcome != CalcOutcome::NoInput) {
        if (state_.Values().mode != ResultHandOver::Off) {
            emit handedOver(shown.value);
        }
        if (state_.Values().copyAlways) {
            QGuiApplication::clipboard()->setText(resultText);
        }
    }
    if (focusExpression) {
        expression_->TakeFocus();
    }
    evaluating_ = false;
    return shown;
}

void CEvaluator::PushToTape() {
    const Calculation outcome = Evaluate();
    const QString input = expression_->toPlainText();
    if (input.isEmpty()) {
        return;
    }
    state_.File(
        {input, FromCp1252(NormaliseForTape(outcome.resultText, state_.Values().thousands))});
    history_.Leave();
    expression_->SetText(QString());
    Evaluate();
}

void CEvaluator::StepHistory(bool older) {
    const std::optional<QString> text =
        older ? history_.Older(state_.TapeEntries(), expression_->toPlainText())
              : history_.Newer(state_.TapeEntries());
    if (text) {
        expression_->SetText(*text);
        Evaluate();
    }
}

}  // namespace quillex

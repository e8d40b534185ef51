#include "ui/CPageKeys.h"

#include <optional>
#include <string>
#include <utility>

#include "bases/ProgrammerFields.h"
#include "engine/BitWidth.h"
#include "store/CalcSettingsFrom.h"
#include "store/CalculatorState.h"
#include "store/QtCp1252.h"
#include "ui/CExpressionField.h"
#include "ui/CProgrammerPage.h"
#include "ui/CResultField.h"
#include "ui/Commands.h"
#include "ui/KeypadKeys.h"
#include "ui/ProgrammerKeys.h"
#include "ui/QtTexts.h"

namespace quillex {

CPageKeys::CPageKeys(CExpressionField* expression, CResultField* result,
                     CProgrammerPage* programmer, CalculatorState& state,
                     std::function<Calculation()> evaluate, QObject* parent)
    : QObject(parent),
      expression_(expression),
      result_(result),
      programmer_(programmer),
      state_(state),
      evaluate_(std::move(evaluate)) {}

bool CPageKeys::Run(int commandId) {
    const auto keys = KeypadKeys();
    const int key = commandId - kCmdKeypadFirst;
    if (key >= 0 && key < static_cast<int>(keys.size())) {
        expression_->InsertText(FromUtf8(keys[static_cast<std::size_t>(key)].insert));
        if (keys[static_cast<std::size_t>(key)].evaluates) {
            evaluate_();
        }
        return true;
    }
    const auto programmerKeys = ProgrammerKeys();
    const int programmerKey = commandId - kCmdProgrammerFirst;
    if (programmerKey >= 0 && programmerKey < static_cast<int>(programmerKeys.size())) {
        RunProgrammerKey(programmerKeys[static_cast<std::size_t>(programmerKey)]);
        return true;
    }
    return false;
}

void CPageKeys::ApplyWidth(int index) {
    state_.Set(&Settings::widthIndex, EffectiveWidthIndex(index));
    programmer_->SetWidth(CurrentWidth());
    evaluate_();
}

BitWidth CPageKeys::CurrentWidth() const {
    return *BitWidthFromIndex(EffectiveWidthIndex(state_.Values().widthIndex));
}

void CPageKeys::RunProgrammerKey(const ProgrammerKey& key) {
    std::optional<std::string> replacement;
    switch (key.action) {
        case ProgKeyAction::Width:
            ApplyWidth(key.argument);
            return;
        case ProgKeyAction::Insert:
            expression_->InsertText(FromUtf8(key.insert));
            return;
        case ProgKeyAction::InsertEvaluate:
            expression_->InsertText(FromUtf8(key.insert));
            evaluate_();
            return;
        case ProgKeyAction::Sign:
            replacement = SignText(evaluate_().resultText, CurrentWidth());
            break;
        case ProgKeyAction::GetBit:
            replacement = GetBitText(evaluate_().resultText);
            break;
        case ProgKeyAction::Parity:
            replacement = ParityText(evaluate_().resultText);
            break;
        case ProgKeyAction::Invert:
        case ProgKeyAction::Move:
            // The page's own buttons.
            return;
    }
    if (replacement) {
        result_->Show(FromCp1252(*replacement));
    }
}

}  // namespace quillex

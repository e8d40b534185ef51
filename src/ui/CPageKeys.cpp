#include "ui/CPageKeys.h"

#include <optional>
#include <string>

#include "bases/ProgrammerFields.h"
#include "engine/BitWidth.h"
#include "store/CalcSettingsFrom.h"
#include "store/QtCp1252.h"
#include "store/Settings.h"
#include "ui/CExpressionField.h"
#include "ui/CProgrammerPage.h"
#include "ui/CResultField.h"
#include "ui/Commands.h"
#include "ui/KeypadKeys.h"
#include "ui/ProgrammerKeys.h"
#include "ui/QtTexts.h"

namespace quillex {

CPageKeys::CPageKeys(CExpressionField* expression, CResultField* result,
                     CProgrammerPage* programmer, Settings& settings, QObject* parent)
    : QObject(parent),
      expression_(expression),
      result_(result),
      programmer_(programmer),
      settings_(settings) {}

bool CPageKeys::Run(int commandId) {
    const auto keys = KeypadKeys();
    const int key = commandId - kCmdKeypadFirst;
    if (key >= 0 && key < static_cast<int>(keys.size())) {
        expression_->InsertText(FromUtf8(keys[static_cast<std::size_t>(key)].insert));
        if (keys[static_cast<std::size_t>(key)].evaluates) {
            emit evaluateRequested();
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
    settings_.widthIndex = EffectiveWidthIndex(index);
    programmer_->SetWidth(CurrentWidth());
    emit evaluateRequested();
}

BitWidth CPageKeys::CurrentWidth() const {
    return *BitWidthFromIndex(EffectiveWidthIndex(settings_.widthIndex));
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
            emit evaluateRequested();
            return;
        case ProgKeyAction::Sign:
            emit evaluateRequested();
            replacement = SignText(ToCp1252(result_->text()), CurrentWidth());
            break;
        case ProgKeyAction::GetBit:
            emit evaluateRequested();
            replacement = GetBitText(ToCp1252(result_->text()));
            break;
        case ProgKeyAction::Parity:
            emit evaluateRequested();
            replacement = ParityText(ToCp1252(result_->text()));
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

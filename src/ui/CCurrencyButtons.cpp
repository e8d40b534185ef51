#include "ui/CCurrencyButtons.h"

#include <QCursor>
#include <QMenu>
#include <QToolButton>

#include "store/CalculatorState.h"
#include "ui/CResultField.h"
#include "ui/CToolRow.h"
#include "ui/Commands.h"
#include "ui/CurrencyIcons.h"
#include "ui/QtTexts.h"
#include "units/Euro.h"

namespace quillex {

static_assert(kCmdCurrencyFirst + kCurrencyCount <= kCmdKeypadFirst, "currency commands overlap");

CCurrencyButtons::CCurrencyButtons(CToolRow& row, CalculatorState& state, CResultField* result)
    : QObject(&row), state_(state), result_(result) {
    const int currency = ValidCurrencyIndex(state_.Values().euro);
    state_.Set(&Settings::euro, currency);
    row.Add(TextId::TipSelectCurrency, CurrencyChoiceIcon(), kCmdSelectCurrency, 21, 2, 6, 15);
    currencyButton_ = row.Add(TextId::TipEuroToCurrency, CurrencyIcon(currency), kCmdEuroToCurrency,
                              27, 2, 18, 15);
    // The note is wider than high: it takes the whole face of the button.
    currencyButton_->setIconSize(currencyButton_->size() - QSize(4, 4));
    currencyButton_->setAccessibleDescription(CurrencyCode(currency));
    row.Add(TextId::TipCurrencyToEuro, EuroIcon(), kCmdCurrencyToEuro, 45, 2, 18, 15);
}

bool CCurrencyButtons::Run(int commandId) {
    if (commandId >= kCmdCurrencyFirst && commandId < kCmdCurrencyFirst + kCurrencyCount) {
        Choose(commandId - kCmdCurrencyFirst);
        return true;
    }
    if (commandId == kCmdSelectCurrency) {
        ShowMenu();
        return true;
    }
    if (commandId != kCmdEuroToCurrency && commandId != kCmdCurrencyToEuro) {
        return false;
    }
    const LastEvaluation last = state_.Last();
    const Settings& settings = state_.Values();
    const auto convert = commandId == kCmdEuroToCurrency ? EuroToCurrencyText : CurrencyToEuroText;
    const std::string text = convert(last.value, settings.euro, settings.thousands,
                                     settings.decimalComma, last.succeeded);
    result_->Show(QString::fromStdString(text));
    return true;
}

void CCurrencyButtons::ShowMenu() {
    if (!menu_) {
        menu_ = new QMenu(currencyButton_->window());
        menu_->setAccessibleName(Tr(TextId::NameCurrencyMenu));
        for (int i = 0; i < kCurrencyCount; ++i) {
            QAction* entry = menu_->addAction(CurrencyIcon(i), CurrencyCode(i));
            entry->setData(kCmdCurrencyFirst + i);
        }
    }
    if (const QAction* chosen = menu_->exec(QCursor::pos())) {
        Run(chosen->data().toInt());
    }
}

void CCurrencyButtons::Choose(int currencyIndex) {
    state_.Set(&Settings::euro, currencyIndex);
    currencyButton_->setIcon(CurrencyIcon(currencyIndex));
    currencyButton_->setAccessibleDescription(CurrencyCode(currencyIndex));
}

}  // namespace quillex

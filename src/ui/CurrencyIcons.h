// The pictures of the Euro conversion, drawn like the tool buttons' pictures: a banknote with
// its code for each currency of the Euro table, the Euro sign, and the small arrow of the button
// that opens the currency menu.
#pragma once

#include <QIcon>
#include <QString>

namespace quillex {

// The code of the currency at the index of the Euro table (an index outside it: the first).
QString CurrencyCode(int currencyIndex);

// The banknote of the currency at the index of the Euro table (an index outside it: the first).
QIcon CurrencyIcon(int currencyIndex);
QIcon EuroIcon();
QIcon CurrencyChoiceIcon();

}  // namespace quillex

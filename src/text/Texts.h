// Every text the program shows in German and English, side by side in one table, looked up by
// name. German is the default; the language is chosen once at start-up. Texts are UTF-8.
#pragma once

#include <string_view>

namespace quillex {

enum class Language { German, English };

enum class TextId {
    // Main window
    MainCaption,
    ExpressionFieldTip,
    ResultFieldTip,
    InputTooLong,
    InputTooLongCaption,
    DeleteStackQuestion,
    DeleteStackCaption,
    TipDeleteStack,
    TipSelectCurrency,
    TipEuroToCurrency,
    TipCurrencyToEuro,
    TipUnits,
    TipConverter,
    TipMiniCalc,
    TipOptions,
    TipInfo,
    TipHide,
    TipDeleteAll,
    TipDelete,
    TabKeypad,
    TabProgrammer,
    TabLogic,
    TabConverter,
    TabConstants,
    // Background menu and tray menu
    MenuHelp,
    MenuOpen,
    MenuOptions,
    MenuInfo,
    MenuQuit,
    // Tape menu
    TapeDeleteItem,
    TapeDeleteAll,
    TapeCopyItem,
    TapeCopyAll,
    // Tray icon
    TrayTip,
    // Options dialog
    OptionsCaption,
    OptionsGeneral,
    OptionsStoreStack,
    OptionsAlwaysOnTop,
    OptionsToolTips,
    OptionsShowSplash,
    OptionsClipboard,
    OptionsUseComma,
    OptionsUsePoint,
    OptionsCopyAlways,
    OptionsOk,
    // Information dialog
    InfoCaption,
    InfoVersion,
    InfoOk,
    InfoHelp,
    // Keypad page
    KeypadDecimalsLabel,
    StyleStandard,
    StyleFixed,
    StyleEngineering,
    StyleScientific,
    ThousandsNone,
    ThousandsPoints,
    ThousandsCommas,
    // Logic page
    LogicInput,
    LogicOutput,
    // Command line
    NoDisplay,
    NoWindow,
    Count
};

void SetLanguage(Language language);
Language CurrentLanguage();

// The text in the current language.
std::string_view Text(TextId id);
// The text in the given language.
std::string_view Text(TextId id, Language language);

}  // namespace quillex

// Every text the program shows in German and English, side by side in one table, looked up by
// name. German is the default; the language is chosen once at start-up. Texts are UTF-8.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace quillex {

enum class Language { German, English };

enum class TextId {
    NoText,  // the empty text: a key without a tip, a widget without a name of its own
    // Main window
    MainCaption,
    ExpressionFieldTip,
    ResultFieldTip,
    InputTooLong,
    InputTooLongCaption,
    DeleteStackQuestion,
    DeleteStackCaption,
    TipDeleteStack,
    TipOptions,
    TipInfo,
    TipHide,
    TipDeleteAll,
    TipDelete,
    TabKeypad,
    TabProgrammer,
    TabLogic,
    // What the result field and the programmer and logic pages' fields show instead of a
    // number: the engine's messages (EngineSyntax to EngineNoAnswer) and the texts that stand for a
    // value. These fields hold 8-bit text, so these texts are ASCII.
    NoInput,
    EngineSyntax,
    EngineIncomplete,
    EngineFloat,
    EngineCompiler,
    EngineUnknown,
    EngineFactorial,
    EnginePercent,
    EngineBin,
    EngineOct,
    EngineHex,
    EngineNoAnswer,
    Overflow,
    RomanRange,
    SignNegative,
    SignPositive,
    BitNumber,  // %1: the number of bits
    ParityOdd,
    ParityEven,
    DigitNotAllowed,  // %1: the character, %2: its position
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
    // Euro conversion
    TipSelectCurrency,
    TipEuroToCurrency,
    TipCurrencyToEuro,
    NameCurrencyMenu,
    // Mini calculator
    TipMiniCalc,
    MiniCaption,
    MiniTipBack,
    MiniSyntaxError,
    MiniInputTooLong,
    NameMiniEuroToCurrency,
    NameMiniCurrencyToEuro,
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
    // Tip of the day
    TipOfDayCaption,
    TipOfDayHeading,
    TipOfDayShowAtStart,
    TipOfDayNext,
    TipOfDayOk,
    TipOfDayFileMissing,
    TipOfDaySeekFailed,
    // Keypad page
    KeypadDecimalsLabel,
    StyleStandard,
    StyleFixed,
    StyleEngineering,
    StyleScientific,
    ThousandsNone,
    ThousandsPoints,
    ThousandsCommas,
    // Keypad keys
    KeypadTipPi,
    KeypadTipPercent,
    KeypadTipInvert,
    KeypadTipExp,
    KeypadTipLog,
    KeypadTipAdd,
    KeypadTipAsin,
    KeypadTipAcos,
    KeypadTipAtan,
    KeypadTipSqrt,
    KeypadTipPower,
    KeypadTipSubtract,
    KeypadTipSin,
    KeypadTipCos,
    KeypadTipTan,
    KeypadTipLn,
    KeypadTipRad,
    KeypadTipDivide,
    KeypadTipFac,
    KeypadTipRnd,
    KeypadTipDeg,
    KeypadTipOpenParen,
    KeypadTipCloseParen,
    KeypadTipPoint,
    KeypadTipMultiply,
    KeypadTipVariableY,
    KeypadTipVariableX,
    // Programmer page
    ProgrammerTipWidth4,
    ProgrammerTipWidth8,
    ProgrammerTipWidth16,
    ProgrammerTipWidth32,
    ProgrammerTipAnd,
    ProgrammerTipOr,
    ProgrammerTipXor,
    ProgrammerTipNot,
    ProgrammerTipGetBit,
    ProgrammerTipDec,
    ProgrammerTipBin,
    ProgrammerTipHex,
    ProgrammerTipOct,
    ProgrammerTipNand,
    ProgrammerTipNor,
    ProgrammerTipMod,
    ProgrammerTipSign,
    ProgrammerTipParity,
    ProgrammerTipShiftLeft,
    ProgrammerTipShiftRight,
    ProgrammerTipRotateRight,
    ProgrammerTipRotateLeft,
    ProgrammerTipInvert,
    ProgrammerNameShiftLeft,
    ProgrammerNameShiftRight,
    ProgrammerNameRotateRight,
    ProgrammerNameRotateLeft,
    ProgrammerAsciiTooLong,
    // Logic page
    LogicInput,
    LogicOutput,
    // Converter and constants pages, Units and Converter menus
    TabConverter,
    TabConstants,
    TipUnits,
    TipConverter,
    ConverterRegion,
    ConverterAll,
    ConverterUnit1,
    ConverterUnit2,
    ConverterValue,
    ConverterToExpression,
    ConstantsSelection,
    ConstantsNatureConstants,
    ConstantsUnits,
    ConstantsResult,
    ConstantsUnit,
    ConstantsValue,
    MenuImperialToMetric,
    MenuMetricToImperial,
    MenuConvert,
    // The Converter menu's submenus of the conversion table, in the order of its categories
    MenuCategoryAngle,
    MenuCategoryArea,
    MenuCategoryElectricity,
    MenuCategoryEnergy,
    MenuCategoryForce,
    MenuCategoryIlluminance,
    MenuCategoryLength,
    MenuCategoryMass,
    MenuCategoryPower,
    MenuCategoryPressure,
    MenuCategoryTemperature,
    MenuCategoryTime,
    MenuCategoryTorque,
    MenuCategoryVelocity,
    MenuCategoryVolume,
    NameConverterValue1,
    NameConverterValue2,
    NameConverterLabel1,
    NameConverterLabel2,
    // Accessible names of controls that show no text of their own
    NameResult,
    NameExpression,
    NamePages,
    NameExpressionTape,
    NameResultTape,
    NameXField,
    NameYField,
    NameDecimals,
    NameDisplayStyle,
    NameThousandsStyle,
    NameLogicA,
    NameLogicB,
    NameLogicOutput,
    NameLogicABase,
    NameLogicBBase,
    NameLogicOutputBase,
    NameProgramIcon,
    NameVersion,
    NameWebAddress,
    // Saving
    FileNotWritable,
    SaveFailedCaption,
    SaveFailed,
    TapeHeldElsewhere,
    // Why a call of the system failed, for the reasons a user meets most; the system's own
    // text stands for the rest (ErrorReason)
    ReasonNoSpace,
    ReasonReadOnly,
    ReasonNoPermission,
    ReasonQuota,
    ReasonInputOutput,
    ReasonNotFound,
    ReasonIsFolder,
    // Command line
    NoDisplay,
    NoWindow,
    UsageText,
    UsageNeedsValue,  // %1: the option
    UsageNoValue,     // %1: the option
    UsageWidth,
    UsageStyle,
    UsageDigits,
    UsageThousands,
    UsageDecimalComma,
    UsageLang,
    UsageUnknown,  // %1: the argument
    UsageToggleAlone,
    UsageBasesAlone,
    UsageNeedsOperands,  // %1: the option, %2: what it takes
    UsageUnitsAlone,
    OutputNotWritten,
    InteractiveHint,
    InputClosed,
    // --convert, --euro and --units
    ValueNoNumber,      // %1: the value, %2: the engine's message
    UnitUnknown,        // %1: the label
    UnitsApart,         // %1, %2: the labels
    RegionUnknown,      // %1: the name
    RegionFileMissing,  // %1: the file name
    CurrencyUnknown,    // %1: the code, %2: the known codes
    // Single instance
    InstanceNotPrivate,
    InstanceAlone,
    Count
};

void SetLanguage(Language language);
Language CurrentLanguage();

// The text in the current language.
std::string_view Text(TextId id);
// The text in the given language.
std::string_view Text(TextId id, Language language);
// The text in the current language with each of "%1" to "%9" replaced by that value.
std::string TextWith(TextId id, std::initializer_list<std::string_view> values);

}  // namespace quillex

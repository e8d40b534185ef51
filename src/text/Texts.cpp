#include "text/Texts.h"

#include <array>

namespace quillex {
namespace {

struct TextPair {
    TextId id;
    std::string_view english;
    std::string_view german;
};

// Texts the program has in one form only carry it in both columns.
constexpr TextPair Same(TextId id, std::string_view text) {
    return {id, text, text};
}

constexpr TextPair kTexts[] = {
    {TextId::NoText, "", ""},
    {TextId::MainCaption, "Omnivex Calculator", "Omnivex Calculator"},
    {TextId::ExpressionFieldTip, "Enter Expression", "Hier Term eingeben"},
    {TextId::ResultFieldTip,
     "Ergebnis, um Ergebnis zu kopieren auf rechts Maustaste drücken, alles Markieren, un dann "
     "Kopieren.",
     "Ergebnis, um Ergebnis zu kopieren auf rechts Maustaste drücken, alles Markieren, un dann "
     "Kopieren."},
    {TextId::InputTooLong, "Maximale Länge eines Terms ist 128 Zeichen",
     "Maximale Länge eines Terms ist 128 Zeichen"},
    {TextId::InputTooLongCaption, "Error", "Error"},
    {TextId::DeleteStackQuestion, "Wollen sie wirklich den gesamten Stack löschen ?",
     "Wollen sie wirklich den gesamten Stack löschen ?"},
    {TextId::DeleteStackCaption, "Info", "Info"},
    {TextId::TipDeleteStack, "Delete the Stack", "Gesamten Kontrollstreifen löschen"},
    {TextId::TipOptions, "Program Options", "Programm Optionen"},
    {TextId::TipInfo, "About Quillex", "Über Quillex"},
    {TextId::TipHide, "Hide Programm", "Programm verstecken"},
    {TextId::TipDeleteAll, "Delete All", "Alles Löschen"},
    {TextId::TipDelete, "Delete", "Löschen"},
    {TextId::TabKeypad, "Rechner", "Rechner"},
    {TextId::TabProgrammer, "Binär", "Binär"},
    {TextId::TabLogic, "Binär II", "Binär II"},
    Same(TextId::NoInput, "Keine Eingabe"),
    Same(TextId::EngineSyntax, "Fehlerhafte Eingabe (Ausdruck)"),
    Same(TextId::EngineIncomplete, "Anweisung unvollst."),
    Same(TextId::EngineFloat, "Eingabefehler in float Zahl"),
    Same(TextId::EngineCompiler, "compiler error"),
    Same(TextId::EngineUnknown, "Unbekannter Ausdruck"),
    Same(TextId::EngineFactorial, "Maximum for Factorial is 171"),
    Same(TextId::EnginePercent, "percent > 100 or <= 0"),
    Same(TextId::EngineBin, "BIN: You can enter only 0 or 1"),
    Same(TextId::EngineOct, "OCT: You can enter from 0 or 7"),
    Same(TextId::EngineHex, "HEX: You can enter from 0 or F"),
    {TextId::EngineNoAnswer, "ans: no result yet", "ans: noch kein Ergebnis"},
    Same(TextId::Overflow, "Overflow"),
    Same(TextId::RomanRange, "0-3999"),
    Same(TextId::SignNegative, "Negative"),
    Same(TextId::SignPositive, "Positive"),
    Same(TextId::BitNumber, "%1 Bit Number"),
    Same(TextId::ParityOdd, "ODD"),
    Same(TextId::ParityEven, "EVEN"),
    Same(TextId::DigitNotAllowed, "%1 at pos %2 not allowed"),
    {TextId::MenuHelp, "&Help", "&Hilfe"},
    {TextId::MenuOpen, "&Open", "&Öffnen"},
    {TextId::MenuOptions, "O&ptions", "O&ptionen"},
    {TextId::MenuInfo, "&Info Quillex...", "&Info Quillex..."},
    {TextId::MenuQuit, "&Suspend Quillex", "&Quillex schließen"},
    {TextId::TapeDeleteItem, "Delete Item", "Berechnung löschen"},
    {TextId::TapeDeleteAll, "Delete all items", "Alle Berechnungen löschen"},
    {TextId::TapeCopyItem, "Copy this item to clipboard", "Berechnung kopieren "},
    {TextId::TapeCopyAll, "Copy all items to clipboard", "Alle Berechnungen kopieren"},
    {TextId::TrayTip, "Quillex, Right Mouse Button for Options",
     "Quillex,  Rechte Maustaste drücken"},
    {TextId::TipSelectCurrency, "Select your Currency", "Währung für Euroumrechnung auswählen"},
    {TextId::TipEuroToCurrency, "Convert from your Currency to Euro <F3>",
     "Von Währung nach Euro umrechnen <F3>"},
    {TextId::TipCurrencyToEuro, "Convert from Euro to the selected Currency <F2>",
     "Von Euro in die gewünschte Währung umrechnen <F2>"},
    {TextId::NameCurrencyMenu, "Currencies", "Währungen"},
    {TextId::TipMiniCalc, "Start small expression calculator <F6>", "Minirechner starten <F6>"},
    {TextId::MiniCaption, "Quillex", "Quillex"},
    {TextId::MiniTipBack, "Zurück zu Quillex", "Zurück zu Quillex"},
    {TextId::MiniSyntaxError, "Syntax Fehler", "Syntax Fehler"},
    {TextId::MiniInputTooLong, "Maximum length of term is 128", "Maximum length of term is 128"},
    {TextId::NameMiniEuroToCurrency, "Euro to the selected currency",
     "Euro in die gewählte Währung"},
    {TextId::NameMiniCurrencyToEuro, "Selected currency to Euro", "Gewählte Währung in Euro"},
    {TextId::OptionsCaption, "Quillex Options", "Quillex Optionen"},
    {TextId::OptionsGeneral, "General", "Generell"},
    {TextId::OptionsStoreStack, "Store Stack Content", "Stackinhalt speichern"},
    {TextId::OptionsAlwaysOnTop, "Always On Top", "Immer vor den anderen Fenstern"},
    {TextId::OptionsToolTips, "Show Tips on Mouse over Buttons", "ToolTips anzeigen"},
    {TextId::OptionsShowSplash, "Show Tips of the Day", "Tip des Tages bei Programmstart anzeigen"},
    {TextId::OptionsClipboard, "Clipboard", "Clipboard"},
    {TextId::OptionsUseComma, "Use \",\" for Comma", "Benutze \",\" für Komma"},
    {TextId::OptionsUsePoint, "\".\" for Comma", "\".\" für Komma"},
    {TextId::OptionsCopyAlways, "Copy result automaticly to the Clipboard",
     "Ergebnis automatisch ins Clipboard kopieren"},
    {TextId::OptionsOk, "OK", "OK"},
    {TextId::InfoCaption, "Quillex", "Quillex"},
    {TextId::InfoVersion, "Quillex Version 6.11", "Quillex Version 6.11"},
    {TextId::InfoOk, "Ok", "Ok"},
    {TextId::InfoHelp, "Help", "Hilfe"},
    {TextId::TipOfDayCaption, "Tip of the Day", "Tip of the Day"},
    {TextId::TipOfDayHeading, "Tip of the Day", "Tipp des Tages"},
    {TextId::TipOfDayShowAtStart, "&Tips beim Starten zeigen", "&Tips beim Starten zeigen"},
    {TextId::TipOfDayNext, "Next tip", "Next tip"},
    {TextId::TipOfDayOk, "OK", "OK"},
    {TextId::TipOfDayFileMissing,
     "The file of tips, Tips.gr, was not found beside the program or in its data folder.",
     "Die Datei mit den Tipps, Tips.gr, wurde weder beim Programm noch in seinem Datenordner "
     "gefunden."},
    {TextId::TipOfDaySeekFailed, "The next tip could not be found in the file of tips.",
     "Der nächste Tipp ließ sich in der Datei mit den Tipps nicht finden."},
    {TextId::KeypadDecimalsLabel, "Comma", "Kommas"},
    {TextId::StyleStandard, "Standard", "Standard"},
    {TextId::StyleFixed, "Fixed", "Fixed"},
    {TextId::StyleEngineering, "Engineering", "Engineering"},
    {TextId::StyleScientific, "Scientific", "Scientific"},
    {TextId::ThousandsNone, "Standard, no Kommas", "Standard, no Kommas"},
    {TextId::ThousandsPoints, "thousends .", "thousends ."},
    {TextId::ThousandsCommas, "thousends ,", "thousends ,"},
    {TextId::KeypadTipPi, "Phi : 3.1415926535897932384626433832795",
     "Phi : 3.1415926535897932384626433832795"},
    {TextId::KeypadTipPercent, "% : Percent of, for Example 10% of 100: 100*pro(10)",
     "% : Prozent von, Zum Beispiel 10% von 100: 100*pro(10)"},
    {TextId::KeypadTipInvert, "1/x Invert", "1/x Invertieren"},
    {TextId::KeypadTipExp, "exp(): Calculates the exponential, for Example : exp(10)",
     "exp(): Exponential, zB. : exp(10)"},
    {TextId::KeypadTipLog, "log(): Calculates logarithms", "log(): Logarithmus"},
    {TextId::KeypadTipAdd, "Add", "Addieren"},
    {TextId::KeypadTipAsin, "asin():Calculates the arcsine", "asin(): ArcSinus"},
    {TextId::KeypadTipAcos, "acos():Calculates the arccosine", "aCos(): ArcCosinus"},
    {TextId::KeypadTipAtan, "atan(): Calculates the arctangent", "atan(): ArcTangens"},
    {TextId::KeypadTipSqrt, "Sqrt(): Calculates the square quadrate of x, Example: sqrt(9) = 3",
     "Sqrt(): Errechnet die Quadratwurzel, Bsp.: sqrt(9) = 3"},
    {TextId::KeypadTipPower, "x^y: Calculates x raised to the power of y, Examples: 2**4 = 16",
     "x^y: Errechnet die Potenz, Bsp.: 2**4 = 16"},
    {TextId::KeypadTipSubtract, "Sub", "Subtrahieren"},
    {TextId::KeypadTipSin, "sin(): Sinus", "sin(): Sinus"},
    {TextId::KeypadTipCos, "cos(): Cosinus", "cos(): Cosinus"},
    {TextId::KeypadTipTan, "tan(): Tangens", "tan(): Tangens"},
    {TextId::KeypadTipLn, "ln() : Calculates logarithms (10)", "ln() : Logarithmus(10)"},
    {TextId::KeypadTipRad, "Rad(): Convert Degrees to Radial, Example: rad(180) = 3.1415",
     "Deg(): Konvertiert Radiant nach Grad, Beispiel: deg(cos(phi/4)) = 40.5142"},
    {TextId::KeypadTipDivide, "Divide", "Dividieren"},
    {TextId::KeypadTipFac,
     "Fac(): Factorial of x- only values up to 1547 are handled. Example: fac(10) = "
     "3628800",
     "Fac(): Factorial von x- max. ist 1547. Beispiel: fac(10) = 3628800"},
    {TextId::KeypadTipRnd, "Rnd(): Random, Example: rnd(100)",
     "Rnd(): Zufallszahl, Beispiel: rnd(100)"},
    {TextId::KeypadTipDeg, "Deg(): Convert Radial to Degrees, Example: deg(cos(phi/4)) = 40.5142",
     "Rad(): Konvertiert Grad nach Radiant, Beispiel: rad(180) = 3.1415"},
    {TextId::KeypadTipOpenParen, ")", ")"},
    {TextId::KeypadTipCloseParen, "(", "("},
    {TextId::KeypadTipPoint, "Comma", "Komma"},
    {TextId::KeypadTipMultiply, "Multiply", "Multiplizieren"},
    {TextId::KeypadTipVariableY, "Y-Varible, use it as varible value in your expressions",
     "Y-Varible, wird als Varible in den Formeln verwendet"},
    {TextId::KeypadTipVariableX, "X-Varible, use it as varible value in your expressions",
     "X-Varible, wird als Varible in den Formeln verwendet"},
    {TextId::ProgrammerTipWidth4, "4 Bit .. Sets the Base for Binary Operations",
     "4 Bit .. Basis für alle Binäroperationen"},
    {TextId::ProgrammerTipWidth8, "8 Bit .. Sets the Base for Binary Operations",
     "8 Bit .. Basis für alle Binäroperationen"},
    {TextId::ProgrammerTipWidth16, "16 Bit .. Sets the Base for Binary Operations",
     "16 Bit .. Basis für alle Binäroperationen"},
    {TextId::ProgrammerTipWidth32, "32 Bit .. Sets the Base for Binary Operations",
     "32 Bit .. Basis für alle Binäroperationen"},
    {TextId::ProgrammerTipAnd, "The bitwise AND operator perform bitwise-AND (&)",
     "Bitweise AND Operator (&)"},
    {TextId::ProgrammerTipOr, "The bitwise OR operator perform bitwise-OR (|)",
     "Bitweise OR  Operator (|)"},
    {TextId::ProgrammerTipXor, "The bitwise XOR operator perform bitwise-XOR (^)",
     "Bitweise XOR Operator (^)"},
    {TextId::ProgrammerTipNot, "The bitwise NOT operator perform bitwise-Not ",
     "Bitweise NOT Operator (not()"},
    {TextId::ProgrammerTipGetBit, "GetBits: Tells you how many binary bits you need",
     "GetBits: Errechnet die Bits zur Darstellung des Ergebnisses"},
    {TextId::ProgrammerTipDec,
     "Dec(), the Base is Decimal, for example : dec(100)^bin(111111) = 91",
     "Dec(), die Zahlenbasis ist Dezimal, Beispiel: dec(100)^bin(111111) = 91"},
    {TextId::ProgrammerTipBin, "Bin(), the Base is Binary, for example: bin(10101)|hex(1D) = 17d",
     "Bin(), die Zahlenbasis ist Binär, Beispiel: bin(10101)|hex(1D) = 17d"},
    {TextId::ProgrammerTipHex, "Hex(), the Base is Hexadecimal, for example : hex(FFD8)",
     "Hex(), die Zahlenbasis ist Hex, Beispiel: hex(FFD8)"},
    {TextId::ProgrammerTipOct, "Oct(), the Base is Octal, for example : oct(456)",
     "Oct(), die Zahlenbasis ist Octal, Beispiel: oct(456)"},
    {TextId::ProgrammerTipNand, "NAND, Not AND ", "NAND, Nicht Und "},
    {TextId::ProgrammerTipNor, "NOR, Not OR ", "NOR, Nicht Oder "},
    {TextId::ProgrammerTipMod, "Mod, Modulo Operator % gives you the remainder, example 6%4 = 2",
     "Mod, Modulo Operator % errechnet den Rest, Beispiel 6%4 = 2"},
    {TextId::ProgrammerTipSign, "Sign, the result is Positive or Negative (MSB 1 or 0)",
     "Vorzeichen, das Ergebnis ist Positv oder Negativ (MSB 1 oder 0)"},
    {TextId::ProgrammerTipParity, "Parity: Is this Value ODD or EVEN",
     "Parity: Ist das Ergebnis nun Gerade oder Ungerade"},
    {TextId::ProgrammerTipShiftLeft, "Shift one bit to the left", "Ein Bit nach links schieben"},
    {TextId::ProgrammerTipShiftRight, "Shift one bit to the right", "Ein Bit nach rechts schieben"},
    {TextId::ProgrammerTipRotateRight, "Rotate one bit to the right", "Ein Bit nach rechts rollen"},
    {TextId::ProgrammerTipRotateLeft, "Rotate one bit to the left", "Ein Bit nach links rollen"},
    {TextId::ProgrammerTipInvert, "Alle Bits invertieren", "Alle Bits invertieren"},
    {TextId::ProgrammerNameShiftLeft, "Shift left", "Nach links schieben"},
    {TextId::ProgrammerNameShiftRight, "Shift right", "Nach rechts schieben"},
    {TextId::ProgrammerNameRotateRight, "Rotate right", "Nach rechts rollen"},
    {TextId::ProgrammerNameRotateLeft, "Rotate left", "Nach links rollen"},
    Same(TextId::ProgrammerAsciiTooLong, "ASCII allows max. 6 Characters"),
    {TextId::LogicInput, "Input", "Eingabe"},
    {TextId::LogicOutput, "Output ", "Ergebnis"},
    {TextId::TabConverter, "Umrechnung", "Umrechnung"},
    {TextId::TabConstants, "Einheiten", "Einheiten"},
    {TextId::TipUnits, "Units", "Einheiten"},
    {TextId::TipConverter, "Converter", "Umrechnungen"},
    {TextId::ConverterRegion, "Region", "Einheitenbereich"},
    {TextId::ConverterAll, "All", "Alle"},
    {TextId::ConverterUnit1, "Unit 1:", "Einheit 1:"},
    {TextId::ConverterUnit2, "Unit 2:", "Einheit 2:"},
    {TextId::ConverterValue, "Value", "Wert"},
    {TextId::ConverterToExpression, "Into the expression", "In die Eingabe"},
    {TextId::ConstantsSelection, "Selection", "Auswahl"},
    {TextId::ConstantsNatureConstants, "Nature Constants", "Naturkonstanten"},
    {TextId::ConstantsUnits, "Units", "Einheiten"},
    {TextId::ConstantsResult, "Result", "Ergebnis"},
    {TextId::ConstantsUnit, "Unit", "Einheit"},
    {TextId::ConstantsValue, "Value/Constant", "Wert/Konstante"},
    {TextId::MenuImperialToMetric, "&Imperial to Metric", "&Englisch nach Metrisch"},
    {TextId::MenuMetricToImperial, "&Metric to Imperial", "&Metrisch nach Englisch"},
    Same(TextId::MenuConvert, "&Convert"),
    // Filled with blanks to 11 characters.
    Same(TextId::MenuCategoryAngle, "Angle      "),
    Same(TextId::MenuCategoryArea, "Area       "),
    Same(TextId::MenuCategoryElectricity, "Electricity"),
    Same(TextId::MenuCategoryEnergy, "Energy     "),
    Same(TextId::MenuCategoryForce, "Force      "),
    Same(TextId::MenuCategoryIlluminance, "Illuminance"),
    Same(TextId::MenuCategoryLength, "Length     "),
    Same(TextId::MenuCategoryMass, "Mass       "),
    Same(TextId::MenuCategoryPower, "Power      "),
    Same(TextId::MenuCategoryPressure, "Pressure   "),
    Same(TextId::MenuCategoryTemperature, "Temperature"),
    Same(TextId::MenuCategoryTime, "Time       "),
    Same(TextId::MenuCategoryTorque, "Torque     "),
    Same(TextId::MenuCategoryVelocity, "Velocity   "),
    Same(TextId::MenuCategoryVolume, "Volume     "),
    {TextId::NameConverterValue1, "Value in unit 1", "Wert in Einheit 1"},
    {TextId::NameConverterValue2, "Value in unit 2", "Wert in Einheit 2"},
    {TextId::NameConverterLabel1, "Unit 1 symbol", "Zeichen der Einheit 1"},
    {TextId::NameConverterLabel2, "Unit 2 symbol", "Zeichen der Einheit 2"},
    {TextId::NameResult, "Result", "Ergebnis"},
    {TextId::NameExpression, "Expression", "Term"},
    {TextId::NamePages, "Pages", "Seiten"},
    {TextId::NameExpressionTape, "Expression tape", "Kontrollstreifen der Terme"},
    {TextId::NameResultTape, "Result tape", "Kontrollstreifen der Ergebnisse"},
    {TextId::NameXField, "X field", "Feld X"},
    {TextId::NameYField, "Y field", "Feld Y"},
    {TextId::NameDecimals, "Decimals", "Nachkommastellen"},
    {TextId::NameDisplayStyle, "Display style", "Darstellung"},
    {TextId::NameThousandsStyle, "Thousands style", "Tausendertrennung"},
    {TextId::NameLogicA, "A", "A"},
    {TextId::NameLogicB, "B", "B"},
    {TextId::NameLogicOutput, "Output", "Ergebnis"},
    {TextId::NameLogicABase, "A base", "Basis von A"},
    {TextId::NameLogicBBase, "B base", "Basis von B"},
    {TextId::NameLogicOutputBase, "Output base", "Basis des Ergebnisses"},
    {TextId::NameProgramIcon, "Program icon", "Programmsymbol"},
    {TextId::NameVersion, "Version", "Version"},
    {TextId::NameWebAddress, "Web address", "Webadresse"},
    {TextId::FileNotWritable, "the file cannot be written",
     "die Datei kann nicht geschrieben werden"},
    {TextId::SaveFailedCaption, "Quillex", "Quillex"},
    {TextId::SaveFailed, "These files could not be saved; they keep their earlier content:",
     "Diese Dateien konnten nicht gespeichert werden; sie behalten ihren früheren Inhalt:"},
    {TextId::TapeHeldElsewhere,
     "another Quillex window keeps its tape in this file; the tape of this window is not saved",
     "ein anderes Quillex-Fenster speichert seinen Kontrollstreifen in dieser Datei; der "
     "Kontrollstreifen dieses Fensters wird nicht gespeichert"},
    {TextId::ReasonNoSpace, "No space left on device", "Kein freier Speicherplatz auf dem Gerät"},
    {TextId::ReasonReadOnly, "Read-only file system", "Das Dateisystem ist schreibgeschützt"},
    {TextId::ReasonNoPermission, "Permission denied", "Zugriff verweigert"},
    {TextId::ReasonQuota, "Disk quota exceeded", "Speicherkontingent überschritten"},
    {TextId::ReasonInputOutput, "Input/output error", "Ein- oder Ausgabefehler"},
    {TextId::ReasonNotFound, "No such file or folder", "Datei oder Ordner nicht gefunden"},
    {TextId::ReasonIsFolder, "Is a folder", "Ist ein Ordner"},
    {TextId::NoDisplay,
     "quillex: no display to show the window on.\n"
     "Use  quillex --eval EXPR  to evaluate without a window (quillex --help tells more).\n",
     "quillex: kein Bildschirm für das Fenster vorhanden.\n"
     "Mit  quillex --eval TERM  wird ohne Fenster gerechnet (quillex --help sagt mehr).\n"},
    {TextId::NoWindow,
     "quillex: this build has no window.\n"
     "Use  quillex --eval EXPR  or  quillex --interactive  to calculate (quillex --help tells "
     "more).\n",
     "quillex: diese Fassung hat kein Fenster.\n"
     "Mit  quillex --eval TERM  oder  quillex --interactive  wird gerechnet (quillex --help sagt "
     "mehr).\n"},
    Same(TextId::UsageText,
         "Usage: quillex [options]\n"
         "       quillex [options] --eval EXPR   print the result of EXPR\n"
         "       quillex [options] --eval -      evaluate one input per line of stdin\n"
         "       quillex [options] --interactive  read expressions and print results\n"
         "       quillex [options] --convert VALUE FROM TO  convert VALUE from the unit\n"
         "                         labelled FROM to the unit TO of the same region\n"
         "       quillex [options] --euro VALUE FROM TO  convert between the Euro (EUR) and\n"
         "                         ATS, BEF, DEM, ESP, FIM, FRF, IEP, ITL, LUF, NLG or PTE\n"
         "       quillex --units [REGION]  list the converter's regions, or the units of\n"
         "                         REGION: label and name\n"
         "\n"
         "Without these, quillex opens the calculator window.\n"
         "\n"
         "Options (each also as --name=VALUE):\n"
         "  --x TEXT, --y TEXT     texts of the X and Y variables\n"
         "  --width 4|8|16|32      word width for not, # and ? and for --bases (default 32)\n"
         "  --bases                after each result, the programmer page's fields: Bin, Oct,\n"
         "                         Dec, Hex, AscII, 2's and Roman, one per line\n"
         "  --style standard|fixed|engineering|scientific\n"
         "  --digits N             decimals for fixed and engineering, 0 to 15\n"
         "  --thousands 0|1|2      none, 1.234,5 or 1,234.5\n"
         "  --decimal-comma        show a decimal comma (without thousands separators)\n"
         "  --lang de|en           language of the window and the messages (default de)\n"
         "  --toggle               hide the running window when it is in front, otherwise\n"
         "                         show it (for a keyboard shortcut); starts it if none runs\n"
         "  --help, --version\n"
         "\n"
         "All options but --bases apply to --convert and --euro too.\n"
         "\n"
         "Exit status: 0 when every input gave a number, 1 when one gave a message or a\n"
         "region file is missing, 2 for bad usage, a closed standard input, or an unknown\n"
         "unit, region or currency code or a VALUE that is no number, 3 when the output\n"
         "could not be written.\n"),
    Same(TextId::UsageNeedsValue, "%1 needs a value"),
    Same(TextId::UsageNoValue, "%1 takes no value"),
    Same(TextId::UsageWidth, "--width takes 4, 8, 16 or 32"),
    Same(TextId::UsageStyle, "--style takes standard, fixed, engineering or scientific"),
    Same(TextId::UsageDigits, "--digits takes a number from 0 to 15"),
    Same(TextId::UsageThousands, "--thousands takes 0, 1 or 2"),
    Same(TextId::UsageDecimalComma, "--decimal-comma takes no value, or 0 or 1"),
    Same(TextId::UsageLang, "--lang takes de or en"),
    Same(TextId::UsageUnknown, "unknown argument: %1"),
    Same(TextId::UsageToggleAlone, "--toggle goes without --eval and --interactive"),
    Same(TextId::UsageBasesAlone, "--bases goes with --eval or --interactive"),
    Same(TextId::UsageNeedsOperands, "%1 needs %2"),
    Same(TextId::UsageUnitsAlone,
         "--convert, --euro and --units go one at a time, without --eval, --interactive, "
         "--bases and --toggle"),
    {TextId::OutputNotWritten, "the output could not be written",
     "die Ausgabe konnte nicht geschrieben werden"},
    Same(TextId::InteractiveHint, "type an expression; Ctrl+D ends."),
    {TextId::InputClosed, "standard input is closed", "die Standardeingabe ist geschlossen"},
    {TextId::ValueNoNumber, "%1 is no number: %2", "%1 ist keine Zahl: %2"},
    {TextId::UnitUnknown, "unknown unit: %1 (quillex --units lists them)",
     "unbekannte Einheit: %1 (quillex --units listet sie auf)"},
    {TextId::UnitsApart, "no region has both %1 and %2",
     "kein Einheitenbereich hat sowohl %1 als auch %2"},
    {TextId::RegionUnknown, "unknown region: %1 (quillex --units lists them)",
     "unbekannter Einheitenbereich: %1 (quillex --units listet sie auf)"},
    {TextId::RegionFileMissing, "region file not found: %1",
     "Datei des Einheitenbereichs nicht gefunden: %1"},
    {TextId::CurrencyUnknown, "unknown currency code: %1 (known: %2)",
     "unbekannter Währungscode: %1 (bekannt: %2)"},
    {TextId::InstanceNotPrivate, "belongs to another user or is open to others",
     "gehört einem anderen Benutzer oder ist für andere offen"},
    {TextId::InstanceAlone, "later starts open a window of their own",
     "spätere Starts öffnen ein eigenes Fenster"},
};

constexpr auto kTextCount = static_cast<std::size_t>(TextId::Count);
static_assert(std::size(kTexts) == kTextCount, "every text id needs one row");

constexpr bool RowsInIdOrder() {
    for (std::size_t i = 0; i < kTextCount; ++i) {
        if (static_cast<std::size_t>(kTexts[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(RowsInIdOrder(), "rows must follow the order of TextId");

constexpr bool IsAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}
constexpr bool FieldTextsAreAscii() {
    for (auto i = static_cast<std::size_t>(TextId::NoInput);
         i <= static_cast<std::size_t>(TextId::DigitNotAllowed); ++i) {
        if (!IsAscii(kTexts[i].english) || !IsAscii(kTexts[i].german)) {
            return false;
        }
    }
    return true;
}
static_assert(FieldTextsAreAscii(), "the fields' texts must read the same in code page 1252");

Language g_language = Language::German;

}  // namespace

void SetLanguage(Language language) {
    g_language = language;
}
Language CurrentLanguage() {
    return g_language;
}

std::string_view Text(TextId id) {
    return Text(id, g_language);
}

std::string_view Text(TextId id, Language language) {
    const TextPair& row = kTexts[static_cast<std::size_t>(id)];
    return language == Language::English ? row.english : row.german;
}

std::string TextWith(TextId id, std::initializer_list<std::string_view> values) {
    const std::string_view text = Text(id);
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n =
            i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1] - '1') : values.size();
        if (text[i] == '%' && n < values.size() && n < 9) {
            filled += values.begin()[n];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

}  // namespace quillex

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
constexpr TextPair kTexts[] = {
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
    {TextId::TipSelectCurrency, "Select your Currency", "Währung für Euroumrechnung auswählen"},
    {TextId::TipEuroToCurrency, "Convert from your Currency to Euro <F3>",
     "Von Währung nach Euro umrechnen <F3>"},
    {TextId::TipCurrencyToEuro, "Convert from Euro to the selected Currency <F2>",
     "Von Euro in die gewünschte Währung umrechnen <F2>"},
    {TextId::TipUnits, "Units", "Einheiten"},
    {TextId::TipConverter, "Converter", "Umrechnungen"},
    {TextId::TipMiniCalc, "Start small expression calculator <F6>", "Minirechner starten <F6>"},
    {TextId::TipOptions, "Program Options", "Programm Optionen"},
    {TextId::TipInfo, "About Quillex", "Über Quillex"},
    {TextId::TipHide, "Hide Programm", "Programm verstecken"},
    {TextId::TipDeleteAll, "Delete All", "Alles Löschen"},
    {TextId::TipDelete, "Delete", "Löschen"},
    {TextId::TabKeypad, "Rechner", "Rechner"},
    {TextId::TabProgrammer, "Binär", "Binär"},
    {TextId::TabLogic, "Binär II", "Binär II"},
    {TextId::TabConverter, "Umrechnung", "Umrechnung"},
    {TextId::TabConstants, "Einheiten", "Einheiten"},
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
    {TextId::KeypadDecimalsLabel, "Comma", "Kommas"},
    {TextId::StyleStandard, "Standard", "Standard"},
    {TextId::StyleFixed, "Fixed", "Fixed"},
    {TextId::StyleEngineering, "Engineering", "Engineering"},
    {TextId::StyleScientific, "Scientific", "Scientific"},
    {TextId::ThousandsNone, "Standard, no Kommas", "Standard, no Kommas"},
    {TextId::ThousandsPoints, "thousends .", "thousends ."},
    {TextId::ThousandsCommas, "thousends ,", "thousends ,"},
    {TextId::LogicInput, "Input", "Eingabe"},
    {TextId::LogicOutput, "Output ", "Ergebnis"},
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

}  // namespace quillex

// Command numbers of the main window. Buttons, menus and pages report what the user chose by
// number; the main window's HandleCommand runs it.
#pragma once

namespace quillex {

enum CommandId : int {
    kCmdOk = 1,      // the default command: file the expression on the tape
    kCmdCancel = 2,  // the cancel command: hide the window
    kCmdOpen = 100,
    kCmdOptions,
    kCmdInfo,
    kCmdQuit,
    kCmdHelp,
    kCmdHide,
    kCmdDeleteStack,
    kCmdDeleteAll,
    kCmdDelete,
    kCmdUnitsMenu,
    kCmdConverterMenu,
    // The Euro conversions and the mini calculator.
    kCmdSelectCurrency = 120,
    kCmdEuroToCurrency,
    kCmdCurrencyToEuro,
    kCmdMiniCalc,
    // One command per entry of the currency menu: kCmdCurrencyFirst + the currency's index.
    kCmdCurrencyFirst = 200,
    kCmdCurrencyLast = 210,
    // One command per key of the keypad page, in the order of the key table.
    kCmdKeypadFirst = 1000,
    // One command per button of the programmer page, in the order of its key table.
    kCmdProgrammerFirst = 1100,
    kCmdProgrammerLast = 1199,
    // The logic page's operation buttons: and, or, xor, mod.
    kCmdLogicFirst = 1200,
    // The Units menu's entries: kCmdCatalogFirst + the catalogue entry's id.
    kCmdCatalogFirst = 1300,
    // The Converter menu's fixed entries: kCmdFixedConversionFirst + the entry's index; its
    // records of the conversion table: kCmdConversionRecordFirst + the record's index.
    kCmdFixedConversionFirst = 1500,
    kCmdConversionRecordFirst = 1600,
};

}  // namespace quillex

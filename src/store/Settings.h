// The user's settings as the calculation and the windows use them, and the table that stores
// each of them as a text value under its name in the settings file.
#pragma once

#include <QString>

#include <optional>
#include <span>

#include "engine/ResultFormat.h"
#include "store/IniText.h"

namespace quillex {

// "Mode": whether results reach the programmer page. Nothing but the file sets it.
enum class ResultHandOver : int {
    ToProgrammerPage = 0,
    Off = 2,  // any other value hands the results over
};

// "Options_OutPutWindow": what the main window does once the options dialog has closed.
enum class AfterOptions : int {
    Hide = 1,
    Show = 2,  // any other value shows the window too
};

// Every member holds its default: what a missing value loads as. Enumerations keep whatever
// integer was stored, so a value outside their names is saved back as it was read.
struct Settings {
    int decimals = 0;
    DisplayStyle displayStyle = kStyleStandard;
    int euro = 0;  // the currency index; one outside the table counts as the first currency
    ResultHandOver mode = ResultHandOver::ToProgrammerPage;
    bool stackExpression = true;  // which tape list was last chosen; start-up clears it
    int widthIndex = 3;           // kept as stored: an index outside 0..3 means 32 bits
    QString xText;                // texts of the X and Y fields
    QString yText;
    bool storeStack = true;
    bool alwaysOnTop = true;
    AfterOptions outPutWindow = AfterOptions::Show;
    bool toolTips = true;
    int resultStyle = 0;
    bool showSplash = true;
    ThousandsStyle thousands = kThousandsNone;
    bool converterShowAll = true;
    bool decimalComma = false;
    bool copyAlways = false;
    int moveWith = 1;
    bool moveOnTop = true;
    // Where the main window stood when it was saved: its frame's corner and its placement
    // string. The placement is also what start-up restores.
    int frameTop = 0;
    int frameLeft = 0;
    QString windowPosition;
    QString windowPositionMini;  // the mini calculator's placement string, kept verbatim
    // Loading found no placement: the window is placed as on a first run. Not stored itself.
    bool firstRun = true;
    // Where the tip of the day goes on in each tip file, and the file's time stamp then;
    // nothing until a tip file has been read.
    std::optional<int> tipFilePos;
    std::optional<QString> tipTimeStamp;
    std::optional<int> englishTipFilePos;
    std::optional<QString> englishTipTimeStamp;

    bool operator==(const Settings&) const = default;
};

// One stored value: its name, how loading reads its text into the settings (nothing: never
// read) and what saving writes (nothing: not written).
struct SettingField {
    const char* name;
    void (*read)(Settings& settings, const QString& text);
    std::optional<QString> (*write)(const Settings& settings);
};

// Every stored value in the order of saving.
std::span<const SettingField> SettingFields();

// Reads every value that is read; missing values keep what the settings hold.
void LoadSettings(const IniValues& stored, Settings& settings);
// Writes every value that is written; other values stay.
void SaveSettings(IniValues& stored, const Settings& settings);

}  // namespace quillex

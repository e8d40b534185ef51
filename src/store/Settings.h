// The user's settings: the values the main window keeps as members, stored as text values
// under one settings key and read once at start-up.
#pragma once

#include <QString>

#include <optional>
#include <span>

namespace quillex {

class CSettingsKey;

// The values are named as the calculation and the windows use them; the names they are stored
// under are those of the table SettingFields().
struct Settings {
    // Every value at its default from the table.
    Settings();

    int decimals{};
    int displayStyle{};
    int euro{};
    int mode{};
    int stackExpression{};
    int widthIndex{};  // kept as stored: an index outside 0..3 means 32 bits
    QString xText;     // texts of the X and Y fields
    QString yText;
    int storeStack{};
    int alwaysOnTop{};
    int outPutWindow{};
    int toolTips{};
    int resultStyle{};
    int showSplash{};
    int thousands{};
    int converterShowAll{};
    int decimalComma{};
    int copyAlways{};
    int moveWith{};
    int moveOnTop{};
    QString fontName;
    int fontSize{};
    QString windowPositionMini;  // the mini calculator's placement string, kept verbatim
};

// What a stored value is to loading and saving.
enum class SettingRole {
    Stored,       // read at start-up (the default when it is missing) and written at saving
    WrittenOnly,  // written from its member, never read: loading sets the member to the default
    Constant,     // no member: always written as the default, never read
    FrameTop,     // the window's frame position at saving, never read
    FrameLeft,
    Placement,     // the window's placement string; loading hands it over to be restored
    FirstRunMark,  // the same placement string again; loading only asks whether it is there
};

// One stored value. A value has either an integer member or a text member, or (for the roles
// other than Stored and WrittenOnly) none.
struct SettingField {
    const char* name;  // the name it is stored under
    SettingRole role;
    int Settings::*number;    // the integer member, or nullptr
    QString Settings::*text;  // the text member, or nullptr
    int defaultNumber;
    const char* defaultText;  // UTF-8
};

// Every stored value in the order of saving.
std::span<const SettingField> SettingFields();

// A window placement: flags, show command, minimised and maximised positions and the normal
// rectangle, written as ten comma-separated integers.
struct Placement {
    unsigned flags = 0;
    unsigned showCommand = 1;
    int minX = -1;
    int minY = -1;
    int maxX = -1;
    int maxY = -1;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

QString FormatPlacement(const Placement& placement);
// The placement when the text holds all ten fields, otherwise nothing.
std::optional<Placement> ParsePlacement(const QString& text);
// A stored placement is applied only while the window has the size it had when it was saved.
bool PlacementFits(const Placement& stored, const Placement& current);

// Where the first run puts a window of size w x h on a screen of size W x H.
struct Point {
    int x;
    int y;
};
Point FirstRunPosition(int w, int h, int screenWidth, int screenHeight);

// What LoadSettings found besides the settings themselves.
struct LoadedPlacement {
    QString windowPosition11;  // "WindowPosition1.1", empty when missing
    bool firstRun = true;      // "WindowPosition" missing or empty: centre the window
};

// Reads every value that is read; missing values take their defaults.
LoadedPlacement LoadSettings(CSettingsKey& key, Settings& settings);

// What SaveSettings writes besides the settings: the window's frame position and placement.
struct SavedPlacement {
    int top = 0;
    int left = 0;
    Placement placement;
};

// Writes every value of the table in its order.
void SaveSettings(CSettingsKey& key, const Settings& settings, const SavedPlacement& window);

}  // namespace quillex

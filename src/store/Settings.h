// The user's settings: the values the main window keeps as members, stored as text values
// under one settings key and read once at start-up.
#pragma once

#include <QString>

#include <array>
#include <optional>

namespace quillex {

class CSettingsKey;

struct Settings {
    int digits = 0;
    int showAs = 0;
    int euro = 0;
    int mode = 0;
    int stackExpression = 1;
    int binBase = 3;
    QString xVal;
    QString yVal;
    int storeStack = 1;
    int alwaysOnTop = 1;
    int outPutWindow = 2;
    int toolTips = 1;
    int resultStyle = 0;
    int showSplash = 1;
    int kommaStyle = 0;
    int converterShowAll = 1;
    int useKomma = 0;
    int copyAlways = 0;
    int moveWith = 1;
    int moveOnTop = 1;
    QString fontName = QStringLiteral("Microsoft Sans Serif");
    int fontSize = 8;
    QString windowPositionMini;  // the mini calculator's placement string, kept verbatim
};

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

// Reads every value in the stored order; missing values take their defaults.
LoadedPlacement LoadSettings(CSettingsKey& key, Settings& settings);

// What SaveSettings writes besides the settings: the window's frame position and placement.
struct SavedPlacement {
    int top = 0;
    int left = 0;
    Placement placement;
};

// Writes all 28 values in their order.
void SaveSettings(CSettingsKey& key, const Settings& settings, const SavedPlacement& window);

}  // namespace quillex

// One open settings key: the named text values of an INI file. Opening reads the file once;
// the values are then read and written in memory, and saving writes the file only when its
// values have changed, in one write that replaces it whole.
#pragma once

#include <QString>

#include "store/IniText.h"

namespace quillex {

// The user's settings file: $XDG_CONFIG_HOME/Vondrel/Quillex.conf on Linux. It lies in the
// user's own configuration folder so that it stays writable for a normal user; tests redirect
// the folder through XDG_CONFIG_HOME.
QString SettingsFilePath();

class CSettingsKey {
public:
    CSettingsKey() = default;
    // Saves what is still unsaved.
    ~CSettingsKey();
    CSettingsKey(const CSettingsKey&) = delete;
    CSettingsKey& operator=(const CSettingsKey&) = delete;

    // Opens the user's settings file.
    bool Open();
    // Opens the given INI file instead. A missing file, or anything there that is no regular
    // file, opens as an empty key. False only for an empty path.
    bool Open(const QString& filePath);
    bool WriteString(const QString& text, const QString& name);
    // Empties `text`; false (text left empty) when the value does not exist.
    bool ReadString(QString& text, const QString& name) const;
    // Writes the values to the file unless it already holds them. Empty when it holds them
    // now; otherwise why they could not be written (the file is then as it was).
    QString Save();
    // Saves and closes; closing twice is harmless. False when the values could not be written.
    bool Close();

    // Every value by name, to read and to change; a name with a '/' is a value of the
    // section before it.
    const IniValues& Values() const { return values_; }
    IniValues& Values() { return values_; }

private:
    bool open_ = false;
    QString path_;
    IniValues values_;
    IniValues inFile_;  // what the file holds, as read or last written
};

}  // namespace quillex

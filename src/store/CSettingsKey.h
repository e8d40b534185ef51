// One open settings key: a set of named text values in an INI file. The key is opened for one
// load or one save and closed again; failures are never reported to the user.
#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace quillex {

// The user's settings file: $XDG_CONFIG_HOME/Vondrel/Quillex.conf on Linux. It lies in the
// user's own configuration folder so that it stays writable for a normal user; tests redirect
// the folder through XDG_CONFIG_HOME.
QString SettingsFilePath();

class CSettingsKey {
public:
    CSettingsKey();
    ~CSettingsKey();
    CSettingsKey(const CSettingsKey&) = delete;
    CSettingsKey& operator=(const CSettingsKey&) = delete;

    // Opens the user's settings file, creating it when needed.
    bool Open();
    // Opens the given INI file instead.
    bool Open(const QString& filePath);
    bool WriteString(const QString& text, const QString& name);
    // Empties `text`; false (text left empty) when the value does not exist.
    bool ReadString(QString& text, const QString& name);
    // Writes the values out and closes; closing twice is harmless. False when the values
    // could not be written to the file.
    bool Close();

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace quillex

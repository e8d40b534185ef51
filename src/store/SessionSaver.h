// Keeps the calculator's state on disk: loads the settings and the tape at start-up and, from
// then on, follows the state's change signal so that no way of ending the program loses what
// the user did. The tape is written as soon as an entry reaches it or leaves it (while it is
// kept across starts), the settings a moment after a burst of changes, and both at the end;
// a file is written only when what it would hold differs from what it holds.
//
// A file that could not be written is remembered with the reason until a later save of it
// succeeds, and announced once when it first fails.
//
// Only one window at a time keeps its tape in a folder's tape file: the first to read or write
// it holds a lock beside it until it ends. Another window started in that folder still reads
// the tape, but keeps its own in memory only, says so once, and never writes the file.
#pragma once

#include <QLockFile>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>
#include <vector>

#include "store/CSettingsKey.h"
#include "store/TapeFile.h"

namespace quillex {

class CalculatorState;

class SessionSaver : public QObject {
    Q_OBJECT
public:
    explicit SessionSaver(CalculatorState& state, QObject* parent = nullptr);

    // Reads the settings file into the state.
    void LoadSettings();
    // Reads the tape file into the state, when the tape is kept.
    void LoadTape();
    // Takes the folder's tape file for this window, when the tape is kept; when another window
    // holds it, that is reported (saveFailed) and this window's tape is never written. A save
    // takes it as well, so the start may leave this until the window is on the screen: taking
    // it creates a lock file and syncs it to the disk.
    void ClaimTape();
    // From now on every change of the state reaches the disk.
    void Follow();
    // Writes whatever differs from the files now.
    void SaveAll();

    // The files that could not be written, as lines "FILE: REASON", each also printed on
    // stderr; empty when all are saved.
    QString ReportFailures() const;
    // Whether everything is on disk: no file failed, and the tape was not refused.
    bool AllSaved() const;

signals:
    // The settings are about to be written: what is known only at that moment (where the
    // window stands) goes into the state now.
    void savingSettings();
    // A file could not be written, for the first time since it was last written: the report
    // as ReportFailures gives it.
    void saveFailed(const QString& report);

private:
    void OnChanged();
    void SaveSettingsNow();
    void SaveTapeNow();
    void Note(const QString& path, const QString& error);
    bool MayWriteTape();

    CalculatorState& state_;
    CSettingsKey settings_;                             // the settings file, with what it holds
    std::optional<std::vector<TapeEntry>> tapeInFile_;  // nothing: not known
    QTimer settingsTimer_;
    QMap<QString, QString> failures_;
    enum class TapeAccess { NotAsked, Held, Refused, Unlocked };
    TapeAccess tapeAccess_ = TapeAccess::NotAsked;
    std::unique_ptr<QLockFile> tapeLock_;
};

}  // namespace quillex

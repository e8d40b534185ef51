// Keeps the session on disk as it changes, so that no way of ending the program loses what the
// user filed: the tape is written each time an entry reaches it or leaves it (while the tape is
// kept across starts), the settings shortly after they change, and both at the end. A file that
// could not be written is remembered with the reason until a later save of it succeeds.
#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

#include "store/Settings.h"

namespace quillex {

class Tape;

class SessionSaver : public QObject {
    Q_OBJECT
public:
    // The placement function gives the window's placement at the moment of saving.
    SessionSaver(const Settings& settings, const Tape& tape,
                 std::function<SavedPlacement()> placement, QObject* parent = nullptr);

    // Writes the settings a moment later, once a burst of changes is over.
    void SettingsChanged();
    // Writes the tape at once when it is kept across starts.
    void TapeChanged();
    // Writes both now.
    void SaveAll();

    // The files that could not be written, as lines "FILE: REASON", each also printed on
    // stderr; empty when all are saved.
    QString ReportFailures() const;

private:
    void SaveSettingsNow();
    void SaveTapeNow();
    void Note(const QString& path, const QString& error);

    const Settings& settings_;
    const Tape& tape_;
    std::function<SavedPlacement()> placement_;
    QTimer settingsTimer_;
    QMap<QString, QString> failures_;
};

}  // namespace quillex

// The tip of the day without its window. Every start reads the next tip from where the last
// start stopped, whether the tip is shown or not, so that each start brings a new one; the
// position is kept in the "Tip" section of the settings file ("Tip.en" for the English tips).
#pragma once

#include <QString>

#include "store/CSettingsKey.h"
#include "store/TipFile.h"

namespace quillex {

// The tip file of the interface language: Tips.en.gr for English where there is one, otherwise
// Tips.gr, found as the other data files are.
QString TipFilePath();

class TipOfTheDay {
public:
    // Opens the tip file at the stored position and reads its next tip.
    explicit TipOfTheDay(const QString& tipPath = TipFilePath(),
                         const QString& settingsPath = SettingsFilePath());
    // Stores the position reached, when the file could be opened.
    ~TipOfTheDay();
    TipOfTheDay(const TipOfTheDay&) = delete;
    TipOfTheDay& operator=(const TipOfTheDay&) = delete;

    bool HasFile() const { return file_.IsOpen(); }
    // The tip read last, line end included; empty when there is none.
    const QString& Tip() const { return tip_; }
    // Whether opening could not go to the stored position; the tip is then empty.
    bool OpenSeekFailed() const { return openSeekFailed_; }
    // Reads the following tip, after the last one the first again. False when the file could
    // not go back to its start.
    bool Next();

private:
    QString settingsPath_;
    QString filePosName_;  // the names the position is kept under
    QString timeStampName_;
    TipFile file_;
    TipPosition position_;
    QString tip_;
    bool openSeekFailed_ = false;
};

}  // namespace quillex

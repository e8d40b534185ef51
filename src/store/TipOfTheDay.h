// The tip of the day without its window. Every start reads the next tip from where the last
// start stopped, whether the tip is shown or not, so that each start brings a new one; the
// place is kept with the settings, one for each tip file.
#pragma once

#include <QString>

#include <optional>

#include "store/TipFile.h"

namespace quillex {

class CalculatorState;
struct Settings;

// The tip file of the interface language: Tips.en.gr for English where there is one, otherwise
// Tips.gr, found as the other data files are.
QString TipFilePath();

class TipOfTheDay {
public:
    // Opens the tip file at the stored place and reads its next tip.
    TipOfTheDay(const QString& tipPath, TipPosition stored);
    TipOfTheDay(const TipOfTheDay&) = delete;
    TipOfTheDay& operator=(const TipOfTheDay&) = delete;

    bool HasFile() const { return file_.IsOpen(); }
    // The tip read last, line end included; empty when there is none.
    const QString& Tip() const { return tip_; }
    // Whether opening could not go to the stored place; the tip is then empty.
    bool OpenSeekFailed() const { return openSeekFailed_; }
    // Reads the following tip, after the last one the first again. False when the file could
    // not go back to its start.
    bool Next();
    // Where the next start goes on; nothing when the file could not be opened.
    std::optional<TipPosition> Reached() const;

private:
    TipFile file_;
    TipPosition position_;
    QString tip_;
    bool openSeekFailed_ = false;
};

// The place kept for a tip file, and keeping a new one. Each file keeps its own: a place in
// one file is no place in the other, and both may carry the same time stamp.
TipPosition StoredTipPosition(const Settings& settings, const QString& tipPath);
void KeepTipPosition(CalculatorState& state, const QString& tipPath, const TipPosition& reached);

}  // namespace quillex

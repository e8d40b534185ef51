// Stepping through the tape's expressions from the expression field, as a shell steps through
// its history: from the newest entry to older ones, and back down to what was being typed.
#pragma once

#include <QString>

#include <optional>

namespace quillex {

class Tape;

class InputHistory {
public:
    // The expression one entry older than the one shown, or nothing at the oldest entry.
    // `typed` is the field's text; the first step away from it keeps it for the way back.
    std::optional<QString> Older(const Tape& tape, const QString& typed);
    // The expression one entry newer, or what was typed after the newest; nothing when no
    // step was taken.
    std::optional<QString> Newer(const Tape& tape);
    // An edit or a filing ends the stepping: the next step starts from the newest entry.
    void Leave() { shown_ = kTyped; }

private:
    static constexpr int kTyped = -1;
    int shown_ = kTyped;  // the tape index shown, or kTyped
    QString typed_;
};

}  // namespace quillex

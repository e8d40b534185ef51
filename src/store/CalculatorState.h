// The calculator's state below its windows: the settings, the tape, the expression engine and
// the last calculation. Windows read it and change it through it; every change of what is
// stored (a setting, the window's place, an entry reaching or leaving the tape) is announced
// by the one signal `changed`, which is what saving follows.
#pragma once

#include <QObject>
#include <QString>

#include <vector>

#include "engine/Calculation.h"
#include "engine/ExprEngine.h"
#include "store/Placement.h"
#include "store/Settings.h"
#include "store/Tape.h"

namespace quillex {

// How the tape changed, for the lists that show it.
struct TapeChange {
    enum class Kind {
        Filed,    // a new entry at row 0; the oldest one fell off when the tape was full
        Removed,  // the entry of `row` left the tape
        Replaced  // the whole tape is new
    };
    Kind kind;
    int row = 0;
};

// What the Euro conversions convert: the value of the last successful evaluation, and whether
// the last evaluation that ran succeeded.
struct LastEvaluation {
    double value = 0;
    bool succeeded = true;
};

class CalculatorState : public QObject {
    Q_OBJECT
public:
    explicit CalculatorState(QObject* parent = nullptr);

    const Settings& Values() const { return settings_; }
    // Changes one setting; announced only when the value is new.
    template <typename T>
    void Set(T Settings::*member, const T& value) {
        if (settings_.*member == value) {
            return;
        }
        settings_.*member = value;
        emit changed();
    }
    // The settings as loaded: nothing has changed.
    void Load(const Settings& settings) { settings_ = settings; }
    // The window's place as it would be saved now.
    void SetWindowPlace(const WindowPlace& place);

    const Tape& TapeEntries() const { return tape_; }
    // Files an entry at the top; beyond the capacity the oldest entry falls off.
    void File(const TapeEntry& entry);
    void Remove(int row);
    void ClearTape();
    // The tape as loaded at start-up: nothing has changed.
    void LoadTape(std::vector<TapeEntry> entries);

    // Evaluates an input with the settings and the engine of the window. An input longer than
    // an expression may be is evaluated cut, and the result says so.
    Calculation Evaluate(const QString& input);
    // The outcome of the last evaluation, and what the Euro conversions take from it.
    const Calculation& LastCalculation() const { return calculation_; }
    LastEvaluation Last() const { return last_; }

signals:
    void changed();
    void tapeChanged(const TapeChange& change);

private:
    Settings settings_;
    Tape tape_;
    ExprEngine engine_;
    Calculation calculation_;
    LastEvaluation last_;
};

// The first characters of a text that an input cut to its length keeps; a surrogate pair
// counts as one character, as it does in the code page.
QString KeptInput(const QString& input);

// What a paste or a drop brings into the expression field: its text as the engine reads it
// (PastedTextToCp1252), every character one of the code page, and no more of it than can
// count. One character beyond the input limit still brings the too-long message and the same
// cut, and the field never has to lay out a huge text first.
QString PastedInput(const QString& pasted);

}  // namespace quillex

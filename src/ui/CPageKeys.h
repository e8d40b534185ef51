// The buttons of the keypad and programmer pages as edits of the calculation. Each button
// reports its command number; a key inserts its text into the expression field (and may ask
// for an evaluation), a width button sets the word width, and sign, GetBit and parity replace
// the result of a fresh evaluation by what they tell about it.
#pragma once

#include <QObject>

namespace quillex {

class CExpressionField;
class CProgrammerPage;
class CResultField;
struct BitWidth;
struct ProgrammerKey;
struct Settings;

class CPageKeys : public QObject {
    Q_OBJECT
public:
    // Reads and writes the width index of the settings.
    CPageKeys(CExpressionField* expression, CResultField* result, CProgrammerPage* programmer,
              Settings& settings, QObject* parent);

    // Runs the command of a page key; false when the number is no page key's.
    bool Run(int commandId);
    // Stores the width index as the calculation takes it, gives the width to the programmer
    // page and asks for an evaluation.
    void ApplyWidth(int index);

signals:
    // Answered at once: the keys read the result of the evaluation right after asking.
    void evaluateRequested();

private:
    void RunProgrammerKey(const ProgrammerKey& key);
    BitWidth CurrentWidth() const;

    CExpressionField* expression_;
    CResultField* result_;
    CProgrammerPage* programmer_;
    Settings& settings_;
};

}  // namespace quillex

// The logic page ("Binär II"): operands A and B, each in a base chosen beside it, combined by
// and, or, xor or mod on 32-bit integers, and the result in a third base. LogicOperations holds
// every rule; the page shows its texts and bases and passes it the user's edits, choices and
// button presses. The page works on its own: it takes nothing from the calculator.
//
// Like the programmer page, its widgets are built the first time it is shown, so that they do
// not hold up the window's first paint.
#pragma once

#include <array>

#include "bases/LogicOperations.h"
#include "ui/CTabPage.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace quillex {

class TypingLimit;

class CLogicPage : public CTabPage {
    Q_OBJECT
public:
    explicit CLogicPage(QWidget* parent = nullptr);
    ~CLogicPage() override;

protected:
    // The four operation buttons.
    void OnCommand(int commandId) override;

private:
    static std::size_t Index(LogicField field) { return static_cast<std::size_t>(field); }
    void Build() override;
    // Shows the texts, bases and limits of the logic and colours the operation buttons; the
    // field being edited keeps what the user typed.
    void ShowAll(const QLineEdit* edited = nullptr);

    LogicOperations operations_;
    std::array<QLineEdit*, 3> edits_{};
    std::array<QComboBox*, 3> lists_{};
    std::array<TypingLimit*, 3> limits_{};
    std::array<QPushButton*, 4> buttons_{};
};

}  // namespace quillex

// The programmer page ("Binär"): one value at once in binary, octal, decimal, hexadecimal,
// packed characters, two's complement and Roman numerals within the word width, with the
// buttons that shift, rotate and invert it and those that belong to the main window's input.
// ProgrammerFields holds every rule; the page shows its texts and passes it the user's edits.
//
// The page object, with its fields' logic, lives from start-up, so that the main window can
// hand every result over; its widgets are built the first time the page is shown and then
// show what the logic holds by then. Building them at start-up would make the window's first
// paint wait for controls that stay hidden behind the first tab.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "bases/ProgrammerFields.h"
#include "ui/CTabPage.h"

class QLineEdit;
class QPushButton;

namespace quillex {

class TypingLimit;

class CProgrammerPage : public CTabPage {
    Q_OBJECT
public:
    explicit CProgrammerPage(QWidget* parent = nullptr);
    ~CProgrammerPage() override;

    // The width from the main window: the typing limits, the width buttons' colours and every
    // field redrawn in the new width.
    void SetWidth(const BitWidth& width);
    // A calculator result handed over by the main window.
    void ReceiveResult(double value);

protected:
    // Inv and the shift and rotate buttons; the other buttons are the main window's.
    void OnCommand(int commandId) override;

private:
    static std::size_t Index(ProgField field) { return static_cast<std::size_t>(field); }
    void Build() override;
    void OnEdited(ProgField field);
    // Shows the logic's texts. The field being edited keeps what the user typed unless the
    // logic replaced it; then it is rewritten so that the typed text stays in its undo history.
    void ShowFields(std::optional<ProgField> edited = std::nullopt, bool rewriteEdited = false);
    void Write(ProgField field, const QString& text, bool keepUndo);
    void ApplyLimits();
    // Colours the keys' captions and arrows: the chosen width red, the other widths black, the
    // base keys blue or green, each readable on the desktop's palette.
    void ColourKeys();

    ProgrammerFields fields_;
    std::array<QLineEdit*, kProgFieldCount> edits_{};
    std::array<TypingLimit*, kProgFieldCount> limits_{};
    std::vector<QPushButton*> keys_;  // the buttons of ProgrammerKeys(), in its order
    bool writing_ = false;  // the page writes a field: its edit notification is not the user's
};

}  // namespace quillex

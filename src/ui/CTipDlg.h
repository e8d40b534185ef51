// The tip of the day: a small modal dialog that shows the tip read at start-up on a painted
// panel with a bulb, a "Next tip" button, and a check box that switches the dialog off for
// later starts.
#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace quillex {

class CalculatorState;
class TipOfTheDay;

class CTipDlg : public QDialog {
    Q_OBJECT
public:
    // `showAtStart` is the stored setting, which the box shows.
    CTipDlg(TipOfTheDay& tips, bool showAtStart, QWidget* parent = nullptr);

    // The setting to store: the box's state when the dialog was left with OK, otherwise the
    // value it was built with.
    bool ShowAtStart() const { return showAtStart_; }

    // OK takes the box's state; the close box and Esc leave the setting as it was.
    void accept() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void NextTip();
    void ShowTip();
    // The text the panel shows.
    QString TipText() const;

    TipOfTheDay& tips_;
    bool showAtStart_;
    QCheckBox* showBox_ = nullptr;
    QPushButton* next_ = nullptr;
    QRect panel_;     // the painted upper part
    QRect picture_;   // the bulb, top left in the panel
    QRect textArea_;  // the tip, right of the strip and below the heading
};

// Runs at start-up: reads the next tip at every start and, when the settings say so, shows it
// in a modal dialog without waiting for it. The check box's choice and the place reached in
// the tip file go into the state when the dialog closes. Returns the dialog, or nullptr.
CTipDlg* ShowTipOfTheDay(CalculatorState& state, QWidget* parent);

}  // namespace quillex

// A frame with its title set into the frame's top line, as dialogs lay out their controls:
// a control placed just below the frame's top edge then lies inside the frame, not on its line.
#pragma once

#include <QGroupBox>

namespace quillex {

class TitledFrame : public QGroupBox {
public:
    TitledFrame(const QString& title, QWidget* parent);
};

// The same frame without a title, drawn by itself: it needs no style sheet and no picture.
class UntitledFrame : public QWidget {
public:
    explicit UntitledFrame(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quillex

#include "ui/TitledFrame.h"

#include <QPainter>

namespace quillex {

TitledFrame::TitledFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
    setAccessibleName(title);
    // The line runs through the middle of the title's height; the title covers it with the
    // window's own background.
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.6em; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
        " left: 6px; padding: 0 2px; }"));
}

void UntitledFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
}

}  // namespace quillex

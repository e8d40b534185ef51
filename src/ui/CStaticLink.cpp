#include "ui/CStaticLink.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPalette>

#include "ui/Help.h"

namespace quillex {
namespace {

const QColor kUnvisitedColour(0, 0, 255);
const QColor kVisitedColour(128, 0, 128);

}  // namespace

CStaticLink::CStaticLink(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
}

bool CStaticLink::Open() {
    const QString target = target_.isEmpty() ? text() : target_;
    if (!OpenUrlOrFile(target)) {
        QApplication::beep();
        return false;
    }
    visited_ = true;
    UpdateLook();
    update();
    return true;
}

void CStaticLink::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        event->accept();
        Open();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void CStaticLink::paintEvent(QPaintEvent* event) {
    // The label's text or picture may have changed since the last paint; setText is not virtual.
    UpdateLook();
    QLabel::paintEvent(event);
}

void CStaticLink::UpdateLook() {
    Look wanted = Look::Plain;
    if (!text().isEmpty()) {
        wanted = visited_ ? Look::Visited : Look::Unvisited;
    }
    if (wanted == look_) {
        return;
    }
    look_ = wanted;
    if (wanted == Look::Plain) {
        // Empty palette and font: everything inherited from the parent again.
        setPalette(QPalette());
        setFont(QFont());
        return;
    }
    // Only the colour and the underline are set; the rest still follows the parent.
    QPalette palette;
    palette.setColor(QPalette::WindowText,
                     wanted == Look::Visited ? kVisitedColour : kUnvisitedColour);
    setPalette(palette);
    QFont underlined;
    underlined.setUnderline(true);
    setFont(underlined);
}

}  // namespace quillex

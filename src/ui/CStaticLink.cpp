#include "ui/CStaticLink.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPalette>

#include "ui/Help.h"
#include "ui/Inks.h"

namespace quillex {

CStaticLink::CStaticLink(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    // The next paint colours the link for the new palette.
    FollowDesktopColours(this, [this] {
        look_ = Look::Plain;
        setPalette(QPalette());
        update();
    });
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
    setPalette(QPalette());
    SetInk(this, QPalette::WindowText, wanted == Look::Visited ? Ink::Purple : Ink::Blue,
           QPalette::Window);
    QFont underlined;
    underlined.setUnderline(true);
    setFont(underlined);
}

}  // namespace quillex

// The menu of the main window's background: Help, Options, Info and, after a separator, Quit.
#pragma once

class QPoint;
class QWidget;

namespace quillex {

// Shows the menu at the position and returns the command of the entry chosen, or 0.
int ChooseFromBackgroundMenu(QWidget* owner, const QPoint& globalPos);

}  // namespace quillex

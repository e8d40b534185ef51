// The information dialog: the program icon and the web address as links, the version line,
// "Ok" and the help button.
#pragma once

#include <QDialog>

namespace quillex {

class CInfoDlg : public QDialog {
    Q_OBJECT
public:
    explicit CInfoDlg(QWidget* parent = nullptr);
};

}  // namespace quillex

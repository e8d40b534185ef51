// The options dialog: six settings switched by click, each change taking effect in the
// settings at once; OK, Enter, Esc and the close box all just close it.
#pragma once

#include <QDialog>

namespace quillex {

struct Settings;

class COptionsDlg : public QDialog {
    Q_OBJECT
public:
    COptionsDlg(Settings& settings, QWidget* parent = nullptr);

private:
    Settings& settings_;
};

}  // namespace quillex

// The constants page ("Einheiten"): the catalogue's constants and units in two lists, and the
// unit and value of the entry chosen last in two fields, to read or copy. Nothing on the page
// writes to the expression.
//
// Its widgets are built the first time it is shown.
#pragma once

#include "ui/CTabPage.h"

class QComboBox;
class QLineEdit;

namespace quillex {

class CConstantsPage : public CTabPage {
    Q_OBJECT
public:
    explicit CConstantsPage(QWidget* parent = nullptr);
    ~CConstantsPage() override;

private:
    void Build() override;
    // Shows the unit and value texts of a catalogue entry: constants count from 0, units
    // follow them.
    void ShowEntry(std::size_t id);

    QComboBox* constants_ = nullptr;
    QComboBox* units_ = nullptr;
    QLineEdit* unit_ = nullptr;
    QLineEdit* value_ = nullptr;
};

}  // namespace quillex

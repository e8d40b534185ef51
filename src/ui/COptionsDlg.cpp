#include "ui/COptionsDlg.h"

#include <QPushButton>
#include <QRadioButton>

#include "store/CalculatorState.h"
#include "ui/DialogUnits.h"
#include "ui/QtTexts.h"
#include "ui/TitledFrame.h"

namespace quillex {
namespace {

// Looks like a radio button but leaves its mark to the dialog: a click only reports itself.
class MarkButton : public QRadioButton {
public:
    MarkButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) {
        setAutoExclusive(false);
    }

protected:
    void nextCheckState() override {}
};

}  // namespace

COptionsDlg::COptionsDlg(CalculatorState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      state_(state) {
    const QFont dialogFont = DialogUnits::DefaultDialogFont();
    setFont(dialogFont);
    const DialogUnits units(dialogFont);
    setWindowTitle(Tr(TextId::OptionsCaption));
    setFixedSize(units.X(175), units.Y(151));

    auto group = [&](TextId id, int x, int y, int w, int h) {
        auto* box = new TitledFrame(Tr(id), this);
        units.Place(box, x, y, w, h);
    };
    // The groups only frame the buttons: the buttons are the dialog's own children, so that
    // their positions count from the dialog and they stay out of any grouping.
    group(TextId::OptionsGeneral, 5, 5, 165, 73);
    group(TextId::OptionsClipboard, 6, 84, 165, 40);

    auto option = [&](TextId id, int x, int y, int w, int h) {
        auto* button = new MarkButton(Tr(id), this);
        button->setAccessibleName(button->text());
        units.Place(button, x, y, w, h);
        return button;
    };
    const int toolTipsWidth = CurrentLanguage() == Language::German ? 73 : 154;
    storeStack_ = option(TextId::OptionsStoreStack, 10, 15, 110, 10);
    alwaysOnTop_ = option(TextId::OptionsAlwaysOnTop, 10, 30, 120, 10);
    toolTips_ = option(TextId::OptionsToolTips, 10, 45, toolTipsWidth, 10);
    showSplash_ = option(TextId::OptionsShowSplash, 10, 60, 156, 10);
    useComma_ = option(TextId::OptionsUseComma, 10, 97, 92, 10);
    usePoint_ = option(TextId::OptionsUsePoint, 106, 97, 61, 10);
    copyAlways_ = option(TextId::OptionsCopyAlways, 10, 111, 158, 9);

    auto* ok = new QPushButton(Tr(TextId::OptionsOk), this);
    ok->setAccessibleName(ok->text());
    ok->setDefault(true);
    units.Place(ok, 64, 134, 42, 14);
    connect(ok, &QPushButton::clicked, this, &COptionsDlg::accept);

    auto toggles = [this](QAbstractButton* button, bool Settings::*member) {
        connect(button, &QAbstractButton::clicked, this, [this, member] {
            state_.Set(member, !(state_.Values().*member));
            ShowMarks();
        });
    };
    toggles(storeStack_, &Settings::storeStack);
    toggles(alwaysOnTop_, &Settings::alwaysOnTop);
    toggles(toolTips_, &Settings::toolTips);
    toggles(showSplash_, &Settings::showSplash);
    toggles(copyAlways_, &Settings::copyAlways);
    // Either button of the pair swaps the two marks, so both flip the one setting.
    toggles(useComma_, &Settings::decimalComma);
    toggles(usePoint_, &Settings::decimalComma);

    ShowMarks();
    ok->setFocus();
}

void COptionsDlg::reject() {
    accept();
}

void COptionsDlg::ShowMarks() {
    const Settings& settings = state_.Values();
    storeStack_->setChecked(settings.storeStack);
    alwaysOnTop_->setChecked(settings.alwaysOnTop);
    toolTips_->setChecked(settings.toolTips);
    showSplash_->setChecked(settings.showSplash);
    copyAlways_->setChecked(settings.copyAlways);
    useComma_->setChecked(settings.decimalComma);
    usePoint_->setChecked(!settings.decimalComma);
}

}  // namespace quillex

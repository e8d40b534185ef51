#include "ui/CMiniCalcDlg.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "engine/Calculation.h"
#include "store/CalculatorState.h"
#include "store/QtCp1252.h"
#include "ui/CWindowPlacement.h"
#include "ui/CurrencyIcons.h"
#include "ui/DialogUnits.h"
#include "ui/Inks.h"
#include "ui/QtTexts.h"
#include "ui/ToolIcons.h"
#include "units/Euro.h"

namespace quillex {
namespace {

constexpr int kDialogWidth = 160;  // dialog units
constexpr int kDialogHeight = 78;
constexpr int kInputCellHeight = 24;  // pixels
constexpr int kResultCellHeight = 48;

// The lines' own light backgrounds; on a dark desktop they take the palette's.
const QColor kInputBackground(255, 255, 255);
const QColor kResultBackground(244, 244, 236);

QLineEdit* MakeLine(QWidget* parent, TextId name, int cellHeight) {
    auto* line = new QLineEdit(parent);
    line->setAccessibleName(Tr(name));
    QFont font = DialogUnits::DefaultDialogFont();
    font.setPixelSize(DialogUnits::PixelSizeForCellHeight(font, cellHeight));
    line->setFont(font);
    return line;
}

QPushButton* MakeButton(QWidget* parent, TextId name, const QIcon& icon) {
    auto* button = new QPushButton(parent);
    button->setAccessibleName(Tr(name));
    button->setIcon(icon);
    return button;
}

}  // namespace

CMiniCalcDlg::CMiniCalcDlg(int currencyIndex, const QString& placement, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint),
      currencyIndex_(ValidCurrencyIndex(currencyIndex)),
      placement_(placement) {
    const QFont dialogFont = DialogUnits::DefaultDialogFont();
    setFont(dialogFont);
    const DialogUnits units(dialogFont);
    setWindowTitle(Tr(TextId::MiniCaption));
    setFixedSize(units.X(kDialogWidth), units.Y(kDialogHeight));
    setSizeGripEnabled(false);

    input_ = MakeLine(this, TextId::NameExpression, kInputCellHeight);
    units.Place(input_, 4, 4, 152, 18);
    result_ = MakeLine(this, TextId::NameResult, kResultCellHeight);
    result_->setReadOnly(true);
    units.Place(result_, 4, 25, 152, 32);
    FollowDesktopColours(this, [this] {
        SetFieldColours(input_, Ink::DeepBlue, kInputBackground);
        SetFieldColours(result_, resultInk_, kResultBackground);
    });

    QPushButton* intoCurrency =
        MakeButton(this, TextId::NameMiniEuroToCurrency, CurrencyIcon(currencyIndex_));
    units.Place(intoCurrency, 4, 60, 24, 15);
    QPushButton* intoEuro = MakeButton(this, TextId::NameMiniCurrencyToEuro, EuroIcon());
    units.Place(intoEuro, 30, 60, 24, 15);
    QPushButton* back = MakeButton(this, TextId::MiniTipBack, ToolIcon(ToolImage::Back));
    back->setToolTip(Tr(TextId::MiniTipBack));
    back->setDefault(true);
    units.Place(back, 132, 60, 24, 15);
    for (QPushButton* button : {intoCurrency, intoEuro, back}) {
        button->setIconSize(button->size() - QSize(8, 6));
    }

    connect(input_, &QLineEdit::textChanged, this, &CMiniCalcDlg::Evaluate);
    connect(intoCurrency, &QPushButton::clicked, this, [this] { Convert(true); });
    connect(intoEuro, &QPushButton::clicked, this, [this] { Convert(false); });
    connect(back, &QPushButton::clicked, this, &CMiniCalcDlg::accept);

    if (const std::optional<Placement> stored = ParsePlacement(placement_)) {
        if (PlacementFits(*stored, CWindowPlacement::Current(this))) {
            if (const std::optional<QPoint> at = CWindowPlacement::StoredPosition(this, *stored)) {
                move(*at);
            }
        }
    }
    input_->setFocus(Qt::OtherFocusReason);
}

QString CMiniCalcDlg::Run(QWidget* mainWindow, CalculatorState& state) {
    mainWindow->hide();
    CMiniCalcDlg calculator(state.Values().euro, state.Values().windowPositionMini, mainWindow);
    calculator.exec();
    state.Set(&Settings::windowPositionMini, calculator.placement_);
    return calculator.resultText_;
}

void CMiniCalcDlg::Evaluate() {
    // Writing back a cut input and the message box report back here; the evaluation under
    // way covers them.
    if (evaluating_) {
        return;
    }
    evaluating_ = true;
    const QString input = input_->text();
    // An empty input fails like any other input the engine cannot read.
    const Calculation outcome = Calculate(engine_, ToCp1252(input), CalcSettings{});
    if (outcome.inputCut) {
        QMessageBox tooLong(QMessageBox::Warning, Tr(TextId::InputTooLongCaption),
                            Tr(TextId::MiniInputTooLong), QMessageBox::Ok, this);
        tooLong.exec();
        input_->setText(KeptInput(input));
    }
    if (outcome.outcome == CalcOutcome::Succeeded) {
        value_ = outcome.value;
        ShowValue(value_);
    } else {
        result_->setText(Tr(TextId::MiniSyntaxError));
    }
    evaluating_ = false;
}

void CMiniCalcDlg::ShowValue(double shown) {
    resultText_ = QString::asprintf("%.3f", shown);
    resultInk_ = shown >= 0 ? Ink::Black : Ink::DeepRed;
    SetFieldColours(result_, resultInk_, kResultBackground);
    result_->setText(resultText_);
    result_->setCursorPosition(0);
}

void CMiniCalcDlg::Convert(bool intoCurrency) {
    const auto rate = static_cast<double>(CurrencyAt(currencyIndex_).rate);
    ShowValue(intoCurrency ? value_ * rate : value_ / rate);
    input_->setFocus(Qt::OtherFocusReason);
}

void CMiniCalcDlg::reject() {
    input_->clear();
    result_->clear();
}

void CMiniCalcDlg::accept() {
    placement_ = FormatPlacement(CWindowPlacement::Current(this));
    QDialog::accept();
}

// Closed by its close box or by the desktop: closes as the back button does, so that the main
// window comes back.
void CMiniCalcDlg::closeEvent(QCloseEvent* event) {
    if (isVisible()) {
        accept();
    }
    event->accept();
}

}  // namespace quillex

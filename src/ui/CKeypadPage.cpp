#include "ui/CKeypadPage.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "store/Settings.h"
#include "ui/Commands.h"
#include "ui/DialogUnits.h"
#include "ui/KeypadKeys.h"
#include "ui/QtTexts.h"

namespace quillex {
namespace {

constexpr int kPageWidth = 210;
constexpr int kPageHeight = 112;
constexpr int kDecimalsCount = 16;  // "0" to "15"

// A list that shows the setting when it is one of its entries, and no entry otherwise.
void ShowSetting(QComboBox* list, int value) {
    list->setCurrentIndex(value >= 0 && value < list->count() ? value : -1);
}

}  // namespace

CKeypadPage::CKeypadPage(Settings& settings, QWidget* parent)
    : CTabPage(parent), settings_(settings) {
    setFont(DialogUnits::DefaultDialogFont());
    const DialogUnits units(font());
    const bool english = CurrentLanguage() == Language::English;

    auto makeField = [this, &units](const QString& text, const QString& name, int x) {
        auto* field = new QLineEdit(text, this);
        field->setAccessibleName(name);
        units.Place(field, x, 68, 39, 12);
        return field;
    };

    const auto keys = KeypadKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const KeypadKey& key = keys[i];
        const QString label = FromUtf8(key.label);
        auto* button = new QPushButton(label, this);
        button->setAccessibleName(label);
        // The page owns Enter itself; no key may become a default button of the window.
        button->setAutoDefault(false);
        const std::string_view tip = english ? key.tipEnglish : key.tipGerman;
        if (!tip.empty()) {
            button->setToolTip(FromUtf8(tip));
        }
        units.Place(button, key.x, key.y, key.width, key.height);
        const int commandId = kCmdKeypadFirst + static_cast<int>(i);
        connect(button, &QPushButton::clicked, this,
                [this, commandId] { IssueCommand(commandId); });

        // Each variable's field follows its key, so that the tab order runs along the row.
        if (key.label == "Y") {
            yField_ = makeField(settings_.yText, QStringLiteral("Y field"), 16);
        } else if (key.label == "X") {
            xField_ = makeField(settings_.xText, QStringLiteral("X field"), 72);
        }
    }

    auto* frame = new QGroupBox(this);
    units.Place(frame, 1, 81, 206, 22);
    auto* label = new QLabel(Tr(TextId::KeypadDecimalsLabel), this);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    units.Place(label, 6, 88, 27, 12);

    decimals_ = new QComboBox(this);
    decimals_->setAccessibleName(QStringLiteral("Decimals"));
    for (int i = 0; i < kDecimalsCount; ++i) {
        decimals_->addItem(QString::number(i));
    }
    units.Place(decimals_, 34, 88, 30, 12);
    label->setBuddy(decimals_);

    style_ = new QComboBox(this);
    style_->setAccessibleName(QStringLiteral("Display style"));
    style_->addItems({Tr(TextId::StyleStandard), Tr(TextId::StyleFixed),
                      Tr(TextId::StyleEngineering), Tr(TextId::StyleScientific)});
    units.Place(style_, 66, 88, 54, 12);

    thousands_ = new QComboBox(this);
    thousands_->setAccessibleName(QStringLiteral("Thousands style"));
    thousands_->addItems(
        {Tr(TextId::ThousandsNone), Tr(TextId::ThousandsPoints), Tr(TextId::ThousandsCommas)});
    units.Place(thousands_, 123, 88, 81, 12);

    ShowSetting(decimals_, settings_.decimals);
    ShowSetting(style_, settings_.displayStyle);
    ShowSetting(thousands_, settings_.thousands);

    // Only the user's choice counts; the lists were set above without a notification.
    auto storeChoice = [this](QComboBox* list, int Settings::*setting) {
        connect(list, &QComboBox::activated, this, [this, setting](int index) {
            settings_.*setting = index;
            emit evaluateRequested();
        });
    };
    storeChoice(decimals_, &Settings::decimals);
    storeChoice(style_, &Settings::displayStyle);
    storeChoice(thousands_, &Settings::thousands);

    connect(xField_, &QLineEdit::textChanged, this,
            [this](const QString& text) { OnFieldChanged(xField_, settings_.xText, text); });
    connect(yField_, &QLineEdit::textChanged, this,
            [this](const QString& text) { OnFieldChanged(yField_, settings_.yText, text); });
    xField_->installEventFilter(this);
    yField_->installEventFilter(this);

    resize(sizeHint());
}

QSize CKeypadPage::sizeHint() const {
    const DialogUnits units(font());
    return {units.X(kPageWidth), units.Y(kPageHeight)};
}

void CKeypadPage::OnFieldChanged(QLineEdit* field, QString& value, const QString& text) {
    value = text;
    emit evaluateRequested();
    // The evaluation moves the focus to the expression field; typing goes on in this field.
    if (focusReturn_ && field->isVisible()) {
        field->setFocus(Qt::OtherFocusReason);
    }
}

bool CKeypadPage::eventFilter(QObject* watched, QEvent* event) {
    // A context menu of the field takes the focus only for a moment.
    if ((watched == xField_ || watched == yField_) && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        emit evaluateRequested();
    }
    return CTabPage::eventFilter(watched, event);
}

}  // namespace quillex

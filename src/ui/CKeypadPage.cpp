#include "ui/CKeypadPage.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "store/CalculatorState.h"
#include "ui/Commands.h"
#include "ui/DialogUnits.h"
#include "ui/KeypadKeys.h"
#include "ui/QtTexts.h"
#include "ui/TitledFrame.h"

namespace quillex {
namespace {

constexpr int kDecimalsCount = 16;  // "0" to "15"

// A list that shows the setting when it is one of its entries. A stored value outside the
// list is calculated with as its first entry (0 decimals, Standard, no separators), so the list
// shows that; the setting itself stays as stored until the user chooses.
void ShowSetting(QComboBox* list, int value) {
    list->setCurrentIndex(value >= 0 && value < list->count() ? value : 0);
}

// Makes the list's font smaller, where needed, until its widest entry fits the closed list,
// so that no entry is cut off whatever the face and the scale.
void FitEntries(QComboBox* list) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.frame = true;
    // The label keeps a small margin inside the edit field on every style.
    constexpr int kLabelMargin = 4;
    const int room =
        list->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
            .width() -
        kLabelMargin;
    const QFont listFont = list->font();
    QFont font = listFont;
    for (;;) {
        const QFontMetrics metrics(font);
        int widest = 0;
        for (int i = 0; i < list->count(); ++i) {
            widest = qMax(widest, metrics.horizontalAdvance(list->itemText(i)));
        }
        const bool inPixels = font.pixelSize() > 0;
        const qreal size = inPixels ? font.pixelSize() : font.pointSizeF();
        if (widest <= room || size <= 6) {
            break;
        }
        if (inPixels) {
            font.setPixelSize(font.pixelSize() - 1);
        } else {
            font.setPointSizeF(size - 0.5);
        }
    }
    // A font change builds the list's popup at once, so a list that fits keeps its font and
    // builds the popup when it first opens.
    if (font != listFont) {
        list->setFont(font);
    }
}

}  // namespace

CKeypadPage::CKeypadPage(CalculatorState& state, QWidget* parent)
    : CTabPage(parent, {210, 112}), state_(state) {
    const Settings& settings = state_.Values();
    const DialogUnits units(font());
    auto makeField = [this, &units](const QString& text, TextId name, int x) {
        auto* field = new QLineEdit(text, this);
        field->setAccessibleName(Tr(name));
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
        if (key.tip != TextId::NoText) {
            button->setToolTip(Tr(key.tip));
        }
        units.Place(button, key.x, key.y, key.width, key.height);
        const int commandId = kCmdKeypadFirst + static_cast<int>(i);
        connect(button, &QPushButton::clicked, this,
                [this, commandId] { IssueCommand(commandId); });

        // Each variable's field follows its key, so that the tab order runs along the row.
        if (key.variable == KeyVariable::Y) {
            yField_ = makeField(settings.yText, TextId::NameYField, 16);
        } else if (key.variable == KeyVariable::X) {
            xField_ = makeField(settings.xText, TextId::NameXField, 72);
        }
    }

    auto* frame = new UntitledFrame(this);
    units.Place(frame, 1, 81, 206, 22);
    auto* label = new QLabel(Tr(TextId::KeypadDecimalsLabel), this);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    units.Place(label, 6, 88, 27, 12);

    decimals_ = new QComboBox(this);
    decimals_->setAccessibleName(Tr(TextId::NameDecimals));
    for (int i = 0; i < kDecimalsCount; ++i) {
        decimals_->addItem(QString::number(i));
    }
    units.Place(decimals_, 34, 88, 30, 12);
    label->setBuddy(decimals_);

    style_ = new QComboBox(this);
    style_->setAccessibleName(Tr(TextId::NameDisplayStyle));
    style_->addItems({Tr(TextId::StyleStandard), Tr(TextId::StyleFixed),
                      Tr(TextId::StyleEngineering), Tr(TextId::StyleScientific)});
    units.Place(style_, 66, 88, 54, 12);

    thousands_ = new QComboBox(this);
    thousands_->setAccessibleName(Tr(TextId::NameThousandsStyle));
    thousands_->addItems(
        {Tr(TextId::ThousandsNone), Tr(TextId::ThousandsPoints), Tr(TextId::ThousandsCommas)});
    units.Place(thousands_, 123, 88, 81, 12);
    for (QComboBox* list : {decimals_, style_, thousands_}) {
        FitEntries(list);
    }

    ShowSetting(decimals_, settings.decimals);
    ShowSetting(style_, settings.displayStyle);
    ShowSetting(thousands_, settings.thousands);

    // Only the user's choice counts; the lists were set above without a notification. An
    // entry's index is the setting's value.
    auto storeChoice = [this]<typename T>(QComboBox* list, T Settings::*setting) {
        connect(list, &QComboBox::activated, this, [this, setting](int index) {
            state_.Set(setting, static_cast<T>(index));
            emit evaluateRequested();
        });
    };
    storeChoice(decimals_, &Settings::decimals);
    storeChoice(style_, &Settings::displayStyle);
    storeChoice(thousands_, &Settings::thousands);

    connect(xField_, &QLineEdit::textChanged, this,
            [this](const QString& text) { OnFieldChanged(xField_, &Settings::xText, text); });
    connect(yField_, &QLineEdit::textChanged, this,
            [this](const QString& text) { OnFieldChanged(yField_, &Settings::yText, text); });
    xField_->installEventFilter(this);
    yField_->installEventFilter(this);

    resize(sizeHint());
}

void CKeypadPage::OnFieldChanged(QLineEdit* field, QString Settings::*value, const QString& text) {
    state_.Set(value, text);
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
        emit fieldLeft();
    }
    return CTabPage::eventFilter(watched, event);
}

}  // namespace quillex

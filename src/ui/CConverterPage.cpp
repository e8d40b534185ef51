#include "ui/CConverterPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

#include "store/CalculatorState.h"
#include "store/DataFiles.h"
#include "store/QtCp1252.h"
#include "ui/DialogUnits.h"
#include "ui/QtTexts.h"

namespace quillex {
namespace {

// Region files are looked up like every data file: in the current folder, beside the
// program, then in the installed data folder.
std::optional<RegionTable> ReadRegionFromDataFolder(const std::string& fileName) {
    const QString path = FindDataFile(QString::fromStdString(fileName));
    return ReadRegionFile(std::filesystem::path(path.toStdU16String()));
}

}  // namespace

CConverterPage::CConverterPage(CalculatorState& state, QWidget* parent)
    : CTabPage(parent, {210, 115}),
      state_(state),
      converter_(state.Values().converterShowAll, ReadRegionFromDataFolder) {}

CConverterPage::~CConverterPage() = default;

void CConverterPage::Build() {
    const DialogUnits units(font());
    // The German layout takes typed text in its lists, the English one only choices.
    const bool typed = CurrentLanguage() == Language::German;

    auto* regionLabel = new QLabel(Tr(TextId::ConverterRegion), this);
    units.Place(regionLabel, 6, 8, 64, 8);
    regions_ = NewList(typed);
    regions_->setAccessibleName(Tr(TextId::ConverterRegion));
    for (std::string_view name : kRegionNames) {
        regions_->addItem(QString::fromLatin1(name.data(), qsizetype(name.size())));
    }
    units.Place(regions_, 72, 6, 84, 12);
    regionLabel->setBuddy(regions_);
    all_ = new QCheckBox(Tr(TextId::ConverterAll), this);
    all_->setAccessibleName(Tr(TextId::ConverterAll));
    units.Place(all_, 164, 7, 40, 10);

    struct SidePlace {
        ConverterSide side;
        TextId unitText;
        TextId valueName;
        TextId labelName;
        const char* label;
        int y;
    };
    const SidePlace sides[] = {
        {ConverterSide::First, TextId::ConverterUnit1, TextId::NameConverterValue1,
         TextId::NameConverterLabel1, "[1]", 28},
        {ConverterSide::Second, TextId::ConverterUnit2, TextId::NameConverterValue2,
         TextId::NameConverterLabel2, "[2]", 70},
    };
    for (const SidePlace& place : sides) {
        const std::size_t i = Index(place.side);
        auto* unitLabel = new QLabel(Tr(place.unitText), this);
        units.Place(unitLabel, 6, place.y + 2, 64, 8);
        units_[i] = NewList(typed);
        units_[i]->setAccessibleName(Tr(place.unitText).remove(QLatin1Char(':')));
        units.Place(units_[i], 72, place.y, 132, 12);
        unitLabel->setBuddy(units_[i]);
        auto* valueLabel = new QLabel(Tr(TextId::ConverterValue), this);
        units.Place(valueLabel, 6, place.y + 18, 64, 8);
        values_[i] = new QLineEdit(this);
        values_[i]->setAccessibleName(Tr(place.valueName));
        units.Place(values_[i], 72, place.y + 16, 84, 12);
        valueLabel->setBuddy(values_[i]);
        labels_[i] = new QLabel(QString::fromLatin1(place.label), this);
        labels_[i]->setAccessibleName(Tr(place.labelName));
        units.Place(labels_[i], 160, place.y + 18, 44, 8);

        const ConverterSide side = place.side;
        // Only the user's own typing converts: the page's writes into the other field do
        // not convert back.
        connect(values_[i], &QLineEdit::textEdited, this, [this, side](const QString& text) {
            converter_.EditValue(side, ToCp1252(text));
            ShowValues(values_[Index(side)]);
        });
        connect(units_[i], &QComboBox::currentIndexChanged, this, [this, side](int index) {
            if (index >= 0) {
                converter_.SelectUnit(side, static_cast<std::size_t>(index));
                ShowValues();
            }
        });
    }

    // An arrow up to the expression field, at the end of the second value's field.
    QLineEdit* second = values_[Index(ConverterSide::Second)];
    units.Place(second, 72, 86, 70, 12);
    toExpression_ = new QToolButton(this);
    toExpression_->setArrowType(Qt::UpArrow);
    toExpression_->setEnabled(false);
    toExpression_->setToolTip(Tr(TextId::ConverterToExpression));
    toExpression_->setAccessibleName(Tr(TextId::ConverterToExpression));
    units.Place(toExpression_, 143, 86, 13, 12);
    connect(toExpression_, &QToolButton::clicked, this, &CConverterPage::InsertSecondValue);
    second->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(second, &QLineEdit::customContextMenuRequested, this, [this, second](QPoint at) {
        QMenu* menu = second->createStandardContextMenu();
        menu->addSeparator();
        menu->addAction(Tr(TextId::ConverterToExpression), this, &CConverterPage::InsertSecondValue)
            ->setEnabled(toExpression_->isEnabled());
        menu->exec(second->mapToGlobal(at));
        delete menu;
    });

    connect(regions_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && converter_.SelectRegion(static_cast<std::size_t>(index))) {
            ShowRegion();
        }
    });
    connect(all_, &QCheckBox::clicked, this, [this] {
        const bool loaded = converter_.ToggleAll();
        all_->setChecked(converter_.IsAllChecked());
        if (loaded) {
            ShowRegion();
        }
        state_.Set(&Settings::converterShowAll, converter_.IsAllChecked());
    });

    all_->setChecked(converter_.IsAllChecked());
    if (converter_.SelectRegion(0)) {
        ShowRegion();
    }
}

void CConverterPage::ShowRegion() {
    const RegionTable& table = converter_.Table();
    for (QComboBox* list : units_) {
        const QSignalBlocker quiet(list);
        list->clear();
        for (const std::string& name : table.names) {
            list->addItem(FromCp1252(name));
        }
        list->setCurrentIndex(table.Size() > 0 ? 0 : -1);
    }
    ShowValues();
}

void CConverterPage::ShowValues(const QLineEdit* edited) {
    for (const ConverterSide side : {ConverterSide::First, ConverterSide::Second}) {
        const std::size_t i = Index(side);
        labels_[i]->setText(FromCp1252(converter_.Label(side)));
        if (values_[i] != edited) {
            values_[i]->setText(FromCp1252(converter_.ValueText(side)));
        }
    }
    toExpression_->setEnabled(converter_.ExpressionTerm(ConverterSide::Second).has_value());
}

void CConverterPage::InsertSecondValue() {
    if (const std::optional<std::string> term = converter_.ExpressionTerm(ConverterSide::Second)) {
        emit insertRequested(FromCp1252(*term));
    }
}

}  // namespace quillex

#include "ui/CConstantsPage.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "store/QtCp1252.h"
#include "ui/DialogUnits.h"
#include "ui/QtTexts.h"
#include "ui/TitledFrame.h"
#include "units/Catalog.h"

namespace quillex {
namespace {

const CatalogEntry& EntryAt(std::size_t id) {
    return id < kConstantCount ? kConstants[id] : kUnits[id - kConstantCount];
}

}  // namespace

CConstantsPage::CConstantsPage(QWidget* parent) : CTabPage(parent, {210, 115}) {}

CConstantsPage::~CConstantsPage() = default;

void CConstantsPage::Build() {
    const DialogUnits units(font());
    // The English layout takes typed text in its lists, the German one only choices; typed
    // text selects nothing.
    const bool typed = CurrentLanguage() == Language::English;

    // The frames first, so that the controls inside them lie above them. Both end above 100:
    // the tab control's page area is about 103 high (its 120 less its tab row and frame),
    // short of the page's own height.
    auto* selection = new TitledFrame(Tr(TextId::ConstantsSelection), this);
    units.Place(selection, 4, 1, 202, 48);
    auto* result = new TitledFrame(Tr(TextId::ConstantsResult), this);
    units.Place(result, 4, 51, 202, 48);

    auto makeRow = [this, &units](TextId text, int y, QWidget* field) {
        auto* label = new QLabel(Tr(text), this);
        units.Place(label, 10, y + 2, 66, 8);
        label->setBuddy(field);
        field->setAccessibleName(Tr(text));
        units.Place(field, 78, y, 122, 12);
    };
    auto makeList = [this, typed](auto&& entries) {
        QComboBox* list = NewList(typed);
        for (const CatalogEntry& entry : entries) {
            list->addItem(FromCp1252(entry.Name()));
        }
        return list;
    };
    constants_ = makeList(kConstants);
    makeRow(TextId::ConstantsNatureConstants, 12, constants_);
    units_ = makeList(kUnits);
    makeRow(TextId::ConstantsUnits, 29, units_);
    unit_ = new QLineEdit(this);
    unit_->setReadOnly(true);
    makeRow(TextId::ConstantsUnit, 62, unit_);
    value_ = new QLineEdit(this);
    value_->setReadOnly(true);
    makeRow(TextId::ConstantsValue, 79, value_);

    connect(constants_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            ShowEntry(static_cast<std::size_t>(index));
        }
    });
    connect(units_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            ShowEntry(kConstantCount + static_cast<std::size_t>(index));
        }
    });
    ShowEntry(0);
}

void CConstantsPage::ShowEntry(std::size_t id) {
    const CatalogEntry& entry = EntryAt(id);
    unit_->setText(FromCp1252(entry.Unit()));
    value_->setText(FromCp1252(entry.Value()));
    unit_->setCursorPosition(0);
    value_->setCursorPosition(0);
}

}  // namespace quillex

#include "ui/CLogicPage.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "store/QtCp1252.h"
#include "ui/Commands.h"
#include "ui/DialogUnits.h"
#include "ui/Inks.h"
#include "ui/QtTexts.h"
#include "ui/TitledFrame.h"
#include "ui/TypingLimit.h"

namespace quillex {
namespace {

constexpr const char* kBaseNames[] = {"Dec", "Bin", "Oct", "Hex"};
constexpr const char* kOperationNames[] = {"and", "or", "xor", "mod"};

struct FieldPlace {
    LogicField field;
    TextId name;
    TextId baseName;
    const char* label;  // none for the output
    int y;
};

constexpr FieldPlace kFieldPlaces[] = {
    {LogicField::A, TextId::NameLogicA, TextId::NameLogicABase, "A", 14},
    {LogicField::B, TextId::NameLogicB, TextId::NameLogicBBase, "B", 46},
    {LogicField::Output, TextId::NameLogicOutput, TextId::NameLogicOutputBase, nullptr, 82},
};

}  // namespace

CLogicPage::CLogicPage(QWidget* parent) : CTabPage(parent, {210, 115}) {}

CLogicPage::~CLogicPage() = default;

void CLogicPage::Build() {
    const DialogUnits units(font());

    // The frames first, so that the controls inside them lie above them.
    auto* input = new TitledFrame(Tr(TextId::LogicInput), this);
    units.Place(input, 4, 2, 202, 62);
    auto* output = new TitledFrame(Tr(TextId::LogicOutput), this);
    units.Place(output, 4, 68, 202, 32);

    auto makeField = [this, &units](const FieldPlace& place) {
        if (place.label != nullptr) {
            auto* label = new QLabel(QString::fromLatin1(place.label), this);
            units.Place(label, 10, place.y + 2, 10, 8);
        }
        auto* edit = new QLineEdit(this);
        edit->setAccessibleName(Tr(place.name));
        units.Place(edit, 22, place.y, 120, 12);
        edits_[Index(place.field)] = edit;
        limits_[Index(place.field)] = new TypingLimit(edit);
        auto* list = new QComboBox(this);
        list->setAccessibleName(Tr(place.baseName));
        for (const char* base : kBaseNames) {
            list->addItem(QString::fromLatin1(base));
        }
        units.Place(list, 146, place.y, 52, 12);
        lists_[Index(place.field)] = list;

        const LogicField field = place.field;
        connect(edit, &QLineEdit::textEdited, this, [this, field, edit] {
            operations_.Edit(field, ToCp1252(edit->text()));
            ShowAll(edit);
        });
        // Only the user's choice counts; the page sets the lists without a notification.
        connect(list, &QComboBox::activated, this, [this, field](int index) {
            if (index >= 0 && index < static_cast<int>(std::size(kBaseNames))) {
                operations_.SelectBase(field, static_cast<LogicBase>(index));
                ShowAll();
            }
        });
    };

    makeField(kFieldPlaces[0]);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        auto* button = new QPushButton(QString::fromLatin1(kOperationNames[i]), this);
        button->setAccessibleName(button->text());
        // The page owns Enter itself; no button may become a default button of the window.
        button->setAutoDefault(false);
        units.Place(button, 22 + 32 * static_cast<int>(i), 29, 30, 13);
        const int commandId = kCmdLogicFirst + static_cast<int>(i);
        connect(button, &QPushButton::clicked, this,
                [this, commandId] { IssueCommand(commandId); });
        buttons_[i] = button;
    }
    makeField(kFieldPlaces[1]);
    makeField(kFieldPlaces[2]);

    FollowDesktopColours(this, [this] { ShowAll(); });
}

void CLogicPage::OnCommand(int commandId) {
    const int index = commandId - kCmdLogicFirst;
    if (index < 0 || index >= static_cast<int>(buttons_.size())) {
        return;
    }
    operations_.Press(static_cast<LogicOp>(index));
    ShowAll();
}

void CLogicPage::ShowAll(const QLineEdit* edited) {
    if (!IsBuilt()) {
        return;
    }
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        const auto field = static_cast<LogicField>(i);
        QLineEdit* edit = edits_[i];
        limits_[i]->SetLimit(operations_.MaxLength(field));
        lists_[i]->setCurrentIndex(static_cast<int>(operations_.Base(field)));
        const QString text = FromCp1252(operations_.Text(field));
        if (edit != edited && edit->text() != text) {
            const ProgramWrite pass(limits_[i]);
            edit->setText(text);
            edit->setCursorPosition(0);
        }
    }
    const std::optional<LogicOp> last = operations_.LastOperation();
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const bool used = last && static_cast<std::size_t>(*last) == i;
        SetInk(buttons_[i], QPalette::ButtonText, used ? Ink::Red : Ink::Blue, QPalette::Button);
    }
}

}  // namespace quillex

#include "ui/CProgrammerPage.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QScopedValueRollback>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "store/QtCp1252.h"
#include "ui/Commands.h"
#include "ui/DialogUnits.h"
#include "ui/Inks.h"
#include "ui/ProgrammerKeys.h"
#include "ui/QtTexts.h"
#include "ui/TypingLimit.h"

namespace quillex {
namespace {

constexpr int kFieldHeight = 12;

struct FieldPlace {
    ProgField field;
    int labelX;
    int x;
    int y;
    int width;
};

// Bin across the page; Oct, Dec and Hex under it on the left, AscII, 2's and Roman beside them.
constexpr FieldPlace kFieldPlaces[] = {
    {ProgField::Bin, 2, 20, 4, 168},     {ProgField::Oct, 2, 20, 18, 64},
    {ProgField::Dec, 2, 20, 32, 64},     {ProgField::Hex, 2, 20, 46, 64},
    {ProgField::AscII, 88, 112, 18, 56}, {ProgField::Twos, 88, 112, 32, 76},
    {ProgField::Roman, 88, 112, 46, 76},
};

// A shift is an arrow with a bar at its tail (a zero comes in there); a rotation is an arrow
// bent round, since the bit that leaves comes back on the other side.
QIcon MoveIcon(BitMove move, int side, const QColor& colour) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(colour, std::max(1.0, side / 9.0));
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);

    const double s = side;
    const double margin = s * 0.18;
    const double head = s * 0.22;
    const bool towardsLeft = move == BitMove::ShiftLeft || move == BitMove::RotateLeft;
    QPointF tip;
    QPointF direction;
    if (move == BitMove::ShiftLeft || move == BitMove::ShiftRight) {
        const double y = s / 2;
        painter.drawLine(QPointF(margin, y), QPointF(s - margin, y));
        const double tail = towardsLeft ? s - margin : margin;
        painter.drawLine(QPointF(tail, y - head), QPointF(tail, y + head));
        tip = QPointF(towardsLeft ? margin : s - margin, y);
        direction = QPointF(towardsLeft ? -1 : 1, 0);
    } else {
        const QRectF circle(margin, margin, s - 2 * margin, s - 2 * margin);
        // From the top, round by three quarters: clockwise for right, the other way for left.
        const int span = towardsLeft ? 270 : -270;
        painter.drawArc(circle, 90 * 16, span * 16);
        const double end = (90.0 + span) * std::numbers::pi / 180.0;
        const double r = circle.width() / 2;
        tip = circle.center() + QPointF(r * std::cos(end), -r * std::sin(end));
        direction = towardsLeft ? QPointF(-std::sin(end), -std::cos(end))
                                : QPointF(std::sin(end), std::cos(end));
    }
    const QPointF across(-direction.y(), direction.x());
    painter.drawLine(tip, tip - direction * head + across * head * 0.8);
    painter.drawLine(tip, tip - direction * head - across * head * 0.8);
    painter.end();
    return QIcon(pixmap);
}

}  // namespace

CProgrammerPage::CProgrammerPage(QWidget* parent) : CTabPage(parent, {210, 111}) {}

CProgrammerPage::~CProgrammerPage() = default;

void CProgrammerPage::Build() {
    const DialogUnits units(font());

    for (const FieldPlace& place : kFieldPlaces) {
        const QString name = FromUtf8(ProgFieldLabel(place.field));
        auto* label = new QLabel(name, this);
        units.Place(label, place.labelX, place.y + 2, place.x - place.labelX - 2, 8);
        auto* edit = new QLineEdit(this);
        edit->setAccessibleName(name);
        units.Place(edit, place.x, place.y, place.width, kFieldHeight);
        label->setBuddy(edit);
        edits_[Index(place.field)] = edit;
        if (!ProgrammerFields::IsEditable(place.field)) {
            edit->setReadOnly(true);
            continue;
        }
        auto* limit = new TypingLimit(edit);
        if (place.field == ProgField::AscII) {
            limit->SetPassAbove(kMaxAsciiCharacters);
        }
        limits_[Index(place.field)] = limit;
        const ProgField field = place.field;
        connect(edit, &QLineEdit::textEdited, this, [this, field] { OnEdited(field); });
    }

    const auto keys = ProgrammerKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const ProgrammerKey& key = keys[i];
        auto* button = new QPushButton(FromUtf8(key.label), this);
        button->setAccessibleName(key.name == TextId::NoText ? button->text() : Tr(key.name));
        // The page owns Enter itself; no button may become a default button of the window.
        button->setAutoDefault(false);
        button->setToolTip(Tr(key.tip));
        units.Place(button, key.x, key.y, key.width, key.height);
        keys_.push_back(button);
        const int commandId = kCmdProgrammerFirst + static_cast<int>(i);
        connect(button, &QPushButton::clicked, this,
                [this, commandId] { IssueCommand(commandId); });
    }

    ApplyLimits();
    FollowDesktopColours(this, [this] { ColourKeys(); });
    ShowFields();
}

void CProgrammerPage::SetWidth(const BitWidth& width) {
    fields_.SetWidth(width);
    if (IsBuilt()) {
        ApplyLimits();
        ColourKeys();
    }
    ShowFields();
}

void CProgrammerPage::ReceiveResult(double value) {
    fields_.ReceiveResult(value);
    ShowFields();
}

void CProgrammerPage::OnCommand(int commandId) {
    const auto keys = ProgrammerKeys();
    const int index = commandId - kCmdProgrammerFirst;
    if (index < 0 || index >= static_cast<int>(keys.size())) {
        return;
    }
    const ProgrammerKey& key = keys[static_cast<std::size_t>(index)];
    if (key.action == ProgKeyAction::Invert) {
        fields_.Invert();
    } else if (key.action == ProgKeyAction::Move) {
        fields_.Move(static_cast<BitMove>(key.argument));
    } else {
        return;
    }
    ShowFields();
}

void CProgrammerPage::OnEdited(ProgField field) {
    if (writing_) {
        return;
    }
    QLineEdit* edit = edits_[Index(field)];
    const std::string before = fields_.Text(field);
    // An undo step brings back what the user typed before the page replaced it; replacing it
    // once more would take it out of reach again.
    const bool undoStep = edit->isRedoAvailable();
    const EditOutcome outcome = fields_.Edit(field, ToCp1252(edit->text()), edit->hasFocus());
    if (outcome.asciiTooLong) {
        // The entry is not taken: the field goes back to its text, the entry stays in its undo
        // history, and the message tells why.
        fields_.Edit(field, before, false);
        Write(field, FromCp1252(before), true);
        QMessageBox tooLong(QMessageBox::Warning, FromCp1252(outcome.asciiCaption),
                            Tr(TextId::ProgrammerAsciiTooLong), QMessageBox::Ok, this);
        tooLong.exec();
        return;
    }
    if (outcome.updated) {
        ShowFields(field, outcome.editedFieldRewritten && !undoStep);
    }
}

void CProgrammerPage::ShowFields(std::optional<ProgField> edited, bool rewriteEdited) {
    if (!IsBuilt()) {
        return;
    }
    for (std::size_t i = 0; i < kProgFieldCount; ++i) {
        const auto field = static_cast<ProgField>(i);
        const QString text = FromCp1252(fields_.Text(field));
        if (edits_[i]->text() == text || (field == edited && !rewriteEdited)) {
            continue;
        }
        Write(field, text, field == edited);
    }
}

void CProgrammerPage::Write(ProgField field, const QString& text, bool keepUndo) {
    QLineEdit* edit = edits_[Index(field)];
    const ProgramWrite pass(limits_[Index(field)]);
    const QScopedValueRollback<bool> writing(writing_, true);
    if (keepUndo) {
        edit->selectAll();
        edit->insert(text);
    } else {
        edit->setText(text);
        edit->setCursorPosition(0);
    }
}

void CProgrammerPage::ApplyLimits() {
    for (std::size_t i = 0; i < kProgFieldCount; ++i) {
        if (limits_[i] != nullptr) {
            limits_[i]->SetLimit(fields_.MaxLength(static_cast<ProgField>(i)));
        }
    }
}

void CProgrammerPage::ColourKeys() {
    const auto keys = ProgrammerKeys();
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        const ProgrammerKey& key = keys[i];
        QPushButton* button = keys_[i];
        switch (key.colour) {
            case ProgKeyColour::Width: {
                const bool current = BitWidthFromIndex(key.argument)->bits == fields_.Width().bits;
                SetInk(button, QPalette::ButtonText, current ? Ink::Red : Ink::Black,
                       QPalette::Button);
                break;
            }
            case ProgKeyColour::Blue:
                SetInk(button, QPalette::ButtonText, Ink::Blue, QPalette::Button);
                break;
            case ProgKeyColour::Green:
                SetInk(button, QPalette::ButtonText, Ink::Green, QPalette::Button);
                break;
            case ProgKeyColour::Default:
                break;
        }
        // The arrows are drawn in the caption's colour.
        if (key.action == ProgKeyAction::Move) {
            const int side = std::max(1, std::min(button->width(), button->height()) - 4);
            button->setIcon(MoveIcon(static_cast<BitMove>(key.argument), side,
                                     button->palette().color(QPalette::ButtonText)));
            button->setIconSize(QSize(side, side));
        }
    }
}

}  // namespace quillex

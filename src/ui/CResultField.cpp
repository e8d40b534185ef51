#include "ui/CResultField.h"

#include "ui/DialogUnits.h"
#include "ui/Inks.h"
#include "ui/QtTexts.h"

namespace quillex {
namespace {

constexpr int kCellHeight = 34;  // pixels

}  // namespace

CResultField::CResultField(QWidget* parent) : QLineEdit(parent) {
    setAccessibleName(Tr(TextId::NameResult));
    setReadOnly(true);
    setToolTip(Tr(TextId::ResultFieldTip));
    FollowDesktopColours(this, [this] { SetFieldColours(this, Ink::Blue, Qt::white); });
    // Measured in the face that the field will draw with, which may stand in for Arial.
    QFont font = DialogUnits::PixelFont(QStringLiteral("Arial"), QFont::SansSerif, kCellHeight);
    font.setPixelSize(DialogUnits::PixelSizeForCellHeight(font, kCellHeight));
    setFont(font);
}

void CResultField::Show(const QString& text) {
    // The same result shown again (the focus coming back to the expression, the window
    // coming up) changes nothing, and is not drawn again.
    if (text == this->text() && cursorPosition() == 0 && !hasSelectedText()) {
        return;
    }
    setText(text);
    setCursorPosition(0);
}

}  // namespace quillex

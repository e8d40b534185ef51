#include "ui/CResultField.h"

#include "ui/DialogUnits.h"
#include "ui/QtTexts.h"

namespace quillex {

CResultField::CResultField(QWidget* parent) : QLineEdit(parent) {
    setAccessibleName(Tr(TextId::NameResult));
    setReadOnly(true);
    setToolTip(Tr(TextId::ResultFieldTip));
    QPalette colours = palette();
    colours.setColor(QPalette::Text, QColor(0, 0, 255));
    colours.setColor(QPalette::Base, Qt::white);
    setPalette(colours);
}

void CResultField::UseFieldFont() {
    constexpr int kCellHeight = 34;  // pixels
    const QString arial = QStringLiteral("Arial");
    QFont font(arial);
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Normal);
    font.setPixelSize(DialogUnits::PixelSizeForCellHeight(arial, kCellHeight));
    setFont(font);
}

void CResultField::Show(const QString& text) {
    setText(text);
    setCursorPosition(0);
}

}  // namespace quillex

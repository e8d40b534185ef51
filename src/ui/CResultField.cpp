#include "ui/CResultField.h"

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

void CResultField::Show(const QString& text) {
    setText(text);
    setCursorPosition(0);
}

}  // namespace quillex

#include "ui/CResultField.h"

#include "ui/DialogUnits.h"
#include "ui/QtTexts.h"

namespace quillex {
namespace {

constexpr int kCellHeight = 34;  // pixels

}  // namespace

CResultField::CResultField(QWidget* parent) : QLineEdit(parent) {
    setAccessibleName(Tr(TextId::NameResult));
    setReadOnly(true);
    setToolTip(Tr(TextId::ResultFieldTip));
    QPalette colours = palette();
    colours.setColor(QPalette::Text, QColor(0, 0, 255));
    colours.setColor(QPalette::Base, Qt::white);
    setPalette(colours);
    const QString arial = QStringLiteral("Arial");
    setFont(DialogUnits::PixelFont(arial, QFont::SansSerif,
                                   DialogUnits::PixelSizeForCellHeight(arial, kCellHeight)));
}

void CResultField::Show(const QString& text) {
    setText(text);
    setCursorPosition(0);
}

}  // namespace quillex

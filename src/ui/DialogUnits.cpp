#include "ui/DialogUnits.h"

#include <QFontMetrics>
#include <QWidget>

namespace quillex {

DialogUnits::DialogUnits(const QFont& dialogFont) {
    const QFontMetrics metrics(dialogFont);
    // The average width over the 52 letters, rounded, as dialog base units are measured.
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    baseWidth_ = qMax(1, (metrics.horizontalAdvance(letters) / 26 + 1) / 2);
    baseHeight_ = qMax(1, metrics.height());
}

int DialogUnits::X(int units) const {
    return (units * baseWidth_ + 2) / 4;
}
int DialogUnits::Y(int units) const {
    return (units * baseHeight_ + 4) / 8;
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
    return {X(x), Y(y), X(width), Y(height)};
}

void DialogUnits::Place(QWidget* widget, int x, int y, int width, int height) const {
    widget->setGeometry(Rect(x, y, width, height));
}

QFont DialogUnits::DefaultDialogFont() {
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont DialogUnits::PixelFont(const QString& family, QFont::StyleHint kind, int pixelSize,
                             QFont::Weight weight) {
    QFont font(family);
    font.setStyleHint(kind);
    font.setWeight(weight);
    font.setPixelSize(pixelSize);
    return font;
}

int DialogUnits::PixelSizeForCellHeight(QFont font, int cellHeight) {
    // Every size asked for loads a face of its own, so rather than trying each size from the
    // cell height down, start from the size that the line height at the cell height suggests
    // and step from there. The line height grows with the size, so the answer is the same.
    if (cellHeight <= 1) {
        return 1;
    }
    const auto lineHeight = [&font](int size) {
        font.setPixelSize(size);
        return QFontMetrics(font).height();
    };
    const int atCellHeight = lineHeight(cellHeight);
    if (atCellHeight <= cellHeight) {
        return cellHeight;
    }
    int size = qMax(1, cellHeight * cellHeight / atCellHeight);
    if (lineHeight(size) <= cellHeight) {
        while (size + 1 < cellHeight && lineHeight(size + 1) <= cellHeight) {
            ++size;
        }
        return size;
    }
    while (size > 1 && lineHeight(--size) > cellHeight) {
    }
    return size;
}

}  // namespace quillex

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
    // Every size asked for loads a face of its own, with a font-configuration match each, so
    // the search starts where common faces put the answer (their line height is 1.12 to 1.17
    // times the size, so the nearest size to the cell height over 1.15 is the answer or the
    // one above it) and steps from there: mostly two sizes are all that is loaded. The line
    // height grows with the size, so the answer is the same as stepping down from the cell
    // height.
    constexpr double kCommonLineHeight = 1.15;
    if (cellHeight <= 1) {
        return 1;
    }
    const auto fits = [&font, cellHeight](int size) {
        font.setPixelSize(size);
        return QFontMetrics(font).height() <= cellHeight;
    };
    int size = qBound(1, qRound(cellHeight / kCommonLineHeight), cellHeight);
    if (fits(size)) {
        while (size < cellHeight && fits(size + 1)) {
            ++size;
        }
        return size;
    }
    while (size > 1 && !fits(--size)) {
    }
    return size;
}

}  // namespace quillex

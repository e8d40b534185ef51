// Positions and sizes of the windows are given in dialog units: a quarter of the dialog font's
// average character width horizontally and an eighth of its height vertically. This is the
// one place that turns them into pixels.
#pragma once

#include <QFont>
#include <QRect>

class QWidget;

namespace quillex {

class DialogUnits {
public:
    explicit DialogUnits(const QFont& dialogFont);

    int X(int units) const;
    int Y(int units) const;
    QRect Rect(int x, int y, int width, int height) const;
    // Places the widget at the rectangle given in dialog units.
    void Place(QWidget* widget, int x, int y, int width, int height) const;

    // The dialog font the windows are laid out in: a sans-serif face of 8 points.
    static QFont DefaultDialogFont();
    // A face of the given pixel size; where the face is missing, one of the same kind stands in.
    static QFont PixelFont(const QString& family, QFont::StyleHint kind, int pixelSize,
                           QFont::Weight weight = QFont::Normal);
    // The largest pixel size of the font's face whose line height stays within the cell
    // height.
    static int PixelSizeForCellHeight(QFont font, int cellHeight);

private:
    int baseWidth_;   // average character width in pixels
    int baseHeight_;  // character height in pixels
};

}  // namespace quillex

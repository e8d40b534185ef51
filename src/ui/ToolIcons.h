// The pictures of the main window's tool buttons, drawn as lines in the text colour of the
// current palette: one consistent set, sharp at every size and scale, readable on light and
// dark themes alike, and made without reading any image or icon theme.
#pragma once

#include <QIcon>

#include <functional>

class QColor;
class QPainter;
class QRectF;

namespace quillex {

enum class ToolImage {
    DeleteTape,
    Units,
    Converter,
    Options,
    Info,
    Hide,
    DeleteAll,
    Delete,
    MiniCalc,
    Back
};

QIcon ToolIcon(ToolImage image);

// An icon that `draw` paints into the rectangle it is given, in `ink`: the palette's button
// text colour (its disabled colour for a disabled icon). It is drawn anew for every size and
// scale it is asked for, once for each size, mode and ink.
using IconDrawing = std::function<void(QPainter& painter, const QRectF& area, const QColor& ink)>;
QIcon DrawnIcon(IconDrawing draw);

// Makes the painter draw into the unit square (0,0)-(1,1) centred in the area, with round
// lines in `ink` about 1.4 pixels wide whatever the size, and no fill.
void UseUnitSquare(QPainter& painter, const QRectF& area, const QColor& ink);

}  // namespace quillex

#include "ui/CurrencyIcons.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPolygonF>

#include <cmath>

#include "ui/ToolIcons.h"
#include "units/Euro.h"

namespace quillex {
namespace {

// The largest pixel size, down to 4, at which the text fits the given width and height.
QFont FittingFont(const QString& text, qreal width, qreal height) {
    QFont font = QGuiApplication::font();
    font.setHintingPreference(QFont::PreferFullHinting);
    int size = qMax(4, static_cast<int>(height));
    for (; size > 4; --size) {
        font.setPixelSize(size);
        const QFontMetricsF metrics(font);
        if (metrics.horizontalAdvance(text) <= width && metrics.capHeight() <= height) {
            return font;
        }
    }
    font.setPixelSize(size);
    return font;
}

// A banknote: a frame over the full width with the code in it as large as it fits. Three
// letters stay readable in it down to the menu's 16 pixels, where a round coin would leave
// them too little room.
void DrawNote(QPainter& painter, const QRectF& area, const QColor& ink, const QString& code) {
    // The note takes the area's full width, which may be wider than high.
    painter.save();
    // Whole-pixel lines on pixel centres stay sharp.
    const qreal pen = qMax(1.0, std::floor(qMin(area.width(), area.height()) / 11.0));
    painter.setPen(QPen(ink, pen));
    const qreal top = std::round(area.height() * 0.08);
    const QRectF note(area.x() + pen / 2, area.y() + top + pen / 2, area.width() - pen,
                      area.height() - 2 * top - pen);
    painter.drawRoundedRect(note, pen * 1.5, pen * 1.5);
    painter.restore();

    // The code is set on whole pixels, so that the font's hinting keeps it sharp at the
    // smallest sizes.
    const QFont font = FittingFont(code, note.width() - 2 * pen - 1, note.height() * 0.7);
    painter.setFont(font);
    painter.setPen(ink);
    const QFontMetricsF metrics(font);
    const QPointF baseline(qRound(note.center().x() - metrics.horizontalAdvance(code) / 2.0),
                           qRound(note.center().y() + metrics.capHeight() / 2.0));
    painter.drawText(baseline, code);
}

}  // namespace

QString CurrencyCode(int currencyIndex) {
    const std::string_view code = CurrencyAt(currencyIndex).code;
    return QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));
}

QIcon CurrencyIcon(int currencyIndex) {
    const QString text = CurrencyCode(currencyIndex);
    return DrawnIcon([text](QPainter& painter, const QRectF& area, const QColor& ink) {
        DrawNote(painter, area, ink, text);
    });
}

QIcon EuroIcon() {
    return DrawnIcon([](QPainter& p, const QRectF& area, const QColor& ink) {
        UseUnitSquare(p, area, ink);
        // A C open to the right, crossed by two bars that reach out to its left.
        p.drawArc(QRectF(0.25, 0.16, 0.62, 0.68), 50 * 16, 260 * 16);
        p.drawLine(QPointF(0.12, 0.43), QPointF(0.62, 0.43));
        p.drawLine(QPointF(0.12, 0.57), QPointF(0.58, 0.57));
    });
}

QIcon CurrencyChoiceIcon() {
    return DrawnIcon([](QPainter& p, const QRectF& area, const QColor& ink) {
        // A filled triangle pointing down, as wide as the narrow button allows.
        const qreal width = qMin(area.width(), area.height());
        const qreal height = width * 0.6;
        const QPointF centre = area.center();
        const QPolygonF arrow({QPointF(centre.x() - width / 2, centre.y() - height / 2),
                               QPointF(centre.x() + width / 2, centre.y() - height / 2),
                               QPointF(centre.x(), centre.y() + height / 2)});
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPolygon(arrow);
    });
}

}  // namespace quillex

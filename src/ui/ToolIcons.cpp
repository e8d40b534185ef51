#include "ui/ToolIcons.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

#include <utility>
#include <vector>

namespace quillex {
namespace {

// Draws one picture into the unit square (0,0)-(1,1); the painter's pen is set.
void Draw(ToolImage image, QPainter& p) {
    switch (image) {
        case ToolImage::DeleteTape: {  // a waste bin
            p.drawLine(QPointF(0.15, 0.25), QPointF(0.85, 0.25));
            p.drawLine(QPointF(0.4, 0.25), QPointF(0.4, 0.12));
            p.drawLine(QPointF(0.4, 0.12), QPointF(0.6, 0.12));
            p.drawLine(QPointF(0.6, 0.12), QPointF(0.6, 0.25));
            QPainterPath body;
            body.moveTo(0.22, 0.25);
            body.lineTo(0.3, 0.9);
            body.lineTo(0.7, 0.9);
            body.lineTo(0.78, 0.25);
            p.drawPath(body);
            p.drawLine(QPointF(0.43, 0.4), QPointF(0.45, 0.78));
            p.drawLine(QPointF(0.57, 0.4), QPointF(0.55, 0.78));
            break;
        }
        case ToolImage::Units: {  // a ruler with its marks
            p.drawRect(QRectF(0.08, 0.34, 0.84, 0.32));
            for (int i = 1; i < 6; ++i) {
                const double x = 0.08 + 0.14 * i;
                p.drawLine(QPointF(x, 0.34), QPointF(x, i % 2 == 0 ? 0.54 : 0.46));
            }
            break;
        }
        case ToolImage::Converter:  // two arrows, one each way
            p.drawLine(QPointF(0.12, 0.32), QPointF(0.88, 0.32));
            p.drawLine(QPointF(0.88, 0.32), QPointF(0.7, 0.16));
            p.drawLine(QPointF(0.88, 0.32), QPointF(0.7, 0.48));
            p.drawLine(QPointF(0.88, 0.68), QPointF(0.12, 0.68));
            p.drawLine(QPointF(0.12, 0.68), QPointF(0.3, 0.52));
            p.drawLine(QPointF(0.12, 0.68), QPointF(0.3, 0.84));
            break;
        case ToolImage::Options:  // three sliders
            for (const double y : {0.22, 0.5, 0.78}) {
                p.drawLine(QPointF(0.1, y), QPointF(0.9, y));
            }
            for (const QPointF knob :
                 {QPointF(0.35, 0.22), QPointF(0.68, 0.5), QPointF(0.45, 0.78)}) {
                p.drawEllipse(knob, 0.09, 0.09);
            }
            break;
        case ToolImage::Info:  // an i in a circle
            p.drawEllipse(QPointF(0.5, 0.5), 0.4, 0.4);
            p.drawLine(QPointF(0.5, 0.45), QPointF(0.5, 0.75));
            p.drawPoint(QPointF(0.5, 0.29));
            break;
        case ToolImage::Hide:  // a window lowered to a bar
            p.drawLine(QPointF(0.2, 0.78), QPointF(0.8, 0.78));
            p.drawLine(QPointF(0.5, 0.15), QPointF(0.5, 0.6));
            p.drawLine(QPointF(0.32, 0.44), QPointF(0.5, 0.62));
            p.drawLine(QPointF(0.68, 0.44), QPointF(0.5, 0.62));
            break;
        case ToolImage::DeleteAll:  // an emptied field: a frame with a cross
            p.drawRoundedRect(QRectF(0.1, 0.2, 0.8, 0.6), 0.1, 0.1);
            p.drawLine(QPointF(0.36, 0.36), QPointF(0.64, 0.64));
            p.drawLine(QPointF(0.64, 0.36), QPointF(0.36, 0.64));
            break;
        case ToolImage::Delete: {  // the backspace key
            QPainterPath key;
            key.moveTo(0.05, 0.5);
            key.lineTo(0.32, 0.2);
            key.lineTo(0.92, 0.2);
            key.lineTo(0.92, 0.8);
            key.lineTo(0.32, 0.8);
            key.closeSubpath();
            p.drawPath(key);
            p.drawLine(QPointF(0.48, 0.37), QPointF(0.74, 0.63));
            p.drawLine(QPointF(0.74, 0.37), QPointF(0.48, 0.63));
            break;
        }
        case ToolImage::MiniCalc:  // a pocket calculator: display and keys
            p.drawRoundedRect(QRectF(0.22, 0.08, 0.56, 0.84), 0.08, 0.08);
            p.drawRect(QRectF(0.32, 0.18, 0.36, 0.16));
            for (const double y : {0.5, 0.65, 0.8}) {
                for (const double x : {0.35, 0.5, 0.65}) {
                    p.drawPoint(QPointF(x, y));
                }
            }
            break;
        case ToolImage::Back: {  // a bent arrow back to the left
            const QPointF shaft[] = {{0.82, 0.2}, {0.82, 0.62}, {0.2, 0.62}};
            p.drawPolyline(shaft, 3);
            const QPointF head[] = {{0.38, 0.44}, {0.2, 0.62}, {0.38, 0.8}};
            p.drawPolyline(head, 3);
            break;
        }
    }
}

QColor Ink(QIcon::Mode mode) {
    return QGuiApplication::palette().color(
        mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active, QPalette::ButtonText);
}

// Paints its drawing afresh for every size and scale, so the picture stays sharp everywhere.
// A button asks for its picture at every paint, so each picture drawn is kept for its size,
// mode and ink.
class DrawnIconEngine : public QIconEngine {
public:
    explicit DrawnIconEngine(IconDrawing draw) : draw_(std::move(draw)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        draw_(*painter, QRectF(rect), Ink(mode));
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const Picture wanted{size, mode, state, Ink(mode).rgba(), QPixmap()};
        for (const Picture& drawn : drawn_) {
            if (drawn.size == wanted.size && drawn.mode == mode && drawn.state == state &&
                drawn.ink == wanted.ink) {
                return drawn.pixmap;
            }
        }
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        }
        // A platform that draws pixmaps on its main thread alone leaves one drawn elsewhere
        // empty; that one is drawn again when it is asked for there.
        if (!pixmap.isNull()) {
            drawn_.push_back(wanted);
            drawn_.back().pixmap = pixmap;
        }
        return pixmap;
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(draw_); }

private:
    struct Picture {
        QSize size;
        QIcon::Mode mode;
        QIcon::State state;
        QRgb ink;
        QPixmap pixmap;
    };

    IconDrawing draw_;
    std::vector<Picture> drawn_;
};

}  // namespace

QIcon ToolIcon(ToolImage image) {
    return DrawnIcon([image](QPainter& painter, const QRectF& area, const QColor& ink) {
        UseUnitSquare(painter, area, ink);
        Draw(image, painter);
    });
}

QIcon DrawnIcon(IconDrawing draw) {
    return QIcon(new DrawnIconEngine(std::move(draw)));
}

void UseUnitSquare(QPainter& painter, const QRectF& area, const QColor& ink) {
    const qreal side = qMin(area.width(), area.height());
    painter.translate(area.x() + (area.width() - side) / 2.0,
                      area.y() + (area.height() - side) / 2.0);
    painter.scale(side, side);
    // About 1.4 pixels wide whatever the size, but never thinner than a pixel.
    QPen pen(ink, qMax(1.0, side / 11.0) / side);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
}

}  // namespace quillex

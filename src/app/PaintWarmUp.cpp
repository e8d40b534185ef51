#include "app/PaintWarmUp.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>

namespace quillex {

BackgroundJob WarmUpPainter() {
    return BackgroundJob([] {
        // Tall enough to be split among the helpers; a gradient, because a single colour is
        // filled without them.
        QImage image(4, 256, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        QLinearGradient gradient(0, 0, image.width(), 0);
        gradient.setColorAt(0, Qt::white);
        gradient.setColorAt(1, Qt::black);
        painter.fillRect(image.rect(), gradient);
    });
}

}  // namespace quillex

#include "app/PaintWarmUp.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <system_error>

namespace quillex {

PaintWarmUp::PaintWarmUp() {
    try {
        thread_ = std::thread([] {
            // Tall enough to be split among the helpers; a gradient, because a single colour
            // is filled without them.
            QImage image(4, 256, QImage::Format_ARGB32_Premultiplied);
            QPainter painter(&image);
            QLinearGradient gradient(0, 0, image.width(), 0);
            gradient.setColorAt(0, Qt::white);
            gradient.setColorAt(1, Qt::black);
            painter.fillRect(image.rect(), gradient);
        });
    } catch (const std::system_error&) {
        // Then the first paint starts them, as it always can.
    }
}

PaintWarmUp::~PaintWarmUp() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

}  // namespace quillex

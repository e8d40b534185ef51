// Reads the 32-bit BMP form (bit fields, straight alpha) in which the program keeps its icon.
// Qt's own reader would first list every image-format plugin on the machine, which costs a
// start more than the picture itself.
#pragma once

#include <QByteArrayView>
#include <QImage>

namespace quillex {

// The picture, or a null image when `file` is not an uncompressed 32-bit BMP whose masks put
// the bytes in blue, green, red, alpha order.
QImage ReadBitmap32(QByteArrayView file);

}  // namespace quillex

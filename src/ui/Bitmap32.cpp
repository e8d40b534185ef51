#include "ui/Bitmap32.h"

#include <QtEndian>

#include <cstdint>

namespace quillex {
namespace {

constexpr qsizetype kFileHeader = 14;
constexpr qsizetype kMasksAt = kFileHeader + 40;  // behind the BITMAPINFOHEADER fields
constexpr std::uint32_t kBitFields = 3;
constexpr int kLargestSide = 1024;

std::uint32_t U32(QByteArrayView file, qsizetype at) {
    return qFromLittleEndian<std::uint32_t>(file.data() + at);
}

}  // namespace

QImage ReadBitmap32(QByteArrayView file) {
    if (file.size() < kMasksAt + 16 || !file.startsWith("BM")) {
        return {};
    }
    const std::uint32_t offset = U32(file, 10);
    const std::uint32_t infoSize = U32(file, kFileHeader);
    const auto width = static_cast<std::int32_t>(U32(file, kFileHeader + 4));
    const auto height = static_cast<std::int32_t>(U32(file, kFileHeader + 8));
    const std::uint32_t planesAndBits = U32(file, kFileHeader + 12);
    const bool masksAsQt =
        U32(file, kMasksAt) == 0x00FF0000 && U32(file, kMasksAt + 4) == 0x0000FF00 &&
        U32(file, kMasksAt + 8) == 0x000000FF && U32(file, kMasksAt + 12) == 0xFF000000;
    // A negative height would mean rows from the top; only bottom-up pictures are written.
    if (infoSize < 56 || planesAndBits != (32u << 16 | 1u) || !masksAsQt ||
        U32(file, kFileHeader + 16) != kBitFields || width <= 0 || width > kLargestSide ||
        height <= 0 || height > kLargestSide) {
        return {};
    }
    const qsizetype stride = qsizetype(width) * 4;
    if (offset > file.size() || file.size() - offset < stride * height) {
        return {};
    }
    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull()) {
        return {};
    }
    // On every byte order, Format_ARGB32 holds each pixel as the number 0xAARRGGBB.
    for (int y = 0; y < height; ++y) {
        const char* row = file.data() + offset + stride * (height - 1 - y);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            line[x] = qFromLittleEndian<std::uint32_t>(row + 4 * x);
        }
    }
    return image;
}

}  // namespace quillex

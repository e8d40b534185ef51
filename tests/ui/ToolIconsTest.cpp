#include "ui/ToolIcons.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include <set>

namespace quillex {
namespace {

// Every picture is drawn, at small and large sizes alike, and no two look the same.
TEST(ToolIcons, EveryPictureIsDrawnAndTellsItselfApart) {
    for (const int side : {12, 16, 32}) {
        std::set<QByteArray> pictures;
        for (const ToolImage image : {ToolImage::DeleteTape, ToolImage::Options, ToolImage::Info,
                                      ToolImage::Hide, ToolImage::DeleteAll, ToolImage::Delete}) {
            const QImage drawn = ToolIcon(image).pixmap(side, side).toImage();
            ASSERT_EQ(drawn.size(), QSize(side, side));
            int inked = 0;
            for (int y = 0; y < side; ++y) {
                for (int x = 0; x < side; ++x) {
                    inked += qAlpha(drawn.pixel(x, y)) > 0 ? 1 : 0;
                }
            }
            EXPECT_GT(inked, side) << static_cast<int>(image) << " at " << side;
            pictures.insert(QByteArray(reinterpret_cast<const char*>(drawn.constBits()),
                                       static_cast<qsizetype>(drawn.sizeInBytes())));
        }
        EXPECT_EQ(pictures.size(), 6u) << side;
    }
}

}  // namespace
}  // namespace quillex

#include "ui/ToolIcons.h"

#include "ui/CurrencyIcons.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include <set>
#include <thread>
#include <vector>

namespace quillex {
namespace {

// Every picture is drawn, at small and large sizes alike, and no two look the same: the tool
// pictures, the Euro sign, the currency menu's arrow and the note of every currency.
TEST(ToolIcons, EveryPictureIsDrawnAndTellsItselfApart) {
    std::vector<QIcon> icons;
    for (const ToolImage image :
         {ToolImage::DeleteTape, ToolImage::Units, ToolImage::Converter, ToolImage::Options,
          ToolImage::Info, ToolImage::Hide, ToolImage::DeleteAll, ToolImage::Delete,
          ToolImage::MiniCalc, ToolImage::Back}) {
        icons.push_back(ToolIcon(image));
    }
    icons.push_back(EuroIcon());
    icons.push_back(CurrencyChoiceIcon());
    for (int currency = 0; currency < 11; ++currency) {
        icons.push_back(CurrencyIcon(currency));
    }
    for (const int side : {12, 16, 32}) {
        std::set<QByteArray> pictures;
        for (std::size_t i = 0; i < icons.size(); ++i) {
            const QImage drawn = icons[i].pixmap(side, side).toImage();
            ASSERT_EQ(drawn.size(), QSize(side, side));
            int inked = 0;
            for (int y = 0; y < side; ++y) {
                for (int x = 0; x < side; ++x) {
                    inked += qAlpha(drawn.pixel(x, y)) > 0 ? 1 : 0;
                }
            }
            EXPECT_GT(inked, side) << i << " at " << side;
            pictures.insert(QByteArray(reinterpret_cast<const char*>(drawn.constBits()),
                                       static_cast<qsizetype>(drawn.sizeInBytes())));
        }
        EXPECT_EQ(pictures.size(), icons.size()) << side;
    }
}

// The window's first pictures are drawn on a thread of its own beside its building; what that
// thread leaves in an icon is what the main thread would have drawn, text included.
TEST(ToolIcons, PicturesDrawnOnAnotherThreadAreTheSame) {
    const QSize size(20, 20);
    const QIcon ahead[] = {ToolIcon(ToolImage::Converter), CurrencyIcon(0)};
    std::thread([&ahead, size] {
        for (const QIcon& icon : ahead) {
            icon.pixmap(size);
        }
    }).join();
    const QIcon here[] = {ToolIcon(ToolImage::Converter), CurrencyIcon(0)};
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(ahead[i].pixmap(size).toImage(), here[i].pixmap(size).toImage()) << i;
    }
}

}  // namespace
}  // namespace quillex

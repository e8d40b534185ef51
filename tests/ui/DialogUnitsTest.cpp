#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>

#include "ui/DialogUnits.h"

namespace quillex {
namespace {

// The plain search: every size from the cell height down until the line height fits.
int SteppedDown(const QString& family, int cellHeight) {
    QFont font(family);
    for (int size = cellHeight; size > 1; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).height() <= cellHeight) {
            return size;
        }
    }
    return 1;
}

TEST(DialogUnitsTest, PixelSizeForCellHeightMatchesTheSteppedSearch) {
    for (const QString& family : {QStringLiteral("Arial"), QStringLiteral("MS Sans Serif")}) {
        for (int cellHeight = 0; cellHeight <= 64; ++cellHeight) {
            EXPECT_EQ(DialogUnits::PixelSizeForCellHeight(QFont(family), cellHeight),
                      SteppedDown(family, cellHeight))
                << family.toStdString() << " in " << cellHeight << " pixels";
        }
    }
}

}  // namespace
}  // namespace quillex

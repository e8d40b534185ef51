#include "store/TipFile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace quillex {
namespace {

class TipFileTest : public testing::Test {
protected:
    QString Path() const { return dir_.filePath(QStringLiteral("Tips.gr")); }

    void Write(const QByteArray& content) {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    // Opens the file as a start does and reads its tip; the position is stored afterwards.
    QString Start() {
        TipFile tips;
        EXPECT_EQ(tips.Open(Path(), stored_), TipFile::Opened::Ready);
        const QString tip = tips.ReadNextTip();
        stored_.filePos = tips.Position();
        return tip;
    }

    QTemporaryDir dir_;
    TipPosition stored_;
};

TEST_F(TipFileTest, StartsShowTheTipsInTurnSkippingCommentsAndBlankLines) {
    Write("; comment\n\n  indented\n\tindented\nFirst\nSecond\n;x\nThird\n");
    EXPECT_EQ(Start(), QStringLiteral("First\n"));
    EXPECT_EQ(Start(), QStringLiteral("Second\n"));
    EXPECT_EQ(Start(), QStringLiteral("Third\n"));
    EXPECT_EQ(Start(), QStringLiteral("First\n"));
}

TEST_F(TipFileTest, AReplacedFileOrAPositionBeyondTheEndStartsWithTheFirstTip) {
    Write("First\nSecond\n");
    EXPECT_EQ(Start(), QStringLiteral("First\n"));
    stored_.timeStamp = QStringLiteral("Thu Jan  1 00:00:00 1970");
    EXPECT_EQ(Start(), QStringLiteral("First\n"));
    stored_.filePos = 1 << 20;
    EXPECT_EQ(Start(), QStringLiteral("First\n"));
}

TEST_F(TipFileTest, AFileWithoutTipsGivesAnEmptyTipAndALongLineGoesOnAsTheNextTip) {
    Write(";only\n\n comments\n");
    EXPECT_EQ(Start(), QString());
    Write(QByteArray(1200, 'x') + "\n");
    stored_ = {};
    const QString first = Start();
    EXPECT_EQ(first.size(), TipFile::kMaxTipLength);
    EXPECT_EQ(Start(), QString(201, u'x') + u'\n');
}

TEST_F(TipFileTest, ACarriageReturnIsNoPartOfATipWhereverTheReadingBegan) {
    Write("First\r\nSec\rond\r\nThird\r\n");
    EXPECT_EQ(Start(), QStringLiteral("First\n"));
    EXPECT_EQ(Start(), QStringLiteral("Second\n"));
    TipFile tips;
    stored_ = {};
    ASSERT_EQ(tips.Open(Path(), stored_), TipFile::Opened::Ready);
    EXPECT_EQ(tips.ReadNextTip(), QStringLiteral("First\n"));
    EXPECT_EQ(tips.ReadNextTip(), QStringLiteral("Second\n"));
}

TEST_F(TipFileTest, TheFileIsReadInCodePage1252) {
    Write("Gr\xfc\xdf Gott, \x80 \x84gut\x93\n");
    EXPECT_EQ(Start(), QStringLiteral("Grüß Gott, € „gut“\n"));
}

TEST_F(TipFileTest, AMissingFileIsReportedAndReadsNothing) {
    TipFile tips;
    EXPECT_EQ(tips.Open(Path(), stored_), TipFile::Opened::Missing);
    EXPECT_FALSE(tips.IsOpen());
    EXPECT_EQ(tips.ReadNextTip(), QString());
}

TEST(CalendarTextTest, HasTheFixedEnglishForm) {
    EXPECT_EQ(CalendarText(QDateTime(QDate(1980, 1, 2), QTime(2, 3, 55))),
              QStringLiteral("Wed Jan  2 02:03:55 1980"));
    EXPECT_EQ(CalendarText(QDateTime(QDate(2026, 12, 13), QTime(23, 59, 0))).size(), 24);
}

}  // namespace
}  // namespace quillex

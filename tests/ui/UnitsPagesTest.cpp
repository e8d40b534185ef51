// The converter and constants pages and the Units and Converter menus, driven as a user
// would, with small data files of the test's own in the working directory.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

#include "store/CSettingsKey.h"
#include "store/TapeFile.h"
#include "ui/CConstantsPage.h"
#include "ui/CConverterPage.h"
#include "ui/CMainCalcDlg.h"
#include "ui/CPageTabCtrl.h"
#include "ui/CResultField.h"
#include "ui/Commands.h"

#include "UiTestSupport.h"

namespace quillex {
namespace {

void WriteFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// Length with inch and centimetre; the "All" file adds the mile.
void WriteLengthFiles() {
    WriteFile(QStringLiteral("convert/Length.conv"),
              "2\nin,inch\n1\n2.54\ncm,centimeter\n0.3937007874015748\n1\n");
    WriteFile(QStringLiteral("convert/Length.all"),
              "2\nmi,mile\n1\n1.609344\nkm,kilometer\n0.621371192237334\n1\n");
}

// Opens the menus along the path of entry texts with the keyboard and chooses the last one.
void ChooseInNextMenu(QStringList path) {
    QTimer::singleShot(0, [path]() mutable {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        const QString text = path.takeFirst();
        for (QAction* action : menu->actions()) {
            if (action->text() == text) {
                menu->setActiveAction(action);
            }
        }
        ASSERT_EQ(menu->activeAction()->text(), text);
        if (path.isEmpty()) {
            QTest::keyClick(menu, Qt::Key_Return);
            return;
        }
        QTest::keyClick(menu, Qt::Key_Right);
        ChooseInNextMenu(path);
    });
}

class ConverterPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteLengthFiles();
        page_ = std::make_unique<CConverterPage>(false);
        ASSERT_TRUE(ShowActive(page_.get()));
        ChooseRegion("Length");
    }
    void TearDown() override { QDir(QStringLiteral("convert")).removeRecursively(); }

    void ChooseRegion(const char* name) {
        QComboBox* regions = page_->RegionList();
        regions->setCurrentIndex(regions->findText(QString::fromLatin1(name)));
    }
    QLineEdit* Value(ConverterSide side) const { return page_->ValueField(side); }
    void TypeInto(ConverterSide side, const char* text) {
        QTest::mouseClick(Value(side), Qt::LeftButton);
        Value(side)->selectAll();
        QTest::keyClicks(Value(side), QString::fromLatin1(text));
    }

    std::unique_ptr<CConverterPage> page_;
};

TEST_F(ConverterPageTest, ConvertsEitherWayAndRecomputesTheSecondValueOnAUnitChange) {
    EXPECT_EQ(page_->UnitList(ConverterSide::First)->count(), 2);
    page_->UnitList(ConverterSide::Second)->setCurrentIndex(1);
    EXPECT_EQ(page_->UnitLabel(ConverterSide::Second)->text(), QStringLiteral("cm"));
    TypeInto(ConverterSide::First, "12");
    EXPECT_EQ(Value(ConverterSide::Second)->text(), QStringLiteral("30.48"));
    TypeInto(ConverterSide::Second, "254");
    EXPECT_EQ(Value(ConverterSide::First)->text(), QStringLiteral("100"));
    // A new second unit converts from the first value, never back.
    page_->UnitList(ConverterSide::Second)->setCurrentIndex(0);
    EXPECT_EQ(Value(ConverterSide::First)->text(), QStringLiteral("100"));
    EXPECT_EQ(Value(ConverterSide::Second)->text(), QStringLiteral("100"));
    TypeInto(ConverterSide::First, "1,5");
    EXPECT_EQ(Value(ConverterSide::Second)->text(), QStringLiteral("1"));
}

TEST_F(ConverterPageTest, AllReloadsTheRegionAndAMissingFileChangesNothing) {
    TypeInto(ConverterSide::First, "3");
    QSignalSpy toggled(page_.get(), &CConverterPage::allToggled);
    QTest::mouseClick(page_->AllBox(), Qt::LeftButton);
    EXPECT_TRUE(page_->IsAllChecked());
    EXPECT_EQ(toggled.count(), 1);
    EXPECT_EQ(page_->UnitList(ConverterSide::First)->currentText(), QStringLiteral("mile"));
    EXPECT_EQ(page_->UnitList(ConverterSide::Second)->currentIndex(), 0);
    EXPECT_TRUE(Value(ConverterSide::First)->text().isEmpty());
    page_->UnitList(ConverterSide::Second)->setCurrentIndex(1);
    TypeInto(ConverterSide::First, "1");
    EXPECT_EQ(Value(ConverterSide::Second)->text(), QStringLiteral("1.609344"));

    ChooseRegion("Mass");  // no such file here
    EXPECT_EQ(page_->UnitList(ConverterSide::First)->currentText(), QStringLiteral("mile"));
    EXPECT_EQ(Value(ConverterSide::Second)->text(), QStringLiteral("1.609344"));
}

TEST(ConverterPageStart, EmptyListsConvertNothing) {
    CConverterPage page(true);
    ASSERT_TRUE(ShowActive(&page));
    EXPECT_EQ(page.UnitList(ConverterSide::First)->count(), 0);
    QTest::mouseClick(page.ValueField(ConverterSide::First), Qt::LeftButton);
    QTest::keyClicks(page.ValueField(ConverterSide::First), QStringLiteral("5"));
    EXPECT_TRUE(page.ValueField(ConverterSide::Second)->text().isEmpty());
}

TEST(ConstantsPage, ShowsTheLastChosenEntry) {
    CConstantsPage page;
    ASSERT_TRUE(ShowActive(&page));
    const QString firstUnit = page.UnitField()->text();
    const QString firstValue = page.ValueField()->text();
    EXPECT_FALSE(firstValue.trimmed().isEmpty());
    page.UnitsList()->setFocus();
    QTest::keyClick(page.UnitsList(), Qt::Key_Down);
    EXPECT_NE(page.UnitField()->text(), firstUnit);
    EXPECT_NE(page.ValueField()->text(), firstValue);
    // Choosing the constant that is still selected shows it again.
    page.ConstantsList()->setFocus();
    QTest::keyClick(page.ConstantsList(), Qt::Key_Down);
    QTest::keyClick(page.ConstantsList(), Qt::Key_Up);
    EXPECT_EQ(page.UnitField()->text(), firstUnit);
    EXPECT_EQ(page.ValueField()->text(), firstValue);
}

class UnitMenusTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFile::remove(SettingsFilePath());
        WriteFile(QStringLiteral("conv.dat"),
                  "celsius,fahrenheit,TEMPERATURE,9/5+32,\n"
                  "inch,centimeter,Lengths,2.54,\n");
        StartWithoutTip();
        window_ = std::make_unique<CMainCalcDlg>();
        window_->Initialise();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }
    void TearDown() override {
        window_.reset();
        QFile::remove(QStringLiteral("conv.dat"));
        QFile::remove(SettingsFilePath());
        QFile::remove(TapeFilePath());
    }

    void Type(const char* text) {
        QTest::keyClicks(window_->ExpressionField(), QString::fromLatin1(text));
    }
    void ChooseFromTool(TextId tip, const QStringList& path) {
        ChooseInNextMenu(path);
        QTest::mouseClick(Named<QToolButton>(window_.get(), tip), Qt::LeftButton);
    }
    QString Expression() const { return window_->ExpressionField()->toPlainText(); }
    QString Result() const { return window_->ResultField()->text(); }

    std::unique_ptr<CMainCalcDlg> window_;
};

TEST_F(UnitMenusTest, UnitsMenuInsertsAtTheCaret) {
    Type("3*");
    ChooseFromTool(TextId::TipUnits,
                   {QStringLiteral("A - D"), QStringLiteral("atm .. std. atmosphere [101325 "
                                                            "kg/m*s^2]")});
    EXPECT_EQ(Expression(), QStringLiteral("3*101325"));
    EXPECT_EQ(Result(), QStringLiteral("303975"));
}

TEST_F(UnitMenusTest, ConverterMenuWrapsTheExpression) {
    Type("12");
    ChooseFromTool(TextId::TipConverter, {Tr(TextId::MenuImperialToMetric),
                                          QStringLiteral("inch        -> centimeter   ")});
    EXPECT_EQ(Expression(), QStringLiteral("(12)*2.54"));
    EXPECT_EQ(Result(), QStringLiteral("30.48"));

    window_->ExpressionField()->clear();
    Type("100");
    ChooseFromTool(TextId::TipConverter,
                   {QStringLiteral("Temperature"), QStringLiteral("celsius -> fahrenheit")});
    EXPECT_EQ(Expression(), QStringLiteral("(100)*9/5+32"));
    EXPECT_EQ(Result(), QStringLiteral("212"));
}

TEST_F(UnitMenusTest, TheAllBoxIsStoredAtQuitAndReadAtTheNextStart) {
    window_->Tabs()->setCurrentIndex(3);
    QTest::mouseClick(window_->ConverterPage()->AllBox(), Qt::LeftButton);
    window_->HandleCommand(kCmdQuit);
    CSettingsKey key;
    key.Open();
    QString stored;
    key.ReadString(stored, QStringLiteral("Options_Converter_ShowAll"));
    EXPECT_EQ(stored, QStringLiteral("0"));
    key.Close();
    window_ = std::make_unique<CMainCalcDlg>();
    window_->Initialise();
    EXPECT_FALSE(window_->ConverterPage()->IsAllChecked());
}

}  // namespace
}  // namespace quillex

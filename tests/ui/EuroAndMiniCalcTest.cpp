// The Euro conversion of the main window and the mini calculator, driven through the keys and
// buttons a user has.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

#include "store/CSettingsKey.h"
#include "store/CalculatorState.h"
#include "store/TapeFile.h"
#include "ui/CMainCalcDlg.h"
#include "ui/CMiniCalcDlg.h"
#include "ui/CResultField.h"
#include "ui/CWindowPlacement.h"
#include "ui/Commands.h"

#include "UiTestSupport.h"

namespace quillex {
namespace {

QImage Picture(const QIcon& icon) {
    return icon.pixmap(16, 16).toImage();
}

// Runs `act` on the mini calculator once it is open, and closes it afterwards if `act` left
// it open.
void WithMiniCalc(std::function<void(CMiniCalcDlg&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        auto* mini = qobject_cast<CMiniCalcDlg*>(QApplication::activeModalWidget());
        if (mini == nullptr) {
            ADD_FAILURE() << "the mini calculator is not open";
            return;
        }
        act(*mini);
        if (mini->isVisible()) {
            mini->done(QDialog::Rejected);
        }
    });
}

QLineEdit* MiniInput(const CMiniCalcDlg& mini) {
    return Named<QLineEdit>(mini, TextId::NameExpression);
}
QLineEdit* MiniResult(const CMiniCalcDlg& mini) {
    return Named<QLineEdit>(mini, TextId::NameResult);
}
QString MiniShows(const CMiniCalcDlg& mini, const char* input) {
    MiniInput(mini)->clear();
    QTest::keyClicks(MiniInput(mini), QString::fromLatin1(input));
    return MiniResult(mini)->text();
}

class EuroAndMiniCalcTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFile::remove(TapeFilePath());
        QFile::remove(SettingsFilePath());
    }
    void TearDown() override {
        started_.reset();
        SetUp();
    }

    // Starts the main window with the currency index stored as the setting "Euro".
    void Start(const char* storedEuro) {
        CSettingsKey key;
        key.Open();
        key.WriteString(QString::fromLatin1(storedEuro), QStringLiteral("Euro"));
        key.Close();
        started_ = std::make_unique<StartedWindow>();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&Window()));
    }

    CMainCalcDlg& Window() const { return started_->window; }
    const Settings& Values() const { return started_->state.Values(); }
    QPlainTextEdit* Expression() const { return ExpressionField(Window()); }
    QString Result() const { return ResultField(Window())->text(); }
    QString ResultAfter(const char* expression, Qt::Key key) {
        Expression()->setPlainText(QString::fromLatin1(expression));
        QTest::keyClick(Expression(), key);
        return Result();
    }
    QToolButton* CurrencyButton() const {
        return Named<QToolButton>(Window(), TextId::TipEuroToCurrency);
    }
    // Chooses the currency of the entry from the currency button's menu and gives every
    // entry's text.
    QStringList ChooseCurrency(int entry) {
        QStringList entries;
        QTimer::singleShot(0, [&entries, entry] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions()) {
                entries << action->text();
                EXPECT_FALSE(action->icon().isNull());
            }
            menu->setActiveAction(menu->actions().at(entry));
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QTest::mouseClick(Named<QToolButton>(Window(), TextId::TipSelectCurrency), Qt::LeftButton);
        return entries;
    }

    std::unique_ptr<StartedWindow> started_;
};

TEST_F(EuroAndMiniCalcTest, FunctionKeysShowTheConversionInTheResultFieldOnly) {
    Start("2");  // DM
    EXPECT_EQ(CurrencyButton()->accessibleDescription(), QStringLiteral("DM"));
    EXPECT_EQ(ResultAfter("100", Qt::Key_F2), QStringLiteral("51.129189 Euro"));
    // The result value stays as it was: the same key shows the same text.
    QTest::keyClick(Expression(), Qt::Key_F2);
    EXPECT_EQ(Result(), QStringLiteral("51.129189 Euro"));
    EXPECT_EQ(Expression()->toPlainText(), QStringLiteral("100"));
    EXPECT_EQ(ExpressionTape(Window())->count(), 0);
    EXPECT_EQ(started_->state.TapeEntries().Size(), 0);

    // Choosing a currency changes the button, not the result field.
    const QImage before = Picture(CurrencyButton()->icon());
    ChooseCurrency(7);  // ITL
    EXPECT_EQ(Values().euro, 7);
    EXPECT_NE(Picture(CurrencyButton()->icon()), before);
    EXPECT_EQ(Result(), QStringLiteral("51.129189 Euro"));

    EXPECT_EQ(ResultAfter("1", Qt::Key_F3), QStringLiteral("1936.270020 ITL"));
    // Points between thousands, chosen in the keypad page's list.
    QComboBox* thousands = Named<QComboBox>(Window(), TextId::NameThousandsStyle);
    thousands->setFocus();
    QTest::keyClick(thousands, Qt::Key_Down);
    ASSERT_EQ(Values().thousands, kThousandsPoints);
    EXPECT_EQ(ResultAfter("1000", Qt::Key_F3), QStringLiteral("1.936.270,019531 ITL"));
    // After a failed evaluation the last value is converted, and its digits are not grouped.
    EXPECT_EQ(ResultAfter("1000+", Qt::Key_F3), QStringLiteral("1936270.019531 ITL"));
}

TEST_F(EuroAndMiniCalcTest, TheCurrencyMenuListsEveryCurrencyAndChoosesOne) {
    Start("11");  // outside the table: the first currency
    EXPECT_EQ(Values().euro, 0);
    EXPECT_EQ(CurrencyButton()->accessibleDescription(), QStringLiteral("ATS"));
    EXPECT_EQ(ChooseCurrency(9).join(u' '),
              QStringLiteral("ATS BEF DM ESP FIM FRF IEP ITL LUF NLG PTE"));
    EXPECT_EQ(Values().euro, 9);
    EXPECT_EQ(CurrencyButton()->accessibleDescription(), QStringLiteral("NLG"));
}

TEST_F(EuroAndMiniCalcTest, MiniCalcTakesThePlaceOfTheMainWindowAndHandsBackItsResult) {
    Start("2");  // DM
    bool ran = false;
    WithMiniCalc([&](CMiniCalcDlg& mini) {
        ran = true;
        EXPECT_FALSE(Window().isVisible());
        EXPECT_TRUE(mini.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_EQ(mini.windowTitle(), QStringLiteral("Quillex"));
        EXPECT_EQ(MiniShows(mini, "2/3"), QStringLiteral("0.667"));
        EXPECT_EQ(MiniShows(mini, "-1"), QStringLiteral("-1.000"));
        EXPECT_EQ(MiniResult(mini)->palette().color(QPalette::Text), QColor(225, 0, 0));
        EXPECT_EQ(MiniShows(mini, "not(0)"), QStringLiteral("15.000"));
        EXPECT_EQ(MiniResult(mini)->palette().color(QPalette::Text), QColor(1, 1, 1));
        EXPECT_EQ(MiniShows(mini, "X+Y"), QStringLiteral("0.000"));
        EXPECT_EQ(MiniShows(mini, ""), QStringLiteral("Syntax Fehler"));

        EXPECT_EQ(MiniShows(mini, "10"), QStringLiteral("10.000"));
        QTest::mouseClick(Named<QPushButton>(mini, TextId::NameMiniEuroToCurrency), Qt::LeftButton);
        EXPECT_EQ(MiniResult(mini)->text(), QStringLiteral("19.558"));
        QTest::mouseClick(Named<QPushButton>(mini, TextId::NameMiniCurrencyToEuro), Qt::LeftButton);
        EXPECT_EQ(MiniResult(mini)->text(), QStringLiteral("5.113"));

        QTest::keyClick(MiniInput(mini), Qt::Key_Escape);
        EXPECT_TRUE(mini.isVisible());
        EXPECT_EQ(MiniInput(mini)->text(), QString());
        EXPECT_EQ(MiniResult(mini)->text(), QString());

        QTest::keyClicks(MiniInput(mini), QStringLiteral("7*6"));
        QTest::keyClick(MiniInput(mini), Qt::Key_Return);
        EXPECT_FALSE(mini.isVisible());
    });
    QTest::keyClick(Expression(), Qt::Key_F6);
    EXPECT_TRUE(ran);
    EXPECT_TRUE(Window().isVisible());
    EXPECT_EQ(Expression()->toPlainText(), QStringLiteral("42.000"));
    EXPECT_EQ(Result(), QStringLiteral("42"));

    // The close box closes it as the back button does; the main window comes back with the
    // converted value, the result shown last.
    WithMiniCalc([](CMiniCalcDlg& mini) {
        QTest::keyClicks(MiniInput(mini), QStringLiteral("10"));
        QTest::mouseClick(Named<QPushButton>(mini, TextId::NameMiniCurrencyToEuro), Qt::LeftButton);
        mini.close();
    });
    QTest::mouseClick(Named<QToolButton>(Window(), TextId::TipMiniCalc), Qt::LeftButton);
    EXPECT_TRUE(Window().isVisible());
    EXPECT_EQ(Expression()->toPlainText(), QStringLiteral("5.113"));
    EXPECT_TRUE(ParsePlacement(Values().windowPositionMini).has_value());
}

TEST_F(EuroAndMiniCalcTest, MiniCalcCutsTooLongInputAfterOneBox) {
    CMiniCalcDlg mini(0, QString());
    BoxAnswerer boxes(QMessageBox::Ok);
    MiniInput(mini)->setText(QStringLiteral("1+").repeated(65));
    EXPECT_EQ(boxes.count, 1);
    EXPECT_EQ(boxes.text, QStringLiteral("Maximum length of term is 128"));
    EXPECT_EQ(boxes.caption, QStringLiteral("Error"));
    EXPECT_EQ(MiniInput(mini)->text(), QStringLiteral("1+").repeated(63).left(125));
    EXPECT_EQ(MiniResult(mini)->text(), QStringLiteral("63.000"));
}

TEST_F(EuroAndMiniCalcTest, MiniCalcTakesAStoredPlacementOnlyOfItsOwnSizeAndOnTheScreen) {
    const CMiniCalcDlg probe(0, QString());
    const auto placedAt = [&probe](QPoint at, int widthChange) {
        Placement stored;
        stored.left = at.x();
        stored.top = at.y();
        stored.right = at.x() + probe.width() + widthChange;
        stored.bottom = at.y() + probe.height();
        return CMiniCalcDlg(0, FormatPlacement(stored)).pos();
    };
    EXPECT_EQ(placedAt({40, 50}, 0), QPoint(40, 50));
    EXPECT_NE(placedAt({40, 50}, 1), QPoint(40, 50));
    // Its middle on the lower right corner of the screen's free area: moved inside, no further
    // than it must.
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint inside =
        placedAt(free.bottomRight() - QPoint(probe.width() / 2, probe.height() / 2), 0);
    EXPECT_TRUE(free.contains(QRect(inside, probe.size())));
    EXPECT_EQ(inside.x() + probe.width() - 1, free.right());
}

}  // namespace
}  // namespace quillex

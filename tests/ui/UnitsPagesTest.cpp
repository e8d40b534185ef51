// The converter and constants pages and the Units and Converter menus, driven as a user
// would, with small data files of the test's own in the working directory.
#include <gtest/gtest.h>

#include <QAbstractItemView>
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
#include "store/CalculatorState.h"
#include "store/TapeFile.h"
#include "ui/CConstantsPage.h"
#include "ui/CConverterPage.h"
#include "ui/CMainCalcDlg.h"
#include "ui/CPageTabCtrl.h"
#include "ui/CResultField.h"

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

// The converter page's controls by their names; each side is "1" or "2".
QComboBox* Regions(const QWidget& page) {
    return Named<QComboBox>(page, TextId::ConverterRegion);
}
QCheckBox* AllBox(const QWidget& page) {
    return Named<QCheckBox>(page, TextId::ConverterAll);
}
QComboBox* UnitList(const QWidget& page, ConverterSide side) {
    const TextId unit =
        side == ConverterSide::First ? TextId::ConverterUnit1 : TextId::ConverterUnit2;
    return Named<QComboBox>(page, Tr(unit).remove(u':'));
}
QLineEdit* ValueField(const QWidget& page, ConverterSide side) {
    return Named<QLineEdit>(page, side == ConverterSide::First ? TextId::NameConverterValue1
                                                               : TextId::NameConverterValue2);
}
QLabel* UnitLabel(const QWidget& page, ConverterSide side) {
    return Named<QLabel>(page, side == ConverterSide::First ? TextId::NameConverterLabel1
                                                            : TextId::NameConverterLabel2);
}

class ConverterPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteLengthFiles();
        Settings stored;
        stored.converterShowAll = false;
        state_.Load(stored);
        page_ = std::make_unique<CConverterPage>(state_);
        ASSERT_TRUE(ShowActive(page_.get()));
        ChooseRegion("Length");
    }
    void TearDown() override { QDir(QStringLiteral("convert")).removeRecursively(); }

    void ChooseRegion(const char* name) {
        QComboBox* regions = Regions(*page_);
        regions->setCurrentIndex(regions->findText(QString::fromLatin1(name)));
    }
    QComboBox* Units(ConverterSide side) const { return UnitList(*page_, side); }
    QLineEdit* Value(ConverterSide side) const { return ValueField(*page_, side); }
    void TypeInto(ConverterSide side, const char* text) {
        QTest::mouseClick(Value(side), Qt::LeftButton);
        Value(side)->selectAll();
        QTest::keyClicks(Value(side), QString::fromLatin1(text));
    }

    CalculatorState state_;
    std::unique_ptr<CConverterPage> page_;
};

TEST_F(ConverterPageTest, ConvertsEitherWayAndRecomputesTheSecondValueOnAUnitChange) {
    EXPECT_EQ(Units(ConverterSide::First)->count(), 2);
    Units(ConverterSide::Second)->setCurrentIndex(1);
    EXPECT_EQ(UnitLabel(*page_, ConverterSide::Second)->text(), QStringLiteral("cm"));
    TypeInto(ConverterSide::First, "12");
    EXPECT_EQ(Value(ConverterSide::Second)->text(), QStringLiteral("30.48"));
    TypeInto(ConverterSide::Second, "254");
    EXPECT_EQ(Value(ConverterSide::First)->text(), QStringLiteral("100"));
    // A new second unit converts from the first value, never back.
    Units(ConverterSide::Second)->setCurrentIndex(0);
    EXPECT_EQ(Value(ConverterSide::First)->text(), QStringLiteral("100"));
    EXPECT_EQ(Value(ConverterSide::Second)->text(), QStringLiteral("100"));
    TypeInto(ConverterSide::First, "1,5");
    EXPECT_EQ(Value(ConverterSide::Second)->text(), QStringLiteral("1"));
}

// The second value goes to the expression by the button beside it or the field's menu, as a
// term the engine reads wherever it is inserted.
TEST_F(ConverterPageTest, TheSecondValueGoesToTheExpression) {
    QSignalSpy inserted(page_.get(), &CConverterPage::insertRequested);
    auto* button = Named<QToolButton>(*page_, TextId::ConverterToExpression);
    EXPECT_FALSE(button->isEnabled());
    Units(ConverterSide::Second)->setCurrentIndex(1);
    TypeInto(ConverterSide::First, "-12");
    QTest::mouseClick(button, Qt::LeftButton);
    MenuChooser chooser(QStringLiteral("In die Eingabe"));
    emit Value(ConverterSide::Second)->customContextMenuRequested(QPoint(1, 1));
    EXPECT_TRUE(chooser.opened);
    ASSERT_EQ(inserted.size(), 2);
    EXPECT_EQ(inserted[0][0].toString(), QStringLiteral("(-30.48)"));
    EXPECT_EQ(inserted[1][0].toString(), QStringLiteral("(-30.48)"));
    TypeInto(ConverterSide::Second, "abc");
    EXPECT_FALSE(button->isEnabled());
}

TEST_F(ConverterPageTest, AllReloadsTheRegionAndAMissingFileChangesNothing) {
    TypeInto(ConverterSide::First, "3");
    QSignalSpy changes(&state_, &CalculatorState::changed);
    QTest::mouseClick(AllBox(*page_), Qt::LeftButton);
    EXPECT_TRUE(AllBox(*page_)->isChecked());
    EXPECT_TRUE(state_.Values().converterShowAll);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(Units(ConverterSide::First)->currentText(), QStringLiteral("mile"));
    EXPECT_EQ(Units(ConverterSide::Second)->currentIndex(), 0);
    EXPECT_TRUE(Value(ConverterSide::First)->text().isEmpty());
    Units(ConverterSide::Second)->setCurrentIndex(1);
    TypeInto(ConverterSide::First, "1");
    EXPECT_EQ(Value(ConverterSide::Second)->text(), QStringLiteral("1.609344"));

    ChooseRegion("Mass");  // no such file here
    EXPECT_EQ(Units(ConverterSide::First)->currentText(), QStringLiteral("mile"));
    EXPECT_EQ(Value(ConverterSide::Second)->text(), QStringLiteral("1.609344"));
}

TEST(ConverterPageStart, EmptyListsConvertNothing) {
    CalculatorState state;  // the All box on, with no file to read
    CConverterPage page(state);
    ASSERT_TRUE(ShowActive(&page));
    EXPECT_TRUE(AllBox(page)->isChecked());
    EXPECT_EQ(UnitList(page, ConverterSide::First)->count(), 0);
    QLineEdit* first = ValueField(page, ConverterSide::First);
    QTest::mouseClick(first, Qt::LeftButton);
    QTest::keyClicks(first, QStringLiteral("5"));
    EXPECT_TRUE(ValueField(page, ConverterSide::Second)->text().isEmpty());
}

TEST(ConstantsPage, ShowsTheLastChosenEntry) {
    CConstantsPage page;
    ASSERT_TRUE(ShowActive(&page));
    auto* constants = Named<QComboBox>(page, TextId::ConstantsNatureConstants);
    auto* units = Named<QComboBox>(page, TextId::ConstantsUnits);
    auto* unit = Named<QLineEdit>(page, TextId::ConstantsUnit);
    auto* value = Named<QLineEdit>(page, TextId::ConstantsValue);
    ASSERT_TRUE(constants && units && unit && value);
    const QString firstUnit = unit->text();
    const QString firstValue = value->text();
    EXPECT_FALSE(firstValue.trimmed().isEmpty());
    units->setFocus();
    QTest::keyClick(units, Qt::Key_Down);
    EXPECT_NE(unit->text(), firstUnit);
    EXPECT_NE(value->text(), firstValue);
    // Choosing the constant that is still selected shows it again.
    constants->setFocus();
    QTest::keyClick(constants, Qt::Key_Down);
    QTest::keyClick(constants, Qt::Key_Up);
    EXPECT_EQ(unit->text(), firstUnit);
    EXPECT_EQ(value->text(), firstValue);
}

// Each list's popup shows every entry whole; the English lists, which take typed text, show
// their entry with its trailing blanks from its start: at the first show, when the keyboard
// gives them the focus, and after each choice.
TEST(ConstantsPage, ListsShowTheirEntriesWholeAndFromTheStart) {
    for (const Language language : {Language::German, Language::English}) {
        SetLanguage(language);
        CConstantsPage page;
        ASSERT_TRUE(ShowActive(&page));
        for (const TextId name : {TextId::ConstantsNatureConstants, TextId::ConstantsUnits}) {
            auto* list = Named<QComboBox>(page, name);
            ASSERT_NE(list, nullptr);
            SCOPED_TRACE(list->accessibleName().toStdString());
            if (QLineEdit* field = list->lineEdit()) {
                const auto expectFromTheStart = [list, field] {
                    EXPECT_EQ(field->text(), list->itemText(list->currentIndex()));
                    EXPECT_TRUE(field->text().endsWith(u' '));
                    EXPECT_EQ(field->cursorPosition(), 0);
                };
                expectFromTheStart();
                Named<QLineEdit>(page, TextId::ConstantsUnit)->setFocus();
                list->setFocus(Qt::TabFocusReason);
                EXPECT_EQ(field->selectedText(), field->text());
                expectFromTheStart();
                QTest::keyClick(list, Qt::Key_Down);
                expectFromTheStart();
            } else {
                EXPECT_EQ(language, Language::German);
            }
            list->showPopup();
            const QAbstractItemView* entries = list->view();
            for (int row = 0; row < list->count(); ++row) {
                const QModelIndex entry = entries->model()->index(row, 0);
                EXPECT_GE(entries->viewport()->width(), entries->sizeHintForIndex(entry).width())
                    << list->itemText(row).toStdString();
            }
            list->hidePopup();
        }
    }
    SetLanguage(Language::German);
}

class UnitMenusTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFile::remove(SettingsFilePath());
        WriteFile(QStringLiteral("conv.dat"),
                  "celsius,fahrenheit,TEMPERATURE,9/5+32,\n"
                  "inch,centimeter,Lengths,2.54,\n");
        started_ = std::make_unique<StartedWindow>();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    }
    void TearDown() override {
        started_.reset();
        QFile::remove(QStringLiteral("conv.dat"));
        QFile::remove(SettingsFilePath());
        QFile::remove(TapeFilePath());
    }

    CMainCalcDlg& Window() const { return started_->window; }
    void Type(const char* text) {
        QTest::keyClicks(ExpressionField(Window()), QString::fromLatin1(text));
    }
    void ChooseFromTool(TextId tip, const QStringList& path) {
        ChooseInNextMenu(path);
        QTest::mouseClick(Named<QToolButton>(Window(), tip), Qt::LeftButton);
    }
    QString Expression() const { return ExpressionField(Window())->toPlainText(); }
    QString Result() const { return ResultField(Window())->text(); }

    std::unique_ptr<StartedWindow> started_;
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

    ExpressionField(Window())->clear();
    Type("100");
    ChooseFromTool(TextId::TipConverter,
                   {QStringLiteral("Temperature"), QStringLiteral("celsius -> fahrenheit")});
    EXPECT_EQ(Expression(), QStringLiteral("(100)*9/5+32"));
    EXPECT_EQ(Result(), QStringLiteral("212"));
}

TEST_F(UnitMenusTest, TheAllBoxIsStoredAtQuitAndReadAtTheNextStart) {
    QTest::mouseClick(AllBox(*ShowPage(Window(), TextId::TabConverter)), Qt::LeftButton);
    EXPECT_FALSE(started_->state.Values().converterShowAll);
    EXPECT_EQ(QuitFromMainLoop(Window()), 0);
    CSettingsKey key;
    key.Open();
    QString stored;
    key.ReadString(stored, QStringLiteral("Options_Converter_ShowAll"));
    EXPECT_EQ(stored, QStringLiteral("0"));
    key.Close();
    started_.reset();
    started_ = std::make_unique<StartedWindow>();
    EXPECT_FALSE(AllBox(*ShowPage(Window(), TextId::TabConverter))->isChecked());
}

}  // namespace
}  // namespace quillex

// The main window driven as a user would: simulated keys and clicks on Qt's offscreen
// platform, message boxes and menus answered by the test.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bases/ProgrammerFields.h"
#include "engine/Calculation.h"
#include "store/CSettingsKey.h"
#include "store/TapeFile.h"
#include "ui/CConstantsPage.h"
#include "ui/CConverterPage.h"
#include "ui/CInfoDlg.h"
#include "ui/CKeypadPage.h"
#include "ui/CLogicPage.h"
#include "ui/CMainCalcDlg.h"
#include "ui/COptionsDlg.h"
#include "ui/CPageTabCtrl.h"
#include "ui/CProgrammerPage.h"
#include "ui/CTrayIcon.h"
#include "ui/Commands.h"
#include "ui/Help.h"
#include "ui/KeypadKeys.h"

#include "UiTestSupport.h"

namespace quillex {
namespace {

QString Stored(const char* name) {
    CSettingsKey key;
    key.Open();
    QString text;
    key.ReadString(text, QString::fromLatin1(name));
    return text;
}

void Store(const char* name, const char* text) {
    CSettingsKey key;
    key.Open();
    key.WriteString(QString::fromLatin1(text), QString::fromLatin1(name));
    key.Close();
}

// What the result field shows for an input, computed without a window.
QString Expected(const std::string& input) {
    ExprEngine engine;
    return QString::fromStdString(Calculate(engine, input, CalcSettings{}).resultText);
}

// Chooses the entry with the given text in the next popup menu; records all entries.
class MenuChooser {
public:
    explicit MenuChooser(QString choice) : choice_(std::move(choice)) {
        QTimer::singleShot(0, [this] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) {
                return;
            }
            opened = true;
            for (QAction* action : menu->actions()) {
                entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
                if (action->text() == choice_) {
                    menu->setActiveAction(action);
                }
            }
            QTest::keyClick(menu, Qt::Key_Return);
        });
    }

    bool opened = false;
    QStringList entries;

private:
    QString choice_;
};

// Hands the next modal dialog to `act` once it runs, then closes it.
void WithNextModal(std::function<void(QDialog*)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            act(dialog);
            dialog->done(QDialog::Accepted);
        }
    });
}

QStringList opened;
bool RecordOpen(const QString& target) {
    opened << target;
    return true;
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFile::remove(TapeFilePath());
        QFile::remove(SettingsFilePath());
        QGuiApplication::clipboard()->clear();
    }
    void TearDown() override {
        window_.reset();
        QFile::remove(TapeFilePath());
        QFile::remove(SettingsFilePath());
    }

    CMainCalcDlg& Start(const std::function<void(Settings&)>& adjust = {}) {
        StartWithoutTip();
        window_ = std::make_unique<CMainCalcDlg>();
        window_->Initialise();
        if (adjust) {
            adjust(window_->CurrentSettings());
        }
        EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        return *window_;
    }

    QPlainTextEdit* Expression() const { return window_->ExpressionField(); }
    QString ExpressionText() const { return Expression()->toPlainText(); }
    QString ResultText() const { return window_->ResultField()->text(); }
    QListWidget* ExpressionTape() const { return window_->ExpressionTape(); }
    QListWidget* ResultTape() const { return window_->ResultTape(); }

    void Type(const char* text) { QTest::keyClicks(Expression(), QString::fromUtf8(text)); }
    void Enter() { QTest::keyClick(Expression(), Qt::Key_Return); }
    void File(const char* text) {
        Expression()->setPlainText(QString::fromUtf8(text));
        Enter();
    }

    QAbstractButton* Button(QWidget* parent, const QString& name) const {
        return Named<QAbstractButton>(parent, name);
    }

    bool HiddenOrMinimised() const { return !window_->isVisible() || window_->isMinimized(); }

    void RightClickExpressionTape(const QPoint& at) {
        QTest::mousePress(ExpressionTape()->viewport(), Qt::RightButton, {}, at);
    }
    QPoint BelowLastEntry() const {
        const QRect last =
            ExpressionTape()->visualItemRect(ExpressionTape()->item(ExpressionTape()->count() - 1));
        return {last.center().x(), last.bottom() + 5};
    }

    // Clicks the tab, as the user chooses a page.
    void ShowTab(int index) {
        QTabBar* bar = window_->Tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        ASSERT_EQ(window_->Tabs()->currentIndex(), index);
    }
    QLineEdit* PageField(QWidget* page, const char* name) const {
        return Named<QLineEdit>(page, QString::fromLatin1(name));
    }
    QString Binary(const char* name) const {
        return PageField(window_->ProgrammerPage(), name)->text();
    }
    void TypeIntoPage(QWidget* page, const char* name, const char* text) {
        QLineEdit* field = PageField(page, name);
        QTest::mouseClick(field, Qt::LeftButton);
        ASSERT_TRUE(field->hasFocus()) << name;
        field->selectAll();
        QTest::keyClicks(field, QString::fromLatin1(text));
    }
    void ClickBinary(const char* name) {
        QTest::mouseClick(Button(window_->ProgrammerPage(), QString::fromLatin1(name)),
                          Qt::LeftButton);
    }

    std::unique_ptr<CMainCalcDlg> window_;
};

TEST_F(MainWindowTest, StartsWithCaptionEmptyTapeAndNoInput) {
    CMainCalcDlg& window = Start();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Omnivex Calculator"));
    EXPECT_EQ(ResultText(), QStringLiteral("Keine Eingabe"));
    EXPECT_EQ(ExpressionTape()->count(), 0);
    EXPECT_TRUE(ResultTape()->isVisible());
    EXPECT_EQ(window.CurrentSettings().stackExpression, 0);
    EXPECT_EQ(QApplication::focusWidget(), Expression());
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
}

TEST_F(MainWindowTest, TypingEvaluatesAndEnterFilesAtTheTop) {
    Start();
    Type("2*pi");
    EXPECT_EQ(ResultText(), QStringLiteral("6.2831853071796"));
    EXPECT_NEAR(window_->LastResult(), 6.2831853071796, 1e-12);
    Enter();
    ASSERT_EQ(ExpressionTape()->count(), 1);
    EXPECT_EQ(ExpressionTape()->item(0)->text(), QStringLiteral("2*pi"));
    EXPECT_EQ(ResultTape()->item(0)->text(), QStringLiteral("6.2831853071796"));
    EXPECT_EQ(ExpressionText(), QString());
    EXPECT_EQ(ResultText(), QStringLiteral("Keine Eingabe"));

    Type("1,5*2");
    Enter();
    EXPECT_EQ(ExpressionTape()->item(0)->text(), QStringLiteral("1,5*2"));
    EXPECT_EQ(ResultTape()->item(0)->text(), QStringLiteral("3"));
    EXPECT_EQ(ExpressionTape()->item(1)->text(), QStringLiteral("2*pi"));

    // Enter on an empty field files nothing.
    Enter();
    EXPECT_EQ(window_->TapeModel().Size(), 2);
}

TEST_F(MainWindowTest, FailedEvaluationKeepsTheLastResultAndIsFiledLikeOne) {
    Start();
    Type("4*2");
    Type("+");
    EXPECT_EQ(window_->LastResult(), 8);
    EXPECT_NE(ResultText(), QStringLiteral("8"));
    EXPECT_EQ(ResultText(), QStringLiteral("Anweisung unvollst."));
    Enter();
    // Cut at the point with nothing after it, as a number would be.
    EXPECT_EQ(window_->TapeModel().At(0).result, QStringLiteral("Anweisung unvollst"));
}

TEST_F(MainWindowTest, TooLongInputBringsOneBoxAndIsCut) {
    Start();
    const QString ones = QStringLiteral("1+").repeated(65);  // 130 characters
    const struct {
        const char* how;
        std::function<void()> enter;
    } ways[] = {
        {"pasted",
         [&] {
             QGuiApplication::clipboard()->setText(ones);
             Expression()->paste();
         }},
        {"pasted, a megabyte of it",
         [&] {
             QGuiApplication::clipboard()->setText(QStringLiteral("1+").repeated(500000));
             Expression()->paste();
         }},
        {"set", [&] { Expression()->setPlainText(ones); }},
        {"typed past the limit",
         [&] {
             Expression()->setPlainText(ones.left(125));
             Expression()->moveCursor(QTextCursor::End);
             QTest::keyClick(Expression(), Qt::Key_Plus);
         }},
    };
    for (const auto& way : ways) {
        Expression()->clear();
        BoxAnswerer boxes(QMessageBox::Ok);
        way.enter();
        EXPECT_EQ(boxes.count, 1) << way.how;
        EXPECT_EQ(boxes.text, QStringLiteral("Maximale Länge eines Terms ist 128 Zeichen"));
        EXPECT_EQ(boxes.caption, QStringLiteral("Error"));
        EXPECT_EQ(ExpressionText(), ones.left(125)) << way.how;
        EXPECT_EQ(ResultText(), QStringLiteral("63")) << way.how;  // 63 ones
        // Going on with the cut text brings no further box.
        Enter();
        EXPECT_EQ(boxes.count, 1) << way.how;
        EXPECT_EQ(window_->TapeModel().At(0).expression, ones.left(125));
    }
}

TEST_F(MainWindowTest, TooLongInputIsCutByCharactersNotHalvesOfPairs) {
    Start();
    BoxAnswerer boxes(QMessageBox::Ok);
    const QString clef = QString::fromUtf8("\xF0\x9D\x84\x9E");  // one character, two halves
    const QString text = QStringLiteral("1").repeated(124) + clef + QStringLiteral("22222");
    Expression()->setPlainText(text);
    EXPECT_EQ(boxes.count, 1);
    EXPECT_EQ(ExpressionText(), QStringLiteral("1").repeated(124) + clef);
}

// Marked-up or formatted clipboard contents come in as their plain text, operators and all.
TEST_F(MainWindowTest, PasteBringsInThePlainText) {
    Start();
    auto* data = new QMimeData;
    data->setData(QStringLiteral("text/markdown"), "2*3*4");
    data->setHtml(QStringLiteral("<b>9</b>"));
    data->setText(QStringLiteral("2*3*4"));
    QGuiApplication::clipboard()->setMimeData(data);
    Type("1+");
    Expression()->paste();
    EXPECT_EQ(ExpressionText(), QStringLiteral("1+2*3*4"));
    EXPECT_EQ(ResultText(), QStringLiteral("25"));

    // Typographic operators come in as the engine's.
    Expression()->clear();
    QGuiApplication::clipboard()->setText(QString::fromUtf8("3\u00d74\u22122\u00a0"));
    Expression()->paste();
    EXPECT_EQ(ExpressionText(), QStringLiteral("3*4-2 "));
    EXPECT_EQ(ResultText(), QStringLiteral("10"));
}

TEST_F(MainWindowTest, ALongExpressionOnTheTapeCanBeScrolledToAndIsNotCut) {
    Start();
    File("1111111111+2222222222+3333333333+4444444444+5555555555+6666666666");
    File("1");
    QListWidget* tape = window_->ExpressionTape();
    QCoreApplication::processEvents();  // the list lays out its rows later
    EXPECT_EQ(tape->textElideMode(), Qt::ElideNone);
    EXPECT_GT(tape->horizontalScrollBar()->maximum(), 0);
}

TEST_F(MainWindowTest, FullTapeDropsTheOldest) {
    Start();
    for (int i = 0; i <= 100; ++i) {
        File(std::to_string(i).c_str());
    }
    ASSERT_EQ(window_->TapeModel().Size(), 100);
    EXPECT_EQ(ExpressionTape()->count(), 100);
    EXPECT_EQ(ResultTape()->count(), 100);
    EXPECT_EQ(ExpressionTape()->item(0)->text(), QStringLiteral("100"));
    EXPECT_EQ(ExpressionTape()->item(99)->text(), QStringLiteral("1"));
    EXPECT_EQ(ResultTape()->item(99)->text(), QStringLiteral("1"));
}

TEST_F(MainWindowTest, FiledResultsAreNormalised) {
    const struct {
        int thousands, style, digits;
        const char* input;
        const char* shown;
        const char* filed;
    } cases[] = {
        {1, 0, 0, "1234,5", "1.234,5", "1234.5"},
        {2, 0, 0, "1234567.5", "1,234,567.5", "1234567.5"},
        {0, 1, 6, "7", "7.000000", "7"},
        {0, 1, 2, "12.5", "12.50", "12.50"},
    };
    for (const auto& c : cases) {
        QFile::remove(TapeFilePath());
        Start([&](Settings& s) {
            s.thousands = c.thousands;
            s.displayStyle = c.style;
            s.decimals = c.digits;
        });
        Type(c.input);
        EXPECT_EQ(ResultText(), QString::fromUtf8(c.shown)) << c.input;
        Enter();
        ASSERT_EQ(ResultTape()->count(), 1);
        EXPECT_EQ(ResultTape()->item(0)->text(), QString::fromUtf8(c.filed)) << c.input;
    }
}

TEST_F(MainWindowTest, DeleteRemovesTheLastCharacterAndEvaluates) {
    Start();
    Type("12+34");
    Expression()->moveCursor(QTextCursor::Start);  // not the character at the caret
    QTest::mouseClick(Button(window_.get(), Tr(TextId::TipDelete)), Qt::LeftButton);
    EXPECT_EQ(ExpressionText(), QStringLiteral("12+3"));
    EXPECT_EQ(ResultText(), QStringLiteral("15"));
    EXPECT_EQ(Expression()->textCursor().position(), 4);
    Expression()->setPlainText(QStringLiteral("7"));
    window_->HandleCommand(kCmdDelete);
    window_->HandleCommand(kCmdDelete);
    EXPECT_EQ(ExpressionText(), QString());
    EXPECT_EQ(ResultText(), QStringLiteral("Keine Eingabe"));
}

TEST_F(MainWindowTest, DeleteAllEmptiesTheFieldOrTheTapeByFocus) {
    Start();
    File("1+1");
    File("2+2");
    Type("5*5");

    // Esc in the expression field: the field goes, the tape stays and the window stays.
    QTest::keyClick(Expression(), Qt::Key_Escape);
    EXPECT_EQ(ExpressionText(), QString());
    EXPECT_EQ(ResultText(), QStringLiteral("Keine Eingabe"));
    EXPECT_EQ(window_->TapeModel().Size(), 2);
    EXPECT_TRUE(window_->isVisible());
    EXPECT_FALSE(window_->isMinimized());

    // Esc in a tape list: the tape goes, the field stays.
    Type("6");
    ResultTape()->setFocus();
    QTest::keyClick(ResultTape(), Qt::Key_Escape);
    EXPECT_EQ(window_->TapeModel().Size(), 0);
    EXPECT_EQ(ExpressionTape()->count(), 0);
    EXPECT_EQ(ResultTape()->count(), 0);
    EXPECT_EQ(ExpressionText(), QStringLiteral("6"));
    EXPECT_EQ(QApplication::focusWidget(), Expression());

    // The button follows the same rule.
    File("3+3");
    ExpressionTape()->setFocus();
    QTest::mouseClick(Button(window_.get(), Tr(TextId::TipDeleteAll)), Qt::LeftButton);
    EXPECT_EQ(window_->TapeModel().Size(), 0);
}

TEST_F(MainWindowTest, DeleteTheTapeAsksFirst) {
    Start();
    File("1+1");
    {
        BoxAnswerer boxes(QMessageBox::Cancel);
        QTest::mouseClick(Button(window_.get(), Tr(TextId::TipDeleteStack)), Qt::LeftButton);
        EXPECT_EQ(boxes.count, 1);
        EXPECT_EQ(boxes.text, QStringLiteral("Wollen sie wirklich den gesamten Stack löschen ?"));
        EXPECT_EQ(boxes.caption, QStringLiteral("Info"));
        EXPECT_EQ(boxes.buttons, QMessageBox::Ok | QMessageBox::Cancel);
        EXPECT_EQ(window_->TapeModel().Size(), 1);
    }
    BoxAnswerer boxes(QMessageBox::Ok);
    window_->HandleCommand(kCmdDeleteStack);
    EXPECT_EQ(boxes.count, 1);
    EXPECT_EQ(window_->TapeModel().Size(), 0);
    EXPECT_EQ(ExpressionTape()->count(), 0);
    EXPECT_EQ(ResultTape()->count(), 0);
}

TEST_F(MainWindowTest, SelectingTapeEntries) {
    Start();
    File("2*pi");
    File("1+1");
    Type("3");

    // An expression entry comes back into the field with its result.
    const QRect second = ExpressionTape()->visualItemRect(ExpressionTape()->item(1));
    QTest::mouseClick(ExpressionTape()->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(ExpressionText(), QStringLiteral("2*pi"));
    EXPECT_EQ(ResultText(), QStringLiteral("6.2831853071796"));
    EXPECT_EQ(QApplication::focusWidget(), ResultTape());

    // A result entry is inserted at the caret.
    Expression()->setPlainText(QStringLiteral("10+"));
    Expression()->moveCursor(QTextCursor::End);
    const QRect first = ResultTape()->visualItemRect(ResultTape()->item(0));
    QTest::mouseClick(ResultTape()->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(ExpressionText(), QStringLiteral("10+2"));
    EXPECT_EQ(ResultText(), QStringLiteral("12"));
    EXPECT_EQ(QApplication::focusWidget(), ExpressionTape());
}

TEST_F(MainWindowTest, TapeMenuCopiesAndDeletes) {
    Start();
    File("1+1");
    File("2*3");
    File("10/4");  // tape: 10/4, 2*3, 1+1

    const QString copyItem = QStringLiteral("Berechnung kopieren ");
    const QString copyAll = QStringLiteral("Alle Berechnungen kopieren");
    {
        // Below the last entry: the last entry becomes the selection.
        MenuChooser chooser(copyItem);
        RightClickExpressionTape(BelowLastEntry());
        ASSERT_TRUE(chooser.opened);
        EXPECT_EQ(chooser.entries, (QStringList{QStringLiteral("Berechnung löschen"),
                                                QStringLiteral("Alle Berechnungen löschen"),
                                                QStringLiteral("-"), copyItem, copyAll}));
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("1+1 = 2\r\n"));
        // The menu's selection is not a choice of the entry: the field stays empty.
        EXPECT_EQ(ExpressionText(), QString());
    }
    {
        MenuChooser chooser(copyAll);
        RightClickExpressionTape(BelowLastEntry());
        EXPECT_EQ(QGuiApplication::clipboard()->text(),
                  QStringLiteral("10/4 = 2.5\r\n2*3 = 6\r\n1+1 = 2\r\n"));
    }
    {
        const QRect second = ExpressionTape()->visualItemRect(ExpressionTape()->item(1));
        MenuChooser chooser(QStringLiteral("Berechnung löschen"));
        RightClickExpressionTape(second.center());
        ASSERT_EQ(window_->TapeModel().Size(), 2);
        EXPECT_EQ(ExpressionTape()->item(1)->text(), QStringLiteral("1+1"));
        EXPECT_EQ(ResultTape()->item(1)->text(), QStringLiteral("2"));
    }
    {
        // The tape list has the focus from the click, so the whole tape goes.
        Type("9");
        MenuChooser chooser(QStringLiteral("Alle Berechnungen löschen"));
        RightClickExpressionTape(BelowLastEntry());
        EXPECT_EQ(window_->TapeModel().Size(), 0);
        EXPECT_EQ(ResultTape()->count(), 0);
        EXPECT_EQ(ExpressionText(), QStringLiteral("9"));
    }
    {
        // On an empty tape nothing is selected: copying one entry gives an empty text.
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        MenuChooser chooser(copyItem);
        RightClickExpressionTape(QPoint(5, 5));
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QString());
    }
}

TEST_F(MainWindowTest, KeypadKeysInsertTheirTexts) {
    Start();
    for (const char* label : {"Sin", "3", "0", ")"}) {
        QTest::mouseClick(Button(window_->KeypadPage(), QString::fromUtf8(label)), Qt::LeftButton);
    }
    EXPECT_EQ(ExpressionText(), QStringLiteral("sin(30)"));
    EXPECT_EQ(ResultText(), Expected("sin(30)"));

    // Every key's text replaces the selection.
    const auto keys = KeypadKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        Expression()->setPlainText(QStringLiteral("ab"));
        Expression()->selectAll();
        window_->HandleCommand(kCmdKeypadFirst + static_cast<int>(i));
        EXPECT_EQ(ExpressionText().toStdString(), std::string(keys[i].insert)) << keys[i].label;
    }
    // Command numbers past the last key do nothing.
    Expression()->setPlainText(QStringLiteral("1"));
    window_->HandleCommand(kCmdKeypadFirst + static_cast<int>(keys.size()));
    EXPECT_EQ(ExpressionText(), QStringLiteral("1"));
}

TEST_F(MainWindowTest, KeyboardDigitsAndOperatorsReachTheExpressionField) {
    Start();
    const struct {
        const char* what;
        QWidget* (*target)(const CMainCalcDlg&);
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* expected;
    } cases[] = {
        {"pad 5 in the result tape",
         [](const CMainCalcDlg& w) -> QWidget* { return w.ResultTape(); }, Qt::Key_5,
         Qt::KeypadModifier, "5"},
        {"pad * in the expression tape",
         [](const CMainCalcDlg& w) -> QWidget* { return w.ExpressionTape(); }, Qt::Key_Asterisk,
         Qt::KeypadModifier, "*"},
        {"pad / in the result field",
         [](const CMainCalcDlg& w) -> QWidget* { return w.ResultField(); }, Qt::Key_Slash,
         Qt::KeypadModifier, "/"},
        {"main-block 7 in the expression tape",
         [](const CMainCalcDlg& w) -> QWidget* { return w.ExpressionTape(); }, Qt::Key_7,
         Qt::NoModifier, "7"},
        {"pad 5 with Shift inserts nothing",
         [](const CMainCalcDlg& w) -> QWidget* { return w.ResultTape(); }, Qt::Key_5,
         Qt::KeypadModifier | Qt::ShiftModifier, ""},
    };
    for (const auto& c : cases) {
        Expression()->clear();
        QWidget* target = c.target(*window_);
        target->setFocus();
        QTest::keyClick(target, c.key, c.modifiers);
        EXPECT_EQ(ExpressionText(), QString::fromUtf8(c.expected)) << c.what;
        if (*c.expected != '\0') {
            EXPECT_EQ(QApplication::focusWidget(), Expression()) << c.what;
        }
    }
}

TEST_F(MainWindowTest, EnterAndEscInAPageReachTheWindow) {
    Start();
    Type("2*pi");
    QLineEdit* x = window_->KeypadPage()->XField();
    x->setFocus();
    QTest::keyClick(x, Qt::Key_Return);
    ASSERT_EQ(window_->TapeModel().Size(), 1);
    EXPECT_EQ(window_->TapeModel().At(0).expression, QStringLiteral("2*pi"));

    QTest::keyClick(x, Qt::Key_Escape);
    EXPECT_TRUE(HiddenOrMinimised());
    EXPECT_EQ(window_->isVisible(), !CTrayIcon::IsAvailable());

    window_->Open();
    EXPECT_TRUE(window_->isVisible());
    EXPECT_FALSE(window_->isMinimized());
}

TEST_F(MainWindowTest, XFieldFeedsTheEvaluation) {
    Start();
    Type("X*2");
    QLineEdit* x = window_->KeypadPage()->XField();
    x->setFocus();
    QTest::keyClicks(x, QStringLiteral("2,5"));
    EXPECT_EQ(ResultText(), QStringLiteral("5"));
    EXPECT_EQ(window_->CurrentSettings().xText, QStringLiteral("2,5"));

    // Clicking from X into Y evaluates once more, and the keys then go to Y, not elsewhere.
    QLineEdit* y = window_->KeypadPage()->YField();
    QTest::mouseClick(y, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), y);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
    EXPECT_EQ(y->text(), QStringLiteral("7"));
    EXPECT_EQ(x->text(), QStringLiteral("2,5"));
    EXPECT_EQ(ExpressionText(), QStringLiteral("X*2"));
}

// Whatever ends the program later, what was filed is on disk already.
TEST_F(MainWindowTest, FilingAndDeletingReachTheTapeFileAtOnceWhileTheTapeIsKept) {
    Start();
    File("1+1");
    File("2+2");
    window_->close();
    EXPECT_TRUE(HiddenOrMinimised());
    ASSERT_TRUE(LoadTape(TapeFilePath()).has_value());
    EXPECT_EQ(LoadTape(TapeFilePath())->size(), 2u);
    {
        BoxAnswerer boxes(QMessageBox::Ok);
        window_->HandleCommand(kCmdDeleteStack);
    }
    EXPECT_TRUE(QFile::exists(TapeFilePath()));
    EXPECT_FALSE(LoadTape(TapeFilePath()).has_value());  // an empty file

    QFile::remove(TapeFilePath());
    window_->CurrentSettings().storeStack = 0;
    File("3+3");
    EXPECT_FALSE(QFile::exists(TapeFilePath()));
}

// A save that fails keeps the old file and is told once, at Quit.
TEST_F(MainWindowTest, AFailedSaveIsToldAtQuit) {
    Start();
    QDir().mkpath(TapeFilePath());  // a folder where the tape file belongs cannot be replaced
    File("1+1");
    BoxAnswerer boxes(QMessageBox::Ok);
    window_->HandleCommand(kCmdQuit);
    EXPECT_EQ(boxes.count, 1);
    EXPECT_NE(boxes.text.indexOf(QStringLiteral("Stack.psz")), -1);
    QDir().rmdir(TapeFilePath());
}

TEST_F(MainWindowTest, QuitSavesTapeAndSettingsAndTheNextStartRestoresThem) {
    Start();
    File("1+1");
    File("2*3");
    File("10/4");
    const QPoint placed = window_->pos() + QPoint(7, 11);
    window_->move(placed);

    // Quit from the background menu, with its entries in order.
    MenuChooser chooser(QStringLiteral("&Quillex schließen"));
    QTest::mousePress(window_.get(), Qt::RightButton, {}, QPoint(1, 1));
    ASSERT_TRUE(chooser.opened);
    EXPECT_EQ(chooser.entries, (QStringList{QStringLiteral("&Hilfe"), QStringLiteral("O&ptionen"),
                                            QStringLiteral("&Info Quillex..."), QStringLiteral("-"),
                                            QStringLiteral("&Quillex schließen")}));
    EXPECT_FALSE(window_->isVisible());

    QFile tape(TapeFilePath());
    ASSERT_TRUE(tape.exists());
    EXPECT_EQ(tape.size(), 3 * kTapeRecordSize);
    EXPECT_EQ(Stored("StackExpression"), QStringLiteral("0"));
    EXPECT_EQ(Stored("Options_StoreStack"), QStringLiteral("1"));
    EXPECT_FALSE(Stored("WindowPosition1.1").isEmpty());
    EXPECT_EQ(Stored("WindowPosition"), Stored("WindowPosition1.1"));

    Start();
    ASSERT_EQ(ExpressionTape()->count(), 3);
    EXPECT_EQ(ExpressionTape()->item(0)->text(), QStringLiteral("10/4"));
    EXPECT_EQ(ResultTape()->item(0)->text(), QStringLiteral("2.5"));
    EXPECT_EQ(ExpressionTape()->item(2)->text(), QStringLiteral("1+1"));
    EXPECT_EQ(window_->pos(), placed);
}

TEST_F(MainWindowTest, FirstRunCentresAndAStoredTapeStaysUnreadWithoutStoreStack) {
    ASSERT_TRUE(SaveTape(TapeFilePath(), {{QStringLiteral("1+1"), QStringLiteral("2")},
                                          {QStringLiteral("2+2"), QStringLiteral("4")}}));
    Store("Options_StoreStack", "0");
    CMainCalcDlg& window = Start();
    EXPECT_EQ(ExpressionTape()->count(), 0);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // The window is centred before it is first shown, when its frame is not known yet.
    const Point centre =
        FirstRunPosition(window.width(), window.height(), screen.width(), screen.height());
    EXPECT_EQ(window.pos(), QPoint(centre.x, centre.y));

    // The empty tape is still written at Quit.
    window.HandleCommand(kCmdQuit);
    EXPECT_EQ(QFile(TapeFilePath()).size(), 0);
}

TEST_F(MainWindowTest, SessionEndSavesWithoutEnding) {
    Start();
    File("1+1");
    window_->SaveAll();
    EXPECT_EQ(QFile(TapeFilePath()).size(), kTapeRecordSize);
    EXPECT_EQ(Stored("Options_StoreStack"), QStringLiteral("1"));
    EXPECT_TRUE(window_->isVisible());
    File("2+2");
    window_->HandleCommand(kCmdQuit);
    EXPECT_EQ(QFile(TapeFilePath()).size(), 2 * kTapeRecordSize);
    // After Quit the session end saves nothing more.
    QFile::remove(TapeFilePath());
    window_->SaveAll();
    EXPECT_FALSE(QFile::exists(TapeFilePath()));
}

TEST_F(MainWindowTest, CopyAlwaysPutsEveryResultOnTheClipboard) {
    Start([](Settings& s) { s.copyAlways = 1; });
    Type("1+2");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("3"));
    Type("+");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), ResultText());
    // No copy for an empty input.
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    QTest::keyClick(Expression(), Qt::Key_Escape);
    EXPECT_EQ(ResultText(), QStringLiteral("Keine Eingabe"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
}

TEST_F(MainWindowTest, WithoutCopyAlwaysTheClipboardStays) {
    Start();
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    Type("1+2");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
}

TEST_F(MainWindowTest, OptionsApplyTopmostAndTheOutputWindowRule) {
    Start();
    EXPECT_TRUE(window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    bool sawOptions = false;
    WithNextModal([&](QDialog* dialog) {
        sawOptions = qobject_cast<COptionsDlg*>(dialog) != nullptr;
        if (QAbstractButton* onTop = Button(dialog, Tr(TextId::OptionsAlwaysOnTop))) {
            onTop->click();
        }
    });
    QTest::mouseClick(Button(window_.get(), Tr(TextId::TipOptions)), Qt::LeftButton);
    EXPECT_TRUE(sawOptions);
    EXPECT_EQ(window_->CurrentSettings().alwaysOnTop, 0);
    EXPECT_FALSE(window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window_->isVisible());
    EXPECT_FALSE(window_->isMinimized());

    window_->CurrentSettings().outPutWindow = 1;
    WithNextModal([](QDialog*) {});
    window_->HandleCommand(kCmdOptions);
    EXPECT_TRUE(HiddenOrMinimised());
}

TEST_F(MainWindowTest, InfoAndHelpOpenFromTheirCommands) {
    Start();
    bool sawInfo = false;
    WithNextModal([&](QDialog* dialog) { sawInfo = qobject_cast<CInfoDlg*>(dialog) != nullptr; });
    QTest::mouseClick(Button(window_.get(), Tr(TextId::TipInfo)), Qt::LeftButton);
    EXPECT_TRUE(sawInfo);

    QDir().mkpath(QStringLiteral("HTML_Help"));
    QFile index(QStringLiteral("HTML_Help/HelpIndex.html"));
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.close();
    opened.clear();
    SetOpenHandlerForTesting(&RecordOpen);
    MenuChooser chooser(QStringLiteral("&Hilfe"));
    QTest::mousePress(window_.get(), Qt::RightButton, {}, QPoint(1, 1));
    SetOpenHandlerForTesting(nullptr);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened.first().endsWith(QStringLiteral("HelpIndex.html")));
    EXPECT_TRUE(window_->isVisible());
}

TEST_F(MainWindowTest, HideButtonHidesAndOpenBringsItBack) {
    Start();
    QTest::mouseClick(Button(window_.get(), Tr(TextId::TipHide)), Qt::LeftButton);
    EXPECT_TRUE(HiddenOrMinimised());
    EXPECT_FALSE(QFile::exists(TapeFilePath()));
    window_->HandleCommand(kCmdOpen);
    EXPECT_TRUE(window_->isVisible());
    EXPECT_FALSE(window_->isMinimized());
}

TEST_F(MainWindowTest, ToggleHidesTheWindowInFrontAndBringsItBackOtherwise) {
    Start();
    window_->Toggle();
    EXPECT_TRUE(HiddenOrMinimised());
    window_->Toggle();
    EXPECT_FALSE(HiddenOrMinimised());
    EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    // Shown but behind another window, it comes to the front instead of hiding.
    QWidget other;
    ASSERT_TRUE(ShowActive(&other));
    window_->Toggle();
    EXPECT_FALSE(HiddenOrMinimised());
    EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
}

TEST_F(MainWindowTest, PagesFollowTheKeypadAndBuildTheirControlsWhenFirstShown) {
    Start();
    CPageTabCtrl* tabs = window_->Tabs();
    ASSERT_EQ(tabs->count(), 5);
    const char* titles[] = {"Rechner", "Binär", "Binär II", "Umrechnung", "Einheiten"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(tabs->tabText(i), QString::fromUtf8(titles[i]));
    }
    EXPECT_EQ(tabs->Page(1), window_->ProgrammerPage());
    EXPECT_EQ(tabs->Page(2), window_->LogicPage());
    EXPECT_EQ(tabs->Page(3), window_->ConverterPage());
    EXPECT_EQ(tabs->Page(4), window_->ConstantsPage());
    const auto built = [this] {
        return std::vector<bool>{window_->ProgrammerPage()->Field(ProgField::Dec) != nullptr,
                                 window_->LogicPage()->Field(LogicField::A) != nullptr,
                                 window_->ConverterPage()->RegionList() != nullptr,
                                 window_->ConstantsPage()->UnitField() != nullptr};
    };
    for (int tab = 1; tab < 5; ++tab) {
        EXPECT_FALSE(built()[std::size_t(tab - 1)]) << tab;
        ShowTab(tab);
        EXPECT_TRUE(built()[std::size_t(tab - 1)]) << tab;
    }
}

TEST_F(MainWindowTest, EveryResultIsHandedToTheProgrammerPage) {
    Start();
    ShowTab(1);
    ClickBinary("8 Bit");
    Type("251");
    EXPECT_EQ(Binary("Bin"), QStringLiteral("1111 1011"));
    EXPECT_EQ(Binary("Hex"), QStringLiteral("FB"));
    EXPECT_EQ(Binary("2's"), QStringLiteral("-5"));
    EXPECT_EQ(Binary("Roman"), QStringLiteral("CCLI"));

    struct Row {
        const char* input;
        const char* dec;
    };
    ExprEngine engine;
    const std::string failed =
        HandOverText(Calculate(engine, "7*3+", CalcSettings{}).value, *BitWidthFromIndex(1));
    const Row rows[] = {
        {"300", "Overflow"}, {"-7", "0"}, {"3.5", "4"}, {"2,5", "3"}, {"7*3+", failed.c_str()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.input);
        Expression()->clear();
        Type(row.input);
        EXPECT_EQ(Binary("Dec"), QString::fromLatin1(row.dec));
    }
    Expression()->clear();
    Type("300");
    EXPECT_EQ(Binary("Bin"), QStringLiteral("0000 0000"));
    EXPECT_EQ(Binary("Oct"), QStringLiteral("0"));
    EXPECT_EQ(Binary("Hex"), QStringLiteral("00"));
    EXPECT_EQ(Binary("AscII"), QString());
    EXPECT_EQ(Binary("2's"), QStringLiteral("0"));
    EXPECT_EQ(Binary("Roman"), QStringLiteral("0-3999"));

    // An empty input hands nothing over.
    Expression()->setPlainText(QStringLiteral("5"));
    QTest::keyClick(Expression(), Qt::Key_Escape);
    EXPECT_EQ(ResultText(), QStringLiteral("Keine Eingabe"));
    EXPECT_EQ(Binary("Dec"), QStringLiteral("5"));
}

TEST_F(MainWindowTest, ResultsReachTheProgrammerPageBeforeItIsShown) {
    Start();
    Type("65");
    ShowTab(1);
    EXPECT_EQ(Binary("Dec"), QStringLiteral("65"));
    EXPECT_EQ(Binary("Hex"), QStringLiteral("00000041"));
    EXPECT_EQ(Binary("AscII"), QStringLiteral("___A"));
    EXPECT_EQ(Binary("Roman"), QStringLiteral("LXV"));
}

TEST_F(MainWindowTest, ModeTwoHandsNothingOver) {
    Start([](Settings& s) { s.mode = 2; });
    Type("65");
    EXPECT_EQ(ResultText(), QStringLiteral("65"));
    ShowTab(1);
    EXPECT_EQ(Binary("Dec"), QString());
    EXPECT_EQ(Binary("Hex"), QStringLiteral("00000000"));
}

TEST_F(MainWindowTest, TypingIntoTheProgrammerPageLeavesTheCalculatorAlone) {
    Start();
    ShowTab(1);
    ClickBinary("16 Bit");
    TypeIntoPage(window_->ProgrammerPage(), "Roman", "MCMXCIV");
    EXPECT_EQ(Binary("Dec"), QStringLiteral("1994"));
    EXPECT_EQ(Binary("Hex"), QStringLiteral("07CA"));
    ClickBinary("8 Bit");
    TypeIntoPage(window_->ProgrammerPage(), "Hex", "ff");
    EXPECT_EQ(Binary("Dec"), QStringLiteral("255"));
    EXPECT_EQ(ExpressionText(), QString());
    EXPECT_EQ(ResultText(), QStringLiteral("Keine Eingabe"));
    EXPECT_EQ(window_->TapeModel().Size(), 0);
}

TEST_F(MainWindowTest, TheStoredWidthIsAppliedAtStartUp) {
    struct Row {
        const char* stored;  // nullptr: none stored
        int index;
        const char* bin;
        const char* hex;
        const char* red;
    };
    const Row rows[] = {
        {"0", 0, "0000", "0", "4 Bit"},
        {"1", 1, "0000 0000", "00", "8 Bit"},
        {"2", 2, "0000 0000 0000 0000", "0000", "16 Bit"},
        {"7", 3, "0000 0000 0000 0000 0000 0000 0000 0000", "00000000", "32 Bit"},
        {"-1", 3, "0000 0000 0000 0000 0000 0000 0000 0000", "00000000", "32 Bit"},
        {nullptr, 3, "0000 0000 0000 0000 0000 0000 0000 0000", "00000000", "32 Bit"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.stored == nullptr ? "none" : row.stored);
        QFile::remove(SettingsFilePath());
        if (row.stored != nullptr) {
            Store("BinBase", row.stored);
        }
        Start();
        EXPECT_EQ(window_->CurrentSettings().widthIndex, row.index);
        EXPECT_EQ(ResultText(), QStringLiteral("Keine Eingabe"));
        ShowTab(1);
        EXPECT_EQ(Binary("Bin"), QString::fromLatin1(row.bin));
        EXPECT_EQ(Binary("Hex"), QString::fromLatin1(row.hex));
        EXPECT_EQ(Binary("Dec"), QString());
        EXPECT_EQ(Binary("AscII"), QString());
        EXPECT_EQ(Binary("2's"), QStringLiteral("0"));
        EXPECT_EQ(Binary("Roman"), QStringLiteral("0-3999"));
        EXPECT_EQ(Button(window_->ProgrammerPage(), QString::fromLatin1(row.red))
                      ->palette()
                      .color(QPalette::ButtonText),
                  QColor(255, 0, 0));
    }
}

TEST_F(MainWindowTest, WidthButtonsStoreTheWidthAndEvaluateInIt) {
    Start();
    ShowTab(1);
    Type("not(0)");
    EXPECT_EQ(ResultText(), QStringLiteral("4294967295"));
    ClickBinary("8 Bit");
    EXPECT_EQ(window_->CurrentSettings().widthIndex, 1);
    EXPECT_EQ(ResultText(), QStringLiteral("255"));
    EXPECT_EQ(Binary("Dec"), QStringLiteral("255"));
    EXPECT_EQ(Binary("2's"), QStringLiteral("-1"));
    ClickBinary("4 Bit");
    EXPECT_EQ(window_->CurrentSettings().widthIndex, 0);
    EXPECT_EQ(ResultText(), QStringLiteral("15"));
    EXPECT_EQ(Binary("Bin"), QStringLiteral("1111"));
    ClickBinary("16 Bit");
    window_->HandleCommand(kCmdQuit);
    EXPECT_EQ(Stored("BinBase"), QStringLiteral("2"));
}

TEST_F(MainWindowTest, OperatorAndBaseButtonsInsertTheirTexts) {
    Start();
    ShowTab(1);
    const struct {
        const char* button;
        const char* inserted;
    } rows[] = {
        {"and", "&"},      {"or", "|"},       {"xor", "^"},      {"not", "not("},
        {"nand", "#"},     {"nor", "?"},      {"mod", "%"},      {"Dec()", "dec("},
        {"Hex()", "hex("}, {"Bin()", "bin("}, {"Oct()", "oct("},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.button);
        Expression()->setPlainText(QStringLiteral("12ab"));
        QTextCursor cursor = Expression()->textCursor();
        cursor.setPosition(2);
        cursor.setPosition(4, QTextCursor::KeepAnchor);
        Expression()->setTextCursor(cursor);
        ClickBinary(row.button);
        EXPECT_EQ(ExpressionText(), QStringLiteral("12") + QString::fromLatin1(row.inserted));
    }
    Expression()->setPlainText(QStringLiteral("12"));
    Expression()->moveCursor(QTextCursor::End);
    ClickBinary("xor");
    Type("5");
    EXPECT_EQ(ResultText(), QStringLiteral("9"));
}

TEST_F(MainWindowTest, SignGetBitAndParityReplaceTheResult) {
    Start();
    ShowTab(1);
    const struct {
        const char* width;
        const char* input;
        const char* button;
        const char* result;
    } rows[] = {
        {"8 Bit", "200", "sign", "Negative"},
        {"8 Bit", "100", "sign", "Positive"},
        {"32 Bit", "-5", "sign", "Negative"},
        {"32 Bit", "0", "sign", "0"},
        {"32 Bit", "1024", "GetBit", "11 Bit Number"},
        {"32 Bit", "7", "Parity", "ODD"},
        {"32 Bit", "10", "Parity", "EVEN"},
        {"32 Bit", "", "Parity", "Keine Eingabe"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.input) + " " + row.button);
        ClickBinary(row.width);
        Expression()->setPlainText(QString::fromLatin1(row.input));
        ClickBinary(row.button);
        EXPECT_EQ(ResultText(), QString::fromLatin1(row.result));
        EXPECT_EQ(ExpressionText(), QString::fromLatin1(row.input));
    }
}

TEST_F(MainWindowTest, TheLogicPageWorksOnItsOwn) {
    Start();
    Type("7");
    ShowTab(2);
    CLogicPage* logic = window_->LogicPage();
    QComboBox* aBase = logic->BaseList(LogicField::A);
    QTest::mouseClick(logic->Field(LogicField::A), Qt::LeftButton);
    aBase->setFocus();
    QTest::keyClick(aBase, Qt::Key_End);
    for (const LogicField field : {LogicField::A, LogicField::B, LogicField::Output}) {
        EXPECT_EQ(logic->Field(field)->text(), QStringLiteral("00000000"));
    }
    EXPECT_EQ(logic->BaseList(LogicField::Output)->currentText(), QStringLiteral("Hex"));
    TypeIntoPage(logic, "A", "FF");
    TypeIntoPage(logic, "B", "0F");
    const struct {
        const char* button;
        const char* output;
    } rows[] = {{"and", "0000000F"}, {"or", "000000FF"}, {"xor", "000000F0"}};
    for (const auto& row : rows) {
        QTest::mouseClick(Button(logic, QString::fromLatin1(row.button)), Qt::LeftButton);
        EXPECT_EQ(logic->Field(LogicField::Output)->text(), QString::fromLatin1(row.output));
    }
    EXPECT_EQ(ExpressionText(), QStringLiteral("7"));
    EXPECT_EQ(ResultText(), QStringLiteral("7"));
}

}  // namespace
}  // namespace quillex

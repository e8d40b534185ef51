// The main window driven as a user would: simulated keys and clicks on Qt's offscreen
// platform, message boxes and menus answered by the test, widgets found by the names a screen
// reader gives them. What is checked is what the user sees, what the calculator's state holds
// and what reaches the files.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bases/ProgrammerFields.h"
#include "engine/BitWidth.h"
#include "engine/Calculation.h"
#include "store/CSettingsKey.h"
#include "store/Placement.h"
#include "store/TapeFile.h"
#include "store/TipOfTheDay.h"
#include "ui/CInfoDlg.h"
#include "ui/CMainCalcDlg.h"
#include "ui/COptionsDlg.h"
#include "ui/CTrayIcon.h"
#include "ui/Commands.h"
#include "ui/Help.h"
#include "ui/KeypadKeys.h"

#include "UiTestSupport.h"

namespace quillex {
namespace {

// What the result field shows for an input, computed without a window.
QString Expected(const std::string& input) {
    ExprEngine engine;
    return QString::fromStdString(Calculate(engine, input, CalcSettings{}).resultText);
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// When the file was last written, as a text that a failure can show.
std::string Modified(const QString& path) {
    return QFileInfo(path).lastModified().toUTC().toString(Qt::ISODate).toStdString();
}

void WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
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
        started_.reset();
        ResumeEventLoops();
        QFile::remove(TapeFilePath());
        QFile::remove(SettingsFilePath());
        QFile::remove(QStringLiteral("Tips.gr"));
    }

    // Starts a new main window as the program starts, after the previous one has gone and the
    // given values have been written into the settings file.
    CMainCalcDlg& Start(std::initializer_list<std::pair<const char*, const char*>> stored = {}) {
        started_.reset();
        for (const auto& [name, text] : stored) {
            StoreSetting(name, text);
        }
        started_ = std::make_unique<StartedWindow>();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&started_->window));
        return started_->window;
    }
    CMainCalcDlg& Window() const { return started_->window; }
    const CalculatorState& State() const { return started_->state; }
    const Tape& Filed() const { return State().TapeEntries(); }

    QPlainTextEdit* Expression() const { return ExpressionField(Window()); }
    QString ExpressionText() const { return Expression()->toPlainText(); }
    QString ResultText() const { return ResultField(Window())->text(); }
    QListWidget* Expressions() const { return ExpressionTape(Window()); }
    QListWidget* Results() const { return ResultTape(Window()); }

    void Type(const char* text) { QTest::keyClicks(Expression(), QString::fromUtf8(text)); }
    void Enter() { QTest::keyClick(Expression(), Qt::Key_Return); }
    void File(const char* text) {
        Expression()->setPlainText(QString::fromUtf8(text));
        Enter();
    }
    void Quit() {
        Window().HandleCommand(kCmdQuit);
        ResumeEventLoops();
    }

    bool HiddenOrMinimised() const { return !Window().isVisible() || Window().isMinimized(); }

    void RightClickExpressionTape(const QPoint& at) {
        QTest::mousePress(Expressions()->viewport(), Qt::RightButton, {}, at);
    }
    QPoint BelowLastEntry() const {
        const QRect last =
            Expressions()->visualItemRect(Expressions()->item(Expressions()->count() - 1));
        return {last.center().x(), last.bottom() + 5};
    }

    // Clicks the page's tab, as the user chooses a page, and gives the page.
    QWidget* ClickTab(TextId tab) {
        QTabWidget* pages = Pages(Window());
        QWidget* page = Named<QWidget>(pages, tab);
        const int index = pages->indexOf(page);
        QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {},
                          pages->tabBar()->tabRect(index).center());
        EXPECT_EQ(pages->currentIndex(), index);
        return page;
    }
    QWidget* Programmer() const { return Named<QWidget>(Pages(Window()), TextId::TabProgrammer); }
    QString Binary(const char* name) const {
        return Named<QLineEdit>(Programmer(), QString::fromLatin1(name))->text();
    }
    void ClickBinary(const char* name) { Click(*Programmer(), QString::fromLatin1(name)); }
    void TypeInto(QLineEdit* field, const char* text) {
        QTest::mouseClick(field, Qt::LeftButton);
        ASSERT_TRUE(field->hasFocus()) << field->accessibleName().toStdString();
        field->selectAll();
        QTest::keyClicks(field, QString::fromLatin1(text));
    }

    std::unique_ptr<StartedWindow> started_;
};

TEST_F(MainWindowTest, StartsWithCaptionEmptyTapeAndNoInput) {
    CMainCalcDlg& window = Start();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Omnivex Calculator"));
    EXPECT_EQ(ResultText(), QStringLiteral("Keine Eingabe"));
    EXPECT_EQ(Expressions()->count(), 0);
    EXPECT_TRUE(Results()->isVisible());
    EXPECT_FALSE(State().Values().stackExpression);
    EXPECT_EQ(QApplication::focusWidget(), Expression());
    EXPECT_EQ(window.size(), window.minimumSize());
}

TEST_F(MainWindowTest, TypingEvaluatesAndEnterFilesAtTheTop) {
    Start();
    Type("2*pi");
    EXPECT_EQ(ResultText(), QStringLiteral("6.2831853071796"));
    EXPECT_NEAR(State().Last().value, 6.2831853071796, 1e-12);
    Enter();
    ASSERT_EQ(Expressions()->count(), 1);
    EXPECT_EQ(Expressions()->item(0)->text(), QStringLiteral("2*pi"));
    EXPECT_EQ(Results()->item(0)->text(), QStringLiteral("6.2831853071796"));
    EXPECT_EQ(ExpressionText(), QString());
    EXPECT_EQ(ResultText(), QStringLiteral("Keine Eingabe"));

    Type("1,5*2");
    Enter();
    EXPECT_EQ(Expressions()->item(0)->text(), QStringLiteral("1,5*2"));
    EXPECT_EQ(Results()->item(0)->text(), QStringLiteral("3"));
    EXPECT_EQ(Expressions()->item(1)->text(), QStringLiteral("2*pi"));

    // Enter on an empty field files nothing.
    Enter();
    EXPECT_EQ(Filed().Size(), 2);
}

// Up and Down step through the filed expressions from the newest, as a shell's history does,
// and past the newest bring back what was being typed; the result follows each step.
TEST_F(MainWindowTest, UpAndDownStepThroughTheTapesExpressions) {
    Start();
    File("6*7");
    File("2+3");
    Type("1+");
    auto key = [this](Qt::Key k) { QTest::keyClick(Expression(), k); };
    key(Qt::Key_Up);
    EXPECT_EQ(ExpressionText(), QStringLiteral("2+3"));
    EXPECT_EQ(ResultText(), QStringLiteral("5"));
    key(Qt::Key_Up);
    key(Qt::Key_Up);
    EXPECT_EQ(ExpressionText(), QStringLiteral("6*7"));
    EXPECT_EQ(ResultText(), QStringLiteral("42"));
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(ExpressionText(), QStringLiteral("1+"));
    key(Qt::Key_Down);
    EXPECT_EQ(ExpressionText(), QStringLiteral("1+"));

    // An edit starts the stepping again from the newest; Enter files a recalled expression.
    key(Qt::Key_Up);
    key(Qt::Key_Up);
    Type("0");
    key(Qt::Key_Up);
    EXPECT_EQ(ExpressionText(), QStringLiteral("2+3"));
    Enter();
    EXPECT_EQ(Filed().Size(), 3);
    key(Qt::Key_Down);
    EXPECT_EQ(ExpressionText(), QString());
}

// ans is the newest entry's result, read from the tape's text as it was filed.
TEST_F(MainWindowTest, AnsIsTheNewestEntrysResult) {
    Start();
    Type("ans");
    EXPECT_EQ(ResultText(), QString::fromUtf8(Text(TextId::EngineNoAnswer)));
    Expression()->clear();
    File("1,5*3");
    Type("ans*2");
    EXPECT_EQ(ResultText(), QStringLiteral("9"));
}

TEST_F(MainWindowTest, FailedEvaluationKeepsTheLastResultAndIsFiledLikeOne) {
    Start();
    Type("4*2");
    Type("+");
    EXPECT_EQ(State().Last().value, 8);
    EXPECT_FALSE(State().Last().succeeded);
    EXPECT_EQ(ResultText(), QStringLiteral("Anweisung unvollst."));
    Enter();
    // Cut at the point with nothing after it, as a number would be.
    EXPECT_EQ(Filed().At(0).result, QStringLiteral("Anweisung unvollst"));
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
        EXPECT_EQ(Filed().At(0).expression, ones.left(125));
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
    QCoreApplication::processEvents();  // the list lays out its rows later
    EXPECT_EQ(Expressions()->textElideMode(), Qt::ElideNone);
    EXPECT_GT(Expressions()->horizontalScrollBar()->maximum(), 0);
}

TEST_F(MainWindowTest, FullTapeDropsTheOldest) {
    Start();
    for (int i = 0; i <= 100; ++i) {
        File(std::to_string(i).c_str());
    }
    ASSERT_EQ(Filed().Size(), 100);
    EXPECT_EQ(Expressions()->count(), 100);
    EXPECT_EQ(Results()->count(), 100);
    EXPECT_EQ(Expressions()->item(0)->text(), QStringLiteral("100"));
    EXPECT_EQ(Expressions()->item(99)->text(), QStringLiteral("1"));
    EXPECT_EQ(Results()->item(99)->text(), QStringLiteral("1"));
}

TEST_F(MainWindowTest, FiledResultsAreNormalised) {
    const struct {
        const char* thousands;
        const char* style;
        const char* digits;
        const char* input;
        const char* shown;
        const char* filed;
    } cases[] = {
        {"1", "0", "0", "1234,5", "1.234,5", "1234.5"},
        {"2", "0", "0", "1234567.5", "1,234,567.5", "1234567.5"},
        {"0", "1", "6", "7", "7.000000", "7"},
        {"0", "1", "2", "12.5", "12.50", "12.50"},
    };
    for (const auto& c : cases) {
        QFile::remove(TapeFilePath());
        Start({{"Options_KommaStyle", c.thousands}, {"ShowAs", c.style}, {"Digits", c.digits}});
        Type(c.input);
        EXPECT_EQ(ResultText(), QString::fromUtf8(c.shown)) << c.input;
        Enter();
        ASSERT_EQ(Results()->count(), 1);
        EXPECT_EQ(Results()->item(0)->text(), QString::fromUtf8(c.filed)) << c.input;
    }
}

TEST_F(MainWindowTest, DeleteRemovesTheLastCharacterAndEvaluates) {
    Start();
    Type("12+34");
    Expression()->moveCursor(QTextCursor::Start);  // not the character at the caret
    Click(Window(), TextId::TipDelete);
    EXPECT_EQ(ExpressionText(), QStringLiteral("12+3"));
    EXPECT_EQ(ResultText(), QStringLiteral("15"));
    EXPECT_EQ(Expression()->textCursor().position(), 4);
    Expression()->setPlainText(QStringLiteral("7"));
    Click(Window(), TextId::TipDelete);
    Click(Window(), TextId::TipDelete);
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
    EXPECT_EQ(Filed().Size(), 2);
    EXPECT_TRUE(Window().isVisible());
    EXPECT_FALSE(Window().isMinimized());

    // Esc in a tape list: the tape goes, the field stays.
    Type("6");
    Results()->setFocus();
    QTest::keyClick(Results(), Qt::Key_Escape);
    EXPECT_EQ(Filed().Size(), 0);
    EXPECT_EQ(Expressions()->count(), 0);
    EXPECT_EQ(Results()->count(), 0);
    EXPECT_EQ(ExpressionText(), QStringLiteral("6"));
    EXPECT_EQ(QApplication::focusWidget(), Expression());

    // The button follows the same rule.
    File("3+3");
    Expressions()->setFocus();
    Click(Window(), TextId::TipDeleteAll);
    EXPECT_EQ(Filed().Size(), 0);
}

TEST_F(MainWindowTest, DeleteTheTapeAsksFirst) {
    Start();
    File("1+1");
    {
        BoxAnswerer boxes(QMessageBox::Cancel);
        Click(Window(), TextId::TipDeleteStack);
        EXPECT_EQ(boxes.count, 1);
        EXPECT_EQ(boxes.text, QStringLiteral("Wollen sie wirklich den gesamten Stack löschen ?"));
        EXPECT_EQ(boxes.caption, QStringLiteral("Info"));
        EXPECT_EQ(boxes.buttons, QMessageBox::Ok | QMessageBox::Cancel);
        EXPECT_EQ(Filed().Size(), 1);
    }
    BoxAnswerer boxes(QMessageBox::Ok);
    Click(Window(), TextId::TipDeleteStack);
    EXPECT_EQ(boxes.count, 1);
    EXPECT_EQ(Filed().Size(), 0);
    EXPECT_EQ(Expressions()->count(), 0);
    EXPECT_EQ(Results()->count(), 0);
}

TEST_F(MainWindowTest, SelectingTapeEntries) {
    Start();
    File("2*pi");
    File("1+1");
    Type("3");

    // An expression entry comes back into the field with its result.
    const QRect second = Expressions()->visualItemRect(Expressions()->item(1));
    QTest::mouseClick(Expressions()->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(ExpressionText(), QStringLiteral("2*pi"));
    EXPECT_EQ(ResultText(), QStringLiteral("6.2831853071796"));
    EXPECT_EQ(QApplication::focusWidget(), Results());

    // A result entry is inserted at the caret.
    Expression()->setPlainText(QStringLiteral("10+"));
    Expression()->moveCursor(QTextCursor::End);
    const QRect first = Results()->visualItemRect(Results()->item(0));
    QTest::mouseClick(Results()->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(ExpressionText(), QStringLiteral("10+2"));
    EXPECT_EQ(ResultText(), QStringLiteral("12"));
    EXPECT_EQ(QApplication::focusWidget(), Expressions());
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
        const QRect second = Expressions()->visualItemRect(Expressions()->item(1));
        MenuChooser chooser(QStringLiteral("Berechnung löschen"));
        RightClickExpressionTape(second.center());
        ASSERT_EQ(Filed().Size(), 2);
        EXPECT_EQ(Expressions()->item(1)->text(), QStringLiteral("1+1"));
        EXPECT_EQ(Results()->item(1)->text(), QStringLiteral("2"));
    }
    {
        // The tape list has the focus from the click, so the whole tape goes.
        Type("9");
        MenuChooser chooser(QStringLiteral("Alle Berechnungen löschen"));
        RightClickExpressionTape(BelowLastEntry());
        EXPECT_EQ(Filed().Size(), 0);
        EXPECT_EQ(Results()->count(), 0);
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
    const QWidget& keypad = *Named<QWidget>(Pages(Window()), TextId::TabKeypad);
    for (const char* label : {"Sin", "3", "0", ")"}) {
        Click(keypad, QString::fromUtf8(label));
    }
    EXPECT_EQ(ExpressionText(), QStringLiteral("sin(30)"));
    EXPECT_EQ(ResultText(), Expected("sin(30)"));

    // Every key's text replaces the selection.
    for (const KeypadKey& key : KeypadKeys()) {
        Expression()->setPlainText(QStringLiteral("ab"));
        Expression()->selectAll();
        Click(keypad, FromUtf8(key.label));
        EXPECT_EQ(ExpressionText(), FromUtf8(key.insert)) << key.label;
    }
}

TEST_F(MainWindowTest, KeyboardDigitsAndOperatorsReachTheExpressionField) {
    Start();
    using Finder = QWidget* (*)(const QWidget&);
    const Finder resultTape = [](const QWidget& w) -> QWidget* { return ResultTape(w); };
    const Finder expressionTape = [](const QWidget& w) -> QWidget* { return ExpressionTape(w); };
    const Finder resultField = [](const QWidget& w) -> QWidget* { return ResultField(w); };
    const struct {
        const char* what;
        Finder target;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* expected;
    } cases[] = {
        {"pad 5 in the result tape", resultTape, Qt::Key_5, Qt::KeypadModifier, "5"},
        {"pad * in the expression tape", expressionTape, Qt::Key_Asterisk, Qt::KeypadModifier, "*"},
        {"pad / in the result field", resultField, Qt::Key_Slash, Qt::KeypadModifier, "/"},
        {"main-block 7 in the expression tape", expressionTape, Qt::Key_7, Qt::NoModifier, "7"},
        {"pad 5 with Shift inserts nothing", resultTape, Qt::Key_5,
         Qt::KeypadModifier | Qt::ShiftModifier, ""},
    };
    for (const auto& c : cases) {
        Expression()->clear();
        QWidget* target = c.target(Window());
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
    auto* x = Named<QLineEdit>(Window(), TextId::NameXField);
    x->setFocus();
    QTest::keyClick(x, Qt::Key_Return);
    ASSERT_EQ(Filed().Size(), 1);
    EXPECT_EQ(Filed().At(0).expression, QStringLiteral("2*pi"));

    QTest::keyClick(x, Qt::Key_Escape);
    EXPECT_TRUE(HiddenOrMinimised());
    EXPECT_EQ(Window().isVisible(), !CTrayIcon::IsAvailable());

    Window().Open();
    EXPECT_TRUE(Window().isVisible());
    EXPECT_FALSE(Window().isMinimized());
}

TEST_F(MainWindowTest, XFieldFeedsTheEvaluation) {
    Start();
    Type("X*2");
    auto* x = Named<QLineEdit>(Window(), TextId::NameXField);
    x->setFocus();
    QTest::keyClicks(x, QStringLiteral("2,5"));
    EXPECT_EQ(ResultText(), QStringLiteral("5"));
    EXPECT_EQ(State().Values().xText, QStringLiteral("2,5"));

    // Clicking from X into Y evaluates once more, and the keys then go to Y, not elsewhere.
    auto* y = Named<QLineEdit>(Window(), TextId::NameYField);
    QTest::mouseClick(y, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), y);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
    EXPECT_EQ(y->text(), QStringLiteral("7"));
    EXPECT_EQ(x->text(), QStringLiteral("2,5"));
    EXPECT_EQ(ExpressionText(), QStringLiteral("X*2"));
}

// Whatever ends the program later, what was filed or deleted is on disk already; a setting
// is there at the latest once the program has ended.
TEST_F(MainWindowTest, TheTapeReachesItsFileAtOnceWhileItIsKeptAndSettingsAtQuit) {
    Start();
    auto* style = Named<QComboBox>(Window(), TextId::NameDisplayStyle);
    style->setFocus();
    QTest::keyClick(style, Qt::Key_Down);
    EXPECT_EQ(State().Values().displayStyle, kStyleFixed);

    File("1+1");
    File("2+2");
    ASSERT_TRUE(LoadTape(TapeFilePath()).has_value());
    EXPECT_EQ(LoadTape(TapeFilePath())->size(), 2u);
    {
        BoxAnswerer boxes(QMessageBox::Ok);
        Click(Window(), TextId::TipDeleteStack);
    }
    EXPECT_TRUE(QFile::exists(TapeFilePath()));
    EXPECT_FALSE(LoadTape(TapeFilePath()).has_value());  // an empty file

    // Once the tape is no longer kept, filing leaves the disk alone.
    QFile::remove(TapeFilePath());
    WithNextModal([](QDialog* options) { Click(*options, Tr(TextId::OptionsStoreStack)); });
    Click(Window(), TextId::TipOptions);
    EXPECT_FALSE(State().Values().storeStack);
    File("3+3");
    EXPECT_FALSE(QFile::exists(TapeFilePath()));

    Window().close();
    EXPECT_TRUE(HiddenOrMinimised());
    Quit();
    EXPECT_EQ(StoredSetting("ShowAs"), QStringLiteral("1"));
    EXPECT_EQ(StoredSetting("Options_StoreStack"), QStringLiteral("0"));
}

// A start and a quit that change nothing leave the settings file and the tape file as they
// were, but for the place in the tip file, which every start moves on to the next tip.
TEST_F(MainWindowTest, AStartAndAQuitWriteNothingButTheTipsPlace) {
    WriteFile(QStringLiteral("Tips.gr"), "First\nSecond\nThird\n");
    Start();
    Quit();
    EXPECT_EQ(StoredSetting("Tip/FilePos"), QStringLiteral("6"));
    const QString stamp = StoredSetting("Tip/TimeStamp");
    EXPECT_FALSE(stamp.isEmpty());
    const QByteArray first = Contents(SettingsFilePath());

    Start();
    Quit();
    EXPECT_EQ(StoredSetting("Tip/FilePos"), QStringLiteral("13"));
    EXPECT_EQ(StoredSetting("Tip/TimeStamp"), stamp);
    EXPECT_EQ(Contents(SettingsFilePath()).replace("FilePos=13", "FilePos=6"), first);

    // Without a tip file nothing moves on, and neither file is written again.
    QFile::remove(QStringLiteral("Tips.gr"));
    if (QFileInfo::exists(TipFilePath())) {
        GTEST_SKIP() << "a tip file is installed at " << TipFilePath().toStdString();
    }
    const QDateTime longAgo(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC);
    for (const QString& path : {SettingsFilePath(), TapeFilePath()}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite)) << path.toStdString();
        ASSERT_TRUE(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
    }
    const QByteArray before = Contents(SettingsFilePath());
    Start();
    Quit();
    EXPECT_EQ(Contents(SettingsFilePath()), before);
    EXPECT_EQ(Modified(SettingsFilePath()), "2001-02-03T04:05:06Z");
    EXPECT_EQ(QFileInfo(TapeFilePath()).size(), 0);
    EXPECT_EQ(Modified(TapeFilePath()), "2001-02-03T04:05:06Z");
}

// A save that fails keeps the old file and is told once, at Quit.
TEST_F(MainWindowTest, AFailedSaveIsToldAtQuit) {
    Start();
    // A folder where the tape file belongs cannot be replaced.
    QFile::remove(TapeFilePath());
    QDir().mkpath(TapeFilePath());
    File("1+1");
    BoxAnswerer boxes(QMessageBox::Ok);
    Quit();
    EXPECT_EQ(boxes.count, 1);
    EXPECT_NE(boxes.text.indexOf(QStringLiteral("Stack.psz")), -1);
    QDir().rmdir(TapeFilePath());
}

TEST_F(MainWindowTest, QuitSavesTapeAndSettingsAndTheNextStartRestoresThem) {
    Start();
    File("1+1");
    File("2*3");
    File("10/4");
    const QPoint placed = Window().pos() + QPoint(7, 11);
    Window().move(placed);

    // Quit from the background menu, with its entries in order.
    MenuChooser chooser(QStringLiteral("&Quillex schließen"));
    QTest::mousePress(&Window(), Qt::RightButton, {}, QPoint(1, 1));
    ASSERT_TRUE(chooser.opened);
    EXPECT_EQ(chooser.entries, (QStringList{QStringLiteral("&Hilfe"), QStringLiteral("O&ptionen"),
                                            QStringLiteral("&Info Quillex..."), QStringLiteral("-"),
                                            QStringLiteral("&Quillex schließen")}));
    EXPECT_FALSE(Window().isVisible());

    QFile tape(TapeFilePath());
    ASSERT_TRUE(tape.exists());
    EXPECT_EQ(tape.size(), 3 * kTapeRecordSize);
    EXPECT_EQ(StoredSetting("StackExpression"), QStringLiteral("0"));
    EXPECT_EQ(StoredSetting("Options_StoreStack"), QStringLiteral("1"));
    EXPECT_FALSE(StoredSetting("WindowPosition1.1").isEmpty());
    EXPECT_EQ(StoredSetting("WindowPosition"), StoredSetting("WindowPosition1.1"));

    Start();
    ASSERT_EQ(Expressions()->count(), 3);
    EXPECT_EQ(Expressions()->item(0)->text(), QStringLiteral("10/4"));
    EXPECT_EQ(Results()->item(0)->text(), QStringLiteral("2.5"));
    EXPECT_EQ(Expressions()->item(2)->text(), QStringLiteral("1+1"));
    EXPECT_EQ(Window().pos(), placed);
}

TEST_F(MainWindowTest, AStoredPlacePartlyOffTheScreenMovesInsideKeepingTheSize) {
    // As after a quit at a smaller scale or on a larger screen: the window's own size, its
    // middle on the lower right corner of the screen's free area.
    const QSize size = Start().size();
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    Placement stored;
    stored.left = free.right() - size.width() / 2;
    stored.top = free.bottom() - size.height() / 2;
    stored.right = stored.left + size.width();
    stored.bottom = stored.top + size.height();
    const QByteArray text = FormatPlacement(stored).toLatin1();
    CMainCalcDlg& window = Start({{"WindowPosition", text}, {"WindowPosition1.1", text}});
    EXPECT_EQ(window.size(), size);
    EXPECT_TRUE(free.contains(window.frameGeometry()));
    // Moved no further than it must.
    EXPECT_EQ(window.frameGeometry().right(), free.right());
}

// The tape and the expression field take the extra room, the buttons beside them move along,
// the pages keep their size; a restart brings the size back when it fits on the screen.
TEST_F(MainWindowTest, TheWindowGrowsFromItsDefaultSizeAndARestartKeepsIt) {
    const QSize smallest = Start().size();
    const auto geometries = [this] {
        return std::vector<QRect>{Expressions()->geometry(),
                                  Results()->geometry(),
                                  Expression()->geometry(),
                                  Pages(Window())->geometry(),
                                  ResultField(Window())->geometry(),
                                  Named<QToolButton>(Window(), TextId::TipHide)->geometry(),
                                  Named<QToolButton>(Window(), TextId::TipDelete)->geometry()};
    };
    const std::vector<QRect> before = geometries();
    const QFont resultFont = ResultField(Window())->font();
    const QSize growth(101, 80);
    Window().resize(smallest + growth);
    const std::vector<QRect> after = geometries();
    EXPECT_EQ(after[0].height() - before[0].height(), growth.height());
    EXPECT_EQ(after[0].width() + after[1].width() - before[0].width() - before[1].width(),
              growth.width());
    EXPECT_EQ(after[1].left() - after[0].right(), before[1].left() - before[0].right());
    EXPECT_EQ(after[2], before[2].adjusted(0, growth.height(), growth.width(), growth.height()));
    EXPECT_EQ(after[3], before[3].translated(0, growth.height()));
    EXPECT_EQ(after[4], before[4].adjusted(0, 0, growth.width(), 0));
    EXPECT_EQ(after[5], before[5].translated(growth.width(), 0));
    EXPECT_EQ(after[6], before[6].translated(growth.width(), growth.height()));
    EXPECT_EQ(ResultField(Window())->font(), resultFont);

    Window().resize(smallest - QSize(20, 20));
    EXPECT_EQ(Window().size(), smallest);
    Window().resize(smallest + growth);
    Quit();
    EXPECT_EQ(Start().size(), smallest + growth);
    EXPECT_EQ(geometries(), after);

    // A size no screen holds gives the default one.
    Placement huge = *ParsePlacement(StoredSetting("WindowPosition"));
    huge.right = huge.left + 20000;
    const QByteArray text = FormatPlacement(huge).toLatin1();
    EXPECT_EQ(Start({{"WindowPosition", text}, {"WindowPosition1.1", text}}).size(), smallest);
}

TEST_F(MainWindowTest, FirstRunCentresAndAStoredTapeStaysUnreadWithoutStoreStack) {
    ASSERT_TRUE(SaveTape(TapeFilePath(), {{QStringLiteral("1+1"), QStringLiteral("2")},
                                          {QStringLiteral("2+2"), QStringLiteral("4")}}));
    CMainCalcDlg& window = Start({{"Options_StoreStack", "0"}});
    EXPECT_EQ(Expressions()->count(), 0);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // The window is centred before it is first shown, when its frame is not known yet.
    const Point centre =
        FirstRunPosition(window.width(), window.height(), screen.width(), screen.height());
    EXPECT_EQ(window.pos(), QPoint(centre.x, centre.y));

    // The empty tape is still written at Quit.
    Quit();
    EXPECT_EQ(QFile(TapeFilePath()).size(), 0);
}

TEST_F(MainWindowTest, SessionEndSavesWithoutEnding) {
    Start();
    File("1+1");
    Window().SaveAll();
    EXPECT_EQ(QFile(TapeFilePath()).size(), kTapeRecordSize);
    EXPECT_EQ(StoredSetting("Options_StoreStack"), QStringLiteral("1"));
    EXPECT_TRUE(Window().isVisible());
    File("2+2");
    Quit();
    EXPECT_EQ(QFile(TapeFilePath()).size(), 2 * kTapeRecordSize);
    // After Quit the session end saves nothing more.
    QFile::remove(TapeFilePath());
    Window().SaveAll();
    EXPECT_FALSE(QFile::exists(TapeFilePath()));
}

TEST_F(MainWindowTest, CopyAlwaysPutsEveryResultOnTheClipboard) {
    Start({{"Options_CopyAlways", "1"}});
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
    EXPECT_TRUE(Window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    bool sawOptions = false;
    WithNextModal([&](QDialog* dialog) {
        sawOptions = qobject_cast<COptionsDlg*>(dialog) != nullptr;
        Click(*dialog, Tr(TextId::OptionsAlwaysOnTop));
    });
    Click(Window(), TextId::TipOptions);
    EXPECT_TRUE(sawOptions);
    EXPECT_FALSE(State().Values().alwaysOnTop);
    EXPECT_FALSE(Window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(Window().isVisible());
    EXPECT_FALSE(Window().isMinimized());

    // Only the file sets the window to hide after the options.
    Start({{"Options_OutPutWindow", "1"}});
    WithNextModal([](QDialog*) {});
    Click(Window(), TextId::TipOptions);
    EXPECT_TRUE(HiddenOrMinimised());
}

TEST_F(MainWindowTest, InfoAndHelpOpenFromTheirCommands) {
    Start();
    bool sawInfo = false;
    WithNextModal([&](QDialog* dialog) { sawInfo = qobject_cast<CInfoDlg*>(dialog) != nullptr; });
    Click(Window(), TextId::TipInfo);
    EXPECT_TRUE(sawInfo);

    QDir().mkpath(QStringLiteral("HTML_Help"));
    WriteFile(QStringLiteral("HTML_Help/HelpIndex.html"), {});
    opened.clear();
    SetOpenHandlerForTesting(&RecordOpen);
    MenuChooser chooser(QStringLiteral("&Hilfe"));
    QTest::mousePress(&Window(), Qt::RightButton, {}, QPoint(1, 1));
    SetOpenHandlerForTesting(nullptr);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened.first().endsWith(QStringLiteral("HelpIndex.html")));
    EXPECT_TRUE(Window().isVisible());
}

// Hiding is no quit: nothing is saved, and the window comes back as it was.
TEST_F(MainWindowTest, HideButtonHidesAndOpenBringsItBack) {
    Start();
    File("1+1");
    QFile::remove(TapeFilePath());
    Click(Window(), TextId::TipHide);
    EXPECT_TRUE(HiddenOrMinimised());
    EXPECT_FALSE(QFile::exists(TapeFilePath()));
    Window().Open();
    EXPECT_TRUE(Window().isVisible());
    EXPECT_FALSE(Window().isMinimized());
}

TEST_F(MainWindowTest, ToggleHidesTheWindowInFrontAndBringsItBackOtherwise) {
    Start();
    Window().Toggle();
    EXPECT_TRUE(HiddenOrMinimised());
    Window().Toggle();
    EXPECT_FALSE(HiddenOrMinimised());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Window()));
    // Shown but behind another window, it comes to the front instead of hiding.
    QWidget other;
    ASSERT_TRUE(ShowActive(&other));
    Window().Toggle();
    EXPECT_FALSE(HiddenOrMinimised());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Window()));
}

TEST_F(MainWindowTest, PagesFollowTheKeypadAndBuildTheirControlsWhenFirstShown) {
    Start();
    QTabWidget* pages = Pages(Window());
    ASSERT_EQ(pages->count(), 5);
    const char* titles[] = {"Rechner", "Binär", "Binär II", "Umrechnung", "Einheiten"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(pages->tabText(i), QString::fromUtf8(titles[i]));
    }
    const TextId later[] = {TextId::TabProgrammer, TextId::TabLogic, TextId::TabConverter,
                            TextId::TabConstants};
    for (const TextId tab : later) {
        SCOPED_TRACE(Tr(tab).toStdString());
        const QWidget* page = Named<QWidget>(pages, tab);
        ASSERT_NE(page, nullptr);
        EXPECT_TRUE(page->findChildren<QWidget*>().isEmpty());
        ClickTab(tab);
        EXPECT_FALSE(page->findChildren<QWidget*>().isEmpty());
    }
}

TEST_F(MainWindowTest, EveryResultIsHandedToTheProgrammerPage) {
    Start();
    ClickTab(TextId::TabProgrammer);
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
    ClickTab(TextId::TabProgrammer);
    EXPECT_EQ(Binary("Dec"), QStringLiteral("65"));
    EXPECT_EQ(Binary("Hex"), QStringLiteral("00000041"));
    EXPECT_EQ(Binary("AscII"), QStringLiteral("___A"));
    EXPECT_EQ(Binary("Roman"), QStringLiteral("LXV"));
}

TEST_F(MainWindowTest, ModeTwoHandsNothingOver) {
    Start({{"Mode", "2"}});
    Type("65");
    EXPECT_EQ(ResultText(), QStringLiteral("65"));
    ClickTab(TextId::TabProgrammer);
    EXPECT_EQ(Binary("Dec"), QString());
    EXPECT_EQ(Binary("Hex"), QStringLiteral("00000000"));
}

TEST_F(MainWindowTest, TypingIntoTheProgrammerPageLeavesTheCalculatorAlone) {
    Start();
    ClickTab(TextId::TabProgrammer);
    ClickBinary("16 Bit");
    TypeInto(Named<QLineEdit>(Programmer(), QStringLiteral("Roman")), "MCMXCIV");
    EXPECT_EQ(Binary("Dec"), QStringLiteral("1994"));
    EXPECT_EQ(Binary("Hex"), QStringLiteral("07CA"));
    ClickBinary("8 Bit");
    TypeInto(Named<QLineEdit>(Programmer(), QStringLiteral("Hex")), "ff");
    EXPECT_EQ(Binary("Dec"), QStringLiteral("255"));
    EXPECT_EQ(ExpressionText(), QString());
    EXPECT_EQ(ResultText(), QStringLiteral("Keine Eingabe"));
    EXPECT_EQ(Filed().Size(), 0);
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
        started_.reset();
        QFile::remove(SettingsFilePath());
        if (row.stored != nullptr) {
            Start({{"BinBase", row.stored}});
        } else {
            Start();
        }
        EXPECT_EQ(State().Values().widthIndex, row.index);
        EXPECT_EQ(ResultText(), QStringLiteral("Keine Eingabe"));
        ClickTab(TextId::TabProgrammer);
        EXPECT_EQ(Binary("Bin"), QString::fromLatin1(row.bin));
        EXPECT_EQ(Binary("Hex"), QString::fromLatin1(row.hex));
        EXPECT_EQ(Binary("Dec"), QString());
        EXPECT_EQ(Binary("AscII"), QString());
        EXPECT_EQ(Binary("2's"), QStringLiteral("0"));
        EXPECT_EQ(Binary("Roman"), QStringLiteral("0-3999"));
        EXPECT_EQ(Named<QAbstractButton>(Programmer(), QString::fromLatin1(row.red))
                      ->palette()
                      .color(QPalette::ButtonText),
                  QColor(255, 0, 0));
    }
}

TEST_F(MainWindowTest, WidthButtonsStoreTheWidthAndEvaluateInIt) {
    Start();
    ClickTab(TextId::TabProgrammer);
    Type("not(0)");
    EXPECT_EQ(ResultText(), QStringLiteral("4294967295"));
    ClickBinary("8 Bit");
    EXPECT_EQ(State().Values().widthIndex, 1);
    EXPECT_EQ(ResultText(), QStringLiteral("255"));
    EXPECT_EQ(Binary("Dec"), QStringLiteral("255"));
    EXPECT_EQ(Binary("2's"), QStringLiteral("-1"));
    ClickBinary("4 Bit");
    EXPECT_EQ(State().Values().widthIndex, 0);
    EXPECT_EQ(ResultText(), QStringLiteral("15"));
    EXPECT_EQ(Binary("Bin"), QStringLiteral("1111"));
    ClickBinary("16 Bit");
    Quit();
    EXPECT_EQ(StoredSetting("BinBase"), QStringLiteral("2"));
}

TEST_F(MainWindowTest, OperatorAndBaseButtonsInsertTheirTexts) {
    Start();
    ClickTab(TextId::TabProgrammer);
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

// They tell about the result of a fresh evaluation; without a number to tell about, the
// result field shows that evaluation.
TEST_F(MainWindowTest, SignGetBitAndParityReplaceTheResult) {
    Start();
    ClickTab(TextId::TabProgrammer);
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
        {"32 Bit", "7*3+", "Parity", "Anweisung unvollst."},
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
    // A key pressed twice tells the same, not about its own text.
    Expression()->setPlainText(QStringLiteral("6"));
    ClickBinary("Parity");
    ClickBinary("Parity");
    EXPECT_EQ(ResultText(), QStringLiteral("EVEN"));
}

TEST_F(MainWindowTest, TheLogicPageWorksOnItsOwn) {
    Start();
    Type("7");
    const QWidget& logic = *ClickTab(TextId::TabLogic);
    const auto field = [&](TextId name) { return Named<QLineEdit>(logic, name); };
    auto* aBase = Named<QComboBox>(logic, TextId::NameLogicABase);
    QTest::mouseClick(field(TextId::NameLogicA), Qt::LeftButton);
    aBase->setFocus();
    QTest::keyClick(aBase, Qt::Key_End);
    for (const TextId name : {TextId::NameLogicA, TextId::NameLogicB, TextId::NameLogicOutput}) {
        EXPECT_EQ(field(name)->text(), QStringLiteral("00000000"));
    }
    EXPECT_EQ(Named<QComboBox>(logic, TextId::NameLogicOutputBase)->currentText(),
              QStringLiteral("Hex"));
    TypeInto(field(TextId::NameLogicA), "FF");
    TypeInto(field(TextId::NameLogicB), "0F");
    const struct {
        const char* button;
        const char* output;
    } rows[] = {{"and", "0000000F"}, {"or", "000000FF"}, {"xor", "000000F0"}};
    for (const auto& row : rows) {
        Click(logic, QString::fromLatin1(row.button));
        EXPECT_EQ(field(TextId::NameLogicOutput)->text(), QString::fromLatin1(row.output));
    }
    EXPECT_EQ(ExpressionText(), QStringLiteral("7"));
    EXPECT_EQ(ResultText(), QStringLiteral("7"));
}

}  // namespace
}  // namespace quillex

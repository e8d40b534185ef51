// The page base and the tab control, driven with simulated keys and clicks.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QVBoxLayout>

#include <string>
#include <vector>

#include "ui/CPageTabCtrl.h"
#include "ui/CTabPage.h"
#include "ui/Commands.h"

#include "UiTestSupport.h"

namespace quillex {
namespace {

// A page that logs its own handling of commands, and that the signal's receivers log after it.
class LoggingPage : public CTabPage {
public:
    explicit LoggingPage(std::vector<std::string>* log, QWidget* parent = nullptr)
        : CTabPage(parent), log_(log) {}

protected:
    void OnCommand(int commandId) override { log_->push_back("page " + std::to_string(commandId)); }

private:
    std::vector<std::string>* log_;
};

// A page of two line edits, added after the page exists, as the pages build their controls.
LoggingPage* TwoFieldPage(std::vector<std::string>* log, const QString& name) {
    auto* page = new LoggingPage(log);
    auto* layout = new QVBoxLayout(page);
    for (const char* suffix : {" first", " second"}) {
        auto* edit = new QLineEdit(page);
        edit->setAccessibleName(name + QLatin1String(suffix));
        layout->addWidget(edit);
    }
    return page;
}

std::vector<int> Commands(const QSignalSpy& spy) {
    std::vector<int> ids;
    for (const QList<QVariant>& call : spy) {
        ids.push_back(call.at(0).toInt());
    }
    return ids;
}

TEST(TabPage, EnterAndEscInAnyControlBecomeThePageCommandsOnce) {
    std::vector<std::string> log;
    LoggingPage page(&log);
    auto* layout = new QVBoxLayout(&page);
    auto* edit = new QLineEdit(&page);
    layout->addWidget(edit);
    // Grandchildren: a field inside a frame, and the line edit an editable combo box makes
    // only when it becomes editable.
    auto* frame = new QGroupBox(&page);
    layout->addWidget(frame);
    auto* inner = new QLineEdit(frame);
    auto* combo = new QComboBox(&page);
    layout->addWidget(combo);
    combo->setEditable(true);
    combo->addItems({QStringLiteral("a"), QStringLiteral("b")});
    // Enter that reached the combo box would add this text as an item.
    combo->lineEdit()->setText(QStringLiteral("new"));
    ASSERT_TRUE(ShowActive(&page));

    for (QWidget* target : {static_cast<QWidget*>(edit), static_cast<QWidget*>(inner),
                            static_cast<QWidget*>(combo->lineEdit())}) {
        SCOPED_TRACE(target->metaObject()->className());
        QSignalSpy spy(&page, &CTabPage::command);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
        QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(target, Qt::Key_Escape);
        EXPECT_EQ(Commands(spy), (std::vector<int>{kCmdOk, kCmdOk, kCmdCancel}));
    }
    // The combo box did not take Enter as its own: no item was added.
    EXPECT_EQ(combo->count(), 2);
}

TEST(TabPage, OtherKeysStayWithTheControl) {
    std::vector<std::string> log;
    LoggingPage page(&log);
    auto* edit = new QLineEdit(&page);
    ASSERT_TRUE(ShowActive(&page));
    edit->setFocus();
    QSignalSpy spy(&page, &CTabPage::command);
    QTest::keyClicks(edit, QStringLiteral("12"));
    EXPECT_EQ(edit->text(), QStringLiteral("12"));
    EXPECT_EQ(spy.count(), 0);
}

TEST(TabPage, ADialogOpenedFromThePageKeepsItsOwnKeys) {
    std::vector<std::string> log;
    LoggingPage page(&log);
    ASSERT_TRUE(ShowActive(&page));
    QDialog dialog(&page);
    auto* edit = new QLineEdit(&dialog);
    ASSERT_TRUE(ShowActive(&dialog));
    edit->setFocus();
    QSignalSpy spy(&page, &CTabPage::command);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(spy.count(), 0);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(TabPage, AnOpenDropDownListKeepsEnterAndEscForItself) {
    std::vector<std::string> log;
    LoggingPage page(&log);
    auto* combo = new QComboBox(&page);
    combo->addItems({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")});
    ASSERT_TRUE(ShowActive(&page));
    QSignalSpy spy(&page, &CTabPage::command);

    combo->showPopup();
    QAbstractItemView* list = combo->view();
    ASSERT_TRUE(list->isVisible());
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(list->isVisible());

    combo->showPopup();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(spy.count(), 0);
}

TEST(TabPage, EnterInAPageInsideADialogReachesNeitherTheDialogNorItsDefaultButton) {
    std::vector<std::string> log;
    QDialog window;
    auto* layout = new QVBoxLayout(&window);
    auto* fileButton = new QPushButton(QStringLiteral("File"), &window);
    fileButton->setDefault(true);
    layout->addWidget(fileButton);
    auto* page = new LoggingPage(&log, &window);
    layout->addWidget(page);
    auto* edit = new QLineEdit(page);
    auto* key = new QPushButton(QStringLiteral("7"), page);
    QSignalSpy clicked(fileButton, &QPushButton::clicked);
    QSignalSpy keyClicked(key, &QPushButton::clicked);
    QSignalSpy rejected(&window, &QDialog::rejected);
    QSignalSpy commands(page, &CTabPage::command);
    ASSERT_TRUE(ShowActive(&window));

    for (QWidget* target : {static_cast<QWidget*>(edit), static_cast<QWidget*>(key)}) {
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
        QTest::keyClick(target, Qt::Key_Escape);
    }
    EXPECT_EQ(Commands(commands), (std::vector<int>{kCmdOk, kCmdCancel, kCmdOk, kCmdCancel}));
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_EQ(keyClicked.count(), 0);
    EXPECT_EQ(rejected.count(), 0);
    EXPECT_TRUE(window.isVisible());
}

TEST(TabPage, APageHandlesACommandBeforeItIsPassedOn) {
    std::vector<std::string> log;
    CPageTabCtrl tabs;
    auto* page = new LoggingPage(&log);
    auto* button = new QPushButton(QStringLiteral("Key"), page);
    QObject::connect(button, &QPushButton::clicked, page,
                     [page] { page->IssueCommand(kCmdKeypadFirst); });
    QObject::connect(page, &CTabPage::command,
                     [&log](int id) { log.push_back("signal " + std::to_string(id)); });
    QObject::connect(&tabs, &CPageTabCtrl::pageCommand,
                     [&log](int id) { log.push_back("main window " + std::to_string(id)); });
    ASSERT_EQ(tabs.AddPage(QStringLiteral("Rechner"), 0, page), 0);
    ASSERT_TRUE(ShowActive(&tabs));

    QTest::mouseClick(button, Qt::LeftButton);
    const std::string id = std::to_string(kCmdKeypadFirst);
    EXPECT_EQ(log, (std::vector<std::string>{"page " + id, "signal " + id, "main window " + id}));

    // Enter in a page control reaches the main window as the default command, once.
    log.clear();
    auto* edit = new QLineEdit(page);
    edit->show();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    const std::string ok = std::to_string(kCmdOk);
    EXPECT_EQ(log, (std::vector<std::string>{"page " + ok, "signal " + ok, "main window " + ok}));
}

TEST(PageTabCtrl, AddPageShowsOnlyTheFirstPage) {
    std::vector<std::string> log;
    CPageTabCtrl tabs;
    EXPECT_EQ(tabs.AddPage(QStringLiteral("none"), 7, nullptr), -1);
    EXPECT_EQ(tabs.count(), 0);
    auto* first = TwoFieldPage(&log, QStringLiteral("one"));
    auto* second = TwoFieldPage(&log, QStringLiteral("two"));
    EXPECT_EQ(tabs.AddPage(QStringLiteral("Rechner"), 0, first), 0);
    EXPECT_EQ(tabs.AddPage(QStringLiteral("Programmierer"), 1, second), 1);
    tabs.show();
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(second->isVisible());
    EXPECT_EQ(tabs.Page(0), first);
    EXPECT_EQ(tabs.Page(1), second);
    EXPECT_EQ(tabs.Page(2), nullptr);
    EXPECT_EQ(tabs.Page(-1), nullptr);
    EXPECT_EQ(tabs.tabText(1), QStringLiteral("Programmierer"));

    EXPECT_FALSE(tabs.SelectPage(2));
    EXPECT_FALSE(tabs.SelectPage(-1));
    EXPECT_TRUE(tabs.SelectPage(0));
    EXPECT_EQ(tabs.currentIndex(), 0);
    EXPECT_TRUE(tabs.SelectPage(1));
    EXPECT_FALSE(first->isVisible());
    EXPECT_TRUE(second->isVisible());
}

// Three pages of two fields each, in a window with one field outside the tabs (the expression
// field of the main window).
struct ThreePages {
    std::vector<std::string> log;
    QWidget window;
    QLineEdit* outside;
    CPageTabCtrl* tabs;
    ThreePages() : ThreePages(new CPageTabCtrl) {}
    explicit ThreePages(CPageTabCtrl* control) : outside(new QLineEdit(&window)), tabs(control) {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(outside);
        layout->addWidget(tabs);
        outside->setAccessibleName(QStringLiteral("outside"));
        const char* names[] = {"zero", "one", "two"};
        for (int i = 0; i < 3; ++i) {
            tabs->AddPage(QString::number(i), i, TwoFieldPage(&log, QLatin1String(names[i])));
        }
    }
    QWidget* Field(const char* name) { return Named(&window, QLatin1String(name)); }
};

TEST(PageTabCtrl, EachPageKeepsItsOwnFocusedControl) {
    ThreePages t;
    ASSERT_TRUE(ShowActive(&t.window));
    t.Field("zero second")->setFocus();

    ASSERT_TRUE(t.tabs->SelectPage(2));
    // A page shown for the first time gives the focus to its first control.
    EXPECT_EQ(QApplication::focusWidget(), t.Field("two first"));
    t.Field("two second")->setFocus();

    ASSERT_TRUE(t.tabs->SelectPage(0));
    EXPECT_EQ(QApplication::focusWidget(), t.Field("zero second"));

    // The main window takes the focus back after every evaluation; the page still knows its
    // control, also when the user changes the tab with the mouse.
    t.outside->setFocus();
    QTabBar* bar = t.tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
    EXPECT_EQ(t.tabs->currentIndex(), 2);
    EXPECT_EQ(QApplication::focusWidget(), t.Field("two second"));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    EXPECT_EQ(QApplication::focusWidget(), t.Field("zero second"));

    // A control chosen on the page just before a tab change by mouse counts as well.
    t.Field("zero first")->setFocus();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(QApplication::focusWidget(), t.Field("one first"));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    EXPECT_EQ(QApplication::focusWidget(), t.Field("zero first"));
}

TEST(PageTabCtrl, ARememberedControlThatWentAwayFallsBackToTheFirstControl) {
    ThreePages t;
    ASSERT_TRUE(ShowActive(&t.window));
    t.Field("zero second")->setFocus();
    ASSERT_TRUE(t.tabs->SelectPage(1));
    delete t.Field("zero second");
    ASSERT_TRUE(t.tabs->SelectPage(0));
    EXPECT_EQ(QApplication::focusWidget(), t.Field("zero first"));
}

// Records the hooks; the page at index 1 keeps the focus where it was when it was added.
class HookedTabs : public CPageTabCtrl {
public:
    std::vector<std::string> hooks;

protected:
    bool InitialFocus(int index, int data) override {
        hooks.push_back("initial " + std::to_string(index) + "/" + std::to_string(data));
        return index != 1;
    }
    void PageActivated(int index, int data) override {
        hooks.push_back("activated " + std::to_string(index) + "/" + std::to_string(data));
    }
    void PageDeactivating(int index, int data) override {
        hooks.push_back("deactivating " + std::to_string(index) + "/" + std::to_string(data));
    }
};

TEST(PageTabCtrl, HooksAndTheInitialFocusRule) {
    auto* hooked = new HookedTabs;
    ThreePages t(hooked);
    ASSERT_TRUE(ShowActive(&t.window));
    t.outside->setFocus();
    ASSERT_TRUE(t.tabs->SelectPage(1));
    // Page 1 was added while nothing had the focus: it moves none.
    EXPECT_EQ(QApplication::focusWidget(), t.outside);
    ASSERT_TRUE(t.tabs->SelectPage(2));
    EXPECT_EQ(QApplication::focusWidget(), t.Field("two first"));
    EXPECT_EQ(hooked->hooks, (std::vector<std::string>{"initial 0/0", "initial 1/1", "initial 2/2",
                                                       "deactivating 0/0", "activated 1/1",
                                                       "deactivating 1/1", "activated 2/2"}));
}

TEST(PageTabCtrl, ShiftLeftOnTheTabStripSelectsThePreviousTabOnce) {
    ThreePages t;
    ASSERT_TRUE(ShowActive(&t.window));
    QTabBar* bar = t.tabs->tabBar();

    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(t.tabs->currentIndex(), 0);

    ASSERT_TRUE(t.tabs->SelectPage(2));
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(t.tabs->currentIndex(), 1);
    EXPECT_TRUE(t.tabs->Page(1)->isVisible());
    EXPECT_FALSE(t.tabs->Page(2)->isVisible());

    // In a page's field Shift+Left selects text and leaves the tab alone.
    auto* field = static_cast<QLineEdit*>(t.Field("one first"));
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("ab"));
    QTest::keyClick(field, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(t.tabs->currentIndex(), 1);
    EXPECT_EQ(field->selectedText(), QStringLiteral("b"));
}

TEST(PageTabCtrl, EveryPageCommandIsPassedOn) {
    ThreePages t;
    QSignalSpy spy(t.tabs, &CPageTabCtrl::pageCommand);
    t.tabs->Page(0)->IssueCommand(kCmdKeypadFirst + 3);
    t.tabs->Page(2)->IssueCommand(kCmdCancel);
    EXPECT_EQ(Commands(spy), (std::vector<int>{kCmdKeypadFirst + 3, kCmdCancel}));
}

}  // namespace
}  // namespace quillex

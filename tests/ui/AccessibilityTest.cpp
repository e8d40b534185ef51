// Every control of every window has a name a screen reader can say, and neither it nor its text
// is cut off, in both languages: the main window with each of its pages shown, and its dialogs.
// The test also runs at the scale factors of high-density screens.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include <functional>
#include <memory>

#include "store/CSettingsKey.h"
#include "store/CalculatorState.h"
#include "store/TapeFile.h"
#include "store/TipOfTheDay.h"
#include "ui/CInfoDlg.h"
#include "ui/CMainCalcDlg.h"
#include "ui/CMiniCalcDlg.h"
#include "ui/COptionsDlg.h"
#include "ui/CPageTabCtrl.h"
#include "ui/CTipDlg.h"

#include "UiTestSupport.h"

namespace quillex {
namespace {

QString Describe(const QWidget* widget) {
    return QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ') +
           widget->objectName() + QLatin1Char(' ') + widget->accessibleName();
}

// Parts that Qt builds inside a control (a list's line edit, a scroll area's bars) are named
// through the control itself.
bool IsPartOfAControl(const QWidget* widget) {
    for (const QWidget* up = widget->parentWidget(); up != nullptr; up = up->parentWidget()) {
        if (qobject_cast<const QComboBox*>(up) != nullptr ||
            qobject_cast<const QAbstractScrollArea*>(up) != nullptr ||
            qobject_cast<const QTabBar*>(up) != nullptr) {
            return true;
        }
    }
    return false;
}

// What the widget's text needs in pixels beside what its style draws around it; zero for a
// widget whose text is not laid out on one line.
int TextWidth(const QWidget* widget) {
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(widget); label && !label->wordWrap()) {
        text = label->text();
    } else if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        text = button->text();
    }
    text.remove(QLatin1Char('&'));
    return text.isEmpty() || Qt::mightBeRichText(text)
               ? 0
               : widget->fontMetrics().horizontalAdvance(text);
}

// Whether the widget lies whole inside its parent, the parent inside its own and so on up to
// the window: whatever lies outside one of them is cut off.
bool LiesWhole(const QWidget* widget) {
    for (const QWidget* part = widget; !part->isWindow(); part = part->parentWidget()) {
        if (!part->parentWidget()->rect().contains(part->geometry())) {
            return false;
        }
    }
    return true;
}

// Returns how many controls it checked.
int ExpectNamedAndUnclipped(const QWidget* window) {
    int controls = 0;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible() || IsPartOfAControl(widget)) {
            continue;
        }
        SCOPED_TRACE(Describe(widget).toStdString());
        if (widget->focusPolicy() != Qt::NoFocus) {
            ++controls;
            QAccessibleInterface* accessible =
                QAccessible::queryAccessibleInterface(const_cast<QWidget*>(widget));
            EXPECT_TRUE(accessible != nullptr &&
                        !accessible->text(QAccessible::Name).trimmed().isEmpty());
        }
        EXPECT_TRUE(LiesWhole(widget));
        EXPECT_LE(TextWidth(widget), widget->contentsRect().width());
        if (qobject_cast<const QCheckBox*>(widget) || qobject_cast<const QRadioButton*>(widget)) {
            EXPECT_LE(widget->sizeHint().width(), widget->width());
        }
        if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
            EXPECT_LE(tabs->sizeHint().width(), tabs->width());
        }
    }
    return controls;
}

class AccessibilityTest : public ::testing::TestWithParam<Language> {
protected:
    void SetUp() override {
        SetLanguage(GetParam());
        QFile::remove(SettingsFilePath());
        QFile::remove(TapeFilePath());
    }
    void TearDown() override { SetLanguage(Language::German); }
};

TEST_P(AccessibilityTest, EveryPageOfTheMainWindow) {
    StartedWindow started;
    CMainCalcDlg& window = started.window;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (const TextId tab : {TextId::TabKeypad, TextId::TabProgrammer, TextId::TabLogic,
                             TextId::TabConverter, TextId::TabConstants}) {
        SCOPED_TRACE(Tr(tab).toStdString());
        ASSERT_NE(ShowPage(window, tab), nullptr);
        // The window's own controls and at least a few of the page's.
        EXPECT_GT(ExpectNamedAndUnclipped(&window), 15);
    }
    EXPECT_EQ(Pages(window)->count(), 5);
}

TEST_P(AccessibilityTest, EveryDialog) {
    CalculatorState state;
    TipOfTheDay tips(TipFilePath(), TipPosition{});
    const std::function<std::unique_ptr<QDialog>()> dialogs[] = {
        [&] { return std::make_unique<COptionsDlg>(state); },
        [] { return std::make_unique<CInfoDlg>(); },
        [] { return std::make_unique<CMiniCalcDlg>(2, QString()); },
        [&] { return std::make_unique<CTipDlg>(tips, true); },
    };
    for (const auto& make : dialogs) {
        std::unique_ptr<QDialog> dialog = make();
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        ExpectNamedAndUnclipped(dialog.get());
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, AccessibilityTest,
                         ::testing::Values(Language::German, Language::English));

}  // namespace
}  // namespace quillex

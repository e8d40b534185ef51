#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QSignalSpy>
#include <QTest>

#include "store/CalculatorState.h"
#include "text/Texts.h"
#include "ui/COptionsDlg.h"
#include "ui/DialogUnits.h"

#include <string>

#include "UiTestSupport.h"

namespace quillex {
namespace {

constexpr TextId kStoreStack = TextId::OptionsStoreStack;
constexpr TextId kAlwaysOnTop = TextId::OptionsAlwaysOnTop;
constexpr TextId kToolTips = TextId::OptionsToolTips;
constexpr TextId kShowSplash = TextId::OptionsShowSplash;
constexpr TextId kComma = TextId::OptionsUseComma;
constexpr TextId kPoint = TextId::OptionsUsePoint;
constexpr TextId kCopyAlways = TextId::OptionsCopyAlways;

QAbstractButton* Button(const QWidget& dialog, TextId name) {
    return Named<QAbstractButton>(&dialog, name);
}

void Click(const QWidget& dialog, TextId name) {
    if (QAbstractButton* button = Button(dialog, name)) {
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

bool Marked(const QWidget& dialog, TextId name) {
    QAbstractButton* button = Button(dialog, name);
    return button != nullptr && button->isChecked();
}

TEST(OptionsDlg, MarksFollowTheSettingsWhenOpened) {
    struct Case {
        bool storeStack, alwaysOnTop, toolTips, showSplash, useKomma, copyAlways;
    };
    const Case cases[] = {{true, true, true, true, false, false},
                          {false, false, false, false, true, true},
                          {true, false, true, false, true, false}};
    for (const Case& c : cases) {
        Settings stored;
        stored.storeStack = c.storeStack;
        stored.alwaysOnTop = c.alwaysOnTop;
        stored.toolTips = c.toolTips;
        stored.showSplash = c.showSplash;
        stored.decimalComma = c.useKomma;
        stored.copyAlways = c.copyAlways;
        CalculatorState state;
        state.Load(stored);
        QSignalSpy changes(&state, &CalculatorState::changed);
        COptionsDlg dialog(state);
        EXPECT_EQ(Marked(dialog, kStoreStack), c.storeStack);
        EXPECT_EQ(Marked(dialog, kAlwaysOnTop), c.alwaysOnTop);
        EXPECT_EQ(Marked(dialog, kToolTips), c.toolTips);
        EXPECT_EQ(Marked(dialog, kShowSplash), c.showSplash);
        EXPECT_EQ(Marked(dialog, kComma), c.useKomma);
        EXPECT_EQ(Marked(dialog, kPoint), !c.useKomma);
        EXPECT_EQ(Marked(dialog, kCopyAlways), c.copyAlways);
        // Opening changes nothing.
        EXPECT_EQ(state.Values(), stored);
        EXPECT_EQ(changes.count(), 0);
    }
}

TEST(OptionsDlg, EachSingleOptionTogglesOnlyItsOwnSetting) {
    struct Case {
        TextId name;
        bool Settings::*member;
    };
    const Case cases[] = {{kStoreStack, &Settings::storeStack},
                          {kAlwaysOnTop, &Settings::alwaysOnTop},
                          {kToolTips, &Settings::toolTips},
                          {kShowSplash, &Settings::showSplash},
                          {kCopyAlways, &Settings::copyAlways}};
    for (const Case& c : cases) {
        SCOPED_TRACE(Tr(c.name).toStdString());
        Settings expected;
        expected.*c.member = true;
        CalculatorState state;
        state.Load(expected);
        QSignalSpy changes(&state, &CalculatorState::changed);
        COptionsDlg dialog(state);
        dialog.show();

        Click(dialog, c.name);
        expected.*c.member = false;
        EXPECT_EQ(state.Values(), expected);
        EXPECT_FALSE(Marked(dialog, c.name));

        Click(dialog, c.name);
        expected.*c.member = true;
        EXPECT_EQ(state.Values(), expected);
        EXPECT_TRUE(Marked(dialog, c.name));
        // Each click takes effect at once.
        EXPECT_EQ(changes.count(), 2);
    }
}

TEST(OptionsDlg, CommaPairSwapsOnEveryClick) {
    struct Case {
        bool useKomma;
        TextId clicked;
    };
    // A click on the marked button moves the mark away from it, as does one on the other.
    const Case cases[] = {{false, kPoint}, {false, kComma}, {true, kComma}, {true, kPoint}};
    for (const Case& c : cases) {
        SCOPED_TRACE(Tr(c.clicked).toStdString() + " from " + std::to_string(c.useKomma));
        Settings expected;
        expected.decimalComma = c.useKomma;
        CalculatorState state;
        state.Load(expected);
        COptionsDlg dialog(state);
        dialog.show();
        Click(dialog, c.clicked);
        expected.decimalComma = !c.useKomma;
        EXPECT_EQ(state.Values(), expected);
        EXPECT_EQ(Marked(dialog, kComma), expected.decimalComma);
        EXPECT_EQ(Marked(dialog, kPoint), !expected.decimalComma);
    }
}

TEST(OptionsDlg, EveryWayOfClosingKeepsTheChanges) {
    enum class Way { Escape, Enter, OkButton, CloseBox };
    for (Way way : {Way::Escape, Way::Enter, Way::OkButton, Way::CloseBox}) {
        SCOPED_TRACE(static_cast<int>(way));
        CalculatorState state;
        COptionsDlg dialog(state);
        dialog.show();
        Click(dialog, kStoreStack);
        Click(dialog, kAlwaysOnTop);
        Click(dialog, kAlwaysOnTop);
        switch (way) {
            case Way::Escape:
                QTest::keyClick(&dialog, Qt::Key_Escape);
                break;
            case Way::Enter:
                QTest::keyClick(&dialog, Qt::Key_Return);
                break;
            case Way::OkButton:
                Click(dialog, TextId::OptionsOk);
                break;
            case Way::CloseBox:
                dialog.close();
                break;
        }
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_FALSE(state.Values().storeStack);
        EXPECT_TRUE(state.Values().alwaysOnTop);
    }
}

TEST(OptionsDlg, TitleAndLabelsFollowTheLanguage) {
    struct Case {
        Language language;
        const char* title;
        const char* toolTipsLabel;
        int toolTipsWidth;
    };
    const Case cases[] = {
        {Language::German, "Quillex Optionen", "ToolTips anzeigen", 73},
        {Language::English, "Quillex Options", "Show Tips on Mouse over Buttons", 154}};
    const DialogUnits units(DialogUnits::DefaultDialogFont());
    for (const Case& c : cases) {
        SetLanguage(c.language);
        CalculatorState state;
        COptionsDlg dialog(state);
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(c.title));
        QAbstractButton* toolTips = Button(dialog, kToolTips);
        ASSERT_NE(toolTips, nullptr);
        EXPECT_EQ(toolTips->text(), QString::fromUtf8(c.toolTipsLabel));
        EXPECT_EQ(toolTips->geometry(), units.Rect(10, 45, c.toolTipsWidth, 10));
        EXPECT_EQ(dialog.size(), QSize(units.X(175), units.Y(151)));
    }
    SetLanguage(Language::German);
}

}  // namespace
}  // namespace quillex

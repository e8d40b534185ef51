#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTest>

#include "store/Settings.h"
#include "text/Texts.h"
#include "ui/COptionsDlg.h"
#include "ui/DialogUnits.h"

#include <string>
#include <tuple>

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

// The settings the dialog switches, as one comparable tuple.
auto Switched(const Settings& s) {
    return std::make_tuple(s.storeStack, s.alwaysOnTop, s.toolTips, s.showSplash, s.decimalComma,
                           s.copyAlways);
}

TEST(OptionsDlg, MarksFollowTheSettingsWhenOpened) {
    struct Case {
        int storeStack, alwaysOnTop, toolTips, showSplash, useKomma, copyAlways;
    };
    const Case cases[] = {{1, 1, 1, 1, 0, 0}, {0, 0, 0, 0, 1, 1}, {7, 0, -1, 0, 2, 0}};
    for (const Case& c : cases) {
        Settings settings;
        settings.storeStack = c.storeStack;
        settings.alwaysOnTop = c.alwaysOnTop;
        settings.toolTips = c.toolTips;
        settings.showSplash = c.showSplash;
        settings.decimalComma = c.useKomma;
        settings.copyAlways = c.copyAlways;
        COptionsDlg dialog(settings);
        EXPECT_EQ(Marked(dialog, kStoreStack), c.storeStack != 0);
        EXPECT_EQ(Marked(dialog, kAlwaysOnTop), c.alwaysOnTop != 0);
        EXPECT_EQ(Marked(dialog, kToolTips), c.toolTips != 0);
        EXPECT_EQ(Marked(dialog, kShowSplash), c.showSplash != 0);
        EXPECT_EQ(Marked(dialog, kComma), c.useKomma != 0);
        EXPECT_EQ(Marked(dialog, kPoint), c.useKomma == 0);
        EXPECT_EQ(Marked(dialog, kCopyAlways), c.copyAlways != 0);
        // Opening changes nothing.
        EXPECT_EQ(settings.storeStack, c.storeStack);
        EXPECT_EQ(settings.decimalComma, c.useKomma);
    }
}

TEST(OptionsDlg, EachSingleOptionTogglesOnlyItsOwnSetting) {
    struct Case {
        TextId name;
        int Settings::*member;
    };
    const Case cases[] = {{kStoreStack, &Settings::storeStack},
                          {kAlwaysOnTop, &Settings::alwaysOnTop},
                          {kToolTips, &Settings::toolTips},
                          {kShowSplash, &Settings::showSplash},
                          {kCopyAlways, &Settings::copyAlways}};
    for (const Case& c : cases) {
        SCOPED_TRACE(Tr(c.name).toStdString());
        Settings settings;
        settings.*c.member = 5;  // any non-zero value counts as on and becomes 0
        Settings expected = settings;
        COptionsDlg dialog(settings);
        dialog.show();

        Click(dialog, c.name);
        expected.*c.member = 0;
        EXPECT_EQ(Switched(settings), Switched(expected));
        EXPECT_FALSE(Marked(dialog, c.name));

        Click(dialog, c.name);
        expected.*c.member = 1;
        EXPECT_EQ(Switched(settings), Switched(expected));
        EXPECT_TRUE(Marked(dialog, c.name));
    }
}

TEST(OptionsDlg, CommaPairSwapsOnEveryClick) {
    struct Case {
        int useKomma;
        TextId clicked;
        int expected;
    };
    // A click on the marked button moves the mark away from it, as does one on the other.
    const Case cases[] = {
        {0, kPoint, 1}, {0, kComma, 1}, {1, kComma, 0}, {1, kPoint, 0}, {3, kComma, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(Tr(c.clicked).toStdString() + " from " + std::to_string(c.useKomma));
        Settings settings;
        settings.decimalComma = c.useKomma;
        COptionsDlg dialog(settings);
        dialog.show();
        Click(dialog, c.clicked);
        EXPECT_EQ(settings.decimalComma, c.expected);
        EXPECT_EQ(Marked(dialog, kComma), c.expected == 1);
        EXPECT_EQ(Marked(dialog, kPoint), c.expected == 0);
        EXPECT_EQ(settings.copyAlways, Settings{}.copyAlways);
    }
}

TEST(OptionsDlg, EveryWayOfClosingKeepsTheChanges) {
    enum class Way { Escape, Enter, OkButton, CloseBox };
    for (Way way : {Way::Escape, Way::Enter, Way::OkButton, Way::CloseBox}) {
        SCOPED_TRACE(static_cast<int>(way));
        Settings settings;
        COptionsDlg dialog(settings);
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
        EXPECT_EQ(settings.storeStack, 0);
        EXPECT_EQ(settings.alwaysOnTop, 1);
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
        Settings settings;
        COptionsDlg dialog(settings);
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

// The texts the program colours itself, rendered in a light and in a dark desktop palette:
// each readable on the background it is drawn on (4.5:1), and on a light desktop in the
// colours the program has always shown.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include "store/TapeFile.h"
#include "ui/CInfoDlg.h"
#include "ui/CMiniCalcDlg.h"
#include "ui/CStaticLink.h"
#include "ui/Help.h"
#include "ui/Inks.h"

#include "UiTestSupport.h"

namespace quillex {
namespace {

QPalette DarkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(49, 49, 49));
    dark.setColor(QPalette::WindowText, QColor(238, 238, 236));
    dark.setColor(QPalette::Base, QColor(45, 45, 45));
    dark.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    dark.setColor(QPalette::Text, QColor(238, 238, 236));
    dark.setColor(QPalette::Button, QColor(64, 64, 64));
    dark.setColor(QPalette::ButtonText, QColor(238, 238, 236));
    return dark;
}

bool OpenNothing(const QString&) {
    return true;
}

// Every widget with colours of its own, by the roles its kind draws its text and background
// in. On a light desktop the buttons keep their captions as they always were and are left out.
// Returns how many it measured.
int ExpectReadable(QWidget& root) {
    root.grab();
    int measured = 0;
    for (const QWidget* widget : root.findChildren<QWidget*>()) {
        if (!widget->isVisible() || !widget->testAttribute(Qt::WA_SetPalette)) {
            continue;
        }
        QPalette::ColorRole text = QPalette::WindowText;
        QPalette::ColorRole background = QPalette::Window;
        if (qobject_cast<const QLineEdit*>(widget) != nullptr) {
            text = QPalette::Text;
            background = QPalette::Base;
        } else if (qobject_cast<const QPushButton*>(widget) != nullptr) {
            if (!IsDarkDesktop()) {
                continue;
            }
            text = QPalette::ButtonText;
            background = QPalette::Button;
        } else if (qobject_cast<const QLabel*>(widget) == nullptr) {
            continue;
        }
        const QPalette& colours = widget->palette();
        EXPECT_GE(Contrast(colours.color(text), colours.color(background)), kMinimumContrast)
            << widget->metaObject()->className() << " " << widget->accessibleName().toStdString()
            << " " << colours.color(text).name().toStdString() << " on "
            << colours.color(background).name().toStdString();
        ++measured;
    }
    return measured;
}

class ContrastTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        QFile::remove(SettingsFilePath());
        QFile::remove(TapeFilePath());
        QApplication::setPalette(GetParam() ? DarkPalette() : light_);
    }
    void TearDown() override { QApplication::setPalette(light_); }
    bool Dark() const { return GetParam(); }

    const QPalette light_ = QApplication::style()->standardPalette();
};

TEST_P(ContrastTest, TheMainWindowAndItsPages) {
    StartedWindow started;
    for (const TextId tab : {TextId::TabProgrammer, TextId::TabLogic, TextId::TabKeypad}) {
        ASSERT_NE(ShowPage(started.window, tab), nullptr);
        EXPECT_GE(ExpectReadable(started.window), 1);
    }
    const QPalette& result = ResultField(started.window)->palette();
    EXPECT_EQ(result.color(QPalette::Base),
              Dark() ? DarkPalette().color(QPalette::Base) : QColor(Qt::white));
    if (!Dark()) {
        EXPECT_EQ(result.color(QPalette::Text), QColor(0, 0, 255));
    }
}

TEST_P(ContrastTest, TheMiniCalculatorsLines) {
    CMiniCalcDlg mini(0, QString());
    ASSERT_TRUE(ShowActive(&mini));
    auto* input = Named<QLineEdit>(mini, TextId::NameExpression);
    auto* result = Named<QLineEdit>(mini, TextId::NameResult);
    for (const char* typed : {"5", "-5"}) {
        input->setText(QString::fromLatin1(typed));
        EXPECT_EQ(ExpectReadable(mini), 2);
    }
    if (!Dark()) {
        EXPECT_EQ(input->palette().color(QPalette::Text), QColor(0, 0, 193));
        EXPECT_EQ(input->palette().color(QPalette::Base), QColor(Qt::white));
        EXPECT_EQ(result->palette().color(QPalette::Text), QColor(225, 0, 0));
        EXPECT_EQ(result->palette().color(QPalette::Base), QColor(244, 244, 236));
    }
}

TEST_P(ContrastTest, TheInformationDialogsLinksVisitedOrNot) {
    SetOpenHandlerForTesting(&OpenNothing);
    CInfoDlg info;
    ASSERT_TRUE(ShowActive(&info));
    EXPECT_GE(ExpectReadable(info), 1);
    for (CStaticLink* link : info.findChildren<CStaticLink*>()) {
        link->Open();
    }
    EXPECT_GE(ExpectReadable(info), 1);
    SetOpenHandlerForTesting(nullptr);
}

INSTANTIATE_TEST_SUITE_P(LightAndDark, ContrastTest, ::testing::Bool());

// A desktop that turns dark while the program runs takes its fields along.
TEST(DesktopColours, FollowAChangeWhileTheWindowIsOpen) {
    const QPalette light = QApplication::style()->standardPalette();
    StartedWindow started;
    QApplication::setPalette(DarkPalette());
    EXPECT_EQ(ResultField(started.window)->palette().color(QPalette::Base),
              DarkPalette().color(QPalette::Base));
    QApplication::setPalette(light);
    EXPECT_EQ(ResultField(started.window)->palette().color(QPalette::Base), QColor(Qt::white));
}

}  // namespace
}  // namespace quillex

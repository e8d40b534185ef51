#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QResource>
#include <QSignalSpy>
#include <QSystemTrayIcon>

#include "text/Texts.h"
#include "ui/Bitmap32.h"
#include "ui/CTrayIcon.h"

#include "UiTestSupport.h"

#include <array>

namespace quillex {
namespace {

// The tray's icon, which the desktop's notification area shows.
QSystemTrayIcon* Icon(const CTrayIcon& tray) {
    auto* icon = tray.findChild<QSystemTrayIcon*>();
    EXPECT_NE(icon, nullptr);
    return icon;
}

// The menu open on the screen, if any.
QMenu* OpenMenu() {
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// Opens the menu as the right button's release on the icon does.
QMenu* PopUp(const CTrayIcon& tray) {
    emit Icon(tray)->activated(QSystemTrayIcon::Context);
    QMenu* menu = OpenMenu();
    EXPECT_NE(menu, nullptr);
    return menu;
}

TEST(TrayIcon, OnlyRightReleaseAndDoubleClickDoAnything) {
    struct Case {
        QSystemTrayIcon::ActivationReason reason;
        TrayAction action;
    };
    const Case cases[] = {{QSystemTrayIcon::Context, TrayAction::ShowMenu},
                          {QSystemTrayIcon::DoubleClick, TrayAction::Open},
                          {QSystemTrayIcon::Trigger, TrayAction::None},
                          {QSystemTrayIcon::MiddleClick, TrayAction::None},
                          {QSystemTrayIcon::Unknown, TrayAction::None}};
    for (const Case& c : cases) {
        EXPECT_EQ(ActionForActivation(c.reason), c.action) << c.reason;
    }
}

TEST(TrayIcon, MenuEntriesInBothLanguages) {
    struct Case {
        Language language;
        std::array<const char*, 5> texts;  // empty for the separator
        const char* tip;
    };
    const Case cases[] = {
        {Language::German,
         {"&Öffnen", "O&ptionen", "&Info Quillex...", "", "&Quillex schließen"},
         "Quillex,  Rechte Maustaste drücken"},
        {Language::English,
         {"&Open", "O&ptions", "&Info Quillex...", "", "&Suspend Quillex"},
         "Quillex, Right Mouse Button for Options"},
    };
    for (const Case& c : cases) {
        SetLanguage(c.language);
        CTrayIcon tray;
        QMenu* menu = PopUp(tray);
        ASSERT_NE(menu, nullptr);
        const QList<QAction*> actions = menu->actions();
        menu->hide();
        ASSERT_EQ(actions.size(), 5);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(actions[i]->isSeparator(), i == 3);
            EXPECT_EQ(actions[i]->text(), QString::fromUtf8(c.texts[static_cast<std::size_t>(i)]));
        }
        EXPECT_EQ(menu->defaultAction(), actions[0]);

        tray.ShowIcon(CTrayIcon::kIconId);
        const QSystemTrayIcon* icon = Icon(tray);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->toolTip(), QString::fromUtf8(c.tip));
        EXPECT_FALSE(icon->icon().isNull());
    }
    SetLanguage(Language::German);
}

// The four requests, counted, in the order of the menu's entries.
struct Spies {
    explicit Spies(CTrayIcon& tray)
        : open(&tray, &CTrayIcon::openRequested),
          options(&tray, &CTrayIcon::optionsRequested),
          info(&tray, &CTrayIcon::infoRequested),
          quit(&tray, &CTrayIcon::quitRequested) {}
    std::array<qsizetype, 4> Counts() const {
        return {open.count(), options.count(), info.count(), quit.count()};
    }
    QSignalSpy open, options, info, quit;
};

TEST(TrayIcon, EachEntryRequestsItsOwnCommand) {
    struct Case {
        int entry;
        std::array<qsizetype, 4> counts;
    };
    const Case cases[] = {
        {0, {1, 0, 0, 0}}, {1, {0, 1, 0, 0}}, {2, {0, 0, 1, 0}}, {4, {0, 0, 0, 1}}};
    for (const Case& c : cases) {
        CTrayIcon tray;
        Spies spies(tray);
        QMenu* menu = PopUp(tray);
        ASSERT_NE(menu, nullptr);
        menu->setActiveAction(menu->actions()[c.entry]);
        QTest::keyClick(menu, Qt::Key_Return);
        EXPECT_EQ(OpenMenu(), nullptr);
        EXPECT_EQ(spies.Counts(), c.counts) << "entry " << c.entry;
    }
}

TEST(TrayIcon, ActivationsOfTheIcon) {
    QWidget owner;
    CTrayIcon tray;
    tray.AttachWindow(&owner);
    Spies spies(tray);
    QSystemTrayIcon* icon = Icon(tray);
    ASSERT_NE(icon, nullptr);

    for (auto reason :
         {QSystemTrayIcon::Trigger, QSystemTrayIcon::MiddleClick, QSystemTrayIcon::Unknown}) {
        emit icon->activated(reason);
    }
    EXPECT_EQ(spies.Counts(), (std::array<qsizetype, 4>{0, 0, 0, 0}));
    EXPECT_EQ(OpenMenu(), nullptr);

    // A double click opens at once, without the menu.
    emit icon->activated(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(spies.Counts(), (std::array<qsizetype, 4>{1, 0, 0, 0}));
    EXPECT_EQ(OpenMenu(), nullptr);

    // The right-button release shows the menu and requests nothing by itself; the hidden
    // owner stays hidden.
    emit icon->activated(QSystemTrayIcon::Context);
    ASSERT_NE(OpenMenu(), nullptr);
    EXPECT_FALSE(owner.isVisible());
    EXPECT_EQ(spies.Counts(), (std::array<qsizetype, 4>{1, 0, 0, 0}));
    OpenMenu()->hide();

    // Reported while the right button is still down, the menu waits for its release.
    QWidget surface;
    ASSERT_TRUE(ShowActive(&surface));
    QTest::mousePress(&surface, Qt::RightButton);
    emit icon->activated(QSystemTrayIcon::Context);
    EXPECT_EQ(OpenMenu(), nullptr);
    QTest::mouseRelease(&surface, Qt::RightButton);
    ASSERT_NE(OpenMenu(), nullptr);
    OpenMenu()->hide();
}

TEST(TrayIcon, ShowingAndRemovingTheIcon) {
    CTrayIcon tray;
    // Where the desktop has no notification area (as on the test platform) nothing is shown,
    // and asking again is still answered truthfully.
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_EQ(tray.ShowIcon(CTrayIcon::kIconId), CTrayIcon::IsAvailable());
        EXPECT_EQ(tray.IsShown(), CTrayIcon::IsAvailable());
    }
    EXPECT_TRUE(tray.ShowIcon(0));
    EXPECT_FALSE(tray.IsShown());
    EXPECT_TRUE(tray.ShowIcon(0));
}

// The program's own reader gives the icon as Qt's BMP reader does, and nothing for a file cut
// short or with other masks.
TEST(TrayIcon, TheIconReadsAsQtReadsIt) {
    ProgramIcon();  // registers the resources
    const QByteArray file = QResource(QStringLiteral(":/icons/quillex.bmp")).uncompressedData();
    const QImage read = ReadBitmap32(file);
    ASSERT_FALSE(read.isNull());
    EXPECT_EQ(read, QImage::fromData(file, "BMP").convertToFormat(QImage::Format_ARGB32));
    for (const qsizetype size : {0, 13, 69, 200, int(file.size()) - 1}) {
        EXPECT_TRUE(ReadBitmap32(file.left(size)).isNull()) << size;
    }
    QByteArray otherMasks = file;
    otherMasks[54] = '\xff';  // the red mask's lowest byte
    EXPECT_TRUE(ReadBitmap32(otherMasks).isNull());
}

}  // namespace
}  // namespace quillex

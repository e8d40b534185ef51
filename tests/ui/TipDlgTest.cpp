// The tip of the day: the position kept from start to start, the dialog's check box rule, and
// the tip files the program ships.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

#include <functional>
#include <optional>

#include "store/CSettingsKey.h"
#include "store/CalculatorState.h"
#include "store/TipOfTheDay.h"
#include "ui/CMainCalcDlg.h"
#include "ui/CTipDlg.h"

#include "UiTestSupport.h"

namespace quillex {
namespace {

QString Stored(const QString& name) {
    return QSettings(SettingsFilePath(), QSettings::IniFormat).value(name).toString();
}

void WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

void Accept(CTipDlg* dialog) {
    dialog->accept();
}

// Runs one start; the tip dialog, when it shows, is handed to `act`, which ends it. Returns the
// tip shown, or nothing when no dialog appeared.
std::optional<QString> RunStart(const std::function<void()>& start,
                                const std::function<void(CTipDlg*)>& act = Accept) {
    std::optional<QString> shown;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<CTipDlg*>(QApplication::activeModalWidget())) {
            look.stop();
            act(dialog);
            // The painted tip, as a screen reader reads it.
            shown = dialog->accessibleDescription();
        }
    });
    look.start(0);
    start();
    QCoreApplication::processEvents();  // without a dialog the look above goes by now
    return shown;
}

class TipDlgTest : public testing::Test {
protected:
    void SetUp() override {
        QFile::remove(SettingsFilePath());
        WriteFile(QStringLiteral("Tips.gr"), "; tips\nFirst\nSecond\n\nThird\nFourth\n");
    }
    void TearDown() override {
        QFile::remove(SettingsFilePath());
        QFile::remove(QStringLiteral("Tips.gr"));
        SetLanguage(Language::German);
    }

    // One start over the state that the starts before it left.
    std::optional<QString> Start(bool showSplash,
                                 const std::function<void(CTipDlg*)>& act = Accept) {
        state_.Set(&Settings::showSplash, showSplash);
        return RunStart([&] { ShowTipOfTheDay(state_, nullptr); }, act);
    }
    CalculatorState state_;
};

TEST_F(TipDlgTest, OkStoresTheBoxButTheCloseBoxKeepsTheSetting) {
    for (const bool viaOk : {true, false}) {
        Start(true, [viaOk](CTipDlg* dialog) {
            Named<QCheckBox>(dialog, TextId::TipOfDayShowAtStart)->click();
            viaOk ? Named<QPushButton>(dialog, TextId::TipOfDayOk)->click() : (void)dialog->close();
        });
        EXPECT_EQ(state_.Values().showSplash, !viaOk);
    }
}

TEST_F(TipDlgTest, EveryStartReadsTheNextTipWhetherOrNotItIsShown) {
    EXPECT_EQ(Start(true), QStringLiteral("First"));
    EXPECT_EQ(state_.Values().tipFilePos, 13);
    for (const int filePos : {20, 27, 34}) {  // after Second, Third and Fourth
        EXPECT_EQ(Start(false), std::nullopt);
        EXPECT_EQ(state_.Values().tipFilePos, filePos);
    }
    EXPECT_EQ(Start(true), QStringLiteral("First"));
    // The file's time stamp goes with the place.
    EXPECT_FALSE(state_.Values().tipTimeStamp.value_or(QString()).isEmpty());
}

TEST_F(TipDlgTest, AFileWithoutTipsShowsAnEmptyTipAndNextTipEnds) {
    WriteFile(QStringLiteral("Tips.gr"), ";only\n\n comments\n");
    EXPECT_EQ(Start(true,
                    [](CTipDlg* dialog) {
                        Named<QPushButton>(dialog, TextId::TipOfDayNext)->click();
                        dialog->accept();
                    }),
              QString());
}

TEST_F(TipDlgTest, TheMainWindowShowsTheTipAtStartAndKeepsTheChoice) {
    for (const bool first : {true, false}) {
        CalculatorState state;
        CMainCalcDlg window(state);
        // The tip follows the window's first paint.
        const std::optional<QString> shown = RunStart(
            [&] {
                window.Initialise();
                EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
                QCoreApplication::processEvents();
            },
            [](CTipDlg* dialog) {
                Named<QCheckBox>(dialog, TextId::TipOfDayShowAtStart)->click();
                Named<QPushButton>(dialog, TextId::TipOfDayOk)->click();
            });
        EXPECT_EQ(shown, first ? std::optional(QStringLiteral("First")) : std::nullopt);
        EXPECT_EQ(QuitFromMainLoop(window), 0);
    }
    EXPECT_EQ(Stored(QStringLiteral("Options_ShowSplash")), QStringLiteral("0"));
    EXPECT_EQ(Stored(QStringLiteral("Tip/FilePos")), QStringLiteral("20"));
}

// Every tip of a file the program ships, as the program reads it.
QStringList ShippedTips(const char* name) {
    TipFile file;
    TipPosition start;
    file.Open(QDir(QStringLiteral(QUILLEX_SOURCE_DATA_DIR)).filePath(name), start);
    QStringList tips;
    for (qint64 last = -1; (tips << file.ReadNextTip(), file.Position() > last);) {
        last = file.Position();
    }
    tips.removeLast();  // the first tip again
    return tips;
}

TEST(ShippedTipsTest, BothLanguagesHoldTheSameCountOfWholeTips) {
    const QStringList german = ShippedTips("Tips.gr");
    EXPECT_GE(german.size(), 40);
    EXPECT_EQ(german.size(), ShippedTips("Tips.en.gr").size());
    for (const QString& tip : german + ShippedTips("Tips.en.gr")) {
        // Whole lines, read as code page 1252 (no UTF-8 taken for two characters).
        EXPECT_TRUE(tip.endsWith(u'\n') && tip.size() < TipFile::kMaxTipLength &&
                    !tip.contains(u'Ã'))
            << tip.toStdString();
    }
    EXPECT_TRUE(german.join(QString()).contains(u'ä'));
}

TEST_F(TipDlgTest, TheEnglishInterfaceReadsTheEnglishTipsInTheirOwnPlace) {
    Start(false);
    SetLanguage(Language::English);
    WriteFile(QStringLiteral("Tips.en.gr"), "English\nMore\n");
    EXPECT_EQ(Start(true), QStringLiteral("English"));
    EXPECT_EQ(state_.Values().englishTipFilePos, 8);
    EXPECT_EQ(state_.Values().tipFilePos, 13);
    QFile::remove(QStringLiteral("Tips.en.gr"));
    EXPECT_TRUE(TipFilePath().endsWith(QStringLiteral("/Tips.gr")));
}

}  // namespace
}  // namespace quillex

// The tip of the day: the position kept from start to start, the dialog's check box rule, and
// the tip files the program ships.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

#include "store/CSettingsKey.h"
#include "store/TipOfTheDay.h"
#include "ui/CMainCalcDlg.h"
#include "ui/CTipDlg.h"

#include "UiTestSupport.h"

namespace quillex {
namespace {

QString Stored(const QString& name) {
    CSettingsKey key;
    key.Open();
    QString text;
    key.ReadString(text, name);
    return text;
}

void WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// Hands the tip dialog to `act` once it runs; `act` ends it.
void OnTipDialog(std::function<void(CTipDlg*)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        if (auto* dialog = qobject_cast<CTipDlg*>(QApplication::activeModalWidget())) {
            act(dialog);
        }
    });
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

    // One start's tip of the day: the dialog, when it shows, is handed to `act`. Returns the
    // tip shown, or nothing when no dialog appeared.
    std::optional<QString> Start(int& showSplash, const std::function<void(CTipDlg*)>& act) {
        std::optional<QString> shown;
        OnTipDialog([&](CTipDlg* dialog) {
            shown = dialog->TipText();
            act(dialog);
        });
        ShowTipOfTheDay(showSplash, nullptr);
        QCoreApplication::processEvents();  // no dialog: the pending look goes by now
        return shown;
    }
};

TEST_F(TipDlgTest, OkStoresTheBoxButTheCloseBoxKeepsTheSetting) {
    for (const bool viaOk : {true, false}) {
        SCOPED_TRACE(viaOk ? "OK" : "close box");
        int showSplash = 1;
        Start(showSplash, [viaOk](CTipDlg* dialog) {
            Named<QCheckBox>(dialog, TextId::TipOfDayShowAtStart)->click();
            if (viaOk) {
                Named<QPushButton>(dialog, TextId::TipOfDayOk)->click();
            } else {
                dialog->close();
            }
        });
        EXPECT_EQ(showSplash, viaOk ? 0 : 1);
    }
}

TEST_F(TipDlgTest, EveryStartReadsTheNextTipWhetherOrNotItIsShown) {
    int showSplash = 1;
    EXPECT_EQ(Start(showSplash, [](CTipDlg* dialog) { dialog->accept(); }),
              QStringLiteral("First\n"));
    showSplash = 0;
    for (const int filePos : {20, 27, 34}) {  // after Second, Third and Fourth
        EXPECT_EQ(Start(showSplash, [](CTipDlg* dialog) { dialog->accept(); }), std::nullopt);
        EXPECT_EQ(Stored(QStringLiteral("Tip/FilePos")).toInt(), filePos);
    }
    showSplash = 1;
    EXPECT_EQ(Start(showSplash, [](CTipDlg* dialog) { dialog->accept(); }),
              QStringLiteral("First\n"));
}

TEST_F(TipDlgTest, AFileWithoutTipsOrNoFileShowsNoTipAndNextTipEnds) {
    WriteFile(QStringLiteral("Tips.gr"), ";only\n\n comments\n");
    int showSplash = 1;
    EXPECT_EQ(Start(showSplash,
                    [](CTipDlg* dialog) {
                        Named<QPushButton>(dialog, TextId::TipOfDayNext)->click();
                        EXPECT_EQ(dialog->TipText(), QString());
                        dialog->accept();
                    }),
              QString());

    QFile::remove(QStringLiteral("Tips.gr"));
    QFile::remove(SettingsFilePath());
    EXPECT_EQ(Start(showSplash,
                    [](CTipDlg* dialog) {
                        EXPECT_FALSE(Named<QPushButton>(dialog, TextId::TipOfDayNext)->isEnabled());
                        dialog->accept();
                    }),
              Tr(TextId::TipOfDayFileMissing));
    EXPECT_EQ(Stored(QStringLiteral("Tip/FilePos")), QString());
}

TEST_F(TipDlgTest, TheMainWindowShowsTheTipAtStartAndKeepsTheChoice) {
    for (const bool first : {true, false}) {
        std::optional<QString> shown;
        OnTipDialog([&](CTipDlg* dialog) {
            shown = dialog->TipText();
            Named<QCheckBox>(dialog, TextId::TipOfDayShowAtStart)->click();
            Named<QPushButton>(dialog, TextId::TipOfDayOk)->click();
        });
        auto window = std::make_unique<CMainCalcDlg>();
        window->Initialise();
        QCoreApplication::processEvents();
        EXPECT_EQ(shown, first ? std::optional(QStringLiteral("First\n")) : std::nullopt);
        EXPECT_EQ(window->CurrentSettings().showSplash, 0);
        window->Quit();
    }
    EXPECT_EQ(Stored(QStringLiteral("Options_ShowSplash")), QStringLiteral("0"));
    EXPECT_EQ(Stored(QStringLiteral("Tip/FilePos")), QStringLiteral("20"));
}

// Every tip of the files the program ships, as the program reads them.
QStringList ShippedTips(const char* name) {
    TipFile file;
    TipPosition start;
    EXPECT_EQ(file.Open(QDir(QStringLiteral(QUILLEX_SOURCE_DATA_DIR)).filePath(name), start),
              TipFile::Opened::Ready);
    QStringList tips;
    for (qint64 last = -1;;) {
        const QString tip = file.ReadNextTip();
        if (file.Position() <= last) {
            return tips;  // round to the first tip again
        }
        last = file.Position();
        tips << tip;
    }
}

TEST(ShippedTipsTest, BothLanguagesHoldTheSameCountOfWholeTips) {
    const QStringList german = ShippedTips("Tips.gr");
    const QStringList english = ShippedTips("Tips.en.gr");
    EXPECT_GE(german.size(), 40);
    EXPECT_EQ(german.size(), english.size());
    for (const QString& tip : german + english) {
        EXPECT_TRUE(tip.endsWith(u'\n') && tip.size() < TipFile::kMaxTipLength)
            << tip.toStdString();
        // Code page 1252 read as such: no UTF-8 bytes taken for two characters.
        EXPECT_FALSE(tip.contains(u'Ã')) << tip.toStdString();
    }
    EXPECT_TRUE(german.join(QString()).contains(u'ä'));
}

TEST_F(TipDlgTest, TheEnglishInterfaceReadsTheEnglishTipsInTheirOwnPlace) {
    int showSplash = 0;
    Start(showSplash, [](CTipDlg* dialog) { dialog->accept(); });
    SetLanguage(Language::English);
    EXPECT_TRUE(TipFilePath().endsWith(QStringLiteral("/Tips.gr")));
    WriteFile(QStringLiteral("Tips.en.gr"), "English\nMore\n");
    EXPECT_TRUE(TipFilePath().endsWith(QStringLiteral("/Tips.en.gr")));
    showSplash = 1;
    EXPECT_EQ(Start(showSplash, [](CTipDlg* dialog) { dialog->accept(); }),
              QStringLiteral("English\n"));
    EXPECT_EQ(Stored(QStringLiteral("Tip/FilePos")), QStringLiteral("13"));
    QFile::remove(QStringLiteral("Tips.en.gr"));
}

}  // namespace
}  // namespace quillex

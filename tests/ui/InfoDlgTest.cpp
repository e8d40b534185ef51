#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "text/Texts.h"
#include "ui/CInfoDlg.h"
#include "ui/CStaticLink.h"
#include "ui/Help.h"

#include <vector>

#include "UiTestSupport.h"

namespace quillex {
namespace {

const QColor kBlue(0, 0, 255);
const QColor kPurple(128, 0, 128);

// Stands in for the desktop: records what was opened and answers as told.
std::vector<QString> g_opened;
bool g_openSucceeds = true;

bool RecordOpen(const QString& target) {
    g_opened.push_back(target);
    return g_openSucceeds;
}

class HelpTest : public testing::Test {
protected:
    void SetUp() override {
        g_opened.clear();
        g_openSucceeds = true;
        SetOpenHandlerForTesting(&RecordOpen);
        SetLanguage(Language::German);
    }
    void TearDown() override {
        SetOpenHandlerForTesting(nullptr);
        SetLanguage(Language::German);
        QDir(QStringLiteral("HTML_Help")).removeRecursively();
    }

    static void WriteHelpIndex(const QString& path = QStringLiteral("HTML_Help/HelpIndex.html")) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<html></html>");
    }
};

// The colour the label draws its text in, once it has been painted.
QColor DrawnColour(CStaticLink& link) {
    link.grab();
    return link.palette().color(QPalette::WindowText);
}

TEST_F(HelpTest, TextLinkOpensItsTargetOrItsTextAndTurnsPurpleOnlyOnSuccess) {
    struct Case {
        const char* text;
        const char* target;
        bool succeeds;
        const char* opened;
    };
    const Case cases[] = {
        {"https://example.org/quillex", "", true, "https://example.org/quillex"},
        {"Homepage", "https://example.org/", true, "https://example.org/"},
        {"Homepage", "https://example.org/", false, "https://example.org/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        g_opened.clear();
        g_openSucceeds = c.succeeds;
        CStaticLink link;
        link.setText(QString::fromLatin1(c.text));
        link.SetTarget(QString::fromLatin1(c.target));
        link.resize(200, 20);
        link.show();
        EXPECT_EQ(DrawnColour(link), kBlue);
        EXPECT_TRUE(link.font().underline());

        QTest::mouseClick(&link, Qt::LeftButton);
        ASSERT_EQ(g_opened.size(), 1u);
        EXPECT_EQ(g_opened[0], QString::fromLatin1(c.opened));
        EXPECT_EQ(link.Visited(), c.succeeds);
        EXPECT_EQ(DrawnColour(link), c.succeeds ? kPurple : kBlue);

        // A second click opens again; a visited link stays purple even if it fails now.
        g_openSucceeds = false;
        QTest::mouseClick(&link, Qt::LeftButton);
        EXPECT_EQ(g_opened.size(), 2u);
        EXPECT_EQ(link.Visited(), c.succeeds);
        EXPECT_EQ(DrawnColour(link), c.succeeds ? kPurple : kBlue);
    }
}

TEST_F(HelpTest, OnlyALeftClickOpens) {
    CStaticLink link;
    link.setText(QStringLiteral("https://example.org/"));
    link.resize(200, 20);
    link.show();
    QTest::mouseClick(&link, Qt::RightButton);
    QTest::mouseClick(&link, Qt::MiddleButton);
    EXPECT_TRUE(g_opened.empty());
    EXPECT_FALSE(link.Visited());
}

TEST_F(HelpTest, EmptyLinkDoesNotOpenAnything) {
    CStaticLink link;
    EXPECT_FALSE(link.Open());
    EXPECT_TRUE(g_opened.empty());
    EXPECT_FALSE(link.Visited());
}

TEST_F(HelpTest, PictureLinkOpensButIsNeverColoured) {
    QWidget parent;
    CStaticLink link(&parent);
    QPixmap picture(16, 16);
    picture.fill(Qt::green);
    link.setPixmap(picture);
    link.SetTarget(QStringLiteral("https://example.org/"));
    link.resize(20, 20);
    parent.show();
    const QColor inherited = parent.palette().color(QPalette::WindowText);
    EXPECT_EQ(DrawnColour(link), inherited);
    EXPECT_TRUE(link.Open());
    EXPECT_TRUE(link.Visited());
    EXPECT_EQ(DrawnColour(link), inherited);
    EXPECT_FALSE(link.font().underline());
}

TEST_F(HelpTest, OpenHelpNeedsTheIndexAndASuccessfulOpen) {
    // Missing index: nothing is handed to the desktop.
    EXPECT_FALSE(OpenHelp(nullptr));
    EXPECT_TRUE(g_opened.empty());

    WriteHelpIndex();
    QWidget window;
    EXPECT_TRUE(OpenHelp(&window));
    ASSERT_EQ(g_opened.size(), 1u);
    EXPECT_EQ(QFileInfo(g_opened[0]).canonicalFilePath(),
              QFileInfo(QStringLiteral("HTML_Help/HelpIndex.html")).canonicalFilePath());

    g_openSucceeds = false;
    EXPECT_FALSE(OpenHelp(&window));
}

TEST_F(HelpTest, HelpOpensInTheLanguageOfTheWindowElseInGerman) {
    const QString german = QStringLiteral("HTML_Help/HelpIndex.html");
    const QString english = QStringLiteral("HTML_Help/en/HelpIndex.html");
    WriteHelpIndex(german);
    struct Case {
        Language language;
        bool englishPages;
        const QString& opened;
    };
    for (const Case& c :
         {Case{Language::English, false, german}, Case{Language::English, true, english},
          Case{Language::German, true, german}}) {
        SCOPED_TRACE(c.opened.toStdString());
        if (c.englishPages) {
            WriteHelpIndex(english);
        }
        SetLanguage(c.language);
        g_opened.clear();
        EXPECT_EQ(HelpIndexName(), c.opened);
        EXPECT_TRUE(OpenHelp(nullptr));
        ASSERT_EQ(g_opened.size(), 1u);
        EXPECT_EQ(QFileInfo(g_opened[0]).canonicalFilePath(),
                  QFileInfo(c.opened).canonicalFilePath());
    }
}

TEST_F(HelpTest, DesktopIsNotAskedForAMissingFile) {
    SetOpenHandlerForTesting(nullptr);
    EXPECT_FALSE(OpenUrlOrFile(QStringLiteral("no/such/file.html")));
    EXPECT_FALSE(OpenUrlOrFile(QString()));
}

TEST_F(HelpTest, ProductAddressIsAWebAddressOrTheLocalIndex) {
    WriteHelpIndex();
    const QUrl address(ProductWebAddress());
    ASSERT_TRUE(address.isValid());
    if (address.isLocalFile()) {
        EXPECT_EQ(QFileInfo(address.toLocalFile()).canonicalFilePath(),
                  QFileInfo(QStringLiteral("HTML_Help/HelpIndex.html")).canonicalFilePath());
    } else {
        EXPECT_TRUE(address.scheme().startsWith(QLatin1String("http")));
    }
}

TEST_F(HelpTest, InfoDialogTextsFollowTheLanguage) {
    struct Case {
        Language language;
        const char* help;
    };
    for (const Case& c : {Case{Language::German, "Hilfe"}, Case{Language::English, "Help"}}) {
        SetLanguage(c.language);
        CInfoDlg dialog;
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Quillex"));
        QPushButton* help = Named<QPushButton>(dialog, TextId::InfoHelp);
        QPushButton* ok = Named<QPushButton>(dialog, TextId::InfoOk);
        QLabel* version = Named<QLabel>(dialog, TextId::NameVersion);
        ASSERT_TRUE(help && ok && version);
        EXPECT_EQ(help->text(), QString::fromLatin1(c.help));
        EXPECT_EQ(ok->text(), QStringLiteral("Ok"));
        EXPECT_TRUE(ok->isDefault());
        EXPECT_EQ(version->text(), QStringLiteral("Quillex Version 6.11"));
    }
}

TEST_F(HelpTest, InfoDialogLinksOpenTheProductPage) {
    CInfoDlg dialog;
    dialog.show();
    for (const TextId name : {TextId::NameProgramIcon, TextId::NameWebAddress}) {
        SCOPED_TRACE(Tr(name).toStdString());
        g_opened.clear();
        CStaticLink* link = Named<CStaticLink>(dialog, name);
        ASSERT_NE(link, nullptr);
        QTest::mouseClick(link, Qt::LeftButton);
        ASSERT_EQ(g_opened.size(), 1u);
        EXPECT_EQ(g_opened[0], ProductWebAddress());
        EXPECT_TRUE(link->Visited());
    }
    CStaticLink* icon = Named<CStaticLink>(dialog, TextId::NameProgramIcon);
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->pixmap().isNull());
    EXPECT_EQ(DrawnColour(*icon), dialog.palette().color(QPalette::WindowText));
}

TEST_F(HelpTest, InfoDialogHelpButtonOpensHelpAndOkCloses) {
    WriteHelpIndex();
    CInfoDlg dialog;
    dialog.show();
    QPushButton* help = Named<QPushButton>(dialog, TextId::InfoHelp);
    ASSERT_NE(help, nullptr);
    QTest::mouseClick(help, Qt::LeftButton);
    ASSERT_EQ(g_opened.size(), 1u);
    EXPECT_TRUE(g_opened[0].endsWith(QLatin1String("HTML_Help/HelpIndex.html")));
    EXPECT_TRUE(dialog.isVisible());

    // Without the index the button only beeps, and the dialog stays.
    QDir(QStringLiteral("HTML_Help")).removeRecursively();
    QTest::mouseClick(help, Qt::LeftButton);
    EXPECT_EQ(g_opened.size(), 1u);
    EXPECT_TRUE(dialog.isVisible());

    QTest::mouseClick(Named<QPushButton>(dialog, TextId::InfoOk), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace quillex

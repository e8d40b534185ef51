// The session saver following the state: what reaches the files, when, and what it says when
// a file cannot be written.
#include "store/SessionSaver.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "store/CalculatorState.h"

namespace quillex {
namespace {

class SessionSaverTest : public testing::Test {
protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    static void Clean() {
        QFile::remove(SettingsFilePath());
        QFile::remove(TapeFilePath());
        QDir(TapeFilePath() + QStringLiteral(".new")).removeRecursively();
        const QString folder = QFileInfo(SettingsFilePath()).path();
        QFile::remove(folder);
        QDir(folder).removeRecursively();
    }

    // A saver that has loaded what the files hold and follows the state.
    void Start() {
        saver_.LoadSettings();
        saver_.LoadTape();
        saver_.Follow();
    }

    CalculatorState state_;
    SessionSaver saver_{state_};
};

// The tape is written as an entry reaches it or leaves it; the settings a moment after they
// change; a save finds nothing to write when nothing differs from the files.
TEST_F(SessionSaverTest, WritesWhatChangedAndNothingElse) {
    Start();
    state_.File({QStringLiteral("1+1"), QStringLiteral("2")});
    EXPECT_EQ(LoadTape(TapeFilePath())->size(), 1u);
    state_.Set(&Settings::decimals, 3);
    EXPECT_FALSE(QFile::exists(SettingsFilePath()));
    QTRY_VERIFY(QFile::exists(SettingsFilePath()));

    QFile::remove(SettingsFilePath());
    QFile::remove(TapeFilePath());
    state_.Set(&Settings::decimals, 3);
    saver_.SaveAll();
    EXPECT_FALSE(QFile::exists(TapeFilePath()));
    EXPECT_FALSE(QFile::exists(SettingsFilePath()));

    // A new start finds both as they were left, and quits without writing.
    CalculatorState next;
    SessionSaver reader(next);
    state_.Set(&Settings::decimals, 4);
    state_.Remove(0);
    saver_.SaveAll();
    reader.LoadSettings();
    reader.LoadTape();
    EXPECT_EQ(next.Values().decimals, 4);
    EXPECT_EQ(next.TapeEntries().Size(), 0);
    EXPECT_TRUE(QFile::exists(TapeFilePath()));
    const QDateTime written = QFileInfo(SettingsFilePath()).lastModified();
    QFile::remove(TapeFilePath());
    reader.SaveAll();
    EXPECT_EQ(QFileInfo(SettingsFilePath()).lastModified(), written);
    EXPECT_FALSE(QFile::exists(TapeFilePath()));
}

// A file that cannot be written is announced once, when it first fails, and stays in the report
// until a save of it succeeds.
TEST_F(SessionSaverTest, AnnouncesAFailureOnceAndReportsItUntilSaved) {
    Start();
    QSignalSpy failed(&saver_, &SessionSaver::saveFailed);
    ASSERT_TRUE(QDir().mkpath(TapeFilePath() + QStringLiteral(".new")));
    state_.File({QStringLiteral("1"), QStringLiteral("1")});
    state_.File({QStringLiteral("2"), QStringLiteral("2")});
    ASSERT_EQ(failed.count(), 1);
    EXPECT_TRUE(failed.at(0).at(0).toString().contains(QStringLiteral("Stack.psz")));

    // The settings folder's place taken by a file.
    const QFileInfo folder(QFileInfo(SettingsFilePath()).path());
    ASSERT_TRUE(QDir().mkpath(folder.path()));
    QFile blocker(folder.filePath());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    state_.Set(&Settings::decimals, 5);
    saver_.SaveAll();
    saver_.SaveAll();
    EXPECT_EQ(failed.count(), 2);
    EXPECT_EQ(saver_.ReportFailures().count(u'\n'), 1);

    Clean();
    saver_.SaveAll();
    EXPECT_TRUE(saver_.ReportFailures().isEmpty());
    EXPECT_EQ(LoadTape(TapeFilePath())->size(), 2u);
}

// Two windows in one folder: the first keeps the tape file; the second says once that its tape
// is not saved and never overwrites the first's. Once the first has ended, a start takes over.
TEST_F(SessionSaverTest, OnlyOneWindowAtATimeWritesAFoldersTape) {
    auto start = [](SessionSaver& saver) {
        saver.LoadTape();
        saver.Follow();
        saver.ClaimTape();
    };
    CalculatorState firstState, secondState, laterState;
    auto first = std::make_unique<SessionSaver>(firstState);
    auto second = std::make_unique<SessionSaver>(secondState);
    QSignalSpy refused(second.get(), &SessionSaver::saveFailed);
    start(*first);
    start(*second);
    EXPECT_EQ(refused.count(), 1);  // at the claim, before the second window changes anything
    firstState.File({QStringLiteral("1"), QStringLiteral("1")});
    secondState.File({QStringLiteral("2"), QStringLiteral("2")});
    secondState.File({QStringLiteral("3"), QStringLiteral("3")});
    second->SaveAll();
    EXPECT_EQ(refused.count(), 1);
    EXPECT_FALSE(second->AllSaved());
    EXPECT_TRUE(first->AllSaved());
    EXPECT_EQ(LoadTape(TapeFilePath())->size(), 1u);

    first.reset();
    second.reset();
    SessionSaver later(laterState);
    start(later);
    EXPECT_EQ(laterState.TapeEntries().Size(), 1);
    laterState.File({QStringLiteral("4"), QStringLiteral("4")});
    EXPECT_TRUE(later.AllSaved());
    EXPECT_EQ(LoadTape(TapeFilePath())->size(), 2u);
}

}  // namespace
}  // namespace quillex

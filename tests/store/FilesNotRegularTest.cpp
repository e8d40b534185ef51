// Every reader of a file the program finds on disk takes a folder, a FIFO or an unreadable
// file under the name as a missing file: it neither throws, nor waits, nor reads garbage.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include "../ui/UiTestSupport.h"
#include "store/CSettingsKey.h"
#include "store/DataFiles.h"
#include "store/QtRegularFile.h"
#include "store/TapeFile.h"
#include "store/TipFile.h"
#include "ui/CMainCalcDlg.h"
#include "units/Converter.h"
#include "units/QuickConversions.h"

namespace quillex {
namespace {

// Makes `path` a folder, a FIFO or a file its owner cannot read; false when it cannot.
enum class Kind { Folder, Fifo, Unreadable };
bool Make(const QString& path, Kind kind) {
    QDir().mkpath(QFileInfo(path).path());
    const QByteArray name = QFile::encodeName(path);
    switch (kind) {
        case Kind::Folder:
            return QDir().mkdir(path);
        case Kind::Fifo:
            return mkfifo(name.constData(), 0600) == 0;
        case Kind::Unreadable: {
            QFile file(path);
            // The superuser reads any file, so the case means nothing for it.
            return geteuid() != 0 && file.open(QIODevice::WriteOnly) && file.write("1\n") == 2 &&
                   chmod(name.constData(), 0) == 0;
        }
    }
    return false;
}

TEST(FilesNotRegularTest, EveryReaderTakesAFolderAFifoOrAnUnreadableFileAsMissing) {
    for (const Kind kind : {Kind::Folder, Kind::Fifo, Kind::Unreadable}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("file"));
        if (!Make(path, kind)) {
            continue;
        }
        SCOPED_TRACE(static_cast<int>(kind));
        EXPECT_FALSE(ReadRegularFile(path));
        EXPECT_FALSE(ReadRegionFile(FileSystemPath(path)));
        EXPECT_TRUE(ConversionMenu(ReadConversionTableFile(FileSystemPath(path))).size() ==
                    ConversionMenu(ConversionTable{}).size());
        EXPECT_FALSE(LoadTape(path));
        TipPosition position;
        EXPECT_EQ(TipFile().Open(path, position), TipFile::Opened::Missing);
        CSettingsKey key;
        key.Open(path);
        EXPECT_TRUE(key.Values().isEmpty());
    }
}

TEST(FilesNotRegularTest, ADataFileInTheWorkingFolderThatIsNoFileIsPassedOver) {
    const QString name = QStringLiteral("not-a-file.dat");
    ASSERT_TRUE(Make(QDir::current().filePath(name), Kind::Folder));
    const QString besideProgram = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    QFile file(besideProgram);
    if (!file.open(QIODevice::WriteOnly)) {
        GTEST_SKIP() << "the program's folder is not writable";
    }
    file.close();
    EXPECT_EQ(FindDataFile(name), besideProgram);
    QFile::remove(besideProgram);
    QDir().rmdir(QDir::current().filePath(name));
}

// The faults a user met: a folder named conv.dat or convert/Area.all, and a FIFO named Tips.gr
// with the tip of the day on, in the working folder.
TEST(FilesNotRegularTest, TheWindowStartsAndShowsTheConverterOverFilesThatAreNone) {
    ASSERT_TRUE(Make(QDir::current().filePath(QStringLiteral("conv.dat")), Kind::Folder));
    ASSERT_TRUE(Make(QDir::current().filePath(QStringLiteral("convert/Area.all")), Kind::Folder));
    ASSERT_TRUE(Make(QDir::current().filePath(QStringLiteral("Tips.gr")), Kind::Fifo));
    StoreSetting("Options_ShowSplash", "1");
    StoreSetting("Options_AllConv", "1");
    {
        // The tip file may still be found in the program's data folders: answer its dialog.
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                dialog->done(QDialog::Accepted);
            }
        });
        answer.start(20);
        StartedWindow started;
        EXPECT_NE(ShowPage(started.window, TextId::TabConverter), nullptr);
        QCoreApplication::processEvents();
        started.window.close();
    }
    QDir(QDir::current().filePath(QStringLiteral("convert"))).removeRecursively();
    QDir().rmdir(QDir::current().filePath(QStringLiteral("conv.dat")));
    QFile::remove(QDir::current().filePath(QStringLiteral("Tips.gr")));
}

}  // namespace
}  // namespace quillex

#include "store/DataFiles.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

namespace quillex {
namespace {

bool Touch(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

TEST(DataFilesTest, CurrentDirectoryFirstThenBesideTheProgramThenTheInstalledFolder) {
    const QString name =
        QStringLiteral("probe-%1.dat").arg(QUuid::createUuid().toString(QUuid::WithoutBraces));
    const QString inCurrent = QDir::current().filePath(name);
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString besideProgram = programDir.filePath(name);
    // An installed program finds share/quillex from its bin folder, whatever the prefix.
    const QString installedFolder = programDir.filePath(QStringLiteral("../share/quillex"));
    const QString installed = QDir(installedFolder).filePath(name);

    EXPECT_EQ(FindDataFile(name), inCurrent);

    if (!QDir().mkpath(installedFolder) || !Touch(installed)) {
        GTEST_SKIP() << "the program's folder is not writable";
    }
    EXPECT_EQ(QFileInfo(FindDataFile(name)).canonicalFilePath(),
              QFileInfo(installed).canonicalFilePath());
    QFile::remove(installed);
    ASSERT_TRUE(Touch(besideProgram));
    EXPECT_EQ(FindDataFile(name), besideProgram);
    ASSERT_TRUE(Touch(inCurrent));
    EXPECT_EQ(FindDataFile(name), inCurrent);
    QFile::remove(besideProgram);
    QFile::remove(inCurrent);
}

}  // namespace
}  // namespace quillex

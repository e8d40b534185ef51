#include "store/DataFiles.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QUuid>

namespace quillex {
namespace {

bool Touch(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

TEST(DataFilesTest, CurrentDirectoryFirstThenBesideTheProgram) {
    const QString name =
        QStringLiteral("probe-%1.dat").arg(QUuid::createUuid().toString(QUuid::WithoutBraces));
    const QString inCurrent = QDir::current().filePath(name);
    const QString besideProgram = QDir(QCoreApplication::applicationDirPath()).filePath(name);

    EXPECT_EQ(FindDataFile(name), inCurrent);

    if (!Touch(besideProgram)) {
        GTEST_SKIP() << "the program's directory is not writable";
    }
    EXPECT_EQ(FindDataFile(name), besideProgram);
    ASSERT_TRUE(Touch(inCurrent));
    EXPECT_EQ(FindDataFile(name), inCurrent);
    QFile::remove(besideProgram);
    QFile::remove(inCurrent);
}

}  // namespace
}  // namespace quillex

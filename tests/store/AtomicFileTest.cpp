// Why a file could not be replaced, as the messages show it: in the window's language for the
// reasons a user meets most, whatever the system's own language.
#include "store/AtomicFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>

#include "text/ErrorReason.h"
#include "text/Texts.h"

namespace quillex {
namespace {

QString Reason(int error) {
    return QString::fromStdString(ErrorReason(error));
}

TEST(AtomicFileTest, AFailedReplacementSaysWhyInTheWindowsLanguage) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("file"));
    const QString part = path + QStringLiteral(".new");
    // A full disk: the temporary file leads to a device that takes no byte.
    for (const Language language : {Language::German, Language::English}) {
        if (!QFile::link(QStringLiteral("/dev/full"), part)) {
            GTEST_SKIP() << "no /dev/full";
        }
        SetLanguage(language);
        EXPECT_EQ(ReplaceFileContent(path, "1"), Reason(ENOSPC));
    }
    SetLanguage(Language::German);
    ASSERT_TRUE(QDir().mkdir(part));
    EXPECT_EQ(ReplaceFileContent(path, "1"), Reason(EISDIR));
    EXPECT_EQ(ReplaceFileContent(dir.filePath(QStringLiteral("missing/file")), "1"),
              Reason(ENOENT));
    EXPECT_FALSE(QFile::exists(path));
}

}  // namespace
}  // namespace quillex

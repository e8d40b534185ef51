#include "store/TapeFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace quillex {
namespace {

class TapeFileTest : public testing::Test {
protected:
    QString Path() const { return dir_.filePath(QStringLiteral("Stack.psz")); }

    void WriteFile(const QByteArray& content) {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(content), content.size());
    }

    QByteArray ReadFile() {
        QFile file(Path());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    QTemporaryDir dir_;
};

std::vector<TapeEntry> NumberedEntries(int count) {
    std::vector<TapeEntry> entries;
    for (int i = 0; i < count; ++i) {
        entries.push_back(TapeEntry{QStringLiteral("%1*pi").arg(i), QString::number(i * 3.14)});
    }
    return entries;
}

// A record of two raw fields, each padded or cut to 128 bytes.
QByteArray Record(QByteArray expression, QByteArray result) {
    expression.resize(kTapeFieldSize, '\0');
    result.resize(kTapeFieldSize, '\0');
    return expression + result;
}

TEST_F(TapeFileTest, SavedTapesLoadBackInOrder) {
    for (const int count : {1, 3, 100}) {
        const std::vector<TapeEntry> entries = NumberedEntries(count);
        ASSERT_TRUE(SaveTape(Path(), entries));
        EXPECT_EQ(QFile(Path()).size(), count * kTapeRecordSize);
        const std::optional<std::vector<TapeEntry>> loaded = LoadTape(Path());
        ASSERT_TRUE(loaded.has_value()) << count;
        EXPECT_EQ(*loaded, entries) << count;
    }
}

TEST_F(TapeFileTest, EmptyTapeGivesAnEmptyFileThatLoadsNothing) {
    ASSERT_TRUE(SaveTape(Path(), NumberedEntries(3)));
    ASSERT_TRUE(SaveTape(Path(), {}));
    EXPECT_TRUE(QFile::exists(Path()));
    EXPECT_EQ(QFile(Path()).size(), 0);
    EXPECT_FALSE(LoadTape(Path()).has_value());
}

TEST_F(TapeFileTest, TextsPassThroughTheCodePage) {
    const QString longText(200, u'7');
    const struct {
        QString written;
        QString read;
    } cases[] = {
        {QStringLiteral("2*pi"), QStringLiteral("2*pi")},
        {QString::fromUtf8("Größe äöü ÄÖÜ ß"), QString::fromUtf8("Größe äöü ÄÖÜ ß")},
        {QString::fromUtf8("5 € ‰ – Ÿ"), QString::fromUtf8("5 € ‰ – Ÿ")},
        {QString(QChar(0x81)), QString(QChar(0x81))},
        {QString::fromUtf8("Ω=1"), QStringLiteral("?=1")},
        {QString::fromUtf8("a😀b"), QStringLiteral("a?b")},
        {QString(QChar(0xD800)) + u'x', QStringLiteral("?x")},
        {longText, longText.left(127)},
        {QString(126, u'a') + QString::fromUtf8("😀z"), QString(126, u'a') + u'?'},
        {QStringLiteral("ab") + QChar(0) + QStringLiteral("cd"), QStringLiteral("ab")},
        {QString(), QString()},
    };
    for (const auto& c : cases) {
        const std::vector<TapeEntry> decoded = DecodeTape(EncodeTape({{c.written, c.written}}));
        ASSERT_EQ(decoded.size(), 1U);
        EXPECT_EQ(decoded[0].expression, c.read) << c.written.toStdString();
        EXPECT_EQ(decoded[0].result, c.read) << c.written.toStdString();
    }
}

TEST_F(TapeFileTest, RecordLayout) {
    const QByteArray bytes = EncodeTape(
        {{QString::fromUtf8("1€"), QStringLiteral("x")}, {QString(), QStringLiteral("yz")}});
    EXPECT_EQ(bytes, Record("1\x80", "x") + Record("", "yz"));
}

TEST_F(TapeFileTest, ReadsWholeRecordsOnly) {
    const QByteArray two = Record("1+1", "2") + Record("2+2", "4");
    WriteFile(two + QByteArray(188, 'x'));
    std::optional<std::vector<TapeEntry>> loaded = LoadTape(Path());
    ASSERT_TRUE(loaded.has_value());
    const std::vector<TapeEntry> expected = {{QStringLiteral("1+1"), QStringLiteral("2")},
                                             {QStringLiteral("2+2"), QStringLiteral("4")}};
    EXPECT_EQ(*loaded, expected);

    // Shorter than one record: read, but holding no entry.
    WriteFile(QByteArray(100, 'x'));
    loaded = LoadTape(Path());
    ASSERT_TRUE(loaded.has_value());
    EXPECT_TRUE(loaded->empty());
}

TEST_F(TapeFileTest, LoadsTheFirstHundredRecords) {
    QByteArray bytes;
    for (int i = 0; i < 101; ++i) {
        bytes += Record(QByteArray::number(i), "r");
    }
    WriteFile(bytes);
    const std::optional<std::vector<TapeEntry>> loaded = LoadTape(Path());
    ASSERT_TRUE(loaded.has_value());
    ASSERT_EQ(loaded->size(), 100U);
    EXPECT_EQ(loaded->front().expression, QStringLiteral("0"));
    EXPECT_EQ(loaded->back().expression, QStringLiteral("99"));
}

TEST_F(TapeFileTest, FieldWithoutTerminatorIsCutAt127) {
    const QByteArray bytes = QByteArray(kTapeFieldSize, 'e') + QByteArray(kTapeFieldSize, '\xE4');
    const std::vector<TapeEntry> decoded = DecodeTape(bytes);
    ASSERT_EQ(decoded.size(), 1U);
    EXPECT_EQ(decoded[0].expression, QString(127, u'e'));
    EXPECT_EQ(decoded[0].result, QString(127, QChar(0xE4)));
}

TEST_F(TapeFileTest, BytesAfterTheTerminatorAreIgnored) {
    const std::vector<TapeEntry> decoded =
        DecodeTape(Record(QByteArrayLiteral("ab\0junk"), QByteArrayLiteral("c\0\xFF\xFF")));
    ASSERT_EQ(decoded.size(), 1U);
    EXPECT_EQ(decoded[0], (TapeEntry{QStringLiteral("ab"), QStringLiteral("c")}));
}

TEST_F(TapeFileTest, NothingLoadsFromAMissingFileOrADirectory) {
    EXPECT_FALSE(LoadTape(Path()).has_value());
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("Stack.psz")));
    EXPECT_FALSE(LoadTape(Path()).has_value());
    EXPECT_FALSE(SaveTape(Path(), NumberedEntries(1)));
}

TEST_F(TapeFileTest, FailedSaveKeepsTheOldFile) {
    QString error;
    EXPECT_FALSE(
        SaveTape(dir_.filePath(QStringLiteral("missing/Stack.psz")), NumberedEntries(1), &error));
    EXPECT_FALSE(error.isEmpty());

    ASSERT_TRUE(SaveTape(Path(), NumberedEntries(3)));
    const QByteArray before = ReadFile();
    QFile::Permissions permissions = QFile::permissions(dir_.path());
    ASSERT_TRUE(QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::ExeOwner));
    QFile probe(dir_.filePath(QStringLiteral("probe")));
    const bool writable = probe.open(QIODevice::WriteOnly);
    probe.remove();
    if (!writable) {
        EXPECT_FALSE(SaveTape(Path(), NumberedEntries(1)));
    }
    QFile::setPermissions(dir_.path(), permissions);
    if (writable) {
        GTEST_SKIP() << "the directory stays writable for this user";
    }
    EXPECT_EQ(ReadFile(), before);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("Stack.psz")});
}

TEST_F(TapeFileTest, SaveReplacesALongerFileAndWhatAnInterruptedSaveLeft) {
    ASSERT_TRUE(SaveTape(Path(), NumberedEntries(100)));
    // A save killed before its rename leaves its temporary file; the next one replaces it.
    QFile leftover(Path() + QStringLiteral(".new"));
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.write(QByteArray(5000, 'x'));
    leftover.close();
    QString error = QStringLiteral("not cleared");
    ASSERT_TRUE(SaveTape(Path(), NumberedEntries(2), &error));
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(ReadFile(), EncodeTape(NumberedEntries(2)));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("Stack.psz")});
}

TEST(TapeFilePathTest, IsInTheCurrentDirectory) {
    EXPECT_EQ(TapeFilePath(), QDir::current().absoluteFilePath(QStringLiteral("Stack.psz")));
}

}  // namespace
}  // namespace quillex

#include "store/CSettingsKey.h"
#include "store/CalcSettingsFrom.h"
#include "store/IniText.h"
#include "store/Placement.h"
#include "store/Settings.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <climits>
#include <optional>

#include <sys/stat.h>

namespace quillex {
namespace {

QByteArray FileContent(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

class SettingsTest : public testing::Test {
protected:
    QString Path() const { return dir_.filePath(QStringLiteral("settings.conf")); }

    void WriteFile(const QByteArray& content) {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    QString Read(const char* name) {
        CSettingsKey key;
        EXPECT_TRUE(key.Open(Path()));
        QString text;
        key.ReadString(text, QString::fromLatin1(name));
        return text;
    }

    Settings Load() {
        CSettingsKey key;
        EXPECT_TRUE(key.Open(Path()));
        Settings settings;
        LoadSettings(key.Values(), settings);
        return settings;
    }

    QTemporaryDir dir_;
};

TEST_F(SettingsTest, TextsComeBackExactlyAsWritten) {
    const QStringList texts = {
        QStringLiteral("0,1,-1,-1,-1,-1,120,80,520,440"),
        QStringLiteral("3,5"),
        QString(),
        QStringLiteral(" "),
        QStringLiteral("  leading and trailing  "),
        QString::fromUtf8("Größe äöü ÄÖÜ ß €"),
        QStringLiteral("say \"hi\""),
        QStringLiteral("\"quoted\""),
        QStringLiteral("@Rect(1 2 3 4)"),
        QStringLiteral("a;b=c # d"),
        QStringLiteral("back\\slash\\"),
        QStringLiteral("tab\there"),
        QStringLiteral("line\nbreak\r\n"),
        QStringLiteral("[General]"),
        QStringLiteral(","),
        QStringLiteral("\t") + QChar(0xFEFF) + u'x',
    };
    {
        CSettingsKey key;
        ASSERT_TRUE(key.Open(Path()));
        for (int i = 0; i < texts.size(); ++i) {
            EXPECT_TRUE(key.WriteString(texts[i], QStringLiteral("Value%1").arg(i)));
        }
        key.Close();
        key.Close();
    }
    CSettingsKey key;
    ASSERT_TRUE(key.Open(Path()));
    for (int i = 0; i < texts.size(); ++i) {
        QString text = QStringLiteral("stale");
        EXPECT_TRUE(key.ReadString(text, QStringLiteral("Value%1").arg(i)));
        EXPECT_EQ(text, texts[i]) << "value " << i;
    }
}

TEST_F(SettingsTest, MissingValueReadsAsFailureWithAnEmptyText) {
    CSettingsKey key;
    ASSERT_TRUE(key.Open(Path()));
    QString text = QStringLiteral("stale");
    EXPECT_FALSE(key.ReadString(text, QStringLiteral("Digits")));
    EXPECT_TRUE(text.isEmpty());
}

TEST_F(SettingsTest, ClosedKeyNeitherReadsNorWrites) {
    CSettingsKey key;
    QString text;
    EXPECT_FALSE(key.WriteString(QStringLiteral("1"), QStringLiteral("Digits")));
    EXPECT_FALSE(key.ReadString(text, QStringLiteral("Digits")));
}

// A file edited by hand: unquoted commas and other stored forms still read as their text.
TEST_F(SettingsTest, StoredFormIsIgnoredWhenReading) {
    WriteFile(
        "[General]\n"
        "XVal=3,5\n"
        "WindowPosition1.1=0,1,-1,-1,-1,-1,10,20,310,220\n"
        "YVal=\"2,5\"\n"
        "Digits=12abc\n");
    EXPECT_EQ(Read("XVal"), QStringLiteral("3,5"));
    EXPECT_EQ(Read("YVal"), QStringLiteral("2,5"));
    EXPECT_EQ(Read("WindowPosition1.1"), QStringLiteral("0,1,-1,-1,-1,-1,10,20,310,220"));
    EXPECT_EQ(Read("Digits"), QStringLiteral("12abc"));
}

// What QSettings reads from a file, every value as text as the settings always read it.
// A copy is read, since QSettings keeps what it wrote itself. Nothing for a file holding a name
// QSettings cannot look up again (a '/' at its ends or doubled).
std::optional<IniValues> ReadWithQSettings(const QString& path) {
    const QString copy = path + QStringLiteral(".copy");
    QFile::remove(copy);
    QFile::copy(path, copy);
    const QSettings qt(copy, QSettings::IniFormat);
    IniValues values;
    for (const QString& name : qt.allKeys()) {
        const QVariant value = qt.value(name);
        QStringList parts;
        for (const QVariant& part :
             value.typeId() == QMetaType::QVariantList ? value.toList() : QVariantList{value}) {
            parts << (part.typeId() == QMetaType::QByteArray ? QString::fromUtf8(part.toByteArray())
                      : part.typeId() == QMetaType::QStringList ? part.toStringList().join(u',')
                                                                : part.toString());
        }
        if (name.split(u'/', Qt::SkipEmptyParts).join(u'/') != name) {
            return std::nullopt;
        }
        values.insert(name, parts.join(u','));
    }
    // A value without a name is none: QSettings lists it but cannot read it.
    values.remove(QString());
    return values;
}

// The file is written in the form QSettings writes and reads, whatever the texts and names
// hold: the same bytes for the same values, and the same values read back.
TEST_F(SettingsTest, FileTakesTheFormQSettingsWrites) {
    const QStringList texts = {
        QStringLiteral("plain"),
        QStringLiteral(" lead"),
        QStringLiteral("trail "),
        QStringLiteral("a,b;c=d"),
        QStringLiteral("@at"),
        QStringLiteral("@@"),
        QStringLiteral("\"q\" \\"),
        QStringLiteral("\t\n\r\a\b\f\v"),
        QString::fromUtf8("äöü € 漢"),
        QString::fromUtf16(u"\U0001F600 pair"),
        QString(QChar(0x1F)) + "1a",
        QString(QChar(0x7F)),
        QString(QChar(0xD800)) + "x",
        QString(QChar(0)) + "0f",
        QString(),
        QStringLiteral("@ByteArray(x)"),
    };
    const QStringList names = {
        QStringLiteral("Digits"),           QStringLiteral("Tip/FilePos"),
        QStringLiteral("Tip.en/TimeStamp"), QStringLiteral("a b/c%d/e"),
        QString::fromUtf8("Größe/ä€"),      QStringLiteral("General/x"),
    };
    QMap<QString, QString> values;
    const QString reference = dir_.filePath(QStringLiteral("reference.conf"));
    {
        QSettings qt(reference, QSettings::IniFormat);
        for (int i = 0; i < texts.size(); ++i) {
            const QString name = names[i % names.size()] + QString::number(i);
            values.insert(name, texts[i]);
            qt.setValue(name, texts[i]);
        }
    }
    EXPECT_EQ(IniText(values), FileContent(reference));
    CSettingsKey key;
    ASSERT_TRUE(key.Open(reference));
    EXPECT_EQ(key.Values(), ReadWithQSettings(reference).value());
}

// Files as a hand or another version may leave them read as QSettings reads them.
TEST_F(SettingsTest, ReadsWhatQSettingsReads) {
    QList<QByteArray> files = {
        "a = 1 \nb=  spaced  \nc=\"quoted \" tail \nd=x;comment\n;e=1\n  f=2",
        "[General]\nx=1,2, 3 ,\"4,5\"\n[Tip]\nFilePos=7\n[general]\ny=@@at\n[%General]\nz=1",
        "k=\\x41\\x4a2 \\101\\0 \\q\\\n\\r\\t end\\\nl=\"multi\nline\"\nm=a\\",
        "[a%20b\\c]\nk%3D=v\n[Sec]\nk=1\n[Sec]\nk=2\nj=3\n[Unclosed\nu=1",
        "\xef\xbb\xbf"
        "bom=1\r\nwin=2\r\n\r\nmac=3\rlast=\xc3\xa4\xe2\x82\xac\"\xc3\"x",
        "r=@Rect(1 2 3 4)\ns=@Size(1 2)\np=@Point(1)\ni=@Invalid()\nb=@ByteArray(\xc3\xa4)\n"
        "t=@String(a)\nv=@Variant(junk)\nl=@x,@@y,z\nw=\"a\"\"b\" c",
        "=empty key\nnovalue\n k = \" v \" \n[ spaced ]\nq=1\n",
    };
    for (const QString& name :
         QDir(QStringLiteral(QUILLEX_FUZZ_DIR "/corpus-settings")).entryList(QDir::Files)) {
        QFile corpus(QStringLiteral(QUILLEX_FUZZ_DIR "/corpus-settings/") + name);
        ASSERT_TRUE(corpus.open(QIODevice::ReadOnly));
        files << corpus.readAll();
    }
    for (int i = 0; i < files.size(); ++i) {
        const QString path = dir_.filePath(QStringLiteral("hand%1.conf").arg(i));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(files[i]);
        file.close();
        if (const std::optional<IniValues> reference = ReadWithQSettings(path)) {
            EXPECT_EQ(ParseIni(files[i]), *reference) << files[i].toStdString();
        }
    }
}

// A name with a '/' at its ends or twice in a row is the name QSettings looks up, so that a
// file written from what was read reads back the same.
TEST_F(SettingsTest, NamesAreReadAsTheyAreLookedUp) {
    const IniValues read = ParseIni("\\\\a\\\\=1\n[Tip\\]\nFilePos=2\n[\\]\n\\b=3\n");
    const IniValues expected{{QStringLiteral("a"), QStringLiteral("1")},
                             {QStringLiteral("Tip/FilePos"), QStringLiteral("2")},
                             {QStringLiteral("b"), QStringLiteral("3")}};
    EXPECT_EQ(read, expected);
    EXPECT_EQ(ParseIni(IniText(read)), read);
    // Sections named like the general one, in any case, stay apart and keep their case.
    const IniValues generals{{QStringLiteral("General/a"), QStringLiteral("1")},
                             {QStringLiteral("general/b"), QStringLiteral("2")},
                             {QStringLiteral("GENERAL/c"), QStringLiteral("3")}};
    EXPECT_EQ(ParseIni(IniText(generals)), generals);
}

// A save writes the file only when a value differs from what it holds, and says why it could
// not write one; the file then keeps what it held.
TEST_F(SettingsTest, SavesOnlyChangesAndTellsWhyNot) {
    CSettingsKey key;
    ASSERT_TRUE(key.Open(Path()));
    EXPECT_TRUE(key.Save().isEmpty());
    EXPECT_FALSE(QFile::exists(Path()));
    key.WriteString(QStringLiteral("4"), QStringLiteral("Digits"));
    EXPECT_TRUE(key.Save().isEmpty());
    const QDateTime written = QFileInfo(Path()).lastModified();
    QFile::remove(Path());
    key.WriteString(QStringLiteral("4"), QStringLiteral("Digits"));
    EXPECT_TRUE(key.Save().isEmpty());
    EXPECT_FALSE(QFile::exists(Path())) << "an unchanged value was written again";
    EXPECT_TRUE(written.isValid());

    // A folder where the file would go.
    const QString blocked = dir_.filePath(QStringLiteral("file/settings.conf"));
    WriteFile("not a folder");
    ASSERT_TRUE(QFile::rename(Path(), dir_.filePath(QStringLiteral("file"))));
    CSettingsKey unwritable;
    ASSERT_TRUE(unwritable.Open(blocked));
    unwritable.WriteString(QStringLiteral("1"), QStringLiteral("Digits"));
    EXPECT_FALSE(unwritable.Save().isEmpty());
    EXPECT_FALSE(unwritable.Close());
}

// Anything at the file's place that is no regular file reads as no file at all, at once.
TEST_F(SettingsTest, OnlyARegularFileIsRead) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("settings.conf")));
    CSettingsKey key;
    ASSERT_TRUE(key.Open(Path()));
    EXPECT_TRUE(key.Values().isEmpty());
    const QString fifo = dir_.filePath(QStringLiteral("fifo.conf"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(key.Open(fifo));
    EXPECT_TRUE(key.Values().isEmpty());
}

TEST_F(SettingsTest, DefaultKeyIsTheUsersConfigFile) {
    const QString expected = SettingsFilePath();
    EXPECT_EQ(expected, QDir(qEnvironmentVariable("XDG_CONFIG_HOME"))
                            .filePath(QStringLiteral("Vondrel/Quillex.conf")));
    QFile::remove(expected);
    {
        CSettingsKey key;
        ASSERT_TRUE(key.Open());
        EXPECT_TRUE(key.WriteString(QStringLiteral("4"), QStringLiteral("Digits")));
    }
    EXPECT_TRUE(QFile::exists(expected));
    EXPECT_EQ(QSettings(expected, QSettings::IniFormat).value(QStringLiteral("Digits")),
              QStringLiteral("4"));
    QFile::remove(expected);
}

// Every value differs from its default and from the others, so that a value stored under the
// wrong name, or not stored at all, shows.
Settings Unusual() {
    Settings s;
    s.decimals = 4;
    s.displayStyle = kStyleExponent;
    s.euro = 7;
    s.mode = static_cast<ResultHandOver>(9);
    s.stackExpression = false;
    s.widthIndex = 1;
    s.xText = QStringLiteral("3,5");
    s.yText = QString::fromUtf8("-2,25 €");
    s.storeStack = false;
    s.alwaysOnTop = false;
    s.outPutWindow = AfterOptions::Hide;
    s.toolTips = false;
    s.resultStyle = 5;
    s.showSplash = false;
    s.thousands = static_cast<ThousandsStyle>(3);
    s.converterShowAll = false;
    s.decimalComma = true;
    s.copyAlways = true;
    s.moveWith = 18;
    s.moveOnTop = false;
    s.frameTop = 40;
    s.frameLeft = -12;
    s.windowPosition = QStringLiteral("0,1,-1,-1,-1,-1,-12,40,288,440");
    s.windowPositionMini = QStringLiteral("0,1,-1,-1,-1,-1,5,6,105,206");
    s.firstRun = false;
    s.tipFilePos = 421;
    s.tipTimeStamp = QStringLiteral("Wed Dec  9 01:00:53 2026");
    return s;
}

// The stored file, names, values and all, exactly as every earlier version wrote it; every
// value that is read comes back.
TEST_F(SettingsTest, SaveWritesTheStoredFormAndLoadsItBack) {
    Settings saved = Unusual();
    {
        CSettingsKey key;
        ASSERT_TRUE(key.Open(Path()));
        SaveSettings(key.Values(), saved);
    }
    EXPECT_EQ(FileContent(Path()), QByteArray(R"([General]
BinBase=1
Digits=4
Euro=7
Left=-12
Mode=9
Options_AlwaysOnTop=0
Options_Converter_ShowAll=0
Options_CopyAlways=1
Options_Euro=0
Options_FontName4=Microsoft Sans Serif
Options_FontSize4=8
Options_KommaStyle=3
Options_MoveOnTop=0
Options_MoveWith=18
Options_OutPutWindow=1
Options_ResultStyle=5
Options_ShowSplash=0
Options_StoreStack=0
Options_ToolTips=0
Options_UseKomma=1
ShowAs=2
StackExpression=0
Top=40
WindowPosition="0,1,-1,-1,-1,-1,-12,40,288,440"
WindowPosition1.1="0,1,-1,-1,-1,-1,-12,40,288,440"
WindowPositionMini="0,1,-1,-1,-1,-1,5,6,105,206"
XVal="3,5"
YVal="-2,25 €"

[Tip]
FilePos=421
TimeStamp=Wed Dec  9 01:00:53 2026
)"));
    // The frame's corner is written, never read.
    saved.frameTop = 0;
    saved.frameLeft = 0;
    EXPECT_EQ(Load(), saved);
}

// A first run loads the defaults, and saving them writes the defaults the file has always had;
// no tip place is written before a tip file was read.
TEST_F(SettingsTest, EmptyStoreGivesTheDefaultsAndFirstRun) {
    const Settings settings = Load();
    EXPECT_EQ(settings, Settings{});
    EXPECT_TRUE(settings.firstRun);
    {
        CSettingsKey key;
        ASSERT_TRUE(key.Open(Path()));
        SaveSettings(key.Values(), settings);
    }
    EXPECT_EQ(FileContent(Path()), QByteArray(R"([General]
BinBase=3
Digits=0
Euro=0
Left=0
Mode=0
Options_AlwaysOnTop=1
Options_Converter_ShowAll=1
Options_CopyAlways=0
Options_Euro=0
Options_FontName4=Microsoft Sans Serif
Options_FontSize4=8
Options_KommaStyle=0
Options_MoveOnTop=1
Options_MoveWith=1
Options_OutPutWindow=2
Options_ResultStyle=0
Options_ShowSplash=1
Options_StoreStack=1
Options_ToolTips=1
Options_UseKomma=0
ShowAs=0
StackExpression=1
Top=0
WindowPosition=
WindowPosition1.1=
WindowPositionMini=
XVal=
YVal=
)"));
}

TEST_F(SettingsTest, IntegersFollowTheAtolRule) {
    const struct {
        const char* stored;
        int expected;
    } cases[] = {
        {"12abc", 12},           {"abc", 0}, {"", 0}, {"  -7", -7}, {"+3", 3}, {"3,5", 3},
        {"2147483647", INT_MAX}, {"1e3", 1},
    };
    for (const auto& c : cases) {
        WriteFile(QByteArray("[General]\nDigits=\"") + c.stored + "\"\nBinBase=\"" + c.stored +
                  "\"\nOptions_StoreStack=\"" + c.stored + "\"\n");
        const Settings s = Load();
        EXPECT_EQ(s.decimals, c.expected) << c.stored;
        EXPECT_EQ(s.widthIndex, c.expected) << c.stored;
        EXPECT_EQ(s.storeStack, c.expected != 0) << c.stored;
    }
}

// A missing value takes its default, a present but empty one reads as 0.
TEST_F(SettingsTest, MissingValueTakesItsDefaultButEmptyReadsZero) {
    WriteFile(
        "[General]\nOptions_StoreStack=\nOptions_OutPutWindow=\nBinBase=7\nWindowPosition=\n");
    const Settings s = Load();
    EXPECT_FALSE(s.storeStack);
    EXPECT_EQ(s.outPutWindow, static_cast<AfterOptions>(0));
    EXPECT_TRUE(s.alwaysOnTop);
    EXPECT_TRUE(s.showSplash);
    EXPECT_EQ(s.widthIndex, 7);
    EXPECT_TRUE(s.firstRun);
}

TEST(CalcSettingsFromTest, TakesTheCalculationsValuesAndAnyOtherWidthAsThirtyTwoBits) {
    Settings s;
    s.xText = QString::fromUtf8("2,5 €");
    s.yText = QStringLiteral("-1");
    s.decimals = 3;
    s.displayStyle = kStyleExponent;
    s.thousands = kThousandsPoints;
    s.decimalComma = true;
    const CalcSettings calc = CalcSettingsFrom(s);
    EXPECT_EQ(calc.xText, "2,5 \x80");
    EXPECT_EQ(calc.yText, "-1");
    EXPECT_EQ(calc.display.decimals, 3);
    EXPECT_EQ(calc.display.style, 2);
    EXPECT_EQ(calc.display.thousands, 1);
    EXPECT_TRUE(calc.display.decimalComma);

    const struct {
        int stored, used;
    } widths[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 3}, {7, 3}, {-1, 3}, {INT_MIN, 3}};
    for (const auto& width : widths) {
        s.widthIndex = width.stored;
        EXPECT_EQ(CalcSettingsFrom(s).widthIndex, width.used) << width.stored;
        EXPECT_EQ(EffectiveWidthIndex(width.stored), width.used) << width.stored;
    }
}

TEST(PlacementTest, ParsesTenFieldsOrNothing) {
    const Placement full{2, 3, -1, -2, -3, -4, 10, 20, 310, 220};
    const struct {
        const char* text;
        std::optional<Placement> expected;
    } cases[] = {
        {"2,3,-1,-2,-3,-4,10,20,310,220", full},
        {" 2, 3 ,-1,-2,-3,-4,10,20,310,220\n", full},
        {"2,3,-1,-2,-3,-4,+10,20,310,220", full},
        {"2,3,-1,-2,-3,-4,10,20,310", std::nullopt},
        {"2,3,-1,-2,-3,-4,10,20,310,220,5", std::nullopt},
        {"2,3,-1,-2,-3,-4,10,20,310,220x", std::nullopt},
        {"2,3,-1,-2,-3,-4,10,20,310,", std::nullopt},
        {"2,3,-1,-2,-3,-4,10,20,3 10,220", std::nullopt},
        {"2;3;-1;-2;-3;-4;10;20;310;220", std::nullopt},
        {"-2,3,-1,-2,-3,-4,10,20,310,220", std::nullopt},
        {"2,3,-1,-2,-3,-4,10,20,2147483648,220", std::nullopt},
        {"4294967296,3,-1,-2,-3,-4,10,20,310,220", std::nullopt},
        {"2,3,-,-2,-3,-4,10,20,310,220", std::nullopt},
        {"", std::nullopt},
        {",,,,,,,,,", std::nullopt},
    };
    for (const auto& c : cases) {
        const std::optional<Placement> parsed = ParsePlacement(QString::fromLatin1(c.text));
        ASSERT_EQ(parsed.has_value(), c.expected.has_value()) << c.text;
        if (parsed) {
            EXPECT_EQ(FormatPlacement(*parsed), FormatPlacement(*c.expected)) << c.text;
        }
    }
}

TEST(PlacementTest, FormatAndParseRoundTripAtTheLimits) {
    const Placement placements[] = {
        Placement{},
        Placement{0, 1, -1, -1, -1, -1, 362, 189, 662, 389},
        Placement{UINT_MAX, UINT_MAX, INT_MIN, INT_MAX, INT_MIN, INT_MAX, INT_MIN, INT_MIN, INT_MAX,
                  INT_MAX},
    };
    EXPECT_EQ(FormatPlacement(placements[1]), QStringLiteral("0,1,-1,-1,-1,-1,362,189,662,389"));
    for (const Placement& p : placements) {
        const QString text = FormatPlacement(p);
        const std::optional<Placement> parsed = ParsePlacement(text);
        ASSERT_TRUE(parsed.has_value()) << text.toStdString();
        EXPECT_EQ(FormatPlacement(*parsed), text);
    }
}

TEST(PlacementTest, FitsOnlyWithTheSameSize) {
    const Placement current{0, 1, -1, -1, -1, -1, 100, 100, 400, 350};
    const auto at = [](int left, int top, int right, int bottom) {
        return Placement{0, 1, -1, -1, -1, -1, left, top, right, bottom};
    };
    EXPECT_TRUE(PlacementFits(current, current));
    EXPECT_TRUE(PlacementFits(at(-50, 600, 250, 850), current));
    EXPECT_FALSE(PlacementFits(at(100, 100, 401, 350), current));
    EXPECT_FALSE(PlacementFits(at(100, 100, 400, 351), current));
    EXPECT_FALSE(PlacementFits(at(101, 100, 400, 350), current));
    EXPECT_FALSE(PlacementFits(at(INT_MIN, INT_MIN, INT_MAX, INT_MAX), at(0, 0, -1, -1)));
}

TEST(PlacementTest, FirstRunCentresAndTakesAThirdOfTheFreeHeight) {
    const struct {
        int w, h, screenW, screenH, x, y;
    } cases[] = {
        {300, 200, 1024, 768, 362, 189},
        {301, 201, 1024, 768, 361, 189},
        {1024, 768, 1024, 768, 0, 0},
        {1100, 800, 1024, 768, -38, -10},
    };
    for (const auto& c : cases) {
        const Point p = FirstRunPosition(c.w, c.h, c.screenW, c.screenH);
        EXPECT_EQ(p.x, c.x) << c.w << "x" << c.h;
        EXPECT_EQ(p.y, c.y) << c.w << "x" << c.h;
    }
}

TEST(PlacementTest, AWindowOffTheScreensMovesTheShortestWayInsideOneItFitsOn) {
    // A 1280 x 1024 screen at scale 2 with a panel of 20 at its bottom, and a second screen to
    // its left.
    const AreaRect screens[] = {{0, 0, 640, 492}, {-800, 0, 800, 600}};
    const struct {
        const char* what;
        AreaRect frame;
        std::optional<Point> at;
    } cases[] = {
        {"whole on the first", {0, 0, 382, 452}, Point{0, 0}},
        {"whole on the second", {-800, 148, 382, 452}, Point{-800, 148}},
        {"saved at scale 1", {449, 197, 382, 452}, Point{258, 40}},
        {"mostly on the second", {-300, 10, 382, 452}, Point{-382, 10}},
        {"too high for the first", {10, 10, 382, 550}, Point{-382, 10}},
        {"far off", {INT_MIN, INT_MAX, 382, 452}, Point{-800, 148}},
        {"too large for both", {0, 0, 900, 700}, std::nullopt},
    };
    for (const auto& c : cases) {
        const std::optional<Point> at = PositionOnScreens(c.frame, screens);
        ASSERT_EQ(at.has_value(), c.at.has_value()) << c.what;
        if (at) {
            EXPECT_EQ(at->x, c.at->x) << c.what;
            EXPECT_EQ(at->y, c.at->y) << c.what;
        }
    }
}

}  // namespace
}  // namespace quillex

#include "store/CSettingsKey.h"
#include "store/CalcSettingsFrom.h"
#include "store/Settings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <climits>

namespace quillex {
namespace {

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

    Settings Load(LoadedPlacement* placement = nullptr) {
        CSettingsKey key;
        EXPECT_TRUE(key.Open(Path()));
        Settings settings;
        const LoadedPlacement loaded = LoadSettings(key, settings);
        if (placement != nullptr) {
            *placement = loaded;
        }
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
    s.displayStyle = 2;
    s.euro = 7;
    s.mode = 9;
    s.stackExpression = 0;
    s.widthIndex = 1;
    s.xText = QStringLiteral("3,5");
    s.yText = QString::fromUtf8("-2,25 €");
    s.storeStack = 10;
    s.alwaysOnTop = 11;
    s.outPutWindow = 12;
    s.toolTips = 13;
    s.resultStyle = 5;
    s.showSplash = 14;
    s.thousands = 3;
    s.converterShowAll = 15;
    s.decimalComma = 16;
    s.copyAlways = 17;
    s.moveWith = 18;
    s.moveOnTop = 19;
    s.fontName = QStringLiteral("Small Fonts");
    s.fontSize = 7;
    s.windowPositionMini = QStringLiteral("0,1,-1,-1,-1,-1,5,6,105,206");
    return s;
}

QByteArray FileContent(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// The stored file, names, values and all, exactly as every earlier version wrote it.
TEST_F(SettingsTest, SaveWritesTheStoredFormAndLoadsItBack) {
    const Settings saved = Unusual();
    SavedPlacement window;
    window.top = 40;
    window.left = -12;
    window.placement = Placement{0, 1, -1, -1, -1, -1, -12, 40, 288, 440};
    {
        CSettingsKey key;
        ASSERT_TRUE(key.Open(Path()));
        SaveSettings(key, saved, window);
    }
    EXPECT_EQ(FileContent(Path()), QByteArray(R"([General]
BinBase=1
Digits=4
Euro=7
Left=-12
Mode=9
Options_AlwaysOnTop=11
Options_Converter_ShowAll=15
Options_CopyAlways=17
Options_Euro=0
Options_FontName4=Small Fonts
Options_FontSize4=7
Options_KommaStyle=3
Options_MoveOnTop=19
Options_MoveWith=18
Options_OutPutWindow=12
Options_ResultStyle=5
Options_ShowSplash=14
Options_StoreStack=10
Options_ToolTips=13
Options_UseKomma=16
ShowAs=2
StackExpression=0
Top=40
WindowPosition="0,1,-1,-1,-1,-1,-12,40,288,440"
WindowPosition1.1="0,1,-1,-1,-1,-1,-12,40,288,440"
WindowPositionMini="0,1,-1,-1,-1,-1,5,6,105,206"
XVal="3,5"
YVal="-2,25 €"
)"));

    LoadedPlacement loaded;
    const Settings s = Load(&loaded);
    EXPECT_FALSE(loaded.firstRun);
    EXPECT_EQ(loaded.windowPosition11, FormatPlacement(window.placement));
    const Settings defaults;
    for (const SettingField& field : SettingFields()) {
        // What is never read comes back as its default: the store always sets the same font.
        const Settings& expected = field.role == SettingRole::Stored ? saved : defaults;
        if (field.number != nullptr) {
            EXPECT_EQ(s.*field.number, expected.*field.number) << field.name;
        } else if (field.text != nullptr) {
            EXPECT_EQ(s.*field.text, expected.*field.text) << field.name;
        }
    }
}

// A first run loads every default over whatever the settings held, and saving them writes the
// defaults the file has always had.
TEST_F(SettingsTest, EmptyStoreGivesTheDefaultsAndFirstRun) {
    Settings settings = Unusual();
    LoadedPlacement loaded;
    {
        CSettingsKey key;
        ASSERT_TRUE(key.Open(Path()));
        loaded = LoadSettings(key, settings);
        SaveSettings(key, settings, SavedPlacement{});
    }
    EXPECT_TRUE(loaded.firstRun);
    EXPECT_TRUE(loaded.windowPosition11.isEmpty());
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
WindowPosition="0,1,-1,-1,-1,-1,0,0,0,0"
WindowPosition1.1="0,1,-1,-1,-1,-1,0,0,0,0"
WindowPositionMini=
XVal=
YVal=
)"));
    // A new Settings holds the same defaults as a first run.
    const Settings fresh;
    for (const SettingField& field : SettingFields()) {
        if (field.number != nullptr) {
            EXPECT_EQ(fresh.*field.number, settings.*field.number) << field.name;
        } else if (field.text != nullptr) {
            EXPECT_EQ(fresh.*field.text, settings.*field.text) << field.name;
        }
    }
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
                  "\"\n");
        const Settings s = Load();
        EXPECT_EQ(s.decimals, c.expected) << c.stored;
        EXPECT_EQ(s.widthIndex, c.expected) << c.stored;
    }
}

// A missing value takes its default, a present but empty one reads as 0.
TEST_F(SettingsTest, MissingValueTakesItsDefaultButEmptyReadsZero) {
    WriteFile(
        "[General]\nOptions_StoreStack=\nOptions_OutPutWindow=\nBinBase=7\nWindowPosition=\n");
    LoadedPlacement loaded;
    const Settings s = Load(&loaded);
    EXPECT_EQ(s.storeStack, 0);
    EXPECT_EQ(s.outPutWindow, 0);
    EXPECT_EQ(s.alwaysOnTop, 1);
    EXPECT_EQ(s.showSplash, 1);
    EXPECT_EQ(s.widthIndex, 7);
    EXPECT_TRUE(loaded.firstRun);
}

TEST(CalcSettingsFromTest, TakesTheCalculationsValuesAndAnyOtherWidthAsThirtyTwoBits) {
    Settings s;
    s.xText = QString::fromUtf8("2,5 €");
    s.yText = QStringLiteral("-1");
    s.decimals = 3;
    s.displayStyle = 2;
    s.thousands = 1;
    s.decimalComma = 7;
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

}  // namespace
}  // namespace quillex

#include "store/CSettingsKey.h"
#include "store/Settings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSet>
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
    const QString expected = QDir(qEnvironmentVariable("XDG_CONFIG_HOME"))
                                 .filePath(QStringLiteral("Vondrel/Quillex.conf"));
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

// The integer values LoadSettings reads, with their defaults.
struct IntValue {
    const char* name;
    int Settings::*member;
    int defaultValue;
};
constexpr IntValue kIntValues[] = {
    {"Digits", &Settings::digits, 0},
    {"ShowAs", &Settings::showAs, 0},
    {"Euro", &Settings::euro, 0},
    {"Mode", &Settings::mode, 0},
    {"StackExpression", &Settings::stackExpression, 1},
    {"BinBase", &Settings::binBase, 3},
    {"Options_StoreStack", &Settings::storeStack, 1},
    {"Options_AlwaysOnTop", &Settings::alwaysOnTop, 1},
    {"Options_OutPutWindow", &Settings::outPutWindow, 2},
    {"Options_ToolTips", &Settings::toolTips, 1},
    {"Options_ResultStyle", &Settings::resultStyle, 0},
    {"Options_ShowSplash", &Settings::showSplash, 1},
    {"Options_KommaStyle", &Settings::kommaStyle, 0},
    {"Options_Converter_ShowAll", &Settings::converterShowAll, 1},
    {"Options_UseKomma", &Settings::useKomma, 0},
    {"Options_CopyAlways", &Settings::copyAlways, 0},
    {"Options_MoveWith", &Settings::moveWith, 1},
    {"Options_MoveOnTop", &Settings::moveOnTop, 1},
};

struct TextValue {
    const char* name;
    QString Settings::*member;
};
constexpr TextValue kTextValues[] = {
    {"XVal", &Settings::xVal},
    {"YVal", &Settings::yVal},
    {"WindowPositionMini", &Settings::windowPositionMini},
};

// Every member differs from its default and from the others, so a value the load forgets or
// mixes up shows.
Settings Unusual() {
    Settings s;
    int next = 10;
    for (const IntValue& value : kIntValues) {
        s.*value.member = next++;
    }
    s.xVal = QStringLiteral("3,5");
    s.yVal = QString::fromUtf8("-2,25 €");
    s.windowPositionMini = QStringLiteral("0,1,-1,-1,-1,-1,5,6,105,206");
    s.fontName = QStringLiteral("Small Fonts");
    s.fontSize = 7;
    return s;
}

TEST_F(SettingsTest, EmptyStoreGivesDefaultsAndFirstRun) {
    CSettingsKey key;
    ASSERT_TRUE(key.Open(Path()));
    Settings settings = Unusual();
    const LoadedPlacement loaded = LoadSettings(key, settings);
    for (const IntValue& value : kIntValues) {
        EXPECT_EQ(settings.*value.member, value.defaultValue) << value.name;
    }
    for (const TextValue& value : kTextValues) {
        EXPECT_TRUE((settings.*value.member).isEmpty()) << value.name;
    }
    EXPECT_EQ(settings.fontName, QStringLiteral("Microsoft Sans Serif"));
    EXPECT_EQ(settings.fontSize, 8);
    EXPECT_TRUE(loaded.firstRun);
    EXPECT_TRUE(loaded.windowPosition11.isEmpty());
}

TEST_F(SettingsTest, SaveWritesExactlyTheTwentyEightValues) {
    const Settings settings = Unusual();
    SavedPlacement window;
    window.top = 40;
    window.left = -12;
    window.placement = Placement{0, 1, -1, -1, -1, -1, -12, 40, 288, 440};
    {
        CSettingsKey key;
        ASSERT_TRUE(key.Open(Path()));
        SaveSettings(key, settings, window);
    }
    const QStringList expectedNames = {"Digits",
                                       "ShowAs",
                                       "Euro",
                                       "Mode",
                                       "StackExpression",
                                       "BinBase",
                                       "XVal",
                                       "YVal",
                                       "Options_StoreStack",
                                       "Options_AlwaysOnTop",
                                       "Options_OutPutWindow",
                                       "Options_ToolTips",
                                       "Options_ResultStyle",
                                       "Options_ShowSplash",
                                       "Options_KommaStyle",
                                       "Options_Euro",
                                       "Options_Converter_ShowAll",
                                       "Options_UseKomma",
                                       "Options_CopyAlways",
                                       "Options_FontName4",
                                       "Options_FontSize4",
                                       "Options_MoveWith",
                                       "Options_MoveOnTop",
                                       "Top",
                                       "Left",
                                       "WindowPosition1.1",
                                       "WindowPositionMini",
                                       "WindowPosition"};
    ASSERT_EQ(expectedNames.size(), 28);
    const QStringList stored = QSettings(Path(), QSettings::IniFormat).allKeys();
    EXPECT_EQ(QSet<QString>(stored.begin(), stored.end()),
              QSet<QString>(expectedNames.begin(), expectedNames.end()));
    EXPECT_EQ(stored.size(), 28);

    for (const IntValue& value : kIntValues) {
        EXPECT_EQ(Read(value.name), QString::number(settings.*value.member)) << value.name;
    }
    for (const TextValue& value : kTextValues) {
        EXPECT_EQ(Read(value.name), settings.*value.member) << value.name;
    }
    const struct {
        const char* name;
        const char* text;
    } fixed[] = {
        {"Options_Euro", "0"},
        {"Options_FontName4", "Small Fonts"},
        {"Options_FontSize4", "7"},
        {"Top", "40"},
        {"Left", "-12"},
        {"WindowPosition1.1", "0,1,-1,-1,-1,-1,-12,40,288,440"},
        {"WindowPosition", "0,1,-1,-1,-1,-1,-12,40,288,440"},
    };
    for (const auto& value : fixed) {
        EXPECT_EQ(Read(value.name), QString::fromUtf8(value.text)) << value.name;
    }
}

TEST_F(SettingsTest, SavedSettingsLoadBack) {
    const Settings saved = Unusual();
    SavedPlacement window;
    window.placement = Placement{2, 3, -32000, -32000, -1, -1, 100, 50, 400, 450};
    {
        CSettingsKey key;
        ASSERT_TRUE(key.Open(Path()));
        SaveSettings(key, saved, window);
    }
    LoadedPlacement loaded;
    const Settings s = Load(&loaded);
    EXPECT_FALSE(loaded.firstRun);
    EXPECT_EQ(loaded.windowPosition11, FormatPlacement(window.placement));
    for (const IntValue& value : kIntValues) {
        EXPECT_EQ(s.*value.member, saved.*value.member) << value.name;
    }
    for (const TextValue& value : kTextValues) {
        EXPECT_EQ(s.*value.member, saved.*value.member) << value.name;
    }
    // The font is not read back: the store always sets the same one.
    EXPECT_EQ(s.fontName, QStringLiteral("Microsoft Sans Serif"));
    EXPECT_EQ(s.fontSize, 8);
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
        EXPECT_EQ(s.digits, c.expected) << c.stored;
        EXPECT_EQ(s.binBase, c.expected) << c.stored;
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
    EXPECT_EQ(s.binBase, 7);
    EXPECT_TRUE(loaded.firstRun);
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

// The programmer page driven as a user would: typing into its fields while they have the
// focus, clicking its buttons, pasting, undoing; message boxes answered by the test.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <map>
#include <set>
#include <string>
#include <string_view>

#include "text/Texts.h"
#include "ui/CProgrammerPage.h"
#include "ui/Commands.h"
#include "ui/DialogUnits.h"
#include "ui/ProgrammerKeys.h"

#include "UiTestSupport.h"

namespace quillex {
namespace {

// A button's accessible name in the current language, given by its English name: the four
// icon buttons have names of their own, the others are named by their captions.
QString ButtonName(const char* english) {
    for (const ProgrammerKey& key : ProgrammerKeys()) {
        if (key.name != TextId::NoText && Text(key.name, Language::English) == english) {
            return Tr(key.name);
        }
    }
    return QString::fromUtf8(english);
}

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

BitWidth Width(int bits) {
    for (int i = 0; i < kBitWidthCount; ++i) {
        if (BitWidthFromIndex(i)->bits == bits) {
            return *BitWidthFromIndex(i);
        }
    }
    return *BitWidthFromIndex(3);
}

using Texts = std::map<std::string, std::string>;

// Every field's text by its name.
Texts AllOf(QWidget* page) {
    Texts shown;
    for (const char* name : {"Bin", "Oct", "Dec", "Hex", "AscII", "2's", "Roman"}) {
        shown[name] = Named<QLineEdit>(page, QString::fromLatin1(name))->text().toStdString();
    }
    return shown;
}

// A page shown as its own window at a width, with a result handed over.
class ProgrammerPageTest : public ::testing::Test {
protected:
    void Open(int bits, std::optional<double> result = std::nullopt) {
        page_ = std::make_unique<CProgrammerPage>();
        page_->SetWidth(Width(bits));
        if (result) {
            page_->ReceiveResult(*result);
        }
        page_->show();
        page_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page_.get()));
    }

    QLineEdit* Field(const char* name) const {
        return Named<QLineEdit>(page_.get(), QString::fromUtf8(name));
    }
    QString Shown(const char* name) const { return Field(name)->text(); }

    // Clicks into the field, selects what it holds and types over it.
    void TypeInto(const char* name, const QString& text) {
        QLineEdit* field = Field(name);
        QTest::mouseClick(field, Qt::LeftButton);
        ASSERT_TRUE(field->hasFocus());
        field->selectAll();
        QTest::keyClicks(field, text);
    }

    void Click(const char* name) {
        auto* button = Named<QPushButton>(page_.get(), ButtonName(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    std::map<std::string, std::string> All() const { return AllOf(page_.get()); }

    std::unique_ptr<CProgrammerPage> page_;
};

TEST_F(ProgrammerPageTest, WidgetsComeWithTheFirstShowAndShowWhatArrivedBefore) {
    CProgrammerPage page;
    page.SetWidth(Width(8));
    page.ReceiveResult(251);
    EXPECT_TRUE(page.findChildren<QWidget*>().isEmpty());
    page.show();
    ASSERT_EQ(page.findChildren<QLineEdit*>().size(), 7);
    EXPECT_EQ(AllOf(&page), (Texts{{"Bin", "1111 1011"},
                                   {"Oct", "373"},
                                   {"Dec", "251"},
                                   {"Hex", "FB"},
                                   {"AscII", "___\u00fb"},
                                   {"2's", "-5"},
                                   {"Roman", "CCLI"}}));
    EXPECT_TRUE(Named<QLineEdit>(page, QStringLiteral("2's"))->isReadOnly());
    EXPECT_TRUE(Named<QLineEdit>(page, QStringLiteral("Bin"))->isVisible());
    EXPECT_EQ(page.findChildren<QPushButton*>().size(), 23);
    EXPECT_EQ(page.findChildren<QLabel*>().size(), 7);
}

TEST_F(ProgrammerPageTest, FirstUpdateShowsZeroAndLeavesDecEmpty) {
    Open(32);
    EXPECT_EQ(All(), (Texts{{"Bin", "0000 0000 0000 0000 0000 0000 0000 0000"},
                            {"Oct", "0"},
                            {"Dec", ""},
                            {"Hex", "00000000"},
                            {"AscII", ""},
                            {"2's", "0"},
                            {"Roman", "0-3999"}}));
}

TEST_F(ProgrammerPageTest, TypingIntoAFieldUpdatesTheOthers) {
    struct Row {
        int bits;
        double start;
        const char* field;
        const char* typed;
        Texts expected;  // the fields that are checked
    };
    const Row rows[] = {
        {16, 0, "Roman", "MCMXCIV", {{"Dec", "1994"}, {"Hex", "07CA"}, {"Roman", "MCMXCIV"}}},
        {8, 0, "Hex", "ff", {{"Dec", "255"}, {"Hex", "ff"}, {"Bin", "1111 1111"}, {"2's", "-1"}}},
        {8, 5, "Hex", "G", {{"Dec", "5"}, {"Hex", "G"}, {"Bin", "0000 0101"}}},
        {4, 0, "Bin", "1111", {{"Dec", "15"}, {"Hex", "F"}, {"2's", "-1"}, {"Roman", "XV"}}},
        {8, 0, "Bin", "101", {{"Bin", "101"}, {"Dec", "5"}, {"Oct", "5"}}},
        {16, 0, "AscII", "AB", {{"Dec", "16706"}, {"AscII", "AB"}}},
        {16, 0, "Roman", "MMMM", {{"Dec", "4000"}, {"Roman", "0-3999"}, {"Hex", "0FA0"}}},
        {8, 0, "Oct", "17", {{"Dec", "15"}, {"Hex", "0F"}, {"Oct", "17"}}},
        {8, 0, "Dec", "200", {{"Hex", "C8"}, {"2's", "-56"}, {"Roman", "CC"}}},
        {8, 5, "Roman", "", {{"Dec", "5"}, {"Roman", ""}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.field) + " " + row.typed);
        Open(row.bits, row.start);
        if (*row.typed == '\0') {
            TypeInto(row.field, QStringLiteral("q"));
            QTest::keyClick(Field(row.field), Qt::Key_Backspace);
        } else {
            TypeInto(row.field, QString::fromLatin1(row.typed));
        }
        for (const auto& [name, text] : row.expected) {
            EXPECT_EQ(Shown(name.c_str()).toStdString(), text) << name;
        }
    }
}

TEST_F(ProgrammerPageTest, ADecimalBeyondTheWidthShowsOverflowAndUndoBringsItBack) {
    Open(8, 5);
    TypeInto("Dec", QStringLiteral("300"));
    const Texts overflow{{"Bin", "0000 0000"}, {"Oct", "0"}, {"Dec", "Overflow"}, {"Hex", "00"},
                         {"AscII", ""},        {"2's", "0"}, {"Roman", "0-3999"}};
    EXPECT_EQ(All(), overflow);

    QTest::keyClick(Field("Dec"), Qt::Key_Z, Qt::ControlModifier);
    Texts typedBack = overflow;
    typedBack["Dec"] = "300";
    EXPECT_EQ(All(), typedBack);

    // Going on from the typed number.
    QTest::keyClick(Field("Dec"), Qt::Key_End);
    QTest::keyClick(Field("Dec"), Qt::Key_Backspace);
    EXPECT_EQ(Shown("Dec"), QStringLiteral("30"));
    EXPECT_EQ(Shown("Hex"), QStringLiteral("1E"));

    // The same for a Roman text the page replaces.
    Open(16);
    TypeInto("Roman", QStringLiteral("MMMM"));
    EXPECT_EQ(Shown("Roman"), QStringLiteral("0-3999"));
    QTest::keyClick(Field("Roman"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Shown("Roman"), QStringLiteral("MMMM"));
    EXPECT_EQ(Shown("Dec"), QStringLiteral("4000"));
}

TEST_F(ProgrammerPageTest, TypingStopsAtTheWidthsLimitButTheProgramsTextsStayWhole) {
    struct Row {
        int bits;
        const char* field;
        const char* typed;
        const char* shown;
    };
    const Row rows[] = {
        {8, "Hex", "ABCD", "AB"},
        {8, "Oct", "7777", "777"},
        {4, "Bin", "10101", "1010"},
        {4, "Dec", "123", "12"},
        {16, "Hex", "12345", "1234"},
        {32, "Oct", "1234567012345", "12345670123"},
        {8, "Bin", "1111 00001", "1111 0000"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.field) + " " + row.typed);
        Open(row.bits, 0);
        TypeInto(row.field, QString::fromLatin1(row.typed));
        EXPECT_EQ(Shown(row.field), QString::fromLatin1(row.shown));
    }

    // "Overflow" is longer than the three digits that can be typed at width 8; the user may
    // shorten it but not lengthen it.
    Open(8, 300);
    EXPECT_EQ(Shown("Dec"), QStringLiteral("Overflow"));
    QLineEdit* dec = Field("Dec");
    QTest::mouseClick(dec, Qt::LeftButton);
    QTest::keyClick(dec, Qt::Key_End);
    QTest::keyClick(dec, Qt::Key_1);
    EXPECT_EQ(Shown("Dec"), QStringLiteral("Overflow"));
    QTest::keyClick(dec, Qt::Key_Backspace);
    EXPECT_EQ(Shown("Dec"), QStringLiteral("Overflo"));
    QTest::keyClick(dec, Qt::Key_1);
    EXPECT_EQ(Shown("Dec"), QStringLiteral("Overflo"));

    // A wider width lifts the limit.
    page_->SetWidth(Width(32));
    TypeInto("Hex", QStringLiteral("FFFFFFFFF"));
    EXPECT_EQ(Shown("Hex"), QStringLiteral("FFFFFFFF"));
    EXPECT_EQ(Shown("Dec"), QStringLiteral("4294967295"));
}

TEST_F(ProgrammerPageTest, OnlyTheFocusedFieldStartsAnUpdate) {
    Open(8, 5);
    QTest::mouseClick(Field("Dec"), Qt::LeftButton);
    // Keys sent to a field that does not have the focus change its text and nothing else.
    Field("Hex")->selectAll();
    QTest::keyClicks(Field("Hex"), QStringLiteral("F"));
    EXPECT_EQ(Shown("Hex"), QStringLiteral("F"));
    EXPECT_EQ(Shown("Dec"), QStringLiteral("5"));
    // The value is still the one the decimal field shows.
    Click("Shift left");
    EXPECT_EQ(Shown("Dec"), QStringLiteral("10"));
    EXPECT_EQ(Shown("Hex"), QStringLiteral("0A"));
    // The page's own writes start nothing either: the hand-over rewrites every field.
    page_->ReceiveResult(65);
    EXPECT_EQ(Shown("Hex"), QStringLiteral("41"));
    EXPECT_EQ(Shown("AscII"), QStringLiteral("___A"));
    EXPECT_EQ(Shown("Roman"), QStringLiteral("LXV"));
}

TEST_F(ProgrammerPageTest, TooLongAsciiTextBringsTheMessageOnceAndIsNotTaken) {
    Open(32, 66);
    QLineEdit* ascii = Field("AscII");
    QTest::mouseClick(ascii, Qt::LeftButton);
    ascii->selectAll();
    BoxAnswerer boxes;
    QGuiApplication::clipboard()->setText(QStringLiteral("ABCDEFGH"));
    QTest::keyClick(ascii, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(boxes.count, 1);
    EXPECT_EQ(boxes.text, QStringLiteral("ASCII allows max. 6 Characters"));
    EXPECT_EQ(boxes.caption, QStringLiteral("ABCDEFGH"));
    EXPECT_EQ(boxes.icon, QMessageBox::Warning);
    EXPECT_EQ(Shown("AscII"), QStringLiteral("___B"));
    EXPECT_EQ(Shown("Dec"), QStringLiteral("66"));

    // Five or six characters are beyond the typing limit and are refused without a message.
    ascii->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("ABCDE"));
    QTest::keyClick(ascii, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(boxes.count, 1);
    EXPECT_EQ(Shown("AscII"), QStringLiteral("___B"));
}

TEST_F(ProgrammerPageTest, InvShiftsAndRotationsMoveTheValue) {
    struct Row {
        int bits;
        double start;
        const char* button;
        const char* dec;
    };
    const Row rows[] = {
        {4, 5, "Inv", "10"},          {32, 0, "Inv", "4294967295"},
        {8, 129, "Shift left", "2"},  {8, 129, "Shift right", "64"},
        {8, 129, "Rotate left", "3"}, {8, 129, "Rotate right", "192"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.button);
        Open(row.bits, row.start);
        QSignalSpy commands(page_.get(), &CTabPage::command);
        Click(row.button);
        EXPECT_EQ(Shown("Dec"), QString::fromLatin1(row.dec));
        EXPECT_EQ(commands.count(), 1);  // passed on to the main window as well
    }
    Open(8, 0);
    TypeInto("Bin", QStringLiteral("101"));
    Click("Rotate left");
    EXPECT_EQ(All(), (Texts{{"Bin", "0000 1010"},
                            {"Oct", "12"},
                            {"Dec", "10"},
                            {"Hex", "0A"},
                            {"AscII", ""},
                            {"2's", "10"},
                            {"Roman", "X"}}));
}

TEST_F(ProgrammerPageTest, ButtonsIssueTheirCommandsInTableOrder) {
    Open(8);
    const auto keys = ProgrammerKeys();
    ASSERT_EQ(keys.size(), 23u);
    const DialogUnits units(DialogUnits::DefaultDialogFont());
    const QRect pageRect(0, 0, 210, 111);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const ProgrammerKey& key = keys[i];
        const QString name = key.name == TextId::NoText ? Q(key.label) : Tr(key.name);
        SCOPED_TRACE(name.toStdString());
        auto* button = Named<QPushButton>(page_.get(), name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), Q(key.label));
        EXPECT_EQ(button->geometry(), units.Rect(key.x, key.y, key.width, key.height));
        EXPECT_TRUE(pageRect.contains(QRect(key.x, key.y, key.width, key.height)));
        EXPECT_FALSE(button->autoDefault());
        QSignalSpy commands(page_.get(), &CTabPage::command);
        // The width buttons are the main window's: here, with no main window, they change
        // nothing, like every other button but Inv and the four moves.
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_EQ(commands.count(), 1);
        EXPECT_EQ(commands.at(0).at(0).toInt(), kCmdProgrammerFirst + static_cast<int>(i));
    }
    // Still eight bits wide.
    EXPECT_EQ(Shown("Bin").remove(u' ').size(), 8);
}

TEST_F(ProgrammerPageTest, ButtonRowsInTheirOrder) {
    const auto keys = ProgrammerKeys();
    std::vector<std::string_view> first, second;
    for (const ProgrammerKey& key : keys) {
        if (key.y == keys[0].y) {
            first.push_back(key.label);
        } else if (key.y == keys[9].y) {
            second.push_back(key.label);
        }
    }
    EXPECT_EQ(first, (std::vector<std::string_view>{"4 Bit", "8 Bit", "16 Bit", "32 Bit", "and",
                                                    "or", "xor", "not", "GetBit"}));
    EXPECT_EQ(second, (std::vector<std::string_view>{"Dec()", "Bin()", "Hex()", "Oct()", "nand",
                                                     "nor", "mod", "sign", "Parity"}));
}

TEST_F(ProgrammerPageTest, CaptionColoursFollowTheWidth) {
    Open(16);
    auto colour = [this](const char* name) {
        return Named<QPushButton>(page_.get(), QString::fromLatin1(name))
            ->palette()
            .color(QPalette::ButtonText);
    };
    const QColor red(255, 0, 0), nearBlack(1, 1, 1), blue(0, 0, 255), green(0, 128, 0);
    EXPECT_EQ(colour("16 Bit"), red);
    for (const char* other : {"4 Bit", "8 Bit", "32 Bit"}) {
        EXPECT_EQ(colour(other), nearBlack) << other;
    }
    page_->SetWidth(Width(4));
    EXPECT_EQ(colour("4 Bit"), red);
    EXPECT_EQ(colour("16 Bit"), nearBlack);
    for (const char* name : {"Dec()", "Bin()", "Oct()", "Hex()"}) {
        EXPECT_EQ(colour(name), blue) << name;
    }
    EXPECT_EQ(colour("GetBit"), green);
    EXPECT_EQ(colour("Parity"), green);
    EXPECT_NE(colour("and"), red);
}

TEST_F(ProgrammerPageTest, TheFourMoveButtonsHaveIconsThatTellThemApart) {
    Open(8);
    std::set<QByteArray> pictures;
    for (const TextId name :
         {TextId::ProgrammerNameShiftLeft, TextId::ProgrammerNameShiftRight,
          TextId::ProgrammerNameRotateRight, TextId::ProgrammerNameRotateLeft}) {
        auto* button = Named<QPushButton>(page_.get(), name);
        ASSERT_FALSE(button->icon().isNull()) << Tr(name).toStdString();
        const QImage image = button->icon().pixmap(button->iconSize()).toImage();
        pictures.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                   static_cast<qsizetype>(image.sizeInBytes())));
    }
    EXPECT_EQ(pictures.size(), 4u);
}

TEST_F(ProgrammerPageTest, TipsFollowTheLanguage) {
    struct Row {
        Language language;
        const char* button;
        const char* tip;
    };
    const Row rows[] = {
        {Language::German, "or", "Bitweise OR  Operator (|)"},
        {Language::English, "or", "The bitwise OR operator perform bitwise-OR (|)"},
        {Language::German, "8 Bit", "8 Bit .. Basis für alle Binäroperationen"},
        {Language::English, "32 Bit", "32 Bit .. Sets the Base for Binary Operations"},
        {Language::German, "sign",
         "Vorzeichen, das Ergebnis ist Positv oder Negativ (MSB 1 oder 0)"},
        {Language::English, "Inv", "Alle Bits invertieren"},
        {Language::German, "Rotate left", "Ein Bit nach links rollen"},
        {Language::English, "Shift right", "Shift one bit to the right"},
        {Language::German, "Bin()",
         "Bin(), die Zahlenbasis ist Binär, Beispiel: bin(10101)|hex(1D) = 17d"},
        {Language::English, "not", "The bitwise NOT operator perform bitwise-Not "},
        {Language::German, "GetBit", "GetBits: Errechnet die Bits zur Darstellung des Ergebnisses"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.button);
        SetLanguage(row.language);
        CProgrammerPage page;
        page.show();
        auto* button = Named<QPushButton>(&page, ButtonName(row.button));
        SetLanguage(Language::German);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(row.tip));
    }
    for (const ProgrammerKey& key : ProgrammerKeys()) {
        EXPECT_FALSE(Text(key.tip, Language::English).empty()) << key.label;
        EXPECT_FALSE(Text(key.tip, Language::German).empty()) << key.label;
    }
}

}  // namespace
}  // namespace quillex

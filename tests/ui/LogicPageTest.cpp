// The logic page driven as a user would: choosing bases in the lists with the keyboard,
// typing the operands, clicking the operation buttons.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <string>
#include <string_view>

#include "text/Texts.h"
#include "ui/CLogicPage.h"
#include "ui/Commands.h"

#include "UiTestSupport.h"

namespace quillex {
namespace {

const QString kBinZero = QStringLiteral("0000 0000 0000 0000 0000 0000 0000 0000");

class LogicPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        page_ = std::make_unique<CLogicPage>();
        page_->show();
        page_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page_.get()));
    }

    // The fields and lists by the operand's name: "A", "B" or "Output".
    QLineEdit* Field(std::string_view name) const {
        const TextId id = name == "A"   ? TextId::NameLogicA
                          : name == "B" ? TextId::NameLogicB
                                        : TextId::NameLogicOutput;
        return Named<QLineEdit>(page_.get(), id);
    }
    QComboBox* List(std::string_view name) const {
        const TextId id = name == "A"   ? TextId::NameLogicABase
                          : name == "B" ? TextId::NameLogicBBase
                                        : TextId::NameLogicOutputBase;
        return Named<QComboBox>(page_.get(), id);
    }
    QString Shown(const char* name) const { return Field(name)->text(); }

    // Steps through the field's list with the arrow keys to the entry, as a user would; every
    // step is a choice of its own.
    void Choose(const char* field, const char* base) {
        QComboBox* list = List(field);
        QTest::mouseClick(Field(field), Qt::LeftButton);
        list->setFocus();
        const int target = list->findText(QString::fromLatin1(base));
        ASSERT_GE(target, 0);
        while (list->currentIndex() != target) {
            QTest::keyClick(list, list->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
        }
    }

    void TypeInto(const char* name, const char* text) {
        QLineEdit* field = Field(name);
        QTest::mouseClick(field, Qt::LeftButton);
        field->selectAll();
        QTest::keyClicks(field, QString::fromLatin1(text));
    }

    void Click(const char* name) {
        QTest::mouseClick(Named<QPushButton>(page_.get(), QString::fromLatin1(name)),
                          Qt::LeftButton);
    }

    std::unique_ptr<CLogicPage> page_;
};

TEST_F(LogicPageTest, OpensInDecWithZeroEverywhere) {
    for (const char* name : {"A", "B", "Output"}) {
        EXPECT_EQ(Shown(name), QStringLiteral("0")) << name;
        EXPECT_EQ(List(name)->currentText(), QStringLiteral("Dec")) << name;
        EXPECT_EQ(List(name)->count(), 4);
    }
    EXPECT_EQ(List("A")->itemText(3), QStringLiteral("Hex"));
    EXPECT_FALSE(Field("Output")->isReadOnly());
}

TEST_F(LogicPageTest, OperationsCombineTheOperandsInTheirBases) {
    struct Row {
        const char* bases[3];  // A, B, output
        const char* a;
        const char* b;
        const char* op;
        QString output;
    };
    const Row rows[] = {
        {{"Hex", "Hex", "Hex"}, "FF", "0F", "and", QStringLiteral("0000000F")},
        {{"Hex", "Hex", "Hex"}, "FF", "0F", "or", QStringLiteral("000000FF")},
        {{"Hex", "Hex", "Hex"}, "FF", "0F", "xor", QStringLiteral("000000F0")},
        {{"Dec", "Dec", "Dec"}, "12", "10", "and", QStringLiteral("8")},
        {{"Dec", "Dec", "Dec"}, "12", "10", "or", QStringLiteral("14")},
        {{"Dec", "Dec", "Dec"}, "12", "10", "xor", QStringLiteral("6")},
        {{"Dec", "Dec", "Dec"}, "12", "10", "mod", QStringLiteral("2")},
        {{"Dec", "Dec", "Dec"}, "0", "7", "mod", QStringLiteral("0")},
        {{"Dec", "Dec", "Dec"}, "4294967295", "0", "or", QStringLiteral("-1")},
        {{"Hex", "Hex", "Hex"}, "80000000", "FFFFFFFF", "mod", QStringLiteral("00000000")},
        {{"Bin", "Bin", "Bin"},
         "1100",
         "1010",
         "and",
         QStringLiteral("0000 0000 0000 0000 0000 0000 0000 1000")},
        // Each operand is read in its own base.
        {{"Dec", "Hex", "Bin"},
         "12",
         "A",
         "xor",
         QStringLiteral("0000 0000 0000 0000 0000 0000 0000 0110")},
        // A result with bit 31 set shows its 32-bit pattern.
        {{"Hex", "Hex", "Hex"}, "80000000", "1", "or", QStringLiteral("80000001")},
        {{"Dec", "Dec", "Oct"}, "4294967295", "0", "or", QStringLiteral("37777777777")},
        // A character outside the base is reported, and nothing is computed.
        {{"Dec", "Dec", "Dec"}, "-1", "0", "or", QStringLiteral("- at pos 1 not allowed")},
        {{"Hex", "Hex", "Hex"}, "ff", "1", "and", QStringLiteral("f at pos 1 not allowed")},
        {{"Oct", "Oct", "Oct"}, "7", "8", "or", QStringLiteral("8 at pos 1 not allowed")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.a) + " " + row.op + " " + row.b);
        Choose("A", row.bases[0]);
        Choose("B", row.bases[1]);
        Choose("Output", row.bases[2]);
        TypeInto("A", row.a);
        TypeInto("B", row.b);
        Click(row.op);
        EXPECT_EQ(Shown("Output"), row.output);
    }
}

TEST_F(LogicPageTest, ChoosingABaseForAGoesToAllThree) {
    TypeInto("A", "12");
    TypeInto("B", "10");
    Click("and");
    Choose("A", "Hex");
    for (const char* name : {"A", "B", "Output"}) {
        EXPECT_EQ(Shown(name), QStringLiteral("00000000")) << name;
        EXPECT_EQ(List(name)->currentText(), QStringLiteral("Hex")) << name;
    }
    // B's list changes B alone.
    TypeInto("A", "FF");
    Click("or");
    Choose("B", "Bin");
    EXPECT_EQ(Shown("B"), kBinZero);
    EXPECT_EQ(Shown("A"), QStringLiteral("FF"));
    EXPECT_EQ(Shown("Output"), QStringLiteral("000000FF"));
    EXPECT_EQ(List("A")->currentText(), QStringLiteral("Hex"));
    EXPECT_EQ(List("Output")->currentText(), QStringLiteral("Hex"));
}

TEST_F(LogicPageTest, TheOutputIsEditableAndConvertsToItsNewBase) {
    TypeInto("Output", "8");
    Choose("Output", "Bin");
    EXPECT_EQ(Shown("Output"), QStringLiteral("0000 0000 0000 0000 0000 0000 0000 1000"));
    Choose("Output", "Hex");
    EXPECT_EQ(Shown("Output"), QStringLiteral("00000008"));
    // A Dec text is read by its leading integer.
    Choose("Output", "Dec");
    TypeInto("Output", "-2abc");
    Choose("Output", "Hex");
    EXPECT_EQ(Shown("Output"), QStringLiteral("FFFFFFFE"));
}

TEST_F(LogicPageTest, TheLastOperationIsRedAndTheOthersBlue) {
    auto colour = [this](const char* name) {
        return Named<QPushButton>(page_.get(), QString::fromLatin1(name))
            ->palette()
            .color(QPalette::ButtonText);
    };
    const QColor red(255, 0, 0), blue(0, 0, 255);
    for (const char* name : {"and", "or", "xor", "mod"}) {
        EXPECT_EQ(colour(name), blue) << name;
    }
    QSignalSpy commands(page_.get(), &CTabPage::command);
    Click("xor");
    EXPECT_EQ(colour("xor"), red);
    Click("mod");
    EXPECT_EQ(colour("mod"), red);
    for (const char* name : {"and", "or", "xor"}) {
        EXPECT_EQ(colour(name), blue) << name;
    }
    // Passed on to the main window, which has nothing to do with them.
    ASSERT_EQ(commands.count(), 2);
    EXPECT_EQ(commands.at(0).at(0).toInt(), kCmdLogicFirst + 2);
    EXPECT_EQ(commands.at(1).at(0).toInt(), kCmdLogicFirst + 3);
}

TEST_F(LogicPageTest, BinaryOperandsStopAtTheirGroupedLength) {
    Choose("A", "Bin");
    TypeInto("A", "0000 0000 0000 0000 0000 0000 0000 00001111");
    EXPECT_EQ(Shown("A").size(), 43);
    Choose("A", "Dec");
    TypeInto("A", std::string(300, '1').c_str());
    EXPECT_EQ(Shown("A").size(), 255);
}

TEST(LogicPage, FrameTitlesFollowTheLanguage) {
    for (const Language language : {Language::German, Language::English}) {
        SetLanguage(language);
        CLogicPage page;
        page.show();
        SetLanguage(Language::German);
        QStringList titles;
        for (const QGroupBox* box : page.findChildren<QGroupBox*>()) {
            titles << box->title();
        }
        EXPECT_EQ(titles, language == Language::German
                              ? (QStringList{QStringLiteral("Eingabe"), QStringLiteral("Ergebnis")})
                              : (QStringList{QStringLiteral("Input"), QStringLiteral("Output ")}));
    }
}

}  // namespace
}  // namespace quillex

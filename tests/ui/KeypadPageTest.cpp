// The keypad page and its key table, driven with simulated clicks and keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "store/CalculatorState.h"
#include "text/Texts.h"
#include "ui/CKeypadPage.h"
#include "ui/Commands.h"
#include "ui/DialogUnits.h"
#include "ui/KeypadKeys.h"

#include "UiTestSupport.h"

namespace quillex {
namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const KeypadKey* FindKey(std::string_view label) {
    for (const KeypadKey& key : KeypadKeys()) {
        if (key.label == label) {
            return &key;
        }
    }
    return nullptr;
}

QLineEdit* XField(const QWidget& page) {
    return Named<QLineEdit>(page, TextId::NameXField);
}
QLineEdit* YField(const QWidget& page) {
    return Named<QLineEdit>(page, TextId::NameYField);
}

TEST(KeypadKeys, EveryKeyOnceWithTipsExceptDigitsAndLetters) {
    const auto keys = KeypadKeys();
    EXPECT_EQ(keys.size(), 43u);
    std::set<std::string_view> labels;
    for (const KeypadKey& key : keys) {
        SCOPED_TRACE(std::string(key.label));
        EXPECT_TRUE(labels.insert(key.label).second) << "label twice";
        const bool digitOrLetter =
            key.label.size() == 1 && ((key.label[0] >= '0' && key.label[0] <= '9') ||
                                      (key.label[0] >= 'A' && key.label[0] <= 'F'));
        EXPECT_EQ(Text(key.tip, Language::English).empty(), digitOrLetter);
        EXPECT_EQ(Text(key.tip, Language::German).empty(), digitOrLetter);
        if (digitOrLetter) {
            EXPECT_EQ(key.insert, key.label);
        }
        EXPECT_EQ(key.evaluates, key.label == "X" || key.label == "Y");
    }
}

TEST(KeypadKeys, InsertsAndTipsOfTheTrickyKeys) {
    struct Row {
        std::string_view label, insert, english, german;
    };
    const Row rows[] = {
        {"x", "*", "Multiply", "Multiplizieren"},
        {"x^y", "**", "x^y: Calculates x raised to the power of y, Examples: 2**4 = 16",
         "x^y: Errechnet die Potenz, Bsp.: 2**4 = 16"},
        {"%", "*pro(", "% : Percent of, for Example 10% of 100: 100*pro(10)",
         "% : Prozent von, Zum Beispiel 10% von 100: 100*pro(10)"},
        {"1/x", "1/(", "1/x Invert", "1/x Invertieren"},
        {"Pi", "pi", "Phi : 3.1415926535897932384626433832795",
         "Phi : 3.1415926535897932384626433832795"},
        {"(", "(", ")", ")"},
        {")", ")", "(", "("},
        {".", ".", "Comma", "Komma"},
        {"Deg", "deg(", "Deg(): Convert Radial to Degrees, Example: deg(cos(phi/4)) = 40.5142",
         "Rad(): Konvertiert Grad nach Radiant, Beispiel: rad(180) = 3.1415"},
        {"Rad", "rad(", "Rad(): Convert Degrees to Radial, Example: rad(180) = 3.1415",
         "Deg(): Konvertiert Radiant nach Grad, Beispiel: deg(cos(phi/4)) = 40.5142"},
        {"ACos", "acos(", "acos():Calculates the arccosine", "aCos(): ArcCosinus"},
        {"Ln", "ln(", "ln() : Calculates logarithms (10)", "ln() : Logarithmus(10)"},
        {"Sqrt", "sqrt(", "Sqrt(): Calculates the square quadrate of x, Example: sqrt(9) = 3",
         "Sqrt(): Errechnet die Quadratwurzel, Bsp.: sqrt(9) = 3"},
        {"Fac", "fac(",
         "Fac(): Factorial of x- only values up to 1547 are handled. Example: fac(10) = 3628800",
         "Fac(): Factorial von x- max. ist 1547. Beispiel: fac(10) = 3628800"},
        {"X", "X", "X-Varible, use it as varible value in your expressions",
         "X-Varible, wird als Varible in den Formeln verwendet"},
        {"Y", "Y", "Y-Varible, use it as varible value in your expressions",
         "Y-Varible, wird als Varible in den Formeln verwendet"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.label));
        const KeypadKey* key = FindKey(row.label);
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(key->insert, row.insert);
        EXPECT_EQ(Text(key->tip, Language::English), row.english);
        EXPECT_EQ(Text(key->tip, Language::German), row.german);
    }
}

TEST(KeypadKeys, KeysLieOnThePageWithoutOverlapping) {
    const auto keys = KeypadKeys();
    const QRect page(0, 0, 210, 112);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const KeypadKey& key = keys[i];
        const QRect rect(key.x, key.y, key.width, key.height);
        SCOPED_TRACE(std::string(key.label));
        EXPECT_TRUE(page.contains(rect));
        EXPECT_EQ(key.height, 12);
        for (std::size_t j = i + 1; j < keys.size(); ++j) {
            const KeypadKey& other = keys[j];
            EXPECT_FALSE(rect.intersects(QRect(other.x, other.y, other.width, other.height)))
                << "overlaps " << other.label;
        }
    }
    struct Size {
        std::string_view label;
        int x, y, width;
    };
    for (const Size& s : {Size{"0", 118, 49, 43}, Size{"x", 184, 49, 21}, Size{"Y", 2, 68, 12},
                          Size{"X", 57, 68, 12}, Size{"A", 119, 68, 14}, Size{"F", 191, 68, 14},
                          Size{"Pi", 2, 10, 21}, Size{"+", 184, 10, 21}}) {
        SCOPED_TRACE(std::string(s.label));
        const KeypadKey* key = FindKey(s.label);
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(key->x, s.x);
        EXPECT_EQ(key->y, s.y);
        EXPECT_EQ(key->width, s.width);
    }
}

TEST(KeypadPage, EveryKeyIssuesItsCommandAndInsertsNothing) {
    Settings stored;
    stored.xText = QStringLiteral("2");
    stored.yText = QStringLiteral("3");
    CalculatorState state;
    state.Load(stored);
    CKeypadPage page(state);
    ASSERT_TRUE(ShowActive(&page));
    QSignalSpy commands(&page, &CTabPage::command);
    QSignalSpy evaluations(&page, &CKeypadPage::evaluateRequested);
    const DialogUnits units(DialogUnits::DefaultDialogFont());

    const auto keys = KeypadKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const QString label = Q(keys[i].label);
        SCOPED_TRACE(label.toStdString());
        auto* button = Named<QPushButton>(&page, label);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), label);
        EXPECT_EQ(button->geometry(),
                  units.Rect(keys[i].x, keys[i].y, keys[i].width, keys[i].height));
        commands.clear();
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_EQ(commands.count(), 1);
        EXPECT_EQ(commands.at(0).at(0).toInt(), kCmdKeypadFirst + static_cast<int>(i));
    }
    EXPECT_EQ(XField(page)->text(), QStringLiteral("2"));
    EXPECT_EQ(YField(page)->text(), QStringLiteral("3"));
    EXPECT_EQ(evaluations.count(), 0);
    EXPECT_EQ(state.Values(), stored);
}

TEST(KeypadPage, TipsFollowTheLanguage) {
    CalculatorState state;
    struct Row {
        Language language;
        const char* label;
        const char* tip;
    };
    const Row rows[] = {
        {Language::German, "Deg",
         "Rad(): Konvertiert Grad nach Radiant, Beispiel: rad(180) = 3.1415"},
        {Language::German, "-", "Subtrahieren"},
        {Language::German, "(", ")"},
        {Language::German, "7", ""},
        {Language::English, "Deg",
         "Deg(): Convert Radial to Degrees, Example: deg(cos(phi/4)) = 40.5142"},
        {Language::English, "-", "Sub"},
        {Language::English, ")", "("},
        {Language::English, "C", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        SetLanguage(row.language);
        CKeypadPage page(state);
        SetLanguage(Language::German);
        auto* button = Named<QPushButton>(&page, QString::fromUtf8(row.label));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(row.tip));
    }
}

TEST(KeypadPage, ListsShowAndStoreTheSettings) {
    Settings stored;
    stored.decimals = 3;
    stored.displayStyle = kStyleExponent;
    stored.thousands = kThousandsPoints;
    CalculatorState state;
    state.Load(stored);
    CKeypadPage page(state);
    ASSERT_TRUE(ShowActive(&page));
    auto* decimals = Named<QComboBox>(&page, TextId::NameDecimals);
    auto* style = Named<QComboBox>(&page, TextId::NameDisplayStyle);
    auto* thousands = Named<QComboBox>(&page, TextId::NameThousandsStyle);
    ASSERT_TRUE(decimals && style && thousands);

    EXPECT_EQ(decimals->count(), 16);
    EXPECT_EQ(decimals->itemText(15), QStringLiteral("15"));
    EXPECT_EQ(style->itemText(3), QStringLiteral("Scientific"));
    EXPECT_EQ(thousands->itemText(0), QStringLiteral("Standard, no Kommas"));
    EXPECT_EQ(thousands->itemText(2), QStringLiteral("thousends ,"));
    EXPECT_EQ(decimals->currentIndex(), 3);
    EXPECT_EQ(style->currentIndex(), 2);
    EXPECT_EQ(thousands->currentIndex(), 1);

    QSignalSpy evaluations(&page, &CKeypadPage::evaluateRequested);
    QSignalSpy changes(&state, &CalculatorState::changed);
    QTest::keyClick(decimals, Qt::Key_Down);
    EXPECT_EQ(state.Values().decimals, 4);
    QTest::keyClick(style, Qt::Key_Up);
    EXPECT_EQ(state.Values().displayStyle, kStyleFixed);
    QTest::keyClick(thousands, Qt::Key_Down);
    EXPECT_EQ(state.Values().thousands, kThousandsCommas);
    EXPECT_EQ(evaluations.count(), 3);
    EXPECT_EQ(changes.count(), 3);

    // Setting a list from the program is no choice of the user.
    style->setCurrentIndex(3);
    EXPECT_EQ(state.Values().displayStyle, kStyleFixed);
    EXPECT_EQ(evaluations.count(), 3);
    EXPECT_EQ(changes.count(), 3);
}

TEST(KeypadPage, ASettingOutsideTheListShowsTheFirstEntryThatIsUsedInstead) {
    Settings stored;
    stored.decimals = 99;
    stored.displayStyle = static_cast<DisplayStyle>(-1);
    stored.thousands = static_cast<ThousandsStyle>(3);
    CalculatorState state;
    state.Load(stored);
    CKeypadPage page(state);
    for (const TextId name :
         {TextId::NameDecimals, TextId::NameDisplayStyle, TextId::NameThousandsStyle}) {
        SCOPED_TRACE(Tr(name).toStdString());
        auto* list = Named<QComboBox>(&page, name);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->currentIndex(), 0);
    }
    EXPECT_EQ(state.Values(), stored);
}

// The keypad page beside a field that, like the main window's expression field, takes the
// focus at every evaluation.
struct PageWithExpression {
    CalculatorState state;
    QWidget window;
    QLineEdit* expression;
    CKeypadPage* page;
    int evaluations = 0;
    PageWithExpression() {
        Settings stored;
        stored.xText = QStringLiteral("1");
        stored.yText = QStringLiteral("2");
        state.Load(stored);
        auto* layout = new QVBoxLayout(&window);
        expression = new QLineEdit(&window);
        page = new CKeypadPage(state, &window);
        layout->addWidget(expression);
        layout->addWidget(page);
        QObject::connect(page, &CKeypadPage::evaluateRequested, [this] {
            ++evaluations;
            expression->setFocus();
        });
        QObject::connect(page, &CKeypadPage::fieldLeft, [this] { ++evaluations; });
    }
};

TEST(KeypadPage, FieldsWriteTheSettingsAndAskForEvaluation) {
    PageWithExpression t;
    ASSERT_TRUE(ShowActive(&t.window));
    EXPECT_EQ(XField(*t.page)->text(), QStringLiteral("1"));
    EXPECT_EQ(YField(*t.page)->text(), QStringLiteral("2"));

    for (QLineEdit* field : {XField(*t.page), YField(*t.page)}) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_7);
        EXPECT_GE(t.evaluations, 1);
        // Without the focus return the evaluation keeps the focus in the expression field.
        EXPECT_EQ(QApplication::focusWidget(), t.expression);
    }
    EXPECT_EQ(t.state.Values().xText, QStringLiteral("7"));
    EXPECT_EQ(t.state.Values().yText, QStringLiteral("7"));

    t.page->SetFocusReturn(true);
    QLineEdit* x = XField(*t.page);
    x->setFocus();
    x->selectAll();
    QTest::keyClicks(x, QStringLiteral("12"));
    EXPECT_EQ(QApplication::focusWidget(), x);
    EXPECT_EQ(t.state.Values().xText, QStringLiteral("12"));
    EXPECT_EQ(x->text(), QStringLiteral("12"));
}

TEST(KeypadPage, AFieldLosingTheFocusAsksForEvaluation) {
    PageWithExpression t;
    ASSERT_TRUE(ShowActive(&t.window));
    for (QLineEdit* field : {XField(*t.page), YField(*t.page)}) {
        field->setFocus();
        t.evaluations = 0;
        t.expression->setFocus();
        EXPECT_EQ(t.evaluations, 1);
    }
    EXPECT_EQ(t.state.Values().xText, QStringLiteral("1"));
}

TEST(KeypadPage, EnterAndEscInAFieldAreThePageCommands) {
    PageWithExpression t;
    ASSERT_TRUE(ShowActive(&t.window));
    QSignalSpy commands(t.page, &CTabPage::command);
    XField(*t.page)->setFocus();
    QTest::keyClick(XField(*t.page), Qt::Key_Return);
    YField(*t.page)->setFocus();
    QTest::keyClick(YField(*t.page), Qt::Key_Escape);
    ASSERT_EQ(commands.count(), 2);
    EXPECT_EQ(commands.at(0).at(0).toInt(), kCmdOk);
    EXPECT_EQ(commands.at(1).at(0).toInt(), kCmdCancel);
}

}  // namespace
}  // namespace quillex

#include "calculator/calculatorlogic.h"
#include "calculator/machinepainting.h"
#include "namedcase.h"
#include "qstringprinter.h"

#include <cfloat>
#include <gtest/gtest.h>
#include <vector>

namespace {

using dosarium::CalculatorLogic;
using dosarium::CalculatorSession;
using K = dosarium::CalculatorKey;

class Keys : public testing::Test {
  protected:
    Keys()
        : logic(
              session, [this] { ++beeps; }, [this](const QString& t) { shown.append(t); })
    {
        logic.load();
    }
    void press(const std::vector<K>& keys)
    {
        for (const K key : keys)
            logic.press(key);
    }
    QString display() const { return logic.displayText(); }
    QString expression() const { return logic.expression(); }
    // Presses each step's keys in turn and checks what the display then shows.
    void expectDisplays(const std::vector<std::pair<std::vector<K>, const char*>>& steps)
    {
        for (const auto& [keys, shown] : steps) {
            press(keys);
            EXPECT_EQ(display(), QString::fromUtf8(shown));
        }
    }

    CalculatorSession session;
    int beeps = 0;
    QStringList shown;
    CalculatorLogic logic;
};

struct SequenceCase : dosarium::test::NamedCase {
    std::vector<K> keys;
    const char* expression;
};

class KeySequence : public Keys, public testing::WithParamInterface<SequenceCase> {};

TEST_P(KeySequence, BuildsTheExpression)
{
    press(GetParam().keys);
    EXPECT_EQ(expression(), QString::fromUtf8(GetParam().expression));
    EXPECT_EQ(display(), expression());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeySequence,
    testing::Values(
        SequenceCase{
            "ImplicitProductBeforeAFunction", {K::B2, K::bsin, K::B3, K::B0}, "2 * sin 30"},
        SequenceCase{"NoProductAfterASpace", {K::bsin, K::Bpo}, "sin ("},
        SequenceCase{"SignAfterABracket", {K::Bpo, K::moins, K::B5}, "(-5"},
        SequenceCase{"ProductBeforeABracket", {K::B5, K::Bpo}, "5 * ("},
        SequenceCase{"NoProductAfterAMinus", {K::moins, K::invsin}, "-invSIN "},
        SequenceCase{"NoProductAfterAClosingBracketIsSkipped", {K::bpf, K::Bcos}, ") * cos "},
        SequenceCase{"InverseIsAPrefix", {K::B5, K::Command5, K::B4}, "5 * 1 / 4"},
        SequenceCase{"Pi", {K::B2, K::pi}, "2 * 3.14159265358979"},
        SequenceCase{"TenPower", {K::B3, K::B10x, K::B2}, "3 * 10 ^ 2"},
        SequenceCase{"Functions",
                     {K::Btan, K::invcos, K::Btoncommande3, K::Blog, K::Bln, K::Bexp, K::racine},
                     "tan invCOS invTAN log ln exp SQR "},
        SequenceCase{"Prefixes",
                     {K::B1, K::pico, K::plus, K::B1, K::nano, K::plus, K::B1, K::micro, K::plus,
                      K::B1, K::mil},
                     "1E-12 + 1E-9 + 1E-6 + 1E-3"},
        SequenceCase{"LargePrefixes",
                     {K::B1, K::kilo, K::B1, K::mega, K::B1, K::giga, K::B1, K::tera},
                     "1E+31E+61E+91E+12"},
        SequenceCase{"DigitsPointAndExponent",
                     {K::B1, K::B2, K::B3, K::B4, K::B5, K::B6, K::B7, K::B8, K::B9, K::B0,
                      K::Bpoint, K::BtoEXP},
                     "1234567890.E"},
        SequenceCase{"MinusAfterEIsAnExponentSign", {K::B1, K::BtoEXP, K::moins}, "1E-"},
        SequenceCase{"PlusAfterEIsAnExponentSign", {K::B1, K::BtoEXP, K::plus}, "1E+"},
        SequenceCase{"MinusAfterAnOperator", {K::B2, K::multip, K::moins, K::B3}, "2 * -3"},
        SequenceCase{"MinusAfterAMinus", {K::moins, K::moins}, "- -"},
        SequenceCase{"Operators",
                     {K::B2, K::plus, K::B3, K::moins, K::B4, K::div, K::B5, K::puissance, K::B6,
                      K::btcarre},
                     "2 + 3 - 4 / 5 ^ 6 ^ 2"},
        SequenceCase{"PowerOnBlankWithoutAnswer", {K::puissance}, " ^ "},
        SequenceCase{"SquareOnBlankWithoutAnswer", {K::btcarre}, " ^ 2"},
        SequenceCase{"EraseFunctionWord", {K::B5, K::bsin, K::EFFACE}, "5 * "},
        SequenceCase{"EraseSpacedOperator", {K::B5, K::bsin, K::EFFACE, K::EFFACE}, "5"},
        SequenceCase{"EraseLastCharacter", {K::B5, K::EFFACE}, ""},
        SequenceCase{"EraseTenPower", {K::B10x, K::EFFACE}, "10"},
        SequenceCase{"EraseWordAfterBracket", {K::Bpo, K::invsin, K::EFFACE}, "("},
        SequenceCase{"EraseLoneWord", {K::Bln, K::EFFACE}, ""},
        SequenceCase{"AllClear", {K::B5, K::plus, K::RAZ}, ""}));

TEST_F(Keys, EraseOnEmptyExpressionLeavesTheDisplay)
{
    press({K::B6, K::EXE});
    const int count = int(shown.size());
    press({K::EFFACE});
    EXPECT_EQ(display(), " 6");
    EXPECT_EQ(shown.size(), count);
}

TEST_F(Keys, ExecuteShowsTheWaitingTextThenTheResult)
{
    press({K::B2, K::B0, K::multip, K::B3, K::EXE});
    ASSERT_GE(shown.size(), 2);
    EXPECT_EQ(shown.at(shown.size() - 2), "    Patience... Calculs en cours.     ");
    EXPECT_EQ(display(), " 60");
    EXPECT_EQ(session.lastAnswer, " 60");
    EXPECT_EQ(expression(), "");
    EXPECT_EQ(beeps, 0);
}

TEST_F(Keys, StandardResults)
{
    expectDisplays({
        {{K::EXE}, " 0"},
        {{K::B2, K::Bpoint, K::B5, K::Bpoint, K::B3, K::EXE}, " 2.5"},
        {{K::B2, K::moins, K::B8, K::EXE}, "-6"},
        {{K::B5, K::Command5, K::B4, K::EXE}, " 1.25"},
    });
}

TEST_F(Keys, ScientificResults)
{
    logic.setScientific(true);
    expectDisplays({
        {{K::B7, K::EXE}, "7.E+00"},
        {{K::B1, K::B2, K::B3, K::B4, K::Bpoint, K::B5, K::EXE}, "1.2345E+03"},
        {{K::B1, K::B2, K::B3, K::B4, K::B5, K::B6, K::B7, K::B8, K::B9, K::EXE}, "1.2345679E+08"},
        {{K::B1, K::B2, K::B3, K::micro, K::div, K::B1, K::EXE}, "1.23E-04"},
    });
}

TEST_F(Keys, RadiansAndDegrees)
{
    press({K::invsin, K::B1, K::EXE});
    EXPECT_EQ(display(), " 90");
    logic.setRadians(true);
    press({K::invsin, K::B1, K::EXE});
    EXPECT_EQ(display(), " 1.5707963267949");
}

struct ErrorCase {
    std::vector<K> keys;
    const char* message;
    std::int16_t code;
};

void PrintTo(const ErrorCase& c, std::ostream* os)
{
    *os << "code " << c.code;
}

class ErrorMessage : public Keys, public testing::WithParamInterface<ErrorCase> {};

TEST_P(ErrorMessage, IsShownWithABeepAndTheExpressionComesBack)
{
    press({K::B1, K::EXE});
    press(GetParam().keys);
    const QString keyed = expression();
    logic.press(K::EXE);
    EXPECT_EQ(display(), QString::fromUtf8(GetParam().message));
    EXPECT_EQ(session.lastAnswer, display());
    EXPECT_EQ(session.lastErrorCode, GetParam().code);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(expression(), keyed);
    // No answer to reuse; the next digit continues the faulty expression.
    press({K::ANS, K::B7});
    EXPECT_EQ(expression(), keyed + "7");
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ErrorMessage,
    testing::Values(ErrorCase{{K::B2, K::div, K::B0}, "Calcul impossible", 1},
                    ErrorCase{{K::Bpo, K::B2}, "Erreur saisie: revoir les parenthèses", 2},
                    ErrorCase{{K::B5, K::multip},
                              "Erreur saisie: incompréhension sur opérateurs: ^ * / + -",
                              3}));

TEST_F(Keys, AnswerIsAppendedWithoutImplicitProduct)
{
    press({K::B7, K::EXE, K::B5, K::ANS});
    EXPECT_EQ(expression(), "57");
}

TEST_F(Keys, OperatorsNeedSomethingOnTheDisplay)
{
    press({K::multip, K::div, K::plus});
    EXPECT_EQ(expression(), "");
    EXPECT_EQ(display(), "");
    press({K::B7, K::EXE, K::RAZ, K::multip, K::plus});
    EXPECT_EQ(expression(), "");
}

TEST_F(Keys, AfterAResultOperatorsContinueAndOtherKeysStartAgain)
{
    press({K::B7, K::EXE, K::multip});
    EXPECT_EQ(expression(), "7 * ");
    press({K::RAZ, K::B6, K::EXE, K::div});
    EXPECT_EQ(expression(), "6 / ");
    press({K::RAZ, K::B5, K::EXE, K::plus});
    EXPECT_EQ(expression(), "5 + ");
    press({K::RAZ, K::B4, K::EXE, K::puissance});
    EXPECT_EQ(expression(), "4 ^ ");
    press({K::RAZ, K::B3, K::EXE, K::btcarre, K::EXE});
    EXPECT_EQ(display(), " 9");
    press({K::moins});
    EXPECT_EQ(expression(), "-");
    press({K::RAZ, K::B2, K::EXE, K::B8});
    EXPECT_EQ(display(), "8");
    press({K::RAZ, K::B2, K::EXE, K::bsin});
    EXPECT_EQ(expression(), "sin ");
}

TEST_F(Keys, DisplayModeSwitchRewritesTheLastResult)
{
    press({K::B1, K::B2, K::B3, K::B4, K::Bpoint, K::B5, K::EXE});
    logic.setScientific(true);
    EXPECT_EQ(display(), "1.2345E+03");
    logic.setScientific(false);
    EXPECT_EQ(display(), " 1234.5");
    press({K::B9});
    logic.setScientific(true);
    EXPECT_EQ(display(), "9");
    EXPECT_EQ(expression(), "9");
}

TEST_F(Keys, DisplayModeSwitchBeforeAnyResultShowsZero)
{
    logic.setScientific(true);
    EXPECT_EQ(display(), "0.E+00");
    logic.setScientific(false);
    EXPECT_EQ(display(), " 0");
}

TEST_F(Keys, DisplayModeSwitchKeepsAnErrorMessage)
{
    press({K::B2, K::div, K::B0, K::EXE, K::RAZ});
    press({K::B2, K::div, K::B0, K::EXE});
    session.expression.clear();
    logic.setScientific(true);
    EXPECT_EQ(display(), "Calcul impossible");
}

TEST_F(Keys, OverflowShowsItsMessageAndLeavesNoAnswer)
{
    press({K::B1, K::BtoEXP, K::B9, K::B9, K::B9, K::EXE});
    EXPECT_EQ(display(), "Dépassement de capacité");
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(session.lastErrorCode, 0);
    EXPECT_EQ(session.lastAnswer, "Dépassement de capacité");
    EXPECT_EQ(expression(), "");
    logic.setScientific(true);
    EXPECT_EQ(display(), "Dépassement de capacité");
    // The operator continues from no answer at all.
    press({K::multip});
    EXPECT_EQ(expression(), " * ");
    press({K::RAZ, K::ANS});
    EXPECT_EQ(expression(), "");
}

TEST_F(Keys, OverflowInScientificToo)
{
    logic.setScientific(true);
    press({K::B1, K::BtoEXP, K::B9, K::B9, K::B9, K::EXE});
    EXPECT_EQ(display(), "Dépassement de capacité");
    EXPECT_EQ(beeps, 1);
}

TEST_F(Keys, Memory)
{
    press({K::B5, K::EXE, K::Command1, K::Command1});
    EXPECT_EQ(session.memoryValue, 10);
    EXPECT_EQ(display(), " 5");
    press({K::B2, K::Command3});
    EXPECT_EQ(expression(), "210");
    press({K::RAZ, K::B3, K::EXE, K::Command2});
    EXPECT_EQ(session.memoryValue, 7);
    logic.setScientific(true);
    press({K::Command3});
    EXPECT_EQ(expression(), "7.E+00");
    press({K::Command4});
    EXPECT_EQ(session.memoryValue, 0);
    press({K::RAZ, K::Command3});
    EXPECT_EQ(expression(), "0.E+00");
}

TEST_F(Keys, MemoryReadsTheDisplayText)
{
    press({K::B2, K::div, K::B0, K::EXE, K::Command1});
    EXPECT_EQ(session.memoryValue, 0);
    // While an expression is keyed, its leading number is read.
    press({K::RAZ, K::B4, K::plus, K::B3, K::Command1});
    EXPECT_EQ(session.memoryValue, 4);
}

TEST_F(Keys, MemoryKeepsItsValuePastTheRangeOfADouble)
{
    session.memoryValue = DBL_MAX;
    press({K::B1, K::BtoEXP, K::B3, K::B0, K::B8, K::Command1});
    EXPECT_EQ(session.memoryValue, DBL_MAX);
    press({K::RAZ, K::B1, K::BtoEXP, K::B9, K::B9, K::B9, K::Command2});
    EXPECT_EQ(session.memoryValue, DBL_MAX);
    press({K::RAZ, K::B1, K::Command2});
    EXPECT_EQ(session.memoryValue, DBL_MAX - 1);
}

TEST_F(Keys, SessionOutlivesTheWindow)
{
    press({K::B7, K::EXE, K::Command1, K::B1, K::plus});
    logic.setRadians(true);
    logic.setScientific(true);

    CalculatorLogic reopened(session, [] {});
    reopened.load();
    EXPECT_EQ(reopened.expression(), "");
    EXPECT_FALSE(reopened.radians());
    EXPECT_FALSE(reopened.scientific());
    reopened.press(K::ANS);
    EXPECT_EQ(reopened.expression(), "7");
    reopened.press(K::Command3);
    EXPECT_EQ(reopened.expression(), "77");
}

TEST_F(Keys, TypedKeys)
{
    for (const char* typed : {"2", "*", "(", "3", "+", "1", ")", "^", "2"})
        EXPECT_TRUE(logic.typeKey(0, QString::fromLatin1(typed)));
    EXPECT_EQ(expression(), "2 * (3 + 1) ^ 2");
    EXPECT_TRUE(logic.typeKey(Qt::Key_Backspace, QStringLiteral("\b")));
    EXPECT_EQ(expression(), "2 * (3 + 1) ^ ");
    EXPECT_TRUE(logic.typeKey(0, QStringLiteral("3")));
    EXPECT_TRUE(logic.typeKey(Qt::Key_Return, QStringLiteral("\r")));
    EXPECT_EQ(display(), " 128");
    for (const char* typed : {"e", "E", "d", "D", ".", "-", "/"})
        EXPECT_TRUE(logic.typeKey(0, QString::fromLatin1(typed)));
    EXPECT_EQ(expression(), "EEEE. -  / ");
    for (const char* typed : {"x", "s", " ", "", "=", "é"})
        EXPECT_FALSE(logic.typeKey(0, QString::fromUtf8(typed)));
    EXPECT_TRUE(logic.typeKey(Qt::Key_Enter, QString()));
    EXPECT_EQ(beeps, 1);

    // A French numeric pad types "," for its decimal key.
    logic.press(K::RAZ);
    for (const char* typed : {"0", ",", "5", "*", "1", "0", "0", "/", "2", ",", "5"})
        EXPECT_TRUE(logic.typeKey(0, QString::fromLatin1(typed)));
    EXPECT_EQ(expression(), "0.5 * 100 / 2.5");
    EXPECT_TRUE(logic.typeKey(Qt::Key_Return, QStringLiteral("\r")));
    EXPECT_EQ(display(), " 20");
}

TEST(MachinePainting, GradientRoundsHalvesToEven)
{
    EXPECT_EQ(dosarium::machineGradientLevel(0), 200);
    EXPECT_EQ(dosarium::machineGradientLevel(1), 200);
    EXPECT_EQ(dosarium::machineGradientLevel(2), 199);
    EXPECT_EQ(dosarium::machineGradientLevel(3), 198);
    EXPECT_EQ(dosarium::machineGradientLevel(5), 198);
    EXPECT_EQ(dosarium::machineGradientLevel(300), 50);
    EXPECT_EQ(dosarium::machineGradientLevel(301), 50);
    EXPECT_EQ(dosarium::machineGradientColour(0), QColor(200, 250, 250));
    EXPECT_EQ(dosarium::machineGradientColour(300), QColor(50, 100, 100));
}

} // namespace

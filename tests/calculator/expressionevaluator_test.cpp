#include "calculator/expressionevaluator.h"

#include <gtest/gtest.h>

namespace {

using dosarium::Degrees;
using dosarium::ExpressionEvaluator;
using dosarium::Radians;

struct EvaluationCase {
    std::string input;
    std::int16_t angleUnit;
    std::int16_t code;
    std::string result; // checked on code 0 only
};

void PrintTo(const EvaluationCase& c, std::ostream* os)
{
    *os << "<" << c.input << "> unit " << c.angleUnit;
}

class Evaluation : public testing::TestWithParam<EvaluationCase> {};

TEST_P(Evaluation, GivesTheTextOrTheCode)
{
    const EvaluationCase& c = GetParam();
    std::string text = c.input;
    std::int16_t code = -1;
    ExpressionEvaluator::evaluateExpression(text, code, c.angleUnit);
    EXPECT_EQ(code, c.code) << "text left: <" << text << ">";
    if (c.code == 0) {
        EXPECT_EQ(text, c.result);
    }
}

const EvaluationCase evaluations[] = {
    {"2 * (3 + sin 30)", Degrees, 0, "7"},
    {"2*(3+sin30)", Degrees, 0, "7"},
    {"invSIN .5 + 10 ^ 2", Degrees, 0, "130"},
    {"", Degrees, 0, ""},
    {"5", Degrees, 0, "5"},
    {"2 ^ 3 ^ 2", Degrees, 0, "64"},
    {"-2 ^ 2", Degrees, 0, "4"},
    {"2 * 3 ^ 2", Degrees, 0, "18"},
    {"2 - -3", Degrees, 0, "5"},
    {"2 * -3", Degrees, 0, "-6"},
    {"5 - 2 + 1", Degrees, 0, "4"},
    {"8 / 2 * 4", Degrees, 0, "16"},
    {"10 - 2 - 3", Degrees, 0, "5"},
    {"1E-3 * 2", Degrees, 0, ".002"},
    {"1E+3 * 2", Degrees, 0, "2000"},
    {"(1E-3)", Degrees, 0, "1E-3"},
    {"1 / 300", Degrees, 0, "3.33333333333333E-03"},
    {"1 / 3", Degrees, 0, ".333333333333333"},
    {"sin 30", Degrees, 0, ".5"},
    {"invCOS -1", Degrees, 0, "180"},
    {"invSIN 1", Radians, 0, "1.5707963267949"},
    {"invSIN 2", Degrees, 1, ""},
    {"log 1000", Degrees, 0, "3"},
    {"ln 0", Degrees, 1, ""},
    {"SQR -4", Degrees, 1, ""},
    {"2 / 0", Degrees, 1, ""},
    {"ln(20 + 5)", Degrees, 0, "3.2188758248682"},
    {"sin(cos 0)", Degrees, 0, "1.74524064372835E-02"},
    {"(2 + 3", Degrees, 2, ""},
    {"2 + 3)", Degrees, 2, ""},
    {"2 * * 3", Degrees, 3, ""},
    {"2 ^ / 3", Degrees, 3, ""},
    {"2 ^ + 3", Degrees, 3, ""},
    {"5 *", Degrees, 3, ""},
    {"5 +", Degrees, 1, ""},
    {"2 + * 3", Degrees, 1, ""},
    {")2 + 3(", Degrees, 1, ""},
    {"((2))", Degrees, 0, "2"},
    {"(2 + 3) * (4 + 5)", Degrees, 0, "45"},
    {"5 * 1 / 4", Degrees, 0, "1.25"},
    {"2.5.3", Degrees, 0, "2.5.3"},
    {"1E999", Degrees, 0, "1E999"},
    // Where a careless rewriting would part from the system's behaviour.
    // Signs fold before spacing, also across brackets removed around a plain number.
    {"---3", Degrees, 0, "-3"},
    {"2 + +3", Degrees, 0, "5"},
    {"5 - -(-3)", Degrees, 0, "2"},
    {"(-3) ^ 2", Degrees, 0, "9"},
    {"2 - sin -30", Degrees, 0, "2.5"},
    // An exponent sign stays glued, "D" is an exponent letter too.
    {"1 - -1E-3", Degrees, 0, "1.001"},
    {"1D2 + 1", Degrees, 0, "101"},
    {"1E+15 + 1", Degrees, 0, "1E+15"},
    // A bracket around a number with an exponent is not removed by normalisation.
    {"(2E+3) * 2", Degrees, 0, "4000"},
    // Nested functions: without brackets in one pass, in brackets one per pass.
    {"sin sin 30", Degrees, 0, "8.72653549837393E-03"},
    {"SQR(9) * SQR 16", Degrees, 0, "12"},
    {"sin (2 + 28)", Degrees, 0, ".5"},
    // "^" before "/" before "*", leftmost first, and powers group to the left.
    {"2 ^ 3 ^ 2 / 4", Degrees, 0, "16"},
    {"1 - 2 + 3 - 4 + 5", Degrees, 0, "3"},
    {"(1 + (2 * (3 + 4)))", Degrees, 0, "15"},
    // Numbers side by side join once the spaces are removed.
    {"2 0", Degrees, 0, "20"},
    {"(2)(3)", Degrees, 0, "23"},
    {"2(3 - 1)", Degrees, 0, "22"},
    // The recount after the bracket finds the operator the new sign made.
    {"5(0 - 2)", Degrees, 0, "3"},
    // A bracket group left with two numbers side by side fails as the whole text does,
    // instead of gluing them once its spaces go.
    {"(2 + * 3) + 1", Degrees, 1, ""},
    {"(2 + * 2)", Degrees, 1, ""},
    {"(2 - / 2)", Degrees, 1, ""},
    {"(5E+9 + ^ 2) + 471", Degrees, 1, ""},
    {"2 * (1 - * 3 + 4)", Degrees, 1, ""},
    // A group whose operator count ran short (a sign glued by an inner group became an
    // operator) is finished by a later pass.
    {"(5(0 - 2) + 1)", Degrees, 0, "4"},
    {"invTAN 1", Degrees, 0, "45"},
    {"invCOS .5", Degrees, 0, "60"},
    {"cos 3.14159265358979", Radians, 0, "-1"},
    {"exp 1", Degrees, 0, "2.71828182845905"},
    {"0 ^ 0", Degrees, 0, "1"},
    // Undefined or out of range computations.
    {"0 ^ -1", Degrees, 1, ""},
    {"(-8) ^ (1 / 3)", Degrees, 1, ""},
    {"1E300 * 1E300", Degrees, 1, ""},
    {"exp 1000", Degrees, 1, ""},
    {"invCOS 1.5", Radians, 1, ""},
    {"log -1", Degrees, 1, ""},
    {"1E999 + 1", Degrees, 1, ""},
    {"(-)", Degrees, 1, ""},
};

INSTANTIATE_TEST_SUITE_P(Examples, Evaluation, testing::ValuesIn(evaluations));

std::string nested(const std::string& function, int depth, const std::string& argument)
{
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += function + "(";
    text += argument;
    text.append(std::size_t(depth), ')');
    return text;
}

TEST(EvaluationLimits, AcceptsAHundredBracketedFunctionsButNotOneMore)
{
    std::string text = nested("cos ", 100, "0");
    std::int16_t code = -1;
    ExpressionEvaluator::evaluateExpression(text, code, Radians);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(text, ".73908513321516");

    text = nested("cos ", 101, "0");
    ExpressionEvaluator::evaluateExpression(text, code, Radians);
    EXPECT_EQ(code, 1);
}

TEST(EvaluationLimits, FailsBeyondSixteenBitPositions)
{
    // 10,923 terms: the spaced text needs more than 32,767 positions.
    std::string text = "1";
    for (int i = 0; i < 10922; ++i)
        text += "+1";
    std::int16_t code = -1;
    std::string copy = text;
    ExpressionEvaluator::evaluateExpression(copy, code, Degrees);
    EXPECT_EQ(code, 1);

    text.resize(2 * 2000 + 1);
    ExpressionEvaluator::evaluateExpression(text, code, Degrees);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(text, "2001");
}

TEST(EvaluationLimits, NeverThrowsOnBytesOutsideTheAlphabet)
{
    for (const std::string& input :
         {std::string("\xe9\xff(", 3), std::string("INVXYZ 3"), std::string("INV"),
          std::string("\0 + 1", 5), std::string("(((((")}) {
        std::string text = input;
        std::int16_t code = -1;
        ExpressionEvaluator::evaluateExpression(text, code, Degrees);
        EXPECT_GE(code, 0);
        EXPECT_LE(code, 3);
    }
}

struct NormalisationCase {
    std::string input;
    std::string canonical;
};

void PrintTo(const NormalisationCase& c, std::ostream* os)
{
    *os << "<" << c.input << ">";
}

class Normalisation : public testing::TestWithParam<NormalisationCase> {};

TEST_P(Normalisation, GivesTheCanonicalForm)
{
    std::string text = GetParam().input;
    ExpressionEvaluator::normaliseExpression(text);
    EXPECT_EQ(text, GetParam().canonical);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Normalisation,
    testing::Values(
        NormalisationCase{"2*(3+sin30)", " 2 * (3 + SIN 30) "}, NormalisationCase{"(-3)", " -3 "},
        NormalisationCase{"(2)", " 2 "}, NormalisationCase{"(1E-3)", " (1E-3) "},
        NormalisationCase{"(2+3)", " (2 + 3) "}, NormalisationCase{"()", " () "},
        NormalisationCase{"invSIN 1", " ISI 1 "},
        NormalisationCase{"invcos(invtan 2)", " ICO (ITA 2) "},
        NormalisationCase{"ln 5 - log 2", " LON 5 - LOG 2 "}, NormalisationCase{"LON 5", " LON 5 "},
        NormalisationCase{"exp -2 * tan 1", " EXP -2 * TAN 1 "},
        NormalisationCase{"SQR2^2", " SQR 2 ^ 2 "}, NormalisationCase{"2 - -3", " 2 + 3 "},
        NormalisationCase{"+-5", " -5 "}, NormalisationCase{"1e+3-2d-1", " 1E+3 - 2D-1 "},
        NormalisationCase{"2 ^ + 3", " 2 ^  + 3 "}, NormalisationCase{"2*-3", " 2 * -3 "},
        NormalisationCase{"", "  "}));

TEST(CheckSyntax, BracketCountWinsOverMisplacedOperator)
{
    EXPECT_EQ(ExpressionEvaluator::checkSyntax(" (2 *  * 3 "), 2);
    EXPECT_EQ(ExpressionEvaluator::checkSyntax(" 2 *  * 3 "), 3);
    EXPECT_EQ(ExpressionEvaluator::checkSyntax(" )2 + 3( "), 0);
}

TEST(CountTokens, CountsBracketsNamesAndSpacedOperators)
{
    dosarium::EvaluationCounters counters;
    counters.operatorCount = 9;
    ExpressionEvaluator::countTokens(" 2 * (3 + SIN 30) - (LON 1E-3) ", counters);
    EXPECT_EQ(counters.openParenCount, 2);
    EXPECT_EQ(counters.functionCount, 2);
    EXPECT_EQ(counters.operatorCount, 3);
}

} // namespace

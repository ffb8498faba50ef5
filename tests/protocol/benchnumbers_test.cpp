#include "protocol/benchnumbers.h"

#include <gtest/gtest.h>

using namespace dosarium;

namespace {

const QLocale french(QLocale::French, QLocale::France);
const QLocale english(QLocale::English, QLocale::UnitedStates);

struct ScientificCase {
    double value;
    int digits;
    const char* mantissa;
    int exponent;
};

class ScientificText : public ::testing::TestWithParam<ScientificCase> {};

TEST_P(ScientificText, RoundsTheDecimalDigitsHalfUp)
{
    const ScientificCase& c = GetParam();
    const benchnumbers::Scientific s = benchnumbers::scientific(c.value, c.digits, french);
    EXPECT_EQ(s.mantissa, QString::fromUtf8(c.mantissa)) << c.value;
    EXPECT_EQ(s.exponent, c.exponent) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, ScientificText,
    ::testing::Values(ScientificCase{8.576086956521738, 15, "8,58", 0},
                      ScientificCase{0.1, 15, "1,00", -1}, ScientificCase{11.52, 7, "1,15", 1},
                      ScientificCase{5.5555555e-05, 7, "5,56", -5},
                      // A carry through every digit moves the power of ten.
                      ScientificCase{9.995, 15, "1,00", 1}, ScientificCase{0.09996, 15, "1,00", -1},
                      // 0,1125 has no exact binary form; read with 15 digits it is a half.
                      ScientificCase{0.1125, 15, "1,13", -1},
                      // Digits beyond the type's precision do not decide the half.
                      ScientificCase{double(1.145f), 7, "1,15", 0},
                      ScientificCase{double(1.145f), 15, "1,14", 0},
                      ScientificCase{123456.0, 7, "1,23", 5}, ScientificCase{0.0, 7, "0,00", 0}));

TEST(BenchNumbers, FixedAndGeneralForms)
{
    EXPECT_EQ(benchnumbers::fixed(12.34, 2, 15, french), QStringLiteral("12,34"));
    EXPECT_EQ(benchnumbers::fixed(0.0, 2, 15, french), QStringLiteral("0,00"));
    EXPECT_EQ(benchnumbers::fixed(200.0, 2, 15, french), QStringLiteral("200,00"));
    EXPECT_EQ(benchnumbers::fixed(0.05, 1, 15, french), QStringLiteral("0,1"));
    EXPECT_EQ(benchnumbers::fixed(0.04, 1, 15, french), QStringLiteral("0,0"));
    EXPECT_EQ(benchnumbers::fixed(9.96, 1, 15, french), QStringLiteral("10,0"));
    EXPECT_EQ(benchnumbers::fixed(double(4.9f), 1, 7, french), QStringLiteral("4,9"));
    EXPECT_EQ(benchnumbers::fixed(1234.5, 1, 15, english), QStringLiteral("1234.5"));
    EXPECT_EQ(benchnumbers::fixed(-2.25, 1, 15, english), QStringLiteral("-2.3"));

    EXPECT_EQ(benchnumbers::general(1000.0f, 7, french), QStringLiteral("1000"));
    EXPECT_EQ(benchnumbers::general(25.0f, 7, french), QStringLiteral("25"));
    EXPECT_EQ(benchnumbers::general(double(0.5f), 7, french), QStringLiteral("0,5"));
    EXPECT_EQ(benchnumbers::general(double(2.3f), 7, french), QStringLiteral("2,3"));
    EXPECT_EQ(benchnumbers::general(0.0, 7, french), QStringLiteral("0"));
}

TEST(BenchNumbers, HundredthsWithOneDecimalRoundHalfUp)
{
    EXPECT_EQ(benchnumbers::hundredthsWithOneDecimal(220, french), QStringLiteral("2,2"));
    EXPECT_EQ(benchnumbers::hundredthsWithOneDecimal(25, french), QStringLiteral("0,3"));
    EXPECT_EQ(benchnumbers::hundredthsWithOneDecimal(215, french), QStringLiteral("2,2"));
    EXPECT_EQ(benchnumbers::hundredthsWithOneDecimal(214, french), QStringLiteral("2,1"));
    EXPECT_EQ(benchnumbers::hundredthsWithOneDecimal(4, french), QStringLiteral("0,0"));
    EXPECT_EQ(benchnumbers::hundredthsWithOneDecimal(10000, french), QStringLiteral("100,0"));
    EXPECT_EQ(benchnumbers::hundredthsWithOneDecimal(1022, english), QStringLiteral("10.2"));
}

} // namespace

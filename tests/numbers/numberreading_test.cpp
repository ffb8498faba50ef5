#include "numbers/numberreading.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using dosarium::readNumber;

struct ReadCase {
    std::string text;
    double value;
};

// Test names stay short and printable: blanks are spelt out, long texts cut in the middle.
void PrintTo(const ReadCase& c, std::ostream* os)
{
    std::string text = c.text.size() <= 24
                           ? c.text
                           : c.text.substr(0, 8) + "..." + c.text.substr(c.text.size() - 8);
    std::string shown;
    for (char ch : text)
        shown += ch == '\t' ? "\\t" : ch == '\r' ? "\\r" : ch == '\n' ? "\\n" : std::string(1, ch);
    *os << "<" << shown << ">";
}

class NumberReading : public testing::TestWithParam<ReadCase> {};

TEST_P(NumberReading, ReadsTheLongestNumericPrefix)
{
    const std::optional<double> value = readNumber(GetParam().text);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, GetParam().value);
}

// Record texts and calculator operands: every blank before the number is skipped, whichever the
// caller.
INSTANTIATE_TEST_SUITE_P(Blanks, NumberReading,
                         testing::Values(ReadCase{" 200", 200}, ReadCase{"  -2.5)", -2.5},
                                         ReadCase{"  \t+4", 4}, ReadCase{"\t5", 5},
                                         ReadCase{"\r\n -.25", -0.25}, ReadCase{" ", 0},
                                         ReadCase{"12 3", 12}, ReadCase{"1e+2 ", 100}));

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberReading,
    testing::Values(ReadCase{"3", 3}, ReadCase{" .5", 0.5}, ReadCase{"0012.50", 12.5},
                    ReadCase{"5.", 5}, ReadCase{"2.5.3", 2.5}, ReadCase{" 12,5", 12},
                    ReadCase{"1E-3", 0.001}, ReadCase{" 1.5E+02", 150}, ReadCase{"1.5e2", 150},
                    ReadCase{"1d2", 100}, ReadCase{"25D-1", 2.5}, ReadCase{"5.E+00", 5},
                    ReadCase{"1.234568E+07", 12345680}, ReadCase{"7E", 7}, ReadCase{"7E+", 7},
                    ReadCase{"1E-", 1}, ReadCase{"", 0}, ReadCase{"-", 0}, ReadCase{".", 0},
                    ReadCase{"E5", 0}, ReadCase{"Calcul impossible", 0},
                    ReadCase{" 1.79769313486231E+308", 1.79769313486231e308},
                    ReadCase{"1E-310", 1e-310}, ReadCase{"1E-999", 0},
                    ReadCase{std::string(400, '0') + "1", 1},
                    ReadCase{"." + std::string(400, '0') + "1E400", 0.1}));

TEST(NumberReading, OverflowOfADoubleIsNoValue)
{
    EXPECT_FALSE(readNumber("1E999").has_value());
    EXPECT_FALSE(readNumber("-1D400").has_value());
    EXPECT_FALSE(readNumber("-9.9D+999").has_value());
    EXPECT_FALSE(readNumber("1E99999999999999999999").has_value());
    // The largest double written with 15 significant digits rounds above it.
    EXPECT_FALSE(readNumber("1.79769313486232E+308").has_value());
}

} // namespace

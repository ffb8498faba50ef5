#include "calculator/calculatornumbers.h"
#include "numbers/numberreading.h"

#include <QFile>
#include <QTemporaryDir>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

using dosarium::formatNumber;
using dosarium::formatScientific;
using dosarium::readNumber;

struct FormatCase {
    double value;
    std::string standard;
    std::string scientific;
};

void PrintTo(const FormatCase& c, std::ostream* os)
{
    *os << c.standard;
}

class NumberFormats : public testing::TestWithParam<FormatCase> {};

TEST_P(NumberFormats, WritesBothForms)
{
    EXPECT_EQ(formatNumber(GetParam().value), GetParam().standard);
    EXPECT_EQ(formatScientific(GetParam().value), GetParam().scientific);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberFormats,
    testing::Values(FormatCase{0.0, "0", "0.E+00"}, FormatCase{-0.0, "0", "0.E+00"},
                    FormatCase{0.5, ".5", "5.E-01"}, FormatCase{-0.25, "-.25", "-2.5E-01"},
                    FormatCase{0.002, ".002", "2.E-03"}, FormatCase{7, "7", "7.E+00"},
                    FormatCase{1.0 / 3, ".333333333333333", "3.3333333E-01"},
                    FormatCase{1.0 / 300, "3.33333333333333E-03", "3.3333333E-03"},
                    FormatCase{0.0174524064372835, "1.74524064372835E-02", "1.7452406E-02"},
                    FormatCase{123456789012345.0, "123456789012345", "1.2345679E+14"},
                    FormatCase{1e15, "1E+15", "1.E+15"},
                    FormatCase{123456789012345678.0, "1.23456789012346E+17", "1.2345679E+17"},
                    FormatCase{1234.5, "1234.5", "1.2345E+03"},
                    FormatCase{123456789, "123456789", "1.2345679E+08"},
                    FormatCase{0.000123, ".000123", "1.23E-04"},
                    FormatCase{0.1 + 0.2, ".3", "3.E-01"},
                    FormatCase{999999999999999.6, "1E+15", "1.E+15"},
                    FormatCase{1e-300, "1E-300", "1.E-300"},
                    FormatCase{-2.5e100, "-2.5E+100", "-2.5E+100"},
                    FormatCase{4 * std::atan(1.0), "3.14159265358979", "3.1415927E+00"}));

// The program runs under the student's locale (the application object sets it from the
// environment); a French locale writes "2,5" with printf and reads "2.5" as 2 with strtod.
TEST(NumberFormats, IgnoreTheRegionalDecimalSeparator)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray path = QFile::encodeName(dir.path());
    if (!std::setlocale(LC_ALL, "fr_FR.UTF-8")) {
        const QByteArray command =
            "localedef -i fr_FR -f UTF-8 " + path + "/fr_FR.UTF-8 2>/dev/null";
        if (std::system(command.constData()) == 0) {
            qputenv("LOCPATH", path);
            std::setlocale(LC_ALL, "fr_FR.UTF-8");
        }
    }
    if (*std::localeconv()->decimal_point != ',')
        GTEST_SKIP() << "no locale with a decimal comma could be set";
    EXPECT_EQ(formatNumber(2.5), "2.5");
    EXPECT_EQ(formatScientific(2.5), "2.5E+00");
    EXPECT_EQ(readNumber("2.5"), 2.5);
    std::setlocale(LC_ALL, "C");
    qunsetenv("LOCPATH");
}

} // namespace

#include "configurations/recordnumber.h"

#include <gtest/gtest.h>
#include <limits>

using dosarium::RecordNumber;

struct RealCase {
    float value;
    const char* text;
};

class RecordNumberFromReal : public testing::TestWithParam<RealCase> {};

TEST_P(RecordNumberFromReal, WritesTheFileForm)
{
    EXPECT_EQ(RecordNumber::fromReal(GetParam().value), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Values, RecordNumberFromReal,
    testing::Values(RealCase{0.0f, " 0"}, RealCase{-0.0f, " 0"}, RealCase{200.0f, " 200"},
                    RealCase{12.5f, " 12.5"}, RealCase{0.5f, " .5"}, RealCase{-0.25f, "-.25"},
                    RealCase{12.34f, " 12.34"}, RealCase{0.1f, " .1"}, RealCase{199.99f, " 199.99"},
                    RealCase{-3.0f, "-3"}, RealCase{1234567.0f, " 1234567"},
                    RealCase{12345678.0f, " 1.234568E+07"}, RealCase{1e-5f, " 1E-05"},
                    RealCase{0.0001f, " .0001"}, RealCase{2.0f / 3.0f, " .6666667"}));

TEST(RecordNumber, IntegersHaveTheSignPlace)
{
    EXPECT_EQ(RecordNumber::fromInteger(0), " 0");
    EXPECT_EQ(RecordNumber::fromInteger(20000), " 20000");
    EXPECT_EQ(RecordNumber::fromInteger(-7), "-7");
}

TEST(RecordNumber, RoundsHalvesToEvenAndRefusesOverflow)
{
    EXPECT_EQ(RecordNumber::toInt16(2.5), qint16(2));
    EXPECT_EQ(RecordNumber::toInt16(3.5), qint16(4));
    EXPECT_EQ(RecordNumber::toInt16(-2.5), qint16(-2));
    EXPECT_EQ(RecordNumber::toInt16(2.4999), qint16(2));
    EXPECT_EQ(RecordNumber::toInt16(32767.4), qint16(32767));
    EXPECT_FALSE(RecordNumber::toInt16(32767.5).has_value());
    EXPECT_EQ(RecordNumber::toInt16(-32768.5), qint16(-32768));
    EXPECT_FALSE(RecordNumber::toInt16(-32769).has_value());

    EXPECT_EQ(RecordNumber::toInt32(40000.5), qint32(40000));
    EXPECT_EQ(RecordNumber::toInt32(2147483647.0), std::numeric_limits<qint32>::max());
    EXPECT_FALSE(RecordNumber::toInt32(2147483647.5).has_value());
    EXPECT_FALSE(RecordNumber::toInt32(-2147483649.0).has_value());

    EXPECT_EQ(RecordNumber::toReal(12.34), 12.34f);
    EXPECT_FALSE(RecordNumber::toReal(1e39).has_value());
}

TEST(RecordNumber, WrittenRealsReadBackToTheSameFloat)
{
    for (float value : {12.34f, 0.01f, 199.99f, 2.0f / 3.0f, 123456.7f, 1e-7f, 3.0e38f}) {
        const std::optional<double> read = RecordNumber::read(RecordNumber::fromReal(value));
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(RecordNumber::toReal(*read), value)
            << RecordNumber::fromReal(value).toStdString();
    }
}

// The fixed Windows-1252 table against Qt's own converter, which the record files used before:
// saved files must keep every byte.
#include "codepage/windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <gtest/gtest.h>

namespace dosarium {
namespace {

TEST(Windows1252, ReadsEveryByteAsTheSystemConverterDoes)
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(char(byte));
    QStringDecoder system("windows-1252");
    ASSERT_TRUE(system.isValid());
    const QString expected = system.decode(all);
    EXPECT_EQ(windows1252::decode(all), expected);
    EXPECT_EQ(windows1252::encode(expected), all);
}

TEST(Windows1252, WritesWhatTheCodePageLacksAsTheSystemConverterDoes)
{
    // Greek, a character outside the basic plane, a lone surrogate, then text again.
    const QString text = QStringLiteral("é€Ω") + QString::fromUcs4(U"\U0001F600") + QChar(0xD800) +
                         QStringLiteral("Œz");
    QStringEncoder system("windows-1252");
    EXPECT_EQ(windows1252::encode(text), system.encode(text));
    EXPECT_EQ(windows1252::encode(text), QByteArray("\xE9\x80\x1A\x1A\x1A\x8Cz"));
}

} // namespace
} // namespace dosarium

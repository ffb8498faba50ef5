#include "recordfiles.h"
#include "workbench/markerfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace dosarium;
using namespace dosarium::test;

TEST(MarkerFile, CreatedWithOuiThenNonInRecordSeventeen)
{
    QTemporaryDir dir;
    const MarkerFile marker(dir.path());
    ASSERT_TRUE(marker.markOpen());
    QByteArray bytes = readBytes(dir.filePath("TEMPO.SPC"));
    ASSERT_EQ(bytes.size(), 17 * 128);
    EXPECT_EQ(bytes.left(2048), QByteArray(2048, '\0'));
    EXPECT_EQ(bytes.mid(2048), recordBytes("OUI"));

    ASSERT_TRUE(marker.markClosed());
    bytes = readBytes(dir.filePath("TEMPO.SPC"));
    EXPECT_EQ(bytes.mid(2048), recordBytes("NON"));
}

TEST(MarkerFile, OtherRecordsOfAnExistingFileAreKept)
{
    QTemporaryDir dir;
    QByteArray original(20 * 128, '\0');
    for (int i = 0; i < original.size(); ++i)
        original[i] = static_cast<char>('a' + i % 26);
    ASSERT_TRUE(writeBytes(dir.filePath("TEMPO.SPC"), original));

    ASSERT_TRUE(MarkerFile(dir.path()).markClosed());
    const QByteArray bytes = readBytes(dir.filePath("TEMPO.SPC"));
    ASSERT_EQ(bytes.size(), original.size());
    EXPECT_EQ(bytes.left(2048), original.left(2048));
    EXPECT_EQ(bytes.mid(2048 + 128), original.mid(2048 + 128));
    EXPECT_EQ(bytes.mid(2048, 5), QByteArray("\x03\x00NON", 5));
}

TEST(MarkerFile, ReadOnlyDirectoryIsLeftAlone)
{
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    if (access(dir.path().toLocal8Bit().constData(), W_OK) == 0) {
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "running with rights that ignore a read-only directory";
    }
    EXPECT_FALSE(MarkerFile(dir.path()).markOpen());
    EXPECT_FALSE(QFile::exists(dir.filePath("TEMPO.SPC")));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

#include "workbench/markerfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace dosarium;

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray expectedRecord(const QByteArray& text)
{
    QByteArray record(128, '\0');
    record[0] = static_cast<char>(text.size());
    record.replace(2, text.size(), text);
    return record;
}

} // namespace

TEST(MarkerFile, CreatedWithOuiThenNonInRecordSeventeen)
{
    QTemporaryDir dir;
    const MarkerFile marker(dir.path());
    ASSERT_TRUE(marker.markOpen());
    QByteArray bytes = fileBytes(dir.filePath("TEMPO.SPC"));
    ASSERT_EQ(bytes.size(), 17 * 128);
    EXPECT_EQ(bytes.left(2048), QByteArray(2048, '\0'));
    EXPECT_EQ(bytes.mid(2048), expectedRecord("OUI"));

    ASSERT_TRUE(marker.markClosed());
    bytes = fileBytes(dir.filePath("TEMPO.SPC"));
    EXPECT_EQ(bytes.mid(2048), expectedRecord("NON"));
}

TEST(MarkerFile, OtherRecordsOfAnExistingFileAreKept)
{
    QTemporaryDir dir;
    QByteArray original(20 * 128, '\0');
    for (int i = 0; i < original.size(); ++i)
        original[i] = static_cast<char>('a' + i % 26);
    QFile file(dir.filePath("TEMPO.SPC"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(original);
    file.close();

    ASSERT_TRUE(MarkerFile(dir.path()).markClosed());
    const QByteArray bytes = fileBytes(dir.filePath("TEMPO.SPC"));
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

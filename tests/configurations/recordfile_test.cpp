#include "configurations/recordfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using dosarium::RecordFile;

TEST(RecordFile, EncodesLengthTextAndZeroPadding)
{
    const QByteArray record = RecordFile::encodeRecord(QStringLiteral("Créé"));
    ASSERT_EQ(record.size(), 128);
    EXPECT_EQ(quint8(record[0]), 4);
    EXPECT_EQ(quint8(record[1]), 0);
    EXPECT_EQ(record.mid(2, 4), QByteArray("Cr\xe9\xe9"));
    EXPECT_EQ(record.mid(6), QByteArray(122, '\0'));
}

TEST(RecordFile, RejectsLengthAboveTheRecord)
{
    QByteArray record(128, '\0');
    record[0] = char(127);
    EXPECT_FALSE(RecordFile::decodeRecord(record).has_value());
    EXPECT_FALSE(RecordFile::decodeRecord(QByteArray(1, '\0')).has_value());
}

TEST(RecordFile, WritesOneRecordAndLeavesTheOthersUntouched)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("TEMPO.SPC");

    ASSERT_TRUE(RecordFile::writeRecord(path, 17, "OUI"));
    QFile created(path);
    ASSERT_TRUE(created.open(QIODevice::ReadOnly));
    const QByteArray bytes = created.readAll();
    created.close();
    ASSERT_EQ(bytes.size(), 17 * 128);
    EXPECT_EQ(bytes.left(2048), QByteArray(2048, '\0'));
    EXPECT_EQ(bytes.mid(2048, 5), QByteArray("\x03\x00OUI", 5));

    ASSERT_TRUE(RecordFile::writeRecord(path, 1, "DOSARIUM"));
    ASSERT_TRUE(RecordFile::writeRecord(path, 17, "NON"));
    EXPECT_EQ(RecordFile::readRecord(path, 1), QString("DOSARIUM"));
    EXPECT_EQ(RecordFile::readRecord(path, 17), QString("NON"));
    EXPECT_FALSE(RecordFile::readRecord(path, 18).has_value());
}

TEST(RecordFile, MissingFileReadsNothingAndIsNotCreated)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("absent.C05");
    EXPECT_FALSE(RecordFile::readRecord(path, 1).has_value());
    EXPECT_FALSE(QFile::exists(path));
}

TEST(RecordFile, WriteFailsOnAFullDisk)
{
    if (!QFile::exists("/dev/full"))
        GTEST_SKIP() << "/dev/full is not available";
    EXPECT_FALSE(RecordFile::writeRecord("/dev/full", 1, "NON"));
}

#include "configurations/configurationfile.h"
#include "configurations/recordfile.h"
#include "namedcase.h"
#include "recordfiles.h"
#include "unprivileged.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dosarium;
using namespace dosarium::test;

namespace {

// The acetic acid example: volumetric pipette at 10 mL, 200 mL flask, balance untouched.
const ConfigurationValues aceticAcidExample{.reagentIndex = 2,
                                            .flaskVolume = 200,
                                            .sampledVolume = 10,
                                            .samplingTool = 3,
                                            .flaskPosition = 3,
                                            .samplePosition = 3};

const QList<QByteArray> exampleTexts = {"DOSARIUM", " 2", " 200", " 10", " 3",
                                        " 3",       " 3", " 0",   " 0"};

const QByteArray exampleFile = recordsBytes(exampleTexts);

} // namespace

TEST(ConfigurationFile, EncodesTheExampleByteForByte)
{
    const QByteArray bytes = ConfigurationFile::encode(aceticAcidExample);
    ASSERT_EQ(bytes.size(), 9 * 128);
    const char* lengths = "\x08\x02\x04\x03\x02\x02\x02\x02\x02";
    for (int i = 0; i < 9; ++i) {
        const QByteArray got = bytes.mid(i * 128, 128);
        EXPECT_EQ(quint8(got[0]), quint8(lengths[i])) << "record " << i + 1;
        EXPECT_EQ(quint8(got[1]), 0) << "record " << i + 1;
        EXPECT_EQ(got, recordBytes(exampleTexts[i])) << "record " << i + 1;
    }
}

TEST(ConfigurationFile, WritesAFileThatReadsBackTheSameValues)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("masse.C05");
    const ConfigurationValues values{.reagentIndex = 3,
                                     .flaskVolume = 100,
                                     .sampledVolume = 5.1f,
                                     .samplingTool = 0,
                                     .flaskPosition = 2,
                                     .samplePosition = 41,
                                     .massPosition = 1234,
                                     .sampledMass = 12.34f};
    ASSERT_TRUE(ConfigurationFile::write(path, values));
    EXPECT_EQ(readBytes(path).size(), 9 * 128);

    const ConfigurationReading reading = ConfigurationFile::read(path);
    ASSERT_EQ(reading.status, ConfigurationStatus::Read);
    EXPECT_EQ(reading.values, values);
}

TEST(ConfigurationFile, OverwritingALongerFileLeavesNineRecords)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("long.C05");
    ASSERT_TRUE(writeBytes(path, QByteArray(20 * 128, 'x')));
    ASSERT_TRUE(ConfigurationFile::write(path, aceticAcidExample));
    EXPECT_EQ(readBytes(path), exampleFile);
}

TEST(ConfigurationFile, ReadsHandWrittenNumbersLeniently)
{
    const ConfigurationReading reading = ConfigurationFile::decode(
        recordsBytes({"DOSARIUM", "2", "12,5", "abc", "0003", " 2.5", "3.5", " 1234.5", " 12,5"}));
    ASSERT_EQ(reading.status, ConfigurationStatus::Read);
    EXPECT_EQ(reading.values.reagentIndex, 2);
    EXPECT_EQ(reading.values.flaskVolume, 12.0f);
    EXPECT_EQ(reading.values.sampledVolume, 0.0f);
    EXPECT_EQ(reading.values.samplingTool, 3);
    EXPECT_EQ(reading.values.flaskPosition, 2);
    EXPECT_EQ(reading.values.samplePosition, 4);
    EXPECT_EQ(reading.values.massPosition, 1234);
    EXPECT_EQ(reading.values.sampledMass, 12.0f);
}

struct RejectCase {
    const char* name;
    QByteArray bytes;
    ConfigurationStatus status;
    bool reagentRead;
};

class ConfigurationFileRejects : public testing::TestWithParam<RejectCase> {};

TEST_P(ConfigurationFileRejects, TellsWhatWentWrong)
{
    const ConfigurationReading reading = ConfigurationFile::decode(GetParam().bytes);
    EXPECT_EQ(reading.status, GetParam().status);
    EXPECT_EQ(reading.reagentIndexRead, GetParam().reagentRead);
    EXPECT_FALSE(reading.sampledMassRead);
}

namespace {

// The example file, record `recordNumber` claiming to hold `length` bytes.
QByteArray exampleWithLength(int recordNumber, int length)
{
    QByteArray bytes = exampleFile;
    bytes[(recordNumber - 1) * 128] = char(length & 0xff);
    bytes[(recordNumber - 1) * 128 + 1] = char(length >> 8);
    return bytes;
}

QByteArray exampleWith(int recordNumber, const QByteArray& text)
{
    QList<QByteArray> texts = exampleTexts;
    texts[recordNumber - 1] = text;
    return recordsBytes(texts);
}

constexpr auto notConfiguration = ConfigurationStatus::NotConfiguration;
constexpr auto unreadable = ConfigurationStatus::Unreadable;

// The file as written but for one fault, what the reading says and whether the reagent was read.
const RejectCase rejectCases[] = {
    {"LowerCase", exampleWith(1, "dosarium"), notConfiguration, false},
    {"EmptyFirstRecord", exampleWith(1, ""), notConfiguration, false},
    {"TrailingBlank", exampleWith(1, "DOSARIUM "), notConfiguration, false},
    {"EmptyFile", QByteArray(), notConfiguration, false},
    {"FirstLengthTooLong", exampleWithLength(1, 127), unreadable, false},
    {"ReagentLengthTooLong", exampleWithLength(2, 200), unreadable, false},
    {"VolumeLengthTooLong", exampleWithLength(4, 127), unreadable, true},
    {"ReagentOutOf16Bits", exampleWith(2, " 32768"), unreadable, false},
    {"ToolOutOf16Bits", exampleWith(5, "-40000"), unreadable, true},
    {"FlaskPositionOutOf16Bits", exampleWith(6, " 1E6"), unreadable, true},
    {"SamplePositionOutOf16Bits", exampleWith(7, " 99999"), unreadable, true},
    {"MassPositionOutOf32Bits", exampleWith(8, " 2147483648"), unreadable, true},
    {"MassOutOfReals", exampleWith(9, " 1E39"), unreadable, true},
    {"NumberOverflowsADouble", exampleWith(3, " 1E999"), unreadable, true},
    {"CutAfterRecordFive", exampleFile.left(5 * 128), unreadable, true},
    {"CutInsideRecordOne", exampleFile.left(5), unreadable, false},
};

} // namespace

INSTANTIATE_TEST_SUITE_P(Files, ConfigurationFileRejects, testing::ValuesIn(rejectCases),
                         dosarium::test::caseName);

TEST(ConfigurationFile, LastRecordWithoutItsPaddingStillReads)
{
    const QByteArray bytes = exampleFile.left(8 * 128 + 4);
    EXPECT_EQ(ConfigurationFile::decode(bytes).status, ConfigurationStatus::Read);
}

TEST(ConfigurationFile, ReadingAMissingFileFailsWithoutCreatingIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("absent.C05");
    EXPECT_EQ(ConfigurationFile::read(path).status, ConfigurationStatus::Unreadable);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(ConfigurationFile::read(dir.path()).status, ConfigurationStatus::Unreadable);
}

constexpr QFileDevice::Permissions everyone = QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                              QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                              QFileDevice::ReadOther | QFileDevice::ExeOther;

TEST(ConfigurationFile, ReadingAnUnreadableFileFails)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), everyone));
    const QString path = dir.filePath("ferme.C05");
    ASSERT_TRUE(ConfigurationFile::write(path, aceticAcidExample));
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::WriteOwner));
    const std::optional<bool> refused = dosarium::test::asOrdinaryUser([&] {
        return QFile(path).open(QIODevice::ReadOnly) == false &&
               ConfigurationFile::read(path).status == ConfigurationStatus::Unreadable;
    });
    if (!refused)
        GTEST_SKIP() << "no ordinary user to run the check as";
    EXPECT_TRUE(*refused);
}

TEST(ConfigurationFile, FailedWriteInAReadOnlyFolderLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ancien.C05");
    const QByteArray old = recordsBytes({"DOSARIUM", " 5"});
    ASSERT_TRUE(writeBytes(path, old));
    ASSERT_TRUE(QFile::setPermissions(path, everyone | QFileDevice::WriteOther));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), everyone));
    const std::optional<bool> failed = dosarium::test::asOrdinaryUser([&] {
        return access(QFile::encodeName(dir.path()).constData(), W_OK) != 0 &&
               !ConfigurationFile::write(path, aceticAcidExample) &&
               !ConfigurationFile::write(dir.filePath("nouveau.C05"), aceticAcidExample);
    });
    QFile::setPermissions(dir.path(), everyone | QFileDevice::WriteOwner);
    if (!failed)
        GTEST_SKIP() << "no ordinary user to run the check as";
    EXPECT_TRUE(*failed);
    EXPECT_EQ(readBytes(path), old);
    EXPECT_FALSE(QFile::exists(dir.filePath("nouveau.C05")));
}

TEST(ConfigurationFile, FailedWriteOfAReadOnlyFileLeavesItWhole)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), everyone | QFileDevice::WriteOwner |
                                                      QFileDevice::WriteOther));
    const QString path = dir.filePath("protege.C05");
    const QByteArray old = recordsBytes({"DOSARIUM", " 7"});
    ASSERT_TRUE(writeBytes(path, old));
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadOther));
    const std::optional<bool> failed = dosarium::test::asOrdinaryUser([&] {
        return access(QFile::encodeName(path).constData(), W_OK) != 0 &&
               !ConfigurationFile::write(path, aceticAcidExample);
    });
    QFile::setPermissions(dir.path(), everyone | QFileDevice::WriteOwner);
    if (!failed)
        GTEST_SKIP() << "no ordinary user to run the check as";
    EXPECT_TRUE(*failed);
    EXPECT_EQ(readBytes(path), old);
}

TEST(ConfigurationFile, WriteFailsOnAFullDevice)
{
    if (!QFile::exists("/dev/full"))
        GTEST_SKIP() << "/dev/full is not available";
    EXPECT_FALSE(ConfigurationFile::write("/dev/full", aceticAcidExample));
    EXPECT_TRUE(QFileInfo("/dev/full").exists());
    EXPECT_FALSE(QFileInfo("/dev/full").isFile());
}

TEST(ConfigurationFile, WriteFailsIntoAMissingFolder)
{
    QTemporaryDir dir;
    EXPECT_FALSE(ConfigurationFile::write(dir.filePath("absent/essai.C05"), aceticAcidExample));
}

#include "filebytes.h"
#include "files/safewrite.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dosarium;
using namespace dosarium::test;

namespace {

TEST(SafeWrite, ReplacesTheWholeFileAndLeavesNothingBeside)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("essai.RTF");
    ASSERT_TRUE(safeWrite(path, "{\\rtf1 un texte plus long}"));
    ASSERT_TRUE(safeWrite(path, "{\\rtf1 court}"));
    EXPECT_EQ(readBytes(path), QByteArray("{\\rtf1 court}"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"essai.RTF"});
}

TEST(SafeWrite, FailuresLeaveWhatWasThere)
{
    QTemporaryDir dir;
    EXPECT_FALSE(safeWrite(dir.filePath("absent/essai.rtf"), "x"));
    EXPECT_FALSE(safeWrite(dir.path(), "x"));
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());
    if (!QFileInfo::exists("/dev/full"))
        GTEST_SKIP() << "/dev/full is not available";
    // A full disk: the device is written in place, not replaced by a file renamed over it.
    EXPECT_FALSE(safeWrite("/dev/full", "x"));
    EXPECT_FALSE(QFileInfo("/dev/full").isFile());
    EXPECT_TRUE(QDir("/dev").entryList({"full.*"}, QDir::Files | QDir::Hidden).isEmpty());
}

} // namespace

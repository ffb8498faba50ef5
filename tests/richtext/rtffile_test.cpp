#include "filebytes.h"
#include "richtext/rtffile.h"
#include "rtftestsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace dosarium;
using namespace dosarium::test;

namespace {

// Whether this process is refused a file without read permission (root is not).
bool permissionsBite(const QString& path)
{
    QFile file(path);
    return !file.open(QIODevice::ReadOnly);
}

class RtfFile : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_doc.setPlainText("texte actuel");
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QTextDocument m_doc;
};

TEST_F(RtfFile, WritesAndReadsBack)
{
    QTextDocument written;
    written.setPlainText(QString::fromUtf8("Élève\ndeuxième ligne"));
    ASSERT_EQ(writeRtfFile(path("essai.RTF"), written), RtfFileStatus::Ok);
    EXPECT_TRUE(readBytes(path("essai.RTF")).startsWith("{\\rtf1"));
    ASSERT_EQ(readRtfFile(path("essai.RTF"), &m_doc), RtfFileStatus::Ok);
    EXPECT_EQ(blockText(m_doc), QString::fromUtf8("Élève\ndeuxième ligne"));

    written.setPlainText("remplace");
    ASSERT_EQ(writeRtfFile(path("essai.RTF"), written), RtfFileStatus::Ok);
    ASSERT_EQ(readRtfFile(path("essai.RTF"), &m_doc), RtfFileStatus::Ok);
    EXPECT_EQ(blockText(m_doc), "remplace");
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"essai.RTF"});
}

TEST_F(RtfFile, ReadFailuresLeaveTheDocument)
{
    EXPECT_EQ(readRtfFile(path("absent.rtf"), &m_doc), RtfFileStatus::Missing);
    EXPECT_EQ(readRtfFile(m_dir.path(), &m_doc), RtfFileStatus::Unreadable);
    ASSERT_TRUE(writeBytes(path("texte.rtf"), "Ceci n'est pas du RTF {\\rtf1 x}"));
    EXPECT_EQ(readRtfFile(path("texte.rtf"), &m_doc), RtfFileStatus::NotRtf);
    ASSERT_TRUE(writeBytes(path("vide.rtf"), ""));
    EXPECT_EQ(readRtfFile(path("vide.rtf"), &m_doc), RtfFileStatus::NotRtf);
    EXPECT_EQ(m_doc.toPlainText(), "texte actuel");
}

TEST_F(RtfFile, UnreadableFile)
{
    ASSERT_TRUE(writeBytes(path("ferme.rtf"), "{\\rtf1 secret}"));
    ASSERT_TRUE(QFile::setPermissions(path("ferme.rtf"), QFileDevice::WriteOwner));
    if (!permissionsBite(path("ferme.rtf")))
        GTEST_SKIP() << "this user reads files without read permission (root)";
    EXPECT_EQ(readRtfFile(path("ferme.rtf"), &m_doc), RtfFileStatus::Unreadable);
    EXPECT_EQ(m_doc.toPlainText(), "texte actuel");
}

TEST_F(RtfFile, FileAboveTheSizeLimitIsRefused)
{
    QFile big(path("gros.rtf"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write("{\\rtf1 ");
    // Sparse: no disk space is used for the hole.
    ASSERT_TRUE(big.resize(maxRtfFileSize + 1));
    big.close();
    EXPECT_EQ(readRtfFile(path("gros.rtf"), &m_doc), RtfFileStatus::TooLarge);
    EXPECT_EQ(m_doc.toPlainText(), "texte actuel");
}

TEST_F(RtfFile, TruncatedFileShowsWhatItHolds)
{
    const QByteArray whole = fixture("wordpad/enonce.rtf");
    ASSERT_FALSE(whole.isEmpty());
    const qsizetype cut = whole.indexOf("CuSO");
    ASSERT_GT(cut, 0);
    ASSERT_TRUE(writeBytes(path("coupe.rtf"), whole.left(cut + 2)));
    ASSERT_EQ(readRtfFile(path("coupe.rtf"), &m_doc), RtfFileStatus::Ok);
    EXPECT_TRUE(blockText(m_doc).startsWith(QString::fromUtf8("Préparation d'une solution\n\nOn")));
    EXPECT_TRUE(blockText(m_doc).endsWith("Cu"));
}

TEST_F(RtfFile, WriteFailures)
{
    EXPECT_EQ(writeRtfFile(path("absent/essai.rtf"), m_doc), RtfFileStatus::WriteFailed);
    EXPECT_EQ(writeRtfFile(m_dir.path(), m_doc), RtfFileStatus::WriteFailed);
    if (!QFile::exists("/dev/full"))
        GTEST_SKIP() << "/dev/full is not available";
    EXPECT_EQ(writeRtfFile("/dev/full", m_doc), RtfFileStatus::WriteFailed);
}

TEST_F(RtfFile, ReadOnlyFolderKeepsTheOldFile)
{
    const QString folder = path("protege");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString file = folder + "/essai.rtf";
    ASSERT_TRUE(writeBytes(file, "{\\rtf1 ancien}"));
    ASSERT_TRUE(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::ReadOwner));
    const bool bites = !QFile(folder + "/sonde").open(QIODevice::WriteOnly);
    QFile::remove(folder + "/sonde");
    const RtfFileStatus status = bites ? writeRtfFile(file, m_doc) : RtfFileStatus::Ok;
    const QByteArray after = readBytes(file);
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!bites)
        GTEST_SKIP() << "this user writes into read-only folders (root)";
    EXPECT_EQ(status, RtfFileStatus::WriteFailed);
    EXPECT_EQ(after, QByteArray("{\\rtf1 ancien}"));
}

} // namespace

#include "configurations/locationlistsmodel.h"
#include "unprivileged.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dosarium;

namespace {

void touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

QStringList names(const QList<DirectoryEntry>& entries)
{
    QStringList result;
    for (const DirectoryEntry& entry : entries)
        result << QStringLiteral("%1%2%3").arg(QString(entry.depth, u'>'), entry.open ? "+" : "",
                                               entry.name);
    return result;
}

class LocationListsModelTest : public ::testing::Test {
  protected:
    QTemporaryDir driveA;
    QTemporaryDir driveB;

    void SetUp() override
    {
        ASSERT_TRUE(QDir(driveA.path()).mkpath("tp/chimie"));
        ASSERT_TRUE(QDir(driveA.path()).mkpath("tp/Bilan"));
        ASSERT_TRUE(QDir(driveA.path()).mkpath("tp/archives.C05"));
        ASSERT_TRUE(QDir(driveB.path()).mkpath("cle"));
    }

    QList<Drive> drives() const { return {{"A", driveA.path()}, {"B", driveB.path()}}; }
    QString inA(const QString& path) const { return QDir(driveA.path()).filePath(path); }
};

} // namespace

TEST_F(LocationListsModelTest, ListsTheAncestorsThenTheSubdirectories)
{
    LocationListsModel model(drives(), inA("tp"), "*.C05");
    EXPECT_EQ(model.directory(), inA("tp"));
    EXPECT_EQ(model.currentDrive(), 0);
    EXPECT_EQ(names(model.directoryEntries()),
              QStringList({"+" + driveA.path(), ">+tp", ">>archives.C05", ">>Bilan", ">>chimie"}));
    EXPECT_EQ(model.directoryRow(), 1);
    EXPECT_EQ(model.directoryEntries()[3].path, inA("tp/Bilan"));
}

TEST_F(LocationListsModelTest, FilesMatchTheExtensionWhateverItsCase)
{
    for (const char* name : {"essai.C05", "b.c05", "Acide.C05", "note.txt", "x.C05.txt", "y.C050"})
        touch(inA(QString("tp/") + name));
    LocationListsModel model(drives(), inA("tp"), "*.C05");
    EXPECT_EQ(model.files(), QStringList({"Acide.C05", "b.c05", "essai.C05"}));
    EXPECT_EQ(model.filePath("b.c05"), inA("tp/b.c05"));
    model.setPattern("*.E12");
    EXPECT_TRUE(model.files().isEmpty());
}

TEST_F(LocationListsModelTest, ADirectoryThatCannotBeEnteredLeavesTheListsWhereTheyWere)
{
    LocationListsModel model(drives(), inA("tp"), "*.C05");
    EXPECT_FALSE(model.setDirectory(inA("tp/absent")));
    EXPECT_FALSE(model.setDirectory(""));
    touch(inA("tp/fichier"));
    EXPECT_FALSE(model.setDirectory(inA("tp/fichier")));
    EXPECT_EQ(model.directory(), inA("tp"));
    EXPECT_TRUE(model.setDirectory(inA("tp/chimie/..")));
    EXPECT_EQ(model.directory(), inA("tp"));
}

TEST_F(LocationListsModelTest, DrivesRememberTheirLastDirectory)
{
    LocationListsModel model(drives(), inA("tp/chimie"), "*.C05");
    EXPECT_TRUE(model.chooseDrive(1));
    EXPECT_EQ(model.directory(), QDir::cleanPath(driveB.path()));
    EXPECT_EQ(model.currentDrive(), 1);
    EXPECT_TRUE(model.chooseDrive(0));
    EXPECT_EQ(model.directory(), inA("tp/chimie"));
    EXPECT_FALSE(model.chooseDrive(0));
    EXPECT_FALSE(model.chooseDrive(5));
    EXPECT_FALSE(model.chooseDrive(-1));
}

TEST_F(LocationListsModelTest, AVolumeMountedInsideAnotherIsItsOwnDrive)
{
    const QList<Drive> nested = {{"racine", driveA.path()}, {"cle", inA("tp")}};
    LocationListsModel model(nested, inA("tp/chimie"), "*.C05");
    EXPECT_EQ(model.currentDrive(), 1);
    EXPECT_EQ(names(model.directoryEntries()).first(), "+" + inA("tp"));
    EXPECT_TRUE(model.setDirectory(driveA.path()));
    EXPECT_EQ(model.currentDrive(), 0);
}

TEST_F(LocationListsModelTest, AnUnreadableDriveActsAsNotReady)
{
    const QString locked = QDir(driveB.path()).filePath("verrou");
    ASSERT_TRUE(QDir().mkpath(locked));
    ASSERT_TRUE(QFile::setPermissions(
        driveA.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther |
                           QFileDevice::ExeOther | QFileDevice::WriteOwner));
    ASSERT_TRUE(QFile::setPermissions(
        driveB.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther |
                           QFileDevice::ExeOther | QFileDevice::WriteOwner));
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::Permissions()));
    const QString start = inA("tp");
    const std::optional<bool> stayed = dosarium::test::asOrdinaryUser([&] {
        LocationListsModel model({{"A", driveA.path()}, {"verrou", locked}}, start, "*.C05");
        return !model.chooseDrive(1) && model.directory() == start && model.currentDrive() == 0;
    });
    QFile::setPermissions(locked,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!stayed)
        GTEST_SKIP() << "no ordinary user to run the check as";
    EXPECT_TRUE(*stayed);
}

TEST_F(LocationListsModelTest, StartsOnTheFirstDriveWhenTheDirectoryIsMissing)
{
    LocationListsModel model(drives(), inA("nulle/part"), "*.C05");
    EXPECT_EQ(model.directory(), QDir::cleanPath(driveA.path()));
}

TEST(LocationListsModelDrives, TheRootIsListedOnceAndFirstWhateverTheMountTableSays)
{
    const auto roots = [](const QList<Drive>& drives) {
        QStringList paths;
        for (const Drive& drive : drives)
            paths.append(drive.rootPath);
        return paths;
    };
    // A container or a chroot whose mount table lists nothing usable.
    EXPECT_EQ(roots(LocationListsModel::withRootFirst({})), QStringList{"/"});
    EXPECT_EQ(roots(LocationListsModel::withRootFirst({{"/mnt/b", "/mnt/b"}, {"/home", "/home"}})),
              QStringList({"/", "/home", "/mnt/b"}));
    const QList<Drive> named =
        LocationListsModel::withRootFirst({{"/home", "/home"}, {"/ [systeme]", "/"}});
    EXPECT_EQ(roots(named), QStringList({"/", "/home"}));
    EXPECT_EQ(named.first().name, "/ [systeme]");
}

TEST(LocationListsModelDrives, TheRootComesFirst)
{
    const QList<Drive> drives = LocationListsModel::mountedDrives();
    ASSERT_FALSE(drives.isEmpty());
    EXPECT_EQ(drives.first().rootPath, "/");
    for (const Drive& drive : drives)
        EXPECT_TRUE(QFileInfo(drive.rootPath).isDir()) << drive.rootPath.toStdString();
}

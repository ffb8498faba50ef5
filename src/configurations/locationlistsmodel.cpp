#include "configurations/locationlistsmodel.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace dosarium {

namespace {

QString cleanPath(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool isUnder(const QString& path, const QString& root)
{
    if (root == u"/")
        return path.startsWith(u'/');
    return path == root || path.startsWith(root + u'/');
}

bool canList(const QString& path)
{
    const QFileInfo info(path);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

} // namespace

LocationListsModel::LocationListsModel(QList<Drive> drives, const QString& directory,
                                       const QString& pattern)
    : m_drives(std::move(drives)), m_pattern(pattern)
{
    for (Drive& drive : m_drives)
        drive.rootPath = cleanPath(drive.rootPath);
    if (!setDirectory(directory) && !m_drives.isEmpty())
        setDirectory(m_drives.first().rootPath);
}

QList<Drive> LocationListsModel::mountedDrives()
{
    QList<Drive> drives;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !QFileInfo(volume.rootPath()).isDir())
            continue;
        Drive drive;
        drive.rootPath = volume.rootPath();
        drive.name = volume.name().isEmpty()
                         ? drive.rootPath
                         : QStringLiteral("%1 [%2]").arg(drive.rootPath, volume.name());
        drives.append(drive);
    }
    return withRootFirst(std::move(drives));
}

QList<Drive> LocationListsModel::withRootFirst(QList<Drive> drives)
{
    const QString root = QStringLiteral("/");
    const bool listed = std::any_of(drives.cbegin(), drives.cend(),
                                    [&root](const Drive& drive) { return drive.rootPath == root; });
    if (!listed)
        drives.append({root, root});
    std::sort(drives.begin(), drives.end(), [](const Drive& a, const Drive& b) {
        if ((a.rootPath == u"/") != (b.rootPath == u"/"))
            return a.rootPath == u"/";
        return a.rootPath < b.rootPath;
    });
    return drives;
}

int LocationListsModel::driveOf(const QString& path) const
{
    int found = -1;
    for (int i = 0; i < m_drives.size(); ++i) {
        const QString& root = m_drives[i].rootPath;
        if (isUnder(path, root) && (found < 0 || root.size() > m_drives[found].rootPath.size()))
            found = i;
    }
    return found;
}

int LocationListsModel::currentDrive() const
{
    return driveOf(m_directory);
}

QList<DirectoryEntry> LocationListsModel::directoryEntries() const
{
    QList<DirectoryEntry> entries;
    const int drive = currentDrive();
    const QString root = drive >= 0 ? m_drives[drive].rootPath : QStringLiteral("/");
    entries.append({root, root, 0, true});

    QString path = root;
    int depth = 0;
    for (const QString& part : m_directory.mid(root.size()).split(u'/', Qt::SkipEmptyParts)) {
        path = path.endsWith(u'/') ? path + part : path + u'/' + part;
        entries.append({part, path, ++depth, true});
    }

    const QDir directory(m_directory);
    const QStringList children =
        directory.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& child : children)
        entries.append({child, directory.filePath(child), depth + 1, false});
    return entries;
}

int LocationListsModel::directoryRow() const
{
    const int drive = currentDrive();
    const QString root = drive >= 0 ? m_drives[drive].rootPath : QStringLiteral("/");
    return int(m_directory.mid(root.size()).split(u'/', Qt::SkipEmptyParts).size());
}

QStringList LocationListsModel::files() const
{
    QDir directory(m_directory);
    directory.setNameFilters({m_pattern});
    return directory.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
}

QString LocationListsModel::filePath(const QString& name) const
{
    return QDir(m_directory).filePath(name);
}

bool LocationListsModel::setDirectory(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QString target = cleanPath(path);
    if (!canList(target))
        return false;
    m_directory = target;
    const int drive = driveOf(target);
    if (drive >= 0)
        m_lastDirectoryOnDrive.insert(m_drives[drive].rootPath, target);
    return true;
}

bool LocationListsModel::chooseDrive(int index)
{
    if (index < 0 || index >= m_drives.size())
        return false;
    const QString root = m_drives[index].rootPath;
    const QString last = m_lastDirectoryOnDrive.value(root, root);
    const QString before = m_directory;
    if (!setDirectory(last) && !setDirectory(root))
        return false;
    return m_directory != before;
}

} // namespace dosarium

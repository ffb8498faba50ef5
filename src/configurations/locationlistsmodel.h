// What the drive, directory and file lists show and how they follow each other, kept apart
// from their widgets.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace dosarium {

struct Drive {
    QString name;     // as the drive list shows it
    QString rootPath; // absolute, without a trailing "/" except for the root itself
};

struct DirectoryEntry {
    QString name;
    QString path;
    int depth = 0;
    bool open = false; // the directory itself or one of its ancestors
};

class LocationListsModel {
  public:
    // The lists start at `directory` (or, when it cannot be read, at the first drive).
    LocationListsModel(QList<Drive> drives, const QString& directory, const QString& pattern);

    // The mounted volumes, the root first; one that cannot be read stays listed and acts as a
    // drive that is not ready.
    static QList<Drive> mountedDrives();
    // Sorts volumes for the drive list, the root first; the root is added when the mount table
    // left it out, as in a container or a chroot.
    static QList<Drive> withRootFirst(QList<Drive> drives);

    const QList<Drive>& drives() const { return m_drives; }
    // The drive holding the directory, -1 when none of the drives does.
    int currentDrive() const;
    const QString& directory() const { return m_directory; }
    const QString& pattern() const { return m_pattern; }

    // The drive's root, the ancestors down to the directory, then its subdirectories.
    QList<DirectoryEntry> directoryEntries() const;
    int directoryRow() const;
    // The names in the directory matching the pattern, extension case ignored, sorted.
    QStringList files() const;
    QString filePath(const QString& name) const;

    // Goes to a directory; false, with nothing changed, when it is missing or cannot be read.
    bool setDirectory(const QString& path);
    // Goes to the directory last used on the drive (its root at first); a drive that is not
    // ready leaves everything where it was. Returns whether the directory changed.
    bool chooseDrive(int index);
    void setPattern(const QString& pattern) { m_pattern = pattern; }

  private:
    int driveOf(const QString& path) const;

    QList<Drive> m_drives;
    QString m_directory;
    QString m_pattern;
    QHash<QString, QString> m_lastDirectoryOnDrive;
};

} // namespace dosarium

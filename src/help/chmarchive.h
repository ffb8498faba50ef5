// Read-only access to a compiled HTML help file (CHM) through chmlib.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

struct chmFile;

namespace dosarium {

class ChmArchive {
  public:
    enum class OpenResult { Opened, Missing, Unreadable };

    ChmArchive() = default;
    ~ChmArchive();
    ChmArchive(const ChmArchive&) = delete;
    ChmArchive& operator=(const ChmArchive&) = delete;

    // Opens the file, closing any file opened before. Unreadable covers a folder, a file the user
    // may not read, and a file that is not a CHM archive or is cut short in its headers.
    OpenResult open(const QString& path);
    void close();
    bool isOpen() const { return m_file != nullptr; }
    QString path() const { return m_path; }

    // Names inside the archive are absolute ("/page.html"); a name without the leading "/" is
    // taken from the root. Nothing is returned for a missing object or one that cannot be read
    // in full.
    std::optional<QByteArray> read(const QString& name) const;
    bool contains(const QString& name) const;
    // The archive's own files, without chmlib's internal objects ("#..." and "$..." and "::...").
    QStringList fileNames() const;

    // From the archive's system record; the contents and index fall back on the first ".hhc" and
    // ".hhk" file found when the record does not name them. Each name starts with "/".
    QString contentsFile() const { return m_contentsFile; }
    QString indexFile() const { return m_indexFile; }
    QString defaultTopic() const { return m_defaultTopic; }
    QString title() const { return m_title; }

    static QString normalisedName(const QString& name);

  private:
    void readSystemRecord();

    chmFile* m_file = nullptr;
    QString m_path;
    QString m_contentsFile;
    QString m_indexFile;
    QString m_defaultTopic;
    QString m_title;
};

} // namespace dosarium

#include "workbench/markerfile.h"

#include "configurations/recordfile.h"

#include <QDir>

namespace dosarium {

MarkerFile::MarkerFile(const QString& applicationDirectory)
    : m_path(QDir(applicationDirectory).filePath(QString::fromLatin1(fileName)))
{}

bool MarkerFile::markOpen() const
{
    return RecordFile::writeRecord(m_path, record, QStringLiteral("OUI"));
}

bool MarkerFile::markClosed() const
{
    return RecordFile::writeRecord(m_path, record, QStringLiteral("NON"));
}

} // namespace dosarium

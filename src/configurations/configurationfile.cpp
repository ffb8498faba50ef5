#include "configurations/configurationfile.h"

#include "configurations/recordfile.h"
#include "files/safewrite.h"

#include <QFile>
#include <QFileInfo>

namespace dosarium {

const QString ConfigurationFile::identification = QStringLiteral("DOSARIUM");
const QString ConfigurationFile::extension = QStringLiteral(".C05");

namespace {

constexpr qint64 fileSize = qint64(ConfigurationFile::recordCount) * RecordFile::recordSize;

} // namespace

ConfigurationReading ConfigurationFile::read(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(fileSize);
    if (file.error() != QFileDevice::NoError)
        return {};
    return decode(bytes);
}

bool ConfigurationFile::write(const QString& path, const ConfigurationValues& values)
{
    return safeWrite(path, encode(values));
}

} // namespace dosarium

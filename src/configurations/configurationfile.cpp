#include "configurations/configurationfile.h"

#include "configurations/recordfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
    const QByteArray bytes = encode(values);
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir()) {
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly))
            return false;
        const bool written = device.write(bytes) == bytes.size() && device.flush();
        device.close();
        return written && device.error() == QFileDevice::NoError;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace dosarium

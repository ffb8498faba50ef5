#include "files/safewrite.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace dosarium {

bool safeWrite(const QString& path, const QByteArray& bytes)
{
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir()) {
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly))
            return false;
        const bool written = device.write(bytes) == bytes.size() && device.flush();
        device.close();
        return written && device.error() == QFileDevice::NoError;
    }
    // QSaveFile refuses a folder and an existing file the user may not write, and drops its
    // temporary file unless the commit renames it over the old one.
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace dosarium

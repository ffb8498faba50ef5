// Configuration files written record by record, as an editor or another program could leave them.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

namespace dosarium::test {

// One 128-byte record holding `text`, its length in the first byte.
inline QByteArray recordBytes(const QByteArray& text)
{
    QByteArray bytes(128, '\0');
    bytes[0] = char(text.size());
    bytes.replace(2, text.size(), text);
    return bytes;
}

inline bool writeRecords(const QString& path, const QList<QByteArray>& texts)
{
    QByteArray bytes;
    for (const QByteArray& text : texts)
        bytes += recordBytes(text);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace dosarium::test

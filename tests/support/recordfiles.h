// Record files written record by record, as an editor or another program could leave them.
#pragma once

#include "filebytes.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace dosarium::test {

// One 128-byte record holding `text`, its length in the first two bytes, low byte first.
inline QByteArray recordBytes(const QByteArray& text)
{
    QByteArray bytes(128, '\0');
    bytes[0] = char(text.size() & 0xff);
    bytes[1] = char(text.size() >> 8);
    bytes.replace(2, text.size(), text);
    return bytes;
}

// One record after the other, a record for each of `texts`.
inline QByteArray recordsBytes(const QList<QByteArray>& texts)
{
    QByteArray bytes;
    for (const QByteArray& text : texts)
        bytes += recordBytes(text);
    return bytes;
}

inline bool writeRecords(const QString& path, const QList<QByteArray>& texts)
{
    return writeBytes(path, recordsBytes(texts));
}

} // namespace dosarium::test

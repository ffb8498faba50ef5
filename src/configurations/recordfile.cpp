#include "configurations/recordfile.h"

#include "codepage/windows1252.h"

#include <QFile>

namespace dosarium {

QByteArray RecordFile::encodeRecord(const QString& text)
{
    QByteArray bytes = windows1252::encode(text);
    bytes.truncate(maxTextLength);
    QByteArray record(recordSize, '\0');
    record[0] = char(bytes.size() & 0xff);
    record[1] = char((bytes.size() >> 8) & 0xff);
    record.replace(2, bytes.size(), bytes);
    return record;
}

std::optional<QString> RecordFile::decodeRecord(const QByteArray& record)
{
    if (record.size() < 2)
        return std::nullopt;
    const int length = quint8(record[0]) | (quint8(record[1]) << 8);
    if (length > maxTextLength || record.size() < 2 + length)
        return std::nullopt;
    return windows1252::decode(QByteArrayView(record).sliced(2, length));
}

std::optional<QString> RecordFile::readRecord(const QString& path, int number)
{
    if (number < 1)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (!file.seek(qint64(number - 1) * recordSize))
        return std::nullopt;
    return decodeRecord(file.read(recordSize));
}

bool RecordFile::writeRecord(const QString& path, int number, const QString& text)
{
    if (number < 1)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    if (!file.seek(qint64(number - 1) * recordSize))
        return false;
    const QByteArray record = encodeRecord(text);
    return file.write(record) == record.size() && file.flush();
}

} // namespace dosarium

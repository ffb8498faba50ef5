// Files of fixed 128-byte records, each a 16-bit little-endian length and that many Windows-1252
// bytes.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace dosarium {

class RecordFile {
  public:
    static constexpr int recordSize = 128;
    static constexpr int maxTextLength = recordSize - 2;

    // Encodes one record: the text in Windows-1252, cut to 126 bytes, padded with zero bytes.
    static QByteArray encodeRecord(const QString& text);
    // Decodes one record; nothing when it is short or its length is above 126.
    static std::optional<QString> decodeRecord(const QByteArray& record);

    // Reads record `number` (1-based) of the file; nothing when it is missing or malformed.
    static std::optional<QString> readRecord(const QString& path, int number);
    // Writes record `number` (1-based), leaving the others untouched; creates the file when
    // missing.
    static bool writeRecord(const QString& path, int number, const QString& text);
};

} // namespace dosarium

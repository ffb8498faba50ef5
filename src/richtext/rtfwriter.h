// Writes a QTextDocument as RTF that word processors open with the same text and formats.
#pragma once

#include <QByteArray>

class QTextDocument;

namespace dosarium {

class RtfWriter {
  public:
    // The whole document: font and colour tables, character and paragraph formats, tables and
    // pictures (as PNG). Text is in Windows-1252 (\'hh) with \uN for the other characters.
    static QByteArray write(const QTextDocument& doc);
};

} // namespace dosarium

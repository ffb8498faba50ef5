// Reads RTF into a QTextDocument: the character and paragraph formats, tables and pictures that
// statements written with a word processor use. Unknown destinations are skipped.
#pragma once

#include <QByteArray>
#include <QString>

class QTextCursor;
class QTextDocument;

namespace dosarium {

class RtfReader {
  public:
    // Deeper groups are read as if they were skipped destinations.
    static constexpr int maxGroupDepth = 200;
    // Picture data beyond this many bytes drops the picture.
    static constexpr qsizetype maxPictureBytes = 32 * 1024 * 1024;
    // Pictures larger than this many pixels are not decoded.
    static constexpr qint64 maxPicturePixels = 6000LL * 6000LL;
    // Further cells of a row go into its last cell.
    static constexpr int maxTableColumns = 63;
    // A table with more rows goes on as a further table.
    static constexpr int maxTableRows = 500;

    // True when the data starts as an RTF file does ("{\rtf", after blanks).
    static bool isRtf(const QByteArray& data);

    // Replaces the content of `doc` with the RTF text. When the data is not RTF the document is
    // left untouched, false is returned and `error` says why. Damaged RTF (unbalanced braces, a
    // truncated file) is read as far as it goes.
    static bool read(const QByteArray& rtf, QTextDocument* doc, QString* error = nullptr);

    // Inserts the RTF text at the cursor, which ends after the inserted text.
    static bool insert(const QByteArray& rtf, QTextCursor& cursor, QString* error = nullptr);
};

} // namespace dosarium

// RTF files on disk: read into and written from a QTextDocument, with the reason of a failure.
#pragma once

#include <QString>

class QTextDocument;

namespace dosarium {

enum class RtfFileStatus {
    Ok,
    Missing,     // no file at that path
    Unreadable,  // a folder, no permission, a read error
    TooLarge,    // above maxRtfFileSize
    NotRtf,      // the file does not start as RTF
    WriteFailed, // the folder or the disk refused the bytes
};

inline constexpr qint64 maxRtfFileSize = 256LL * 1024 * 1024;

// Replaces the content of `doc`; on failure the document is left as it was.
RtfFileStatus readRtfFile(const QString& path, QTextDocument* doc);
// Writes the whole document; an existing file is replaced only when every byte was written.
RtfFileStatus writeRtfFile(const QString& path, const QTextDocument& doc);

} // namespace dosarium

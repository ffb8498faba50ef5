#include "richtext/rtffile.h"

#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace dosarium {

RtfFileStatus readRtfFile(const QString& path, QTextDocument* doc)
{
    const QFileInfo info(path);
    if (!info.exists())
        return RtfFileStatus::Missing;
    if (info.isDir())
        return RtfFileStatus::Unreadable;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return RtfFileStatus::Unreadable;
    if (file.size() > maxRtfFileSize)
        return RtfFileStatus::TooLarge;
    const QByteArray data = file.read(maxRtfFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return RtfFileStatus::Unreadable;
    if (data.size() > maxRtfFileSize)
        return RtfFileStatus::TooLarge;
    if (!RtfReader::read(data, doc))
        return RtfFileStatus::NotRtf;
    return RtfFileStatus::Ok;
}

namespace {

bool writeAll(QFileDevice& file, const QByteArray& data)
{
    return file.write(data) == data.size() && file.flush();
}

} // namespace

RtfFileStatus writeRtfFile(const QString& path, const QTextDocument& doc)
{
    const QByteArray data = RtfWriter::write(doc);
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        // Devices and the like are written in place: there is nothing to rename over.
        if (info.isDir())
            return RtfFileStatus::WriteFailed;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !writeAll(file, data))
            return RtfFileStatus::WriteFailed;
        file.close();
        return file.error() == QFileDevice::NoError ? RtfFileStatus::Ok
                                                    : RtfFileStatus::WriteFailed;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !writeAll(file, data) || !file.commit())
        return RtfFileStatus::WriteFailed;
    return RtfFileStatus::Ok;
}

} // namespace dosarium

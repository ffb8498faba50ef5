// Feeds arbitrary bytes to the RTF reader, then writes the document and reads it back.
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray rtf(reinterpret_cast<const char*>(data), qsizetype(size));
    QTextDocument doc;
    if (!dosarium::RtfReader::read(rtf, &doc))
        return 0;
    const QByteArray written = dosarium::RtfWriter::write(doc);
    QTextDocument again;
    if (!dosarium::RtfReader::read(written, &again))
        std::abort();
    return 0;
}

#include "richtext/rtfcodec.h"

#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

namespace dosarium {

bool RtfCodec::decode(const QByteArray& data, QTextDocument& document)
{
    return RtfReader::read(data, &document);
}

QByteArray RtfCodec::encode(const QTextDocument& document)
{
    return RtfWriter::write(document);
}

} // namespace dosarium

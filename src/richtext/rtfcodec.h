// Exercise texts as RTF files, through the program's RTF reader and writer.
#pragma once

#include "richtext/richtextcodec.h"

namespace dosarium {

class RtfCodec : public RichTextCodec {
  public:
    bool decode(const QByteArray& data, QTextDocument& document) override;
    QByteArray encode(const QTextDocument& document) override;
};

} // namespace dosarium

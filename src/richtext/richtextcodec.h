// Turning the bytes of a rich-text file into a document and back.
#pragma once

#include <QByteArray>

class QTextDocument;

namespace dosarium {

class RichTextCodec {
  public:
    virtual ~RichTextCodec() = default;
    // Replaces the content of the document; false, with the document untouched, when the data
    // is not rich text.
    virtual bool decode(const QByteArray& data, QTextDocument& document) = 0;
    virtual QByteArray encode(const QTextDocument& document) = 0;
};

} // namespace dosarium

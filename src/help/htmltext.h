// Text of the HTML sources inside a help file: byte decoding and character references.
#pragma once

#include <QByteArray>
#include <QString>

namespace dosarium {

// UTF-8 when the bytes say so (a byte-order mark or a charset declaration) or when they are valid
// UTF-8; otherwise Windows-1252, the code page older help files are written in.
QString decodeHtmlBytes(const QByteArray& bytes);

// Replaces the character references of an attribute value (&amp; &#233; &#xE9; and the common
// named ones); an unknown or malformed reference is kept as written.
QString decodeCharacterReferences(const QString& text);

} // namespace dosarium

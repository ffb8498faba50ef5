// Windows code pages as RTF names them (\ansicpg, \fcharset, \cpg).
#pragma once

#include <QByteArray>

namespace dosarium::codepage {

// Windows-1252 byte to UTF-16, without a decoder: most RTF text is in this code page.
char16_t fromWindows1252(unsigned char byte);
// The Windows-1252 byte of a character, or -1 when the code page has none.
int toWindows1252(char16_t ch);

// The decoder name of a Windows code page number; empty when unknown.
QByteArray decoderName(int codePage);
// The code page of an \fcharset value; 0 when the font follows the document's code page
// (default and symbol charsets).
int forCharset(int charset);

} // namespace dosarium::codepage

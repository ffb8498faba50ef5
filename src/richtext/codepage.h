// Windows code pages as RTF names them (\ansicpg, \fcharset, \cpg), for the decoders of the code
// pages other than Windows-1252.
#pragma once

#include <QByteArray>

namespace dosarium::codepage {

// The decoder name of a Windows code page number; empty when unknown.
QByteArray decoderName(int codePage);
// The code page of an \fcharset value; 0 when the font follows the document's code page
// (default and symbol charsets).
int forCharset(int charset);

} // namespace dosarium::codepage

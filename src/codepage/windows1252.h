// Windows-1252, the code page of the record files, of RTF text and of older help pages, read and
// written by a fixed table: the same on every machine, whatever converters the system offers.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace dosarium::windows1252 {

// The character of a byte. The five bytes the code page leaves undefined stand for the C1
// controls of the same number, as Windows reads them.
char16_t toUnicode(unsigned char byte);
// The byte of a character, or -1 when the code page has none.
int fromUnicode(char16_t ch);

QString decode(QByteArrayView bytes);
// A character the code page lacks is written as one SUB byte (0x1A), a pair of surrogates
// included.
QByteArray encode(QStringView text);

} // namespace dosarium::windows1252

#include "codepage/windows1252.h"

namespace dosarium::windows1252 {
namespace {

// 0x80 to 0x9F.
constexpr char16_t highControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char substitute = 0x1A;

} // namespace

char16_t toUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return highControls[byte - 0x80];
    return byte;
}

int fromUnicode(char16_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return ch;
    for (int i = 0; i < 32; ++i) {
        if (highControls[i] == ch)
            return 0x80 + i;
    }
    return -1;
}

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(toUnicode(static_cast<unsigned char>(byte)));
    return text;
}

QByteArray encode(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        const int byte = fromUnicode(ch.unicode());
        bytes.append(byte < 0 ? substitute : char(byte));
    }
    return bytes;
}

} // namespace dosarium::windows1252

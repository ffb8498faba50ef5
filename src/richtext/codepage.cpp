#include "richtext/codepage.h"

namespace dosarium::codepage {

QByteArray decoderName(int codePage)
{
    switch (codePage) {
    case 437:
    case 850:
    case 852:
    case 855:
    case 857:
    case 860:
    case 861:
    case 862:
    case 863:
    case 864:
    case 865:
    case 866:
    case 869:
        return "IBM" + QByteArray::number(codePage);
    case 874:
        return "windows-874";
    case 932:
        return "Shift_JIS";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    case 1250:
    case 1251:
    case 1252:
    case 1253:
    case 1254:
    case 1255:
    case 1256:
    case 1257:
    case 1258:
        return "windows-" + QByteArray::number(codePage);
    case 10000:
        return "macintosh";
    case 20866:
        return "KOI8-R";
    case 21866:
        return "KOI8-U";
    case 28591:
        return "ISO-8859-1";
    case 28605:
        return "ISO-8859-15";
    case 65001:
        return "UTF-8";
    default:
        return {};
    }
}

int forCharset(int charset)
{
    switch (charset) {
    case 0:
        return 1252;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 255:
        return 437;
    default:
        return 0;
    }
}

} // namespace dosarium::codepage

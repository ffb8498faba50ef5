#include "help/htmltext.h"

#include "codepage/windows1252.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace dosarium {

namespace {

QString declaredCharset(const QByteArray& bytes)
{
    static const QRegularExpression charset(
        QStringLiteral("charset\\s*=\\s*[\"']?([A-Za-z0-9_-]+)"),
        QRegularExpression::CaseInsensitiveOption);
    const QString head = QString::fromLatin1(bytes.left(2048));
    const QRegularExpressionMatch match = charset.match(head);
    return match.hasMatch() ? match.captured(1).toLower() : QString();
}

struct NamedReference {
    const char* name;
    char16_t character;
};

constexpr NamedReference kNamedReferences[] = {
    {"amp", u'&'},       {"lt", u'<'},     {"gt", u'>'},     {"quot", u'"'},   {"apos", u'\''},
    {"nbsp", u'\u00a0'}, {"eacute", u'é'}, {"egrave", u'è'}, {"ecirc", u'ê'},  {"agrave", u'à'},
    {"acirc", u'â'},     {"ccedil", u'ç'}, {"ocirc", u'ô'},  {"ucirc", u'û'},  {"ugrave", u'ù'},
    {"icirc", u'î'},     {"iuml", u'ï'},   {"euml", u'ë'},   {"Eacute", u'É'}, {"Egrave", u'È'},
    {"Agrave", u'À'},    {"Ccedil", u'Ç'}, {"oelig", u'œ'},  {"laquo", u'«'},  {"raquo", u'»'},
    {"middot", u'·'},    {"deg", u'°'},    {"permil", u'‰'},
};

} // namespace

QString decodeHtmlBytes(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    const QString charset = declaredCharset(bytes);
    if (charset == QLatin1String("utf-8") || charset == QLatin1String("utf8"))
        return QString::fromUtf8(bytes);
    if (!charset.isEmpty())
        return windows1252::decode(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return windows1252::decode(bytes);
}

QString decodeCharacterReferences(const QString& text)
{
    if (!text.contains(QLatin1Char('&')))
        return text;
    QString result;
    result.reserve(text.size());
    qsizetype at = 0;
    while (at < text.size()) {
        const QChar c = text.at(at);
        const qsizetype end = c == QLatin1Char('&') ? text.indexOf(QLatin1Char(';'), at) : -1;
        if (end < 0 || end - at > 10) {
            result.append(c);
            ++at;
            continue;
        }
        const QString body = text.mid(at + 1, end - at - 1);
        bool decoded = false;
        if (body.startsWith(QLatin1Char('#'))) {
            bool ok = false;
            const bool hex = body.size() > 1 &&
                             (body.at(1) == QLatin1Char('x') || body.at(1) == QLatin1Char('X'));
            const uint code = hex ? body.mid(2).toUInt(&ok, 16) : body.mid(1).toUInt(&ok, 10);
            if (ok && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF)) {
                result.append(QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1));
                decoded = true;
            }
        } else {
            for (const NamedReference& named : kNamedReferences) {
                if (body == QLatin1String(named.name)) {
                    result.append(QChar(named.character));
                    decoded = true;
                    break;
                }
            }
        }
        if (decoded) {
            at = end + 1;
        } else {
            result.append(c);
            ++at;
        }
    }
    return result;
}

} // namespace dosarium

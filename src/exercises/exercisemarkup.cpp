#include "exercises/exercisemarkup.h"

#include "codepage/windows1252.h"

#include <QRegularExpression>
#include <QStringList>

namespace dosarium::ExerciseMarkup {
namespace {

enum class BlockKind { Title, Heading, Item, NumberedItem, Paragraph };

struct Block {
    BlockKind kind;
    QString text;
};

QList<Block> blocks(const QString& markup)
{
    static const QRegularExpression numbered(QStringLiteral("^\\d+\\. "));
    QList<Block> result;
    QString paragraph;
    const auto flush = [&] {
        if (!paragraph.isEmpty())
            result.append({BlockKind::Paragraph, paragraph});
        paragraph.clear();
    };
    for (const QString& rawLine : markup.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty()) {
            flush();
        } else if (line.startsWith(QLatin1String("## "))) {
            flush();
            result.append({BlockKind::Heading, line.mid(3)});
        } else if (line.startsWith(QLatin1String("# "))) {
            flush();
            result.append({BlockKind::Title, line.mid(2)});
        } else if (line.startsWith(QLatin1String("- "))) {
            flush();
            result.append({BlockKind::Item, line.mid(2)});
        } else if (numbered.match(line).hasMatch()) {
            flush();
            result.append({BlockKind::NumberedItem, line});
        } else {
            if (!paragraph.isEmpty())
                paragraph += QLatin1Char(' ');
            paragraph += line;
        }
    }
    flush();
    return result;
}

QByteArray escaped(QStringView text)
{
    QByteArray out;
    for (const QChar ch : text) {
        const char16_t code = ch.unicode();
        if (code == '\\' || code == '{' || code == '}') {
            out += '\\';
            out += char(code);
        } else if (code < 0x80) {
            out += char(code);
        } else {
            const int byte = windows1252::fromUnicode(code);
            if (byte >= 0) {
                out += "\\'" + QByteArray::number(byte, 16).rightJustified(2, '0');
            } else {
                out += "\\u" + QByteArray::number(qint16(code)) + '?';
            }
        }
    }
    return out;
}

// The inline signs: ** bold, * italic, ^{ } raised, _{ } lowered.
QByteArray inlineRtf(const QString& text)
{
    QByteArray out;
    bool bold = false;
    bool italic = false;
    int plainStart = 0;
    const auto plain = [&](int end) {
        out += escaped(QStringView(text).mid(plainStart, end - plainStart));
    };
    for (int i = 0; i < text.size();) {
        if (text.mid(i, 2) == QLatin1String("**")) {
            plain(i);
            bold = !bold;
            out += bold ? "{\\b " : "}";
            i += 2;
        } else if (text[i] == QLatin1Char('*')) {
            plain(i);
            italic = !italic;
            out += italic ? "{\\i " : "}";
            i += 1;
        } else if ((text[i] == QLatin1Char('^') || text[i] == QLatin1Char('_')) &&
                   text.mid(i + 1, 1) == QLatin1String("{") &&
                   text.indexOf(QLatin1Char('}'), i + 2) > 0) {
            plain(i);
            const int close = text.indexOf(QLatin1Char('}'), i + 2);
            out += text[i] == QLatin1Char('^') ? "{\\super " : "{\\sub ";
            out += escaped(QStringView(text).mid(i + 2, close - i - 2));
            out += "}";
            i = close + 1;
        } else {
            ++i;
            continue;
        }
        plainStart = i;
    }
    plain(int(text.size()));
    // A sign left open closes at the end of its line.
    if (bold)
        out += "}";
    if (italic)
        out += "}";
    return out;
}

} // namespace

QByteArray toRtf(const QString& markup)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"
                     "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
                     "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue200;}\n";
    for (const Block& block : blocks(markup)) {
        switch (block.kind) {
        case BlockKind::Title:
            rtf += "\\pard\\qc\\sb60\\sa120\\f0\\fs28\\cf2\\b " + inlineRtf(block.text) +
                   "\\b0\\cf1\\fs20\\par\n";
            break;
        case BlockKind::Heading:
            rtf += "\\pard\\li100\\sb120\\sa60\\f0\\fs22\\cf2\\b " + inlineRtf(block.text) +
                   "\\b0\\cf1\\fs20\\par\n";
            break;
        case BlockKind::Item:
            rtf += "\\pard\\li500\\fi-200\\sa40\\f0\\fs20\\cf1 \\'95 " + inlineRtf(block.text) +
                   "\\par\n";
            break;
        case BlockKind::NumberedItem:
            rtf +=
                "\\pard\\li500\\fi-200\\sa40\\f0\\fs20\\cf1 " + inlineRtf(block.text) + "\\par\n";
            break;
        case BlockKind::Paragraph:
            rtf += "\\pard\\li100\\sa120\\f0\\fs20\\cf1 " + inlineRtf(block.text) + "\\par\n";
            break;
        }
    }
    rtf += "}\n";
    return rtf;
}

QString toPlainText(const QString& markup)
{
    QStringList lines;
    for (const Block& block : blocks(markup)) {
        QString text = block.text;
        text.remove(QStringLiteral("**"));
        text.remove(QLatin1Char('*'));
        text.replace(QStringLiteral("^{"), QString()).replace(QStringLiteral("_{"), QString());
        text.remove(QLatin1Char('}'));
        lines.append(block.kind == BlockKind::Item ? QStringLiteral("• ") + text : text);
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace dosarium::ExerciseMarkup

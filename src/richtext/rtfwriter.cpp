#include "richtext/rtfwriter.h"

#include "codepage/windows1252.h"

#include <QBuffer>
#include <QHash>
#include <QImage>
#include <QImageWriter>
#include <QPixmap>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <cmath>

namespace dosarium {

namespace {

constexpr double twipsPerPixel = 15.0;
// Text width of an A4 page with 2 cm margins, for tables without column widths.
constexpr int defaultTableWidth = 9638;

// Lengths beyond 22 inches are cut: no page is that wide, and the numbers stay in range.
constexpr double maxTwips = 31680;

int twips(double pixels)
{
    return int(std::lround(std::clamp(pixels * twipsPerPixel, -maxTwips, maxTwips)));
}

class Writer {
  public:
    explicit Writer(const QTextDocument& doc) : m_doc(doc)
    {
        m_defaultFamily = doc.defaultFont().family();
        if (m_defaultFamily.isEmpty())
            m_defaultFamily = QStringLiteral("Arial");
        const double size = doc.defaultFont().pointSizeF();
        m_defaultPointSize = size > 0 ? size : 12.0;
        fontIndex(m_defaultFamily);
    }

    QByteArray result()
    {
        writeFrame(m_doc.rootFrame());
        QByteArray out;
        out.reserve(m_body.size() + 512);
        out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1036\\uc1\n{\\fonttbl";
        for (int i = 0; i < m_fonts.size(); ++i) {
            out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
            appendText(out, m_fonts[i]);
            out += ";}";
        }
        out += "}\n{\\colortbl;";
        for (const QRgb rgb : std::as_const(m_colors)) {
            out += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" +
                   QByteArray::number(qGreen(rgb)) + "\\blue" + QByteArray::number(qBlue(rgb)) +
                   ';';
        }
        out += "}\n\\viewkind4\n";
        out += m_body;
        out += "}\n";
        return out;
    }

  private:
    int fontIndex(const QString& family)
    {
        const auto found = m_fontIndex.constFind(family);
        if (found != m_fontIndex.constEnd())
            return *found;
        m_fonts.append(family);
        m_fontIndex.insert(family, int(m_fonts.size() - 1));
        return int(m_fonts.size() - 1);
    }

    int colorIndex(const QColor& color)
    {
        const QRgb rgb = color.rgb() | 0xff000000u;
        const auto found = m_colorIndex.constFind(rgb);
        if (found != m_colorIndex.constEnd())
            return *found;
        m_colors.append(rgb);
        m_colorIndex.insert(rgb, int(m_colors.size()));
        return int(m_colors.size());
    }

    static void appendText(QByteArray& out, const QString& text)
    {
        for (const QChar qc : text) {
            const char16_t ch = qc.unicode();
            switch (ch) {
            case u'\\':
                out += "\\\\";
                continue;
            case u'{':
                out += "\\{";
                continue;
            case u'}':
                out += "\\}";
                continue;
            case u'\t':
                out += "\\tab ";
                continue;
            case QChar::LineSeparator:
            case QChar::ParagraphSeparator:
                out += "\\line ";
                continue;
            case 0x00A0:
                out += "\\~";
                continue;
            case 0x00AD:
                out += "\\-";
                continue;
            case 0x2011:
                out += "\\_";
                continue;
            default:
                break;
            }
            if (ch < 0x20)
                continue;
            if (ch < 0x80) {
                out += char(ch);
                continue;
            }
            const int byte = windows1252::fromUnicode(ch);
            if (byte >= 0) {
                static const char hex[] = "0123456789abcdef";
                out += "\\'";
                out += hex[byte >> 4];
                out += hex[byte & 15];
            } else {
                out += "\\u" + QByteArray::number(ch > 32767 ? int(ch) - 65536 : int(ch)) + '?';
            }
        }
    }

    QByteArray charProperties(const QTextCharFormat& format)
    {
        QByteArray props;
        QString family;
        const QVariant families = format.property(QTextFormat::FontFamilies);
        if (families.isValid() && !families.toStringList().isEmpty())
            family = families.toStringList().constFirst();
        if (family.isEmpty())
            family = m_defaultFamily;
        props += "\\f" + QByteArray::number(fontIndex(family));
        const double size =
            format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() > 0
                ? format.fontPointSize()
                : m_defaultPointSize;
        props += "\\fs" + QByteArray::number(int(std::lround(size * 2)));
        if (format.fontWeight() >= QFont::DemiBold)
            props += "\\b";
        if (format.fontItalic())
            props += "\\i";
        switch (format.underlineStyle()) {
        case QTextCharFormat::NoUnderline:
            break;
        case QTextCharFormat::DotLine:
            props += "\\uld";
            break;
        case QTextCharFormat::DashUnderline:
            props += "\\uldash";
            break;
        case QTextCharFormat::DashDotLine:
            props += "\\uldashd";
            break;
        case QTextCharFormat::DashDotDotLine:
            props += "\\uldashdd";
            break;
        case QTextCharFormat::WaveUnderline:
            props += "\\ulwave";
            break;
        default:
            props += "\\ul";
            break;
        }
        if (format.fontStrikeOut())
            props += "\\strike";
        if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
            props += "\\super";
        else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
            props += "\\sub";
        if (format.hasProperty(QTextFormat::ForegroundBrush) &&
            format.foreground().style() != Qt::NoBrush)
            props += "\\cf" + QByteArray::number(colorIndex(format.foreground().color()));
        if (format.hasProperty(QTextFormat::BackgroundBrush) &&
            format.background().style() != Qt::NoBrush)
            props += "\\highlight" + QByteArray::number(colorIndex(format.background().color()));
        return props;
    }

    void writeParagraphProperties(const QTextBlockFormat& format, bool inTable)
    {
        m_body += "\\pard";
        if (inTable)
            m_body += "\\intbl";
        const Qt::Alignment alignment = format.alignment();
        if (alignment & Qt::AlignHCenter)
            m_body += "\\qc";
        else if (alignment & Qt::AlignJustify)
            m_body += "\\qj";
        else if (alignment & Qt::AlignRight)
            m_body += "\\qr";
        else
            m_body += "\\ql";
        const std::pair<const char*, double> lengths[] = {{"\\li", format.leftMargin()},
                                                          {"\\ri", format.rightMargin()},
                                                          {"\\fi", format.textIndent()},
                                                          {"\\sb", format.topMargin()},
                                                          {"\\sa", format.bottomMargin()}};
        for (const auto& [word, pixels] : lengths) {
            if (const int value = twips(pixels))
                m_body += word + QByteArray::number(value);
        }
        if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            m_body += "\\pagebb";
        m_body += ' ';
    }

    void writePicture(const QTextImageFormat& format)
    {
        const QVariant resource = m_doc.resource(QTextDocument::ImageResource, QUrl(format.name()));
        QImage image;
        if (resource.typeId() == QMetaType::QImage)
            image = resource.value<QImage>();
        else if (resource.typeId() == QMetaType::QPixmap)
            image = resource.value<QPixmap>().toImage();
        else if (resource.typeId() == QMetaType::QByteArray)
            image = QImage::fromData(resource.toByteArray());
        if (image.isNull())
            return;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG"))
            return;
        const double width = format.width() > 0 ? format.width() : image.width();
        const double height = format.height() > 0 ? format.height() : image.height();
        m_body += "{\\pict\\pngblip\\picw" + QByteArray::number(image.width()) + "\\pich" +
                  QByteArray::number(image.height()) + "\\picwgoal" +
                  QByteArray::number(twips(width)) + "\\pichgoal" +
                  QByteArray::number(twips(height)) + '\n';
        const QByteArray hex = png.toHex();
        for (qsizetype i = 0; i < hex.size(); i += 128) {
            m_body += QByteArrayView(hex).sliced(i, std::min<qsizetype>(128, hex.size() - i));
            m_body += '\n';
        }
        m_body += '}';
    }

    void writeBlock(const QTextBlock& block, bool inTable, const char* end)
    {
        writeParagraphProperties(block.blockFormat(), inTable);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const QTextCharFormat format = fragment.charFormat();
            if (format.isImageFormat()) {
                for (int i = 0; i < fragment.length(); ++i)
                    writePicture(format.toImageFormat());
                continue;
            }
            QString text = fragment.text();
            text.remove(QChar::ObjectReplacementCharacter);
            if (text.isEmpty())
                continue;
            m_body += '{';
            m_body += charProperties(format);
            m_body += ' ';
            appendText(m_body, text);
            m_body += '}';
        }
        m_body += end;
        m_body += '\n';
    }

    void writeFrame(QTextFrame* frame)
    {
        for (auto it = frame->begin(); !it.atEnd(); ++it) {
            if (QTextFrame* child = it.currentFrame()) {
                if (auto* table = qobject_cast<QTextTable*>(child))
                    writeTable(table);
                else
                    writeFrame(child);
            } else if (it.currentBlock().isValid()) {
                writeBlock(it.currentBlock(), false, "\\par");
            }
        }
    }

    // Blocks of a cell, nested frames included, in document order.
    static void cellBlocks(QTextFrame::iterator it, QList<QTextBlock>& blocks)
    {
        for (; !it.atEnd(); ++it) {
            if (QTextFrame* child = it.currentFrame())
                cellBlocks(child->begin(), blocks);
            else if (it.currentBlock().isValid())
                blocks.append(it.currentBlock());
        }
    }

    void writeTable(QTextTable* table)
    {
        const int columns = table->columns();
        const QTextTableFormat format = table->format();
        const QList<QTextLength> widths = format.columnWidthConstraints();
        QByteArray rowDefinition = "\\trowd\\trgaph108";
        const QByteArray border = format.border() > 0 ? "\\clbrdrt\\brdrs\\brdrw10"
                                                        "\\clbrdrl\\brdrs\\brdrw10"
                                                        "\\clbrdrb\\brdrs\\brdrw10"
                                                        "\\clbrdrr\\brdrs\\brdrw10"
                                                      : "";
        qint64 position = 0;
        for (int c = 0; c < columns; ++c) {
            int width = defaultTableWidth / columns;
            if (widths.size() == columns && widths[c].type() == QTextLength::FixedLength)
                width = std::max(1, twips(widths[c].rawValue()));
            else if (widths.size() == columns && widths[c].type() == QTextLength::PercentageLength)
                width = std::max(1, int(std::clamp(defaultTableWidth * widths[c].rawValue() / 100,
                                                   0.0, maxTwips)));
            position += width;
            rowDefinition += border + "\\cellx" + QByteArray::number(position);
        }
        for (int r = 0; r < table->rows(); ++r) {
            m_body += rowDefinition;
            m_body += '\n';
            for (int c = 0; c < columns; ++c) {
                const QTextTableCell cell = table->cellAt(r, c);
                QList<QTextBlock> blocks;
                if (cell.row() == r && cell.column() == c)
                    cellBlocks(cell.begin(), blocks);
                if (blocks.isEmpty()) {
                    m_body += "\\pard\\intbl\\cell\n";
                    continue;
                }
                for (int i = 0; i < blocks.size(); ++i)
                    writeBlock(blocks[i], true, i + 1 == blocks.size() ? "\\cell" : "\\par");
            }
            m_body += "\\row\n";
        }
    }

    const QTextDocument& m_doc;
    QString m_defaultFamily;
    double m_defaultPointSize = 12.0;
    QStringList m_fonts;
    QHash<QString, int> m_fontIndex;
    QList<QRgb> m_colors;
    QHash<QRgb, int> m_colorIndex;
    QByteArray m_body;
};

} // namespace

QByteArray RtfWriter::write(const QTextDocument& doc)
{
    return Writer(doc).result();
}

} // namespace dosarium

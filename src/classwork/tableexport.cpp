#include "classwork/tableexport.h"

#include <QBuffer>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextTable>

namespace dosarium {
namespace {

const QLatin1Char separator(';');
const QLatin1Char quote('"');

} // namespace

QString csvField(const QString& cell)
{
    const bool needsQuotes = cell.contains(separator) || cell.contains(quote) ||
                             cell.contains(QLatin1Char('\n')) || cell.contains(QLatin1Char('\r')) ||
                             cell.startsWith(QLatin1Char(' ')) || cell.endsWith(QLatin1Char(' '));
    if (!needsQuotes)
        return cell;
    QString escaped = cell;
    escaped.replace(quote, QStringLiteral("\"\""));
    return quote + escaped + quote;
}

QByteArray csvBytes(const QStringList& header, const QList<QStringList>& rows)
{
    QByteArray bytes("\xEF\xBB\xBF");
    const auto line = [&bytes](const QStringList& cells) {
        QStringList fields;
        for (const QString& cell : cells)
            fields << csvField(cell);
        bytes += fields.join(separator).toUtf8() + "\r\n";
    };
    line(header);
    for (const QStringList& row : rows)
        line(row);
    return bytes;
}

void fillTableDocument(QTextDocument& document, const QString& title, const QStringList& header,
                       const QList<QStringList>& rows, const QString& summary)
{
    document.clear();
    document.setMetaInformation(QTextDocument::DocumentTitle, title);
    // Nine columns on a page: a small type keeps words whole in their cells.
    QFont font = document.defaultFont();
    font.setPointSizeF(8);
    document.setDefaultFont(font);
    QTextCursor cursor(&document);
    QTextCharFormat heading;
    heading.setFontWeight(QFont::Bold);
    heading.setFontPointSize(14);
    cursor.insertText(title, heading);
    cursor.insertBlock();
    QTextTableFormat format;
    format.setHeaderRowCount(1);
    format.setBorder(0.5);
    format.setCellPadding(3);
    format.setCellSpacing(0);
    QTextTable* table = cursor.insertTable(int(rows.size()) + 1, int(header.size()), format);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (int column = 0; column < header.size(); ++column)
        table->cellAt(0, column).firstCursorPosition().insertText(header[column], bold);
    for (int row = 0; row < rows.size(); ++row)
        for (int column = 0; column < header.size(); ++column)
            table->cellAt(row + 1, column)
                .firstCursorPosition()
                .insertText(rows[row].value(column));
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    cursor.insertText(summary, QTextCharFormat());
}

QByteArray odtBytes(QTextDocument& document)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QTextDocumentWriter writer(&buffer, QByteArrayLiteral("odf"));
    if (!writer.write(&document))
        return {};
    return bytes;
}

} // namespace dosarium

// A table as the files a spreadsheet and a word processor open in a French setting: CSV in UTF-8
// with a byte-order mark and ";" between fields, and an OpenDocument text.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QTextDocument;

namespace dosarium {

// One CSV field: quoted when it holds a ";", a quote, a line break or edge spaces, its quotes
// doubled.
QString csvField(const QString& cell);
// The header row, then one line per row, lines ending with CR LF.
QByteArray csvBytes(const QStringList& header, const QList<QStringList>& rows);

// The title, the table under its header row, then the summary.
void fillTableDocument(QTextDocument& document, const QString& title, const QStringList& header,
                       const QList<QStringList>& rows, const QString& summary);
// The document as an OpenDocument text; empty when it cannot be written.
QByteArray odtBytes(QTextDocument& document);

} // namespace dosarium

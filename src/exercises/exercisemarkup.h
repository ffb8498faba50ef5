// The light markup in which exercise texts are written, and its RTF form.
//
// A blank line separates paragraphs; "# " starts a centred title, "## " a heading, "- " an item of
// a list, "1. " a numbered item. Inside a line: **bold**, *italic*, ^{raised} and _{lowered} text.
#pragma once

#include <QByteArray>
#include <QString>

namespace dosarium::ExerciseMarkup {

// A complete RTF file in Windows-1252, Arial 10 points; characters outside the code page are
// written as Unicode escapes.
QByteArray toRtf(const QString& markup);

// The text a reader sees, without the markup signs.
QString toPlainText(const QString& markup);

} // namespace dosarium::ExerciseMarkup

// The name a student's report is handed in under, "Nom_Prenom_Exercice_AAAA-MM-JJ", made safe for
// every file system a hand-in folder may sit on.
#pragma once

#include <QDate>
#include <QString>

namespace dosarium {

// Letters without their accents, digits and hyphens: every other character, spaces, apostrophes
// and slashes included, becomes one hyphen; at most `maximumLength` characters, cut between words
// when it can be; `fallback` when nothing is left.
QString fileNamePart(const QString& text, const QString& fallback, int maximumLength = 40);

// Without extension; an empty exercise is a free preparation.
QString reportBaseName(const QString& lastName, const QString& firstName, const QString& exercise,
                       const QDate& date);

} // namespace dosarium

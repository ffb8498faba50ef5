#include "help/indexsearch.h"

#include <QRegularExpression>
#include <QStringList>

namespace dosarium {

QString foldForSearch(const QString& text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c == u'œ' || c == u'Œ')
            folded.append(QLatin1String("oe"));
        else if (c == u'æ' || c == u'Æ')
            folded.append(QLatin1String("ae"));
        else
            folded.append(c.toLower());
    }
    return folded.simplified();
}

bool indexKeywordMatches(const QString& keyword, const QString& query)
{
    static const QRegularExpression separators(QStringLiteral("[^\\w]+"));
    const QStringList wanted = foldForSearch(query).split(separators, Qt::SkipEmptyParts);
    const QStringList words = foldForSearch(keyword).split(separators, Qt::SkipEmptyParts);
    for (const QString& part : wanted) {
        bool found = false;
        for (const QString& word : words) {
            if (word.startsWith(part)) {
                found = true;
                break;
            }
        }
        if (!found)
            return false;
    }
    return true;
}

} // namespace dosarium

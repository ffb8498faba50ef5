#include "classwork/reportfilename.h"

#include "classwork/classworktexts.h"

namespace dosarium {
namespace {

const QLatin1Char hyphen('-');

// Latin letters that no accent removal turns into plain ones.
QString ligatureFree(QChar c)
{
    switch (c.unicode()) {
    case u'œ':
        return QStringLiteral("oe");
    case u'Œ':
        return QStringLiteral("OE");
    case u'æ':
        return QStringLiteral("ae");
    case u'Æ':
        return QStringLiteral("AE");
    case u'ß':
        return QStringLiteral("ss");
    case u'ø':
        return QStringLiteral("o");
    case u'Ø':
        return QStringLiteral("O");
    case u'ł':
        return QStringLiteral("l");
    case u'Ł':
        return QStringLiteral("L");
    default:
        break;
    }
    return QString(c);
}

bool isPlain(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

} // namespace

QString fileNamePart(const QString& text, const QString& fallback, int maximumLength)
{
    QString part;
    for (QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        for (QChar plain : ligatureFree(c)) {
            if (isPlain(plain))
                part += plain;
            else if (!part.isEmpty() && !part.endsWith(hyphen))
                part += hyphen;
        }
    }
    // A name too long is cut between words when it can be.
    if (part.size() > maximumLength) {
        const qsizetype lastBreak = part.lastIndexOf(hyphen, maximumLength);
        part.truncate(lastBreak > 0 ? lastBreak : maximumLength);
    }
    while (part.endsWith(hyphen))
        part.chop(1);
    return part.isEmpty() ? fallback : part;
}

QString reportBaseName(const QString& lastName, const QString& firstName, const QString& exercise,
                       const QDate& date)
{
    using namespace classworktexts;
    return QStringList{
        fileNamePart(lastName, fallbackLastName), fileNamePart(firstName, fallbackFirstName),
        fileNamePart(exercise, fallbackExercise), date.toString(QStringLiteral("yyyy-MM-dd"))}
        .join(QLatin1Char('_'));
}

} // namespace dosarium

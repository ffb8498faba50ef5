#include "classwork/reportfilename.h"

#include "classwork/classworktexts.h"

namespace dosarium {
namespace {

const QLatin1Char hyphen('-');

// Latin letters that no accent removal turns into plain ones, and their plain spelling.
struct Ligature {
    char16_t letter;
    const char* plain;
};

constexpr Ligature ligatures[] = {
    {u'œ', "oe"}, {u'Œ', "OE"}, {u'æ', "ae"}, {u'Æ', "AE"}, {u'ß', "ss"},
    {u'ø', "o"},  {u'Ø', "O"},  {u'ł', "l"},  {u'Ł', "L"},
};

QString ligatureFree(QChar c)
{
    for (const Ligature& ligature : ligatures) {
        if (c == ligature.letter)
            return QString::fromLatin1(ligature.plain);
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

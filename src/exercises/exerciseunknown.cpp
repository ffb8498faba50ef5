#include "exercises/exerciseunknown.h"

#include "catalogue/reagent.h"
#include "configurations/recordnumber.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cmath>

namespace dosarium {
namespace {

const QString heading = QStringLiteral("DOSARIUM-INCONNUE");
const QString reagentKey = QStringLiteral("reactif");
const QString concentrationKey = QStringLiteral("concentration");
const QString suffix = QStringLiteral("-inconnue.txt");
// A few lines: anything larger is not a file of ours.
constexpr qint64 largestFile = 4096;

std::optional<ExerciseUnknown> refuse(QString* message, const QString& fileName,
                                      const QString& reason)
{
    if (message)
        *message = QStringLiteral("La solution inconnue de l'exercice n'a pas pu être lue "
                                  "(« %1 ») : %2.")
                       .arg(fileName, reason);
    return std::nullopt;
}

} // namespace

QString ExerciseUnknownFile::pathFor(const QString& exercisePath)
{
    const QFileInfo exercise(exercisePath);
    return exercise.dir().filePath(exercise.completeBaseName() + suffix);
}

QByteArray ExerciseUnknownFile::encode(const ExerciseUnknown& unknown)
{
    const QString text = heading + QLatin1Char('\n') + reagentKey + QStringLiteral(" = ") +
                         QString::number(unknown.reagentIndex) + QLatin1Char('\n') +
                         concentrationKey + QStringLiteral(" = ") +
                         QString::number(unknown.concentration, 'g', 17) + QLatin1Char('\n');
    return text.toUtf8();
}

bool ExerciseUnknownFile::acceptable(const ExerciseUnknown& unknown)
{
    const Reagent* reagent = Catalogue::reagent(unknown.reagentIndex);
    return reagent && reagent->kind == ReagentKind::AqueousSolution &&
           std::isfinite(unknown.concentration) && unknown.concentration > 0.0 &&
           unknown.concentration <= reagent->concentration;
}

std::optional<ExerciseUnknown> ExerciseUnknownFile::read(const QString& exercisePath,
                                                         QString* message)
{
    const QString path = pathFor(exercisePath);
    const QString fileName = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly))
        return refuse(message, fileName, QStringLiteral("le fichier ne s'ouvre pas"));
    // A device or a huge file is not read through.
    const QByteArray bytes = file.read(largestFile + 1);
    if (bytes.size() > largestFile)
        return refuse(message, fileName, QStringLiteral("le fichier est trop grand"));
    return decode(bytes, fileName, message);
}

std::optional<ExerciseUnknown>
ExerciseUnknownFile::decode(const QByteArray& bytes, const QString& fileName, QString* message)
{
    const QString text = QString::fromUtf8(bytes);
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = line.trimmed();
    if (lines.isEmpty() || lines.first() != heading)
        return refuse(message, fileName, QStringLiteral("ce n'est pas un fichier d'inconnue"));

    std::optional<double> reagentValue;
    std::optional<double> concentration;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.isEmpty())
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QString key = line.left(equals).trimmed();
        std::optional<double>* target = key == reagentKey         ? &reagentValue
                                        : key == concentrationKey ? &concentration
                                                                  : nullptr;
        if (equals <= 0 || !target || target->has_value())
            return refuse(message, fileName,
                          QStringLiteral("la ligne %1 est inattendue").arg(i + 1));
        // Only plain decimal numbers: the lenient reader would take a truncated line.
        bool ok = false;
        const double value = line.mid(equals + 1).trimmed().toDouble(&ok);
        if (!ok)
            return refuse(message, fileName,
                          QStringLiteral("la ligne %1 n'a pas de nombre").arg(i + 1));
        *target = value;
    }
    if (!reagentValue || !concentration)
        return refuse(message, fileName, QStringLiteral("le fichier est incomplet"));
    const std::optional<qint16> index = RecordNumber::toInt16(*reagentValue);
    const ExerciseUnknown unknown{index && *index == *reagentValue ? int(*index) : -1,
                                  *concentration};
    if (!acceptable(unknown))
        return refuse(message, fileName,
                      QStringLiteral("le réactif ou la concentration ne conviennent pas"));
    if (message)
        message->clear();
    return unknown;
}

} // namespace dosarium

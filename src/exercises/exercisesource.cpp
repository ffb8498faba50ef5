#include "exercises/exercisesource.h"

#include "catalogue/reagent.h"
#include "configurations/recordfile.h"
#include "configurations/recordnumber.h"
#include "exercises/exercisefile.h"
#include "exercises/exercisemarkup.h"
#include "files/safewrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>

namespace dosarium {
namespace {

struct NamedValue {
    const char* name;
    int value;
};

// The reagents and the measures by the names a description gives them, numbered as a configuration
// file stores them.
const NamedValue reagentNames[] = {
    {"ethanol", 0},
    {"acetone", 1},
    {"acide-acetique", 2},
    {"saccharose", 3},
    {"glucose", 4},
    {"hydroxyde-de-sodium", 5},
    {"permanganate-de-potassium", 6},
    {"sulfate-de-cuivre", 7},
    {"acide-chlorhydrique", 8},
};

const NamedValue measureNames[] = {
    {"balance", 0},        {"fiole-jaugee", 1},    {"eprouvette-graduee", 2},
    {"pipette-jaugee", 3}, {"pipette-graduee", 4},
};

template <std::size_t N>
std::optional<int> lookUp(const NamedValue (&table)[N], const QString& name)
{
    for (const NamedValue& entry : table) {
        if (name == QLatin1String(entry.name))
            return entry.value;
    }
    return std::nullopt;
}

template <std::size_t N> QString namesOf(const NamedValue (&table)[N])
{
    QStringList names;
    for (const NamedValue& entry : table)
        names.append(QString::fromLatin1(entry.name));
    return names.join(QStringLiteral(", "));
}

std::optional<double> decimal(const QString& text)
{
    bool ok = false;
    QString normal = text;
    normal.replace(QLatin1Char(','), QLatin1Char('.'));
    const double value = normal.toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

// A value is trimmed, unless it is written between double quotes (to keep its blanks).
QString valueText(const QString& raw)
{
    const QString trimmed = raw.trimmed();
    if (trimmed.size() >= 2 && trimmed.startsWith(QLatin1Char('"')) &&
        trimmed.endsWith(QLatin1Char('"')))
        return trimmed.mid(1, trimmed.size() - 2);
    return trimmed;
}

bool readText(const QString& path, QString* text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *text = QString::fromUtf8(file.readAll());
    return true;
}

} // namespace

SourceReading ExerciseSourceReader::read(const QString& folder)
{
    const QString path = QDir(folder).filePath(descriptionFile);
    QString description;
    if (!readText(path, &description))
        return {std::nullopt, QStringLiteral("%1 : fichier illisible").arg(path)};
    return parse(description, folder, QFileInfo(QDir::cleanPath(folder)).fileName());
}

SourceReading ExerciseSourceReader::parse(const QString& description, const QString& folder,
                                          const QString& name)
{
    const QString where = QDir(folder).filePath(descriptionFile);
    ExerciseSource source;
    source.name = name;
    QString statementFile;
    QString correctionFile;
    PreparationSource* preparation = nullptr;
    QList<PreparationSource> preparations;
    enum class Section {
        Description,
        Statement,
        Correction,
        Check,
        Unknown
    } section = Section::Description;
    std::optional<int> unknownReagent;
    std::optional<double> unknownConcentration;
    bool unknownPerMass = false; // given in g/L
    int unknownLine = 0;
    std::optional<PreparationSource> statement;
    std::optional<PreparationSource> correction;

    const auto fail = [&](int line, const QString& message) {
        return SourceReading{std::nullopt,
                             QStringLiteral("%1, ligne %2 : %3").arg(where).arg(line).arg(message)};
    };

    const QStringList lines = description.split(QLatin1Char('\n'));
    for (int number = 1; number <= lines.size(); ++number) {
        const QString line = lines[number - 1].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString title = line.mid(1, line.size() - 2).trimmed();
            if (title == QLatin1String("configuration-enonce")) {
                section = Section::Statement;
                preparation = &statement.emplace();
            } else if (title == QLatin1String("configuration-corrige")) {
                section = Section::Correction;
                preparation = &correction.emplace();
            } else if (title == QLatin1String("inconnue")) {
                section = Section::Unknown;
                unknownLine = number;
            } else if (title == QLatin1String("verification")) {
                section = Section::Check;
                preparations.append(PreparationSource());
                preparation = &preparations.last();
            } else {
                return fail(number, QStringLiteral("section inconnue [%1]").arg(title));
            }
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            return fail(number, QStringLiteral("« clé = valeur » attendu"));
        const QString key = line.left(equals).trimmed();
        const QString value =
            valueText(lines[number - 1].mid(lines[number - 1].indexOf(QLatin1Char('=')) + 1));

        if (section == Section::Description) {
            if (key == QLatin1String("titre")) {
                source.title = value;
            } else if (key == QLatin1String("difficulte")) {
                const std::optional<double> difficulty = decimal(value);
                if (!difficulty || *difficulty < 0 || *difficulty > 3)
                    return fail(number, QStringLiteral("difficulté entre 0 et 3 attendue"));
                source.difficulty = RecordNumber::fromReal(float(*difficulty));
            } else if (key == QLatin1String("notion")) {
                if (source.notions.size() == 4)
                    return fail(number, QStringLiteral("quatre notions au plus"));
                source.notions.append(value);
            } else if (key == QLatin1String("enonce")) {
                statementFile = value;
            } else if (key == QLatin1String("corrige")) {
                correctionFile = value;
            } else {
                return fail(number, QStringLiteral("clé inconnue « %1 »").arg(key));
            }
            continue;
        }

        if (section == Section::Unknown) {
            if (key == QLatin1String("reactif")) {
                unknownReagent = lookUp(reagentNames, value);
                if (!unknownReagent)
                    return fail(number, QStringLiteral("réactif inconnu « %1 » (possibles : %2)")
                                            .arg(value, namesOf(reagentNames)));
            } else if (key == QLatin1String("concentration") ||
                       key == QLatin1String("concentration-en-masse")) {
                const std::optional<double> amount = decimal(value);
                if (!amount || unknownConcentration)
                    return fail(number, QStringLiteral("une seule concentration, en nombre, "
                                                       "attendue"));
                unknownConcentration = *amount;
                unknownPerMass = key != QLatin1String("concentration");
            } else {
                return fail(number, QStringLiteral("clé inconnue « %1 »").arg(key));
            }
            continue;
        }

        if (key == QLatin1String("reactif")) {
            const std::optional<int> reagent = lookUp(reagentNames, value);
            if (!reagent)
                return fail(number, QStringLiteral("réactif inconnu « %1 » (possibles : %2)")
                                        .arg(value, namesOf(reagentNames)));
            preparation->reagentIndex = qint16(*reagent);
        } else if (key == QLatin1String("mesure")) {
            const std::optional<int> tool = lookUp(measureNames, value);
            if (!tool)
                return fail(number, QStringLiteral("mesure inconnue « %1 » (possibles : %2)")
                                        .arg(value, namesOf(measureNames)));
            preparation->tool = qint16(*tool);
        } else if (key == QLatin1String("masse") || key == QLatin1String("volume") ||
                   key == QLatin1String("fiole")) {
            const std::optional<double> amount = decimal(value);
            if (!amount)
                return fail(number, QStringLiteral("nombre attendu pour « %1 »").arg(key));
            (key == QLatin1String("masse")    ? preparation->mass
             : key == QLatin1String("volume") ? preparation->volume
                                              : preparation->flask) = *amount;
        } else if (key == QLatin1String("message")) {
            preparation->expectedMessage = value;
        } else {
            return fail(number, QStringLiteral("clé inconnue « %1 »").arg(key));
        }
    }

    if (isBlank(source.title))
        return fail(lines.size(), QStringLiteral("titre manquant"));
    if (source.difficulty.isEmpty())
        return fail(lines.size(), QStringLiteral("difficulte manquante"));
    if (statementFile.isEmpty())
        return fail(lines.size(), QStringLiteral("enonce manquant"));
    if (!readText(QDir(folder).filePath(statementFile), &source.statement))
        return {std::nullopt,
                QStringLiteral("%1 : fichier illisible").arg(QDir(folder).filePath(statementFile))};
    if (!correctionFile.isEmpty() &&
        !readText(QDir(folder).filePath(correctionFile), &source.correction))
        return {
            std::nullopt,
            QStringLiteral("%1 : fichier illisible").arg(QDir(folder).filePath(correctionFile))};

    if (unknownLine > 0) {
        if (!unknownReagent || !unknownConcentration)
            return fail(unknownLine, QStringLiteral("[inconnue] : réactif et concentration "
                                                    "attendus"));
        const Reagent* reagent = Catalogue::reagent(*unknownReagent);
        source.unknown = ExerciseUnknown{
            *unknownReagent, unknownPerMass ? *unknownConcentration / soluteMolarMass(*reagent)
                                            : *unknownConcentration};
        if (!ExerciseUnknownFile::acceptable(*source.unknown))
            return fail(unknownLine,
                        QStringLiteral("[inconnue] : une solution aqueuse de l'armoire, de "
                                       "concentration positive et au plus celle du flacon, "
                                       "attendue"));
    }
    source.statementPreparation = statement;
    source.correctionPreparation = correction;
    source.checks = preparations;
    QList<const PreparationSource*> all;
    if (statement)
        all.append(&*source.statementPreparation);
    if (correction)
        all.append(&*source.correctionPreparation);
    for (const PreparationSource& check : std::as_const(source.checks))
        all.append(&check);
    for (const PreparationSource* each : all) {
        QString error;
        if (!configurationFor(*each, &error))
            return {std::nullopt, QStringLiteral("%1 : %2").arg(where, error)};
    }
    return {source, QString()};
}

bool ExerciseWriter::write(const ExerciseSource& source, const QString& directory, QString* error)
{
    const QDir out(directory);
    const auto fail = [&](const QString& file) {
        if (error)
            *error = QStringLiteral("%1 : écriture impossible").arg(out.filePath(file));
        return false;
    };
    if (!safeWrite(out.filePath(source.statementFileName()),
                   ExerciseMarkup::toRtf(source.statement)))
        return fail(source.statementFileName());
    const bool hasCorrectionText = !isBlank(source.correction);
    if (hasCorrectionText && !safeWrite(out.filePath(source.correctionFileName()),
                                        ExerciseMarkup::toRtf(source.correction)))
        return fail(source.correctionFileName());
    const auto writeConfiguration = [&](const std::optional<PreparationSource>& preparation,
                                        const QString& name) {
        if (!preparation)
            return true;
        const std::optional<ConfigurationValues> values = configurationFor(*preparation, error);
        return values && ConfigurationFile::write(out.filePath(name), *values);
    };
    if (!writeConfiguration(source.statementPreparation, source.statementConfigurationName()))
        return fail(source.statementConfigurationName());
    if (!writeConfiguration(source.correctionPreparation, source.correctionConfigurationName()))
        return fail(source.correctionConfigurationName());

    if (source.unknown && !safeWrite(out.filePath(source.unknownFileName()),
                                     ExerciseUnknownFile::encode(*source.unknown)))
        return fail(source.unknownFileName());

    QStringList records(11);
    records[ExerciseFile::StatementFile - 1] = source.statementFileName();
    if (source.statementPreparation)
        records[ExerciseFile::StatementConfiguration - 1] = source.statementConfigurationName();
    if (hasCorrectionText)
        records[ExerciseFile::CorrectionFile - 1] = source.correctionFileName();
    if (source.correctionPreparation)
        records[ExerciseFile::CorrectionConfiguration - 1] = source.correctionConfigurationName();
    records[ExerciseFile::Difficulty - 1] = source.difficulty;
    for (int i = 0; i < source.notions.size(); ++i)
        records[ExerciseFile::FirstNotion - 1 + i] = source.notions[i];
    records[ExerciseFile::Title - 1] = source.title;

    QByteArray bytes;
    for (const QString& record : std::as_const(records))
        bytes += RecordFile::encodeRecord(record);
    if (!safeWrite(out.filePath(source.exerciseFileName()), bytes))
        return fail(source.exerciseFileName());
    return true;
}

} // namespace dosarium

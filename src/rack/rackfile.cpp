#include "rack/rackfile.h"

#include "catalogue/reagent.h"
#include "files/safewrite.h"
#include "rack/racktexts.h"

#include <QFile>
#include <cmath>
#include <limits>

namespace dosarium {
namespace {

const QByteArray header = QByteArrayLiteral("DOSARIUM ECHELLE 1");
const QByteArray tubeKey = QByteArrayLiteral("tube");
const QByteArray preparationKey = QByteArrayLiteral("preparation");
const QByteArray unknownKey = QByteArrayLiteral("inconnue");
const QByteArray bracketKey = QByteArrayLiteral("encadrement");
const QByteArray endKey = QByteArrayLiteral("fin");
constexpr char separator = '\t';
// Far above any solution the bench makes, and keeps a reader from numbers that mean nothing.
constexpr double highestConcentration = 100.0;

QByteArray number(double value)
{
    return QByteArray::number(value, 'g', 17);
}

std::optional<double> readNumber(const QByteArray& field, double lowest, double highest)
{
    bool ok = false;
    const double value = field.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

std::optional<int> readInteger(const QByteArray& field, int lowest, int highest)
{
    bool ok = false;
    const int value = field.toInt(&ok);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

std::optional<QString> readText(const QByteArray& field)
{
    QString text = QString::fromUtf8(field);
    if (text.toUtf8() != field)
        return std::nullopt; // not UTF-8
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control)
            return std::nullopt;
    return text;
}

std::optional<Tube> readTube(const QList<QByteArray>& fields)
{
    if (fields.size() != 5)
        return std::nullopt;
    const std::optional<int> reagent = readInteger(fields[1], 0, Catalogue::reagentCount - 1);
    const std::optional<double> concentration =
        readNumber(fields[2], std::numeric_limits<double>::min(), highestConcentration);
    const std::optional<double> uncertainty = readNumber(fields[3], 0.0, 1.0);
    const std::optional<QString> origin = readText(fields[4]);
    if (!reagent || !concentration || !uncertainty || !origin)
        return std::nullopt;
    return Tube{std::nullopt, *reagent, *concentration, *uncertainty, *origin};
}

std::optional<Preparation> readPreparation(const QList<QByteArray>& fields, int reagentIndex)
{
    if (fields.size() != 6)
        return std::nullopt;
    const std::optional<int> tool = readInteger(fields[1], 0, 1000);
    const std::optional<int> flask = readInteger(fields[2], 0, 1000);
    const std::optional<int> sample = readInteger(fields[3], 0, 100000);
    const std::optional<int> mass = readInteger(fields[4], 0, 100000);
    const std::optional<double> sampledMass = readNumber(fields[5], 0.0, 1.0e6);
    if (!tool || !flask || !sample || !mass || !sampledMass)
        return std::nullopt;
    return Preparation::make(reagentIndex, *tool, {*flask, *sample, *mass}, float(*sampledMass));
}

} // namespace

QByteArray writeRackText(const RackContent& content)
{
    QByteArray text = header + '\n';
    const auto line = [&text](const QList<QByteArray>& fields) {
        text += fields.join(separator) + '\n';
    };
    for (const Tube& tube : content.tubes) {
        QString origin = tube.origin;
        origin.replace(QLatin1Char(separator), QLatin1Char(' '));
        origin.replace(QLatin1Char('\n'), QLatin1Char(' '));
        line({tubeKey, QByteArray::number(tube.reagentIndex), number(tube.concentration),
              number(tube.relativeUncertainty), origin.toUtf8()});
        if (const std::optional<Preparation>& p = tube.preparation)
            line({preparationKey, QByteArray::number(p->toolNumber()),
                  QByteArray::number(p->positions().flask),
                  QByteArray::number(p->positions().sample),
                  QByteArray::number(p->positions().mass),
                  QByteArray::number(double(p->sampledMass()), 'g', 9)});
    }
    if (content.unknown)
        line({unknownKey, QByteArray::number(content.unknown->reagentIndex),
              number(content.unknown->concentration)});
    if (content.bracket)
        line({bracketKey, QByteArray::number(content.bracket->lower),
              QByteArray::number(content.bracket->upper)});
    line({endKey, QByteArray::number(qsizetype(content.tubes.size()))});
    return text;
}

std::variant<RackContent, RackFileError> parseRackText(const QByteArray& text)
{
    if (text.isEmpty())
        return RackFileError{RackFileFault::Empty};
    if (text.size() > rackFileLimit)
        return RackFileError{RackFileFault::TooLarge};
    const QList<QByteArray> lines = text.split('\n');
    if (lines.front() != header)
        return RackFileError{RackFileFault::Foreign};

    RackContent content;
    bool ended = false;
    // The last element is what follows the final line break: nothing in a whole file.
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray& raw = lines[i];
        const int number = int(i) + 1;
        const RackFileError malformed{RackFileFault::Malformed, number};
        if (ended) {
            if (i == lines.size() - 1 && raw.isEmpty())
                break;
            return malformed;
        }
        if (i == lines.size() - 1)
            break; // a last line without its line break was cut short
        const QList<QByteArray> fields = raw.split(separator);
        const QByteArray& key = fields.front();
        if (key == tubeKey) {
            if (int(content.tubes.size()) >= RackModel::capacity)
                return malformed;
            const std::optional<Tube> tube = readTube(fields);
            if (!tube)
                return malformed;
            content.tubes.push_back(*tube);
        } else if (key == preparationKey) {
            if (content.tubes.empty() || content.tubes.back().preparation)
                return malformed;
            content.tubes.back().preparation =
                readPreparation(fields, content.tubes.back().reagentIndex);
            if (!content.tubes.back().preparation)
                return malformed;
        } else if (key == unknownKey) {
            if (content.unknown || fields.size() != 3)
                return malformed;
            const std::optional<int> reagent =
                readInteger(fields[1], 0, Catalogue::reagentCount - 1);
            const std::optional<double> concentration =
                readNumber(fields[2], std::numeric_limits<double>::min(), highestConcentration);
            if (!reagent || !concentration)
                return malformed;
            content.unknown = UnknownSolution{*reagent, *concentration};
        } else if (key == bracketKey) {
            if (content.bracket || fields.size() != 3)
                return malformed;
            const std::optional<int> lower = readInteger(fields[1], 0, RackModel::capacity - 1);
            const std::optional<int> upper = readInteger(fields[2], 0, RackModel::capacity - 1);
            if (!lower || !upper || *lower == *upper)
                return malformed;
            content.bracket = Bracket{*lower, *upper};
        } else if (key == endKey) {
            const std::optional<int> count =
                fields.size() == 2 ? readInteger(fields[1], 0, RackModel::capacity) : std::nullopt;
            if (!count)
                return malformed;
            if (*count != int(content.tubes.size()))
                return malformed;
            ended = true;
        } else {
            return malformed;
        }
    }
    if (!ended)
        return RackFileError{RackFileFault::Truncated};
    const int count = int(content.tubes.size());
    if (content.bracket &&
        (content.bracket->lower >= count || content.bracket->upper >= count || !content.unknown))
        return RackFileError{RackFileFault::Malformed, int(lines.size()) - 1};
    return content;
}

std::variant<RackContent, RackFileError> readRackFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return RackFileError{RackFileFault::Unreadable};
    // A device or a pipe has no size: read one byte past the limit to know.
    if (file.size() > rackFileLimit)
        return RackFileError{RackFileFault::TooLarge};
    const QByteArray text = file.read(rackFileLimit + 1);
    if (file.error() != QFileDevice::NoError)
        return RackFileError{RackFileFault::Unreadable};
    return parseRackText(text);
}

bool writeRackFile(const QString& path, const RackContent& content)
{
    return safeWrite(path, writeRackText(content));
}

QString rackFileMessage(const RackFileError& error)
{
    QString text;
    switch (error.fault) {
    case RackFileFault::Unreadable:
        text = RackTexts::fileMissing;
        break;
    case RackFileFault::Empty:
        text = RackTexts::fileEmpty;
        break;
    case RackFileFault::TooLarge:
        text = RackTexts::fileTooLarge;
        break;
    case RackFileFault::Foreign:
        text = RackTexts::fileForeign;
        break;
    case RackFileFault::Truncated:
        text = RackTexts::fileTruncated;
        break;
    case RackFileFault::Malformed:
        text = RackTexts::fileMalformed.arg(error.line);
        break;
    }
    return text + RackTexts::fileUnchanged;
}

} // namespace dosarium

#include "configurations/configurationfile.h"

#include "configurations/recordfile.h"
#include "configurations/recordnumber.h"
#include "files/safewrite.h"

#include <QFile>
#include <QFileInfo>

namespace dosarium {

const QString ConfigurationFile::identification = QStringLiteral("DOSARIUM");
const QString ConfigurationFile::extension = QStringLiteral(".C05");

namespace {

constexpr qint64 fileSize = qint64(ConfigurationFile::recordCount) * RecordFile::recordSize;

// Record `number` (1-based) of the bytes; nothing when the bytes end before it or it is damaged.
std::optional<QString> recordText(const QByteArray& bytes, int number)
{
    const qsizetype start = qsizetype(number - 1) * RecordFile::recordSize;
    if (bytes.size() <= start)
        return std::nullopt;
    return RecordFile::decodeRecord(bytes.mid(start, RecordFile::recordSize));
}

std::optional<double> recordNumber(const QByteArray& bytes, int number)
{
    const std::optional<QString> text = recordText(bytes, number);
    if (!text)
        return std::nullopt;
    return RecordNumber::read(*text);
}

std::optional<qint16> recordInt16(const QByteArray& bytes, int number)
{
    const std::optional<double> value = recordNumber(bytes, number);
    return value ? RecordNumber::toInt16(*value) : std::nullopt;
}

} // namespace

QByteArray ConfigurationFile::encode(const ConfigurationValues& values)
{
    QByteArray bytes;
    bytes.reserve(fileSize);
    bytes += RecordFile::encodeRecord(identification);
    bytes += RecordFile::encodeRecord(RecordNumber::fromInteger(values.reagentIndex));
    bytes += RecordFile::encodeRecord(RecordNumber::fromReal(values.flaskVolume));
    bytes += RecordFile::encodeRecord(RecordNumber::fromReal(values.sampledVolume));
    bytes += RecordFile::encodeRecord(RecordNumber::fromInteger(values.samplingTool));
    bytes += RecordFile::encodeRecord(RecordNumber::fromInteger(values.flaskPosition));
    bytes += RecordFile::encodeRecord(RecordNumber::fromInteger(values.samplePosition));
    bytes += RecordFile::encodeRecord(RecordNumber::fromInteger(values.massPosition));
    bytes += RecordFile::encodeRecord(RecordNumber::fromReal(values.sampledMass));
    return bytes;
}

ConfigurationReading ConfigurationFile::decode(const QByteArray& bytes)
{
    ConfigurationReading reading;
    if (bytes.size() < 2) {
        reading.status = ConfigurationStatus::NotConfiguration;
        return reading;
    }
    const std::optional<QString> first = recordText(bytes, 1);
    if (!first)
        return reading;
    if (*first != identification) {
        reading.status = ConfigurationStatus::NotConfiguration;
        return reading;
    }

    const std::optional<qint16> reagent = recordInt16(bytes, 2);
    if (!reagent)
        return reading;
    reading.values.reagentIndex = *reagent;
    reading.reagentIndexRead = true;

    // The volumes are recomputed by the replay; their records only have to be readable.
    const std::optional<double> flaskVolume = recordNumber(bytes, 3);
    if (!flaskVolume)
        return reading;
    const std::optional<double> sampledVolume = recordNumber(bytes, 4);
    if (!sampledVolume)
        return reading;
    reading.values.flaskVolume = RecordNumber::toReal(*flaskVolume).value_or(0.0f);
    reading.values.sampledVolume = RecordNumber::toReal(*sampledVolume).value_or(0.0f);

    const std::optional<qint16> tool = recordInt16(bytes, 5);
    const std::optional<qint16> flaskPosition = tool ? recordInt16(bytes, 6) : std::nullopt;
    const std::optional<qint16> samplePosition =
        flaskPosition ? recordInt16(bytes, 7) : std::nullopt;
    const std::optional<double> massNumber = samplePosition ? recordNumber(bytes, 8) : std::nullopt;
    const std::optional<qint32> massPosition =
        massNumber ? RecordNumber::toInt32(*massNumber) : std::nullopt;
    if (!massPosition)
        return reading;
    reading.values.samplingTool = *tool;
    reading.values.flaskPosition = *flaskPosition;
    reading.values.samplePosition = *samplePosition;
    reading.values.massPosition = *massPosition;

    const std::optional<double> massNumber9 = recordNumber(bytes, 9);
    const std::optional<float> mass =
        massNumber9 ? RecordNumber::toReal(*massNumber9) : std::nullopt;
    if (!mass)
        return reading;
    reading.values.sampledMass = *mass;
    reading.sampledMassRead = true;
    reading.status = ConfigurationStatus::Read;
    return reading;
}

ConfigurationReading ConfigurationFile::read(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(fileSize);
    if (file.error() != QFileDevice::NoError)
        return {};
    return decode(bytes);
}

bool ConfigurationFile::write(const QString& path, const ConfigurationValues& values)
{
    return safeWrite(path, encode(values));
}

} // namespace dosarium

#include "configurations/configurationrecords.h"

#include "configurations/recordfile.h"
#include "configurations/recordnumber.h"

#include <cmath>

namespace dosarium {

namespace configurationrecords {

QString text(const Record& record, const ConfigurationValues& values)
{
    switch (record.kind) {
    case Record::Int16:
        return RecordNumber::fromInteger(values.*record.int16);
    case Record::Int32:
        return RecordNumber::fromInteger(values.*record.int32);
    case Record::Real:
    case Record::RecomputedReal:
        break;
    }
    return RecordNumber::fromReal(values.*record.real);
}

bool read(const Record& record, const QString& text, ConfigurationValues& values)
{
    const std::optional<double> number = RecordNumber::read(text);
    if (!number)
        return false;
    switch (record.kind) {
    case Record::Int16: {
        const std::optional<qint16> value = RecordNumber::toInt16(*number);
        if (value)
            values.*record.int16 = *value;
        return value.has_value();
    }
    case Record::Int32: {
        const std::optional<qint32> value = RecordNumber::toInt32(*number);
        if (value)
            values.*record.int32 = *value;
        return value.has_value();
    }
    case Record::Real: {
        const std::optional<float> value = RecordNumber::toReal(*number);
        if (value)
            values.*record.real = *value;
        return value.has_value();
    }
    case Record::RecomputedReal:
        break;
    }
    values.*record.real = RecordNumber::toReal(*number).value_or(0.0f);
    return true;
}

bool same(const Record& record, const ConfigurationValues& a, const ConfigurationValues& b)
{
    switch (record.kind) {
    case Record::Int16:
        return a.*record.int16 == b.*record.int16;
    case Record::Int32:
        return a.*record.int32 == b.*record.int32;
    case Record::Real:
    case Record::RecomputedReal:
        break;
    }
    const float x = a.*record.real;
    const float y = b.*record.real;
    return x == y || std::fabs(x - y) <= 1e-6f * std::fmax(std::fabs(x), std::fabs(y));
}

} // namespace configurationrecords

namespace {

using configurationrecords::records;

constexpr int lastNumber = configurationrecords::firstNumber + int(records.size()) - 1;
static_assert(lastNumber == ConfigurationFile::recordCount);
constexpr qint64 fileSize = qint64(lastNumber) * RecordFile::recordSize;

// Record `number` (1-based) of the bytes; nothing when the bytes end before it or it is damaged.
std::optional<QString> recordText(const QByteArray& bytes, int number)
{
    const qsizetype start = qsizetype(number - 1) * RecordFile::recordSize;
    if (bytes.size() <= start)
        return std::nullopt;
    return RecordFile::decodeRecord(bytes.mid(start, RecordFile::recordSize));
}

} // namespace

QByteArray ConfigurationFile::encode(const ConfigurationValues& values)
{
    QByteArray bytes;
    bytes.reserve(fileSize);
    bytes += RecordFile::encodeRecord(identification);
    for (const configurationrecords::Record& record : records)
        bytes += RecordFile::encodeRecord(configurationrecords::text(record, values));
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
    int number = configurationrecords::firstNumber;
    for (const configurationrecords::Record& record : records) {
        const std::optional<QString> text = recordText(bytes, number);
        if (!text || !configurationrecords::read(record, *text, reading.values))
            return reading;
        reading.reagentIndexRead = true;
        ++number;
    }
    reading.sampledMassRead = true;
    reading.status = ConfigurationStatus::Read;
    return reading;
}

} // namespace dosarium

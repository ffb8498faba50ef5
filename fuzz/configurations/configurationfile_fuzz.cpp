// Feeds arbitrary bytes to the configuration reader and to the number-text reader, and checks
// that whatever reads as a configuration is written back to the same values.
#include "configurations/configurationfile.h"
#include "configurations/configurationrecords.h"
#include "configurations/recordfile.h"
#include "configurations/recordnumber.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdlib>

using namespace dosarium;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    const std::optional<double> number = RecordNumber::read(QString::fromLatin1(bytes));
    if (number) {
        RecordNumber::toInt16(*number);
        RecordNumber::toInt32(*number);
        if (const std::optional<float> real = RecordNumber::toReal(*number))
            RecordNumber::fromReal(*real);
    }
    RecordFile::decodeRecord(bytes);

    const ConfigurationReading reading = ConfigurationFile::decode(bytes);
    if (reading.status != ConfigurationStatus::Read)
        return 0;
    const ConfigurationReading again =
        ConfigurationFile::decode(ConfigurationFile::encode(reading.values));
    if (again.status != ConfigurationStatus::Read)
        std::abort();
    for (const configurationrecords::Record& record : configurationrecords::records) {
        if (!configurationrecords::same(record, reading.values, again.values))
            std::abort();
    }
    return 0;
}

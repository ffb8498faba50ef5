// Feeds arbitrary bytes to the configuration reader and to the number-text reader, and checks
// that whatever reads as a configuration is written back to the same values.
#include "configurations/configurationfile.h"
#include "configurations/recordfile.h"
#include "configurations/recordnumber.h"

#include <QByteArray>
#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdlib>

using namespace dosarium;

namespace {

bool close(float a, float b)
{
    return a == b || std::fabs(a - b) <= 1e-6f * std::fmax(std::fabs(a), std::fabs(b));
}

} // namespace

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
    const ConfigurationValues& a = reading.values;
    const ConfigurationValues& b = again.values;
    if (again.status != ConfigurationStatus::Read || a.reagentIndex != b.reagentIndex ||
        a.samplingTool != b.samplingTool || a.flaskPosition != b.flaskPosition ||
        a.samplePosition != b.samplePosition || a.massPosition != b.massPosition ||
        !close(a.flaskVolume, b.flaskVolume) || !close(a.sampledVolume, b.sampledVolume) ||
        !close(a.sampledMass, b.sampledMass))
        std::abort();
    return 0;
}

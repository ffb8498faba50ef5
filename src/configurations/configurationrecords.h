// The records of a configuration file after its identification, in file order: the value each
// holds and how its number text is read back. Writing, reading and the fuzz target all use them.
#pragma once

#include "configurations/configurationfile.h"

#include <QString>
#include <array>

namespace dosarium::configurationrecords {

struct Record {
    enum Kind {
        Int16,
        Int32,
        Real,
        // Read, but a value beyond a 32-bit real reads as 0: the replay recomputes it.
        RecomputedReal,
    };
    Kind kind;
    qint16 ConfigurationValues::*int16 = nullptr;
    qint32 ConfigurationValues::*int32 = nullptr;
    float ConfigurationValues::*real = nullptr;
};

inline constexpr int firstNumber = 2; // record 1 is the identification

inline constexpr std::array<Record, 8> records = {{
    {Record::Int16, &ConfigurationValues::reagentIndex},
    {Record::RecomputedReal, nullptr, nullptr, &ConfigurationValues::flaskVolume},
    {Record::RecomputedReal, nullptr, nullptr, &ConfigurationValues::sampledVolume},
    {Record::Int16, &ConfigurationValues::samplingTool},
    {Record::Int16, &ConfigurationValues::flaskPosition},
    {Record::Int16, &ConfigurationValues::samplePosition},
    {Record::Int32, nullptr, &ConfigurationValues::massPosition},
    {Record::Real, nullptr, nullptr, &ConfigurationValues::sampledMass},
}};

// The number text a record holds for the values.
QString text(const Record& record, const ConfigurationValues& values);
// Reads the record's number text into the values; false when it does not read or is out of the
// field's range.
bool read(const Record& record, const QString& text, ConfigurationValues& values);
// Whether the record holds the same number for both, reals to their seventh digit.
bool same(const Record& record, const ConfigurationValues& a, const ConfigurationValues& b);

} // namespace dosarium::configurationrecords

// The nine records of a ".C05" configuration file, written and read as plain values.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace dosarium {

// What a configuration file holds, in record order 2 to 9 (record 1 is the identification).
struct ConfigurationValues {
    qint16 reagentIndex = 0;
    float flaskVolume = 0.0f;
    float sampledVolume = 0.0f;
    qint16 samplingTool = 0;
    qint16 flaskPosition = 0;  // UpDown1
    qint16 samplePosition = 0; // UpDown2
    qint32 massPosition = 0;   // HScroll1
    float sampledMass = 0.0f;

    bool operator==(const ConfigurationValues&) const = default;
};

enum class ConfigurationStatus {
    Read,
    NotConfiguration, // record 1 is not the identification
    Unreadable,       // missing file, damaged record, number out of range, file cut short
};

struct ConfigurationReading {
    ConfigurationStatus status = ConfigurationStatus::Unreadable;
    // The values read; on a failure only those read before it are meaningful.
    ConfigurationValues values;
    bool reagentIndexRead = false;
    bool sampledMassRead = false;
};

class ConfigurationFile {
  public:
    static constexpr int recordCount = 9;
    static const QString identification;
    static const QString extension;

    // The nine records, 1152 bytes.
    static QByteArray encode(const ConfigurationValues& values);
    // Reads a file's records; never creates nor changes the file. An empty file has an empty
    // first record and is not a configuration; a file that ends before record 9 is unreadable.
    static ConfigurationReading read(const QString& path);
    // The same on bytes already read.
    static ConfigurationReading decode(const QByteArray& bytes);
    // Writes through a temporary file renamed over the old one, so a failed write leaves any
    // previous file whole. Devices (such as /dev/full) are written in place.
    static bool write(const QString& path, const ConfigurationValues& values);
};

} // namespace dosarium

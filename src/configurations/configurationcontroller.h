// Saving the bench's preparation to a file and loading a file back by replaying it on the bench.
#pragma once

#include "configurations/configurationload.h"
#include "ui/messageservice.h"

#include <QString>
#include <optional>

namespace dosarium {

class BenchModel;
struct ComparisonReport;

class ConfigurationController {
  public:
    ConfigurationController(BenchModel& bench, MessageService& messages);

    // The file the student last named, which the save window proposes.
    const QString& configPath() const { return m_configPath; }
    void setConfigPath(const QString& path) { m_configPath = path; }

    // Resets the bench for a file read. A refused file's failure is shown then and the bench keeps
    // the reagent read before it; an accepted file's preparation is returned, to apply.
    std::optional<Preparation> reset(const ConfigurationLoad& load);
    // Plays the preparation on a bench just reset and names `path` in the caption.
    void apply(const Preparation& preparation, const QString& path);
    // Resets, reads and applies `path`, reporting its own failures.
    void load(const QString& path);

    // Writes the preparation to `path`, which becomes `configPath`; on success the caption names
    // the file, on failure the message has been shown and the caption is unchanged.
    bool write(const QString& path);

    // Compares the bench's preparation with the one the file at `path` makes, replayed on a bench
    // of its own: the bench, `configPath` and the file stay as they are. The file is not read
    // while the bench has no result to compare.
    ComparisonReport compareWith(const QString& path) const;

    static QString captionFor(const QString& path);

    const BenchModel& bench() const { return m_bench; }

  private:
    BenchModel& m_bench;
    MessageService& m_messages;
    QString m_configPath;
};

} // namespace dosarium

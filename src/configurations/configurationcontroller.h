// Saving the bench's preparation to a file and loading a file back by replaying it on the bench.
#pragma once

#include "configurations/configurationload.h"
#include "ui/messageservice.h"

#include <QString>
#include <optional>

namespace dosarium {

class BenchModel;
struct ComparisonReport;

// A preparation set aside while the workbench shows another, with the caption and the file name
// that went with it.
struct KeptPreparation {
    Preparation preparation;
    QString caption;
    QString configPath;

    bool operator==(const KeptPreparation&) const = default;
};

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

    // The bench's preparation once the bench accepted it, to set aside; nothing before.
    std::optional<KeptPreparation> finishedPreparation() const;
    // Puts a preparation set aside back as loading puts a file's: the bench reset, the preparation
    // replayed, its caption and file name back.
    void restore(const KeptPreparation& kept);

    // A preparation from a mother solution made on the bench cannot be written to a file: this
    // tells the student so and answers true; otherwise it answers false and shows nothing.
    bool refuseUnsavable();
    // Writes the preparation to `path`, which becomes `configPath`; on success the caption names
    // the file, on failure the message has been shown and the caption is unchanged.
    bool write(const QString& path);

    // Compares the bench's preparation with the one the file at `path` makes, replayed on a bench
    // of its own: the bench, `configPath` and the file stay as they are. The file is not read
    // while the bench has no result to compare.
    ComparisonReport compareWith(const QString& path) const;
    // The same for a preparation set aside while the bench shows the correction's, replayed on a
    // bench of its own too; without one there is nothing to compare.
    ComparisonReport compareKeptWith(const std::optional<Preparation>& kept,
                                     const QString& path) const;

    static QString captionFor(const QString& path);

    const BenchModel& bench() const { return m_bench; }

  private:
    BenchModel& m_bench;
    MessageService& m_messages;
    QString m_configPath;
};

} // namespace dosarium

// A configuration file as loading takes it, and the preparation its records hold.
#pragma once

#include "configurations/configurationfile.h"
#include "protocol/preparation.h"
#include "ui/messageservice.h"

#include <QString>
#include <optional>

namespace dosarium {

class BenchModel;

// The preparation to play, or the failure the student is shown.
struct ConfigurationLoad {
    std::optional<Preparation> preparation;
    Message failure;
    // A reagent of the catalogue read before the failure, which the reset bench keeps.
    std::optional<qint16> reagentIndex;
};

// Reads a file; never creates nor changes it.
ConfigurationLoad readConfiguration(const QString& path);

// Resets the bench for a file read. A refused file's failure is shown then and the bench keeps the
// reagent read before it; an accepted file's preparation is returned, to play.
std::optional<Preparation> resetForLoad(BenchModel& bench, MessageService& messages,
                                        const ConfigurationLoad& load);

// The records that save a preparation, and the preparation records hold; nothing for a reagent
// the cupboard does not hold. The volumes' records are not read back: the replay recomputes them.
ConfigurationValues configurationValues(const Preparation& preparation);
std::optional<Preparation> preparationFrom(const ConfigurationValues& values);

} // namespace dosarium

// A tube of the rack: a solution the bench prepared, with what the bench computed for it.
#pragma once

#include "colour/absorptionspectrum.h"
#include "protocol/preparation.h"

#include <QString>
#include <optional>

namespace dosarium {

class BenchModel;

struct Tube {
    // How the solution was made, when it was made on the bench from a bottle it can replay.
    std::optional<Preparation> preparation;
    int reagentIndex = 0;
    double concentration = 0.0;       // mol/L
    double relativeUncertainty = 0.0; // a fraction, as the result shows it
    // Where the solution was taken from, as the student reads it.
    QString origin;

    // The solution the bench shows as its result; nothing while no result is shown. Every tube
    // poured from the bench is made here.
    static std::optional<Tube> fromBench(const BenchModel& bench);

    Chromophore chromophore() const { return chromophoreOf(reagentIndex); }
    bool operator==(const Tube&) const = default;
};

// The solution the student must place in the range; its concentration is never shown.
struct UnknownSolution {
    int reagentIndex = 0;
    double concentration = 0.0; // mol/L

    Chromophore chromophore() const { return chromophoreOf(reagentIndex); }
    bool operator==(const UnknownSolution&) const = default;
};

} // namespace dosarium

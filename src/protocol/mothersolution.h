// A solution prepared on the bench and kept in a bottle of its own, from which the student takes
// samples as from the cupboard's stock solutions.
#pragma once

#include <QtGlobal>

namespace dosarium {

struct MotherSolution {
    int reagentIndex = 0;
    double concentration = 0.0; // mol/L, as its result computed it
    qint16 uncertainty = 0;     // relative, in hundredths of a percent, as its result showed it

    bool operator==(const MotherSolution&) const = default;
};

} // namespace dosarium

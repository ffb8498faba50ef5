// The checks of a flask validation and the concentration and relative uncertainty it reports.
#pragma once

#include "protocol/mothersolution.h"
#include "protocol/preparationstate.h"

#include <QtGlobal>
#include <optional>

namespace dosarium {

enum class Refusal { None, Solubility, SampleVolume, SoluteVolume };

// The first check that refuses the preparation, in the order they are made. A sample of a mother
// solution is a volume of a solution, whatever its solute.
Refusal checkPreparation(const PreparationState& state, const MotherSolution* mother = nullptr);

struct PreparationResult {
    // The concentration in mol/L, and whether it was held in single precision (which decides the
    // digits it is displayed with).
    double concentration = 0.0;
    bool singlePrecision = false;
    // The relative uncertainty in hundredths of a percent, as computed and as shown (at most 100
    // %).
    qint16 computedUncertainty = 0;
    qint16 uncertainty = 0;
    // For a dilution of a mother solution: the mother's own share of the uncertainty above.
    qint16 motherUncertainty = 0;
};

inline constexpr qint16 uncertaintyCap = 10000;
// Above this (5,00 %), the protocol draws the imprecision warning.
inline constexpr qint16 uncertaintyWarningLimit = 500;

inline bool needsImprecisionWarning(qint16 uncertainty)
{
    return uncertainty > uncertaintyWarningLimit;
}

// Empty when the computation cannot be carried out (an unknown reagent, a zero sample). A sample
// of a mother solution is diluted from the mother's concentration, and the result's relative
// uncertainty is the sum of the mother's and the dilution's.
std::optional<PreparationResult> computeResult(const PreparationState& state,
                                               const MotherSolution* mother = nullptr);

} // namespace dosarium

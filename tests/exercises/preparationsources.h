// Preparations as an exercise's source writes them: the reagent by its place in the cupboard, the
// amount and the flask in millilitres.
#pragma once

#include "exercises/exercisesource.h"
#include "protocol/preparationstate.h"

namespace dosarium::testing {

namespace reagents {
constexpr qint16 ethanol = 0, acetone = 1, aceticAcid = 2, saccharose = 3, glucose = 4,
                 sodiumHydroxide = 5, permanganate = 6, copperSulfate = 7, hydrochloricAcid = 8;
} // namespace reagents

inline PreparationSource weighed(qint16 reagent, double mass, double flask)
{
    return {reagent, qint16(SamplingTool::Balance), mass, 0.0, flask, {}};
}

inline PreparationSource measured(qint16 reagent, SamplingTool tool, double volume, double flask)
{
    return {reagent, qint16(tool), 0.0, volume, flask, {}};
}

} // namespace dosarium::testing

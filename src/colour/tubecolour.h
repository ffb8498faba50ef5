// The colour of a tube of solution seen from the side against a white ground in daylight.
#pragma once

#include "colour/absorptionspectrum.h"
#include "colour/colourspaces.h"
#include "colour/colourtables.h"

#include <optional>

namespace dosarium {

// The inner diameter of a 16 mm test tube, in cm.
constexpr double tubePathLength = 1.5;

struct TubeColour {
    Xyz xyz;
    Lab lab; // relative to the white ground
    Srgb srgb;
};

// Light through the solution, T(λ) = 10^(−ε(λ)·ℓ·c), weighted by the observer under daylight.
// The tables must be valid.
TubeColour tubeColour(const ColourTables& tables, Chromophore chromophore, double concentration,
                      double pathLength = tubePathLength);

// The same with the system's colour tables; nothing when they cannot be read.
std::optional<TubeColour> standardTubeColour(Chromophore chromophore, double concentration);

} // namespace dosarium

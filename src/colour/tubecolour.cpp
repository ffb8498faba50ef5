#include "colour/tubecolour.h"

#include <array>
#include <cmath>
#include <numbers>

namespace dosarium {
namespace {

using Samples = std::array<double, ColourTables::sampleCount>;

// ε at the tables' wavelengths, times ln 10 so that T = exp(−sample·ℓ·c).
Samples naturalAbsorption(Chromophore chromophore)
{
    Samples samples{};
    for (int i = 0; i < ColourTables::sampleCount; ++i)
        samples[static_cast<std::size_t>(i)] =
            std::numbers::ln10 * molarAbsorption(chromophore, ColourTables::wavelength(i));
    return samples;
}

const Samples& sampledAbsorption(Chromophore chromophore)
{
    static const Samples none = naturalAbsorption(Chromophore::None);
    static const Samples permanganate = naturalAbsorption(Chromophore::Permanganate);
    static const Samples copper = naturalAbsorption(Chromophore::CopperAqua);
    switch (chromophore) {
    case Chromophore::Permanganate:
        return permanganate;
    case Chromophore::CopperAqua:
        return copper;
    case Chromophore::None:
        break;
    }
    return none;
}

} // namespace

TubeColour tubeColour(const ColourTables& tables, Chromophore chromophore, double concentration,
                      double pathLength)
{
    const Samples& absorption = sampledAbsorption(chromophore);
    const double depth = pathLength * concentration;
    Xyz xyz;
    for (std::size_t i = 0; i < absorption.size(); ++i) {
        const double transmitted = std::exp(-absorption[i] * depth);
        const Xyz& w = tables.weights()[i];
        xyz.x += w.x * transmitted;
        xyz.y += w.y * transmitted;
        xyz.z += w.z * transmitted;
    }
    return {xyz, toLab(xyz, tables.white()), toSrgb(xyz)};
}

std::optional<TubeColour> standardTubeColour(Chromophore chromophore, double concentration)
{
    const ColourTables& tables = ColourTables::standard();
    if (!tables.isValid())
        return std::nullopt;
    return tubeColour(tables, chromophore, concentration);
}

} // namespace dosarium

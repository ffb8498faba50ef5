#include "colour/colourtables.h"

#include <cmath>
#include <optional>

namespace dosarium {
namespace {

// The samples of one spectrum at firstWavelength, firstWavelength + step, ... lastWavelength.
std::optional<std::array<double, ColourTables::sampleCount>>
visibleSamples(const SpectralTable& table, std::size_t set)
{
    std::array<double, ColourTables::sampleCount> samples{};
    std::array<bool, ColourTables::sampleCount> found{};
    for (std::size_t i = 0; i < table.wavelengths.size(); ++i) {
        const double offset = table.wavelengths[i] - ColourTables::firstWavelength;
        const double index = offset / ColourTables::wavelengthStep;
        const long rounded = std::lround(index);
        if (std::abs(index - double(rounded)) > 1e-6 || rounded < 0 ||
            rounded >= ColourTables::sampleCount)
            continue;
        samples[static_cast<std::size_t>(rounded)] = table.sets[set][i];
        found[static_cast<std::size_t>(rounded)] = true;
    }
    for (bool f : found)
        if (!f)
            return std::nullopt;
    return samples;
}

} // namespace

QString ColourTables::standardObserverPath()
{
    return QStringLiteral("/usr/share/colord/cmf/CIE1931-2deg-XYZ.cmf");
}

QString ColourTables::standardIlluminantPath()
{
    return QStringLiteral("/usr/share/colord/illuminant/CIE-D65.sp");
}

const ColourTables& ColourTables::standard()
{
    static const ColourTables tables = load(standardObserverPath(), standardIlluminantPath());
    return tables;
}

ColourTables ColourTables::load(const QString& observerPath, const QString& illuminantPath)
{
    ColourTables tables;
    const auto fail = [&tables](ColourTableFault fault, const QString& file) {
        tables.m_fault = fault;
        tables.m_faultyFile = file;
        return tables;
    };

    const SpectralTable observer = readSpectralFile(observerPath);
    if (observer.fault != ColourTableFault::None)
        return fail(observer.fault, observerPath);
    if (observer.sets.size() != 3)
        return fail(ColourTableFault::Malformed, observerPath);
    std::array<std::array<double, sampleCount>, 3> functions{};
    for (std::size_t f = 0; f < 3; ++f) {
        const auto samples = visibleSamples(observer, f);
        if (!samples)
            return fail(ColourTableFault::TooNarrow, observerPath);
        functions[f] = *samples;
    }

    const SpectralTable illuminant = readSpectralFile(illuminantPath);
    if (illuminant.fault != ColourTableFault::None)
        return fail(illuminant.fault, illuminantPath);
    if (illuminant.sets.size() != 1)
        return fail(ColourTableFault::Malformed, illuminantPath);
    const auto power = visibleSamples(illuminant, 0);
    if (!power)
        return fail(ColourTableFault::TooNarrow, illuminantPath);

    double whiteY = 0.0;
    for (std::size_t i = 0; i < sampleCount; ++i)
        whiteY += (*power)[i] * functions[1][i];
    if (!(whiteY > 0.0) || !std::isfinite(whiteY))
        return fail(ColourTableFault::Malformed, illuminantPath);
    Xyz white;
    for (std::size_t i = 0; i < sampleCount; ++i) {
        const double s = (*power)[i] / whiteY;
        tables.m_weights[i] = {s * functions[0][i], s * functions[1][i], s * functions[2][i]};
        white.x += tables.m_weights[i].x;
        white.y += tables.m_weights[i].y;
        white.z += tables.m_weights[i].z;
    }
    tables.m_white = white;
    return tables;
}

} // namespace dosarium

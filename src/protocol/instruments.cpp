#include "protocol/instruments.h"

#include "protocol/benchnumbers.h"

#include <array>

namespace dosarium::instruments {
namespace {

constexpr std::array<float, 7> flaskVolumes = {25, 50, 100, 200, 250, 500, 1000};
constexpr std::array<float, 6> pipetteVolumes = {1, 2, 5, 10, 20, 25};

} // namespace

Glassware glassware(SamplingTool tool)
{
    switch (tool) {
    case SamplingTool::VolumetricFlask:
        return {6, 3};
    case SamplingTool::GraduatedCylinder:
        return {90, 40};
    case SamplingTool::VolumetricPipette:
        return {5, 3};
    case SamplingTool::GraduatedPipette:
        return {90, 40};
    case SamplingTool::Balance:
        break;
    }
    return {0, 0};
}

std::optional<float> sampledVolumeAt(SamplingTool tool, int position)
{
    switch (tool) {
    case SamplingTool::VolumetricFlask:
        return flaskVolumeAt(position);
    case SamplingTool::GraduatedCylinder:
        if (position >= 0 && position <= 90)
            return float(position + 10);
        break;
    case SamplingTool::VolumetricPipette:
        if (position >= 0 && position < int(pipetteVolumes.size()))
            return pipetteVolumes[position];
        break;
    case SamplingTool::GraduatedPipette:
        // The nearest float to the tenth of a millilitre.
        if (position >= 0 && position <= 90)
            return float((position + 10) / 10.0);
        break;
    case SamplingTool::Balance:
        break;
    }
    return std::nullopt;
}

std::optional<float> flaskVolumeAt(int position)
{
    if (position >= 0 && position < int(flaskVolumes.size()))
        return flaskVolumes[position];
    return std::nullopt;
}

float sampledMassAt(int balancePosition)
{
    return float(balancePosition / 100.0);
}

QString massReadout(int balancePosition, const QLocale& locale)
{
    return benchnumbers::fixed(balancePosition / 100.0, 2, benchnumbers::doubleDigits, locale) +
           QStringLiteral(" g");
}

QString sampledVolumeReadout(SamplingTool tool, float volume, const QLocale& locale)
{
    const QString number = tool == SamplingTool::GraduatedPipette
                               ? benchnumbers::fixed(volume, 1, benchnumbers::singleDigits, locale)
                               : benchnumbers::general(volume, benchnumbers::singleDigits, locale);
    return number + QStringLiteral(" mL");
}

QString flaskVolumeReadout(float volume, const QLocale& locale)
{
    return benchnumbers::general(volume, benchnumbers::singleDigits, locale) +
           QStringLiteral(" mL");
}

} // namespace dosarium::instruments

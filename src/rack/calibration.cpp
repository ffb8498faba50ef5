#include "rack/calibration.h"

#include <algorithm>
#include <cmath>

namespace dosarium {

int bandMaximum(Chromophore chromophore)
{
    int best = lowestWavelength;
    double highest = molarAbsorption(chromophore, best);
    for (int wavelength = lowestWavelength + 1; wavelength <= highestWavelength; ++wavelength) {
        const double epsilon = molarAbsorption(chromophore, wavelength);
        if (epsilon > highest) {
            highest = epsilon;
            best = wavelength;
        }
    }
    return best;
}

Calibration calibrate(const std::vector<Tube>& standards, double wavelength)
{
    Calibration calibration;
    calibration.wavelength = wavelength;
    double sumCA = 0.0;
    double sumCC = 0.0;
    double largestAbsorbance = 0.0;
    for (const Tube& tube : standards) {
        const double a =
            absorbance(tube.chromophore(), wavelength, cellPathLength, tube.concentration);
        calibration.points.push_back({tube.concentration, a});
        sumCA += tube.concentration * a;
        sumCC += tube.concentration * tube.concentration;
        largestAbsorbance = std::max(largestAbsorbance, a);
        calibration.standardsUncertainty =
            std::max(calibration.standardsUncertainty, tube.relativeUncertainty);
    }
    if (standards.size() < 2) {
        calibration.fault = CalibrationFault::TooFewStandards;
        return calibration;
    }
    if (largestAbsorbance < weakestUsefulAbsorbance) {
        calibration.fault = CalibrationFault::NoAbsorption;
        return calibration;
    }
    calibration.slope = sumCA / sumCC;
    double residuals = 0.0;
    for (const CalibrationPoint& p : calibration.points) {
        const double r = p.absorbance - calibration.slope * p.concentration;
        residuals += r * r;
    }
    const double variance = residuals / double(calibration.points.size() - 1);
    calibration.relativeSlopeError = std::sqrt(variance / sumCC) / calibration.slope;
    return calibration;
}

std::optional<UnknownReading> readUnknown(const Calibration& calibration,
                                          const UnknownSolution& unknown)
{
    if (calibration.fault != CalibrationFault::None)
        return std::nullopt;
    UnknownReading reading;
    reading.absorbance = absorbance(unknown.chromophore(), calibration.wavelength, cellPathLength,
                                    unknown.concentration);
    reading.concentration = reading.absorbance / calibration.slope;
    reading.relativeUncertainty = calibration.standardsUncertainty + calibration.relativeSlopeError;
    const auto [least, most] =
        std::minmax_element(calibration.points.begin(), calibration.points.end(),
                            [](const CalibrationPoint& a, const CalibrationPoint& b) {
                                return a.concentration < b.concentration;
                            });
    reading.outsideRange =
        reading.concentration < least->concentration || reading.concentration > most->concentration;
    return reading;
}

} // namespace dosarium

// The spectrophotometer's reading of the rack: each tube's absorbance at one wavelength in a 1 cm
// cell, the line through the origin fitted to the standards, and the unknown read on it.
#pragma once

#include "rack/tube.h"

#include <optional>
#include <vector>

namespace dosarium {

// The cell of the spectrophotometer, in cm.
constexpr double cellPathLength = 1.0;
constexpr int lowestWavelength = 400;
constexpr int highestWavelength = 800;
// Below this absorbance for the most concentrated standard, the line says nothing.
constexpr double weakestUsefulAbsorbance = 0.01;

struct CalibrationPoint {
    double concentration = 0.0; // mol/L
    double absorbance = 0.0;
};

enum class CalibrationFault { None, TooFewStandards, NoAbsorption };

struct Calibration {
    double wavelength = 0.0; // nm
    std::vector<CalibrationPoint> points;
    CalibrationFault fault = CalibrationFault::None;
    // A = slope × C, in L/mol, the least-squares line through the origin.
    double slope = 0.0;
    // Its standard error relative to it: zero when the points lie on the line.
    double relativeSlopeError = 0.0;
    // The largest relative uncertainty of the standards' concentrations.
    double standardsUncertainty = 0.0;
};

struct UnknownReading {
    double absorbance = 0.0;
    double concentration = 0.0;
    // The standards' uncertainty and the line's, added as the bench adds relative uncertainties.
    double relativeUncertainty = 0.0;
    // Beyond the most or below the least concentrated standard.
    bool outsideRange = false;
};

// The wavelength, to the nanometre from 400 to 800 nm, where the species absorbs most; 400 nm
// for a colourless one.
int bandMaximum(Chromophore chromophore);

Calibration calibrate(const std::vector<Tube>& standards, double wavelength);
// Nothing when the line is not usable.
std::optional<UnknownReading> readUnknown(const Calibration& calibration,
                                          const UnknownSolution& unknown);

} // namespace dosarium

// The numbers and names the rack shows for a tube, written as the bench writes its result.
#pragma once

#include "colour/tubecolour.h"
#include "rack/calibration.h"
#include "rack/tube.h"

#include <QString>

namespace dosarium::racklabels {

// "5,00 · 10⁻² mol · L⁻¹", three significant figures.
QString concentrationText(double concentration);
// A value to three significant figures with its power of ten, without a unit: "5,00·10⁻²".
QString shortNumber(double value);
// Cm = C × M of the solute: "7,98 g · L⁻¹".
QString massConcentrationText(const Tube& tube);
double massConcentration(const Tube& tube);
// L* to the unit, "?" without colour tables.
QString lightnessText(Chromophore chromophore, double concentration);
// The accessible names: the concentration and the lightness of a standard, then its relative
// uncertainty and where it was taken from; the lightness alone of the unknown.
QString tubeName(int number, const Tube& tube);
QString unknownName(const UnknownSolution& unknown);
// The unknown read on the curve: its absorbance, its concentration with its uncertainty, and
// whether the reading lies beyond the standards.
QString unknownReadingText(const UnknownReading& reading);

} // namespace dosarium::racklabels

// The result's concentration en masse, and both concentrations written with their uncertainty to
// the figures it leaves meaningful: "(8,58 ± 0,02)".
#pragma once

#include "protocol/resultcomputation.h"

#include <QLocale>
#include <QString>
#include <optional>

namespace dosarium::resultwriting {

// Digits to write, multiplied by ten to the exponent when it is not 0.
struct Written {
    QString digits;
    int exponent = 0;
};

// Cm = C × M in g/L, M being the reagent's molar mass or, for a stock solution, its solute's;
// empty outside the catalogue.
std::optional<double> massConcentration(const PreparationResult& result, int reagentIndex);

// Three significant figures, plain from 0,01 to below 1 000 and with a power of ten outside.
Written threeFigures(double value, int significantDigits, const QLocale& locale);

// Cm as running text writes it, power of ten and unit in superscript digits: "1,60 · 10⁻³ g · L⁻¹".
QString massConcentrationText(double cm, int significantDigits, const QLocale& locale);

// "(value ± Δ)" in units of ten to the exponent: Δ is relative × value rounded up to one
// significant figure, and the value is rounded half away from zero to Δ's last decimal.
QString withUncertainty(double value, double relative, int exponent, int significantDigits,
                        const QLocale& locale);

// The relative uncertainty the result shows, a fraction: 2,2 % is 0.022.
double shownRelativeUncertainty(const PreparationResult& result);

int significantDigits(const PreparationResult& result);

} // namespace dosarium::resultwriting

// The concentration en masse of a preparation worked out from the catalogue alone, and a result
// written with its uncertainty, so that the texts' quotes are checked against figures found
// without the bench's own code.
#pragma once

#include "catalogue/reagent.h"
#include "exercises/exercisesource.h"
#include "protocol/preparationstate.h"

#include <QLocale>
#include <QString>
#include <cmath>

namespace dosarium::testing {

// Cm = C × M, which for a pure substance is the mass sampled per litre of flask.
inline double massConcentration(const PreparationSource& preparation)
{
    const Reagent* reagent = Catalogue::reagent(preparation.reagentIndex);
    if (!reagent)
        return 0.0;
    const double litres = preparation.flask / 1000.0;
    if (Catalogue::isAqueousSolution(preparation.reagentIndex))
        return reagent->concentration * soluteMolarMass(*reagent) * preparation.volume /
               preparation.flask;
    if (SamplingTool(preparation.tool) == SamplingTool::Balance)
        return preparation.mass / litres;
    return reagent->density * preparation.volume / litres;
}

// A number as the texts write it: a mantissa in French and the power of ten it goes with.
struct Written {
    QString mantissa;
    int exponent = 0;
};

inline QString frenchDecimal(double value, int decimals)
{
    QLocale french(QLocale::French, QLocale::France);
    french.setNumberOptions(QLocale::OmitGroupSeparator);
    return french.toString(value, 'f', decimals);
}

// Three significant figures; a power of ten only outside 0,01 to 1 000 unless `scientific`.
inline Written threeFigures(double value, bool scientific)
{
    const int exponent = int(std::floor(std::log10(value)));
    if (scientific || value < 0.01 || value >= 1000.0)
        return {frenchDecimal(value / std::pow(10.0, exponent), 2), exponent};
    return {frenchDecimal(value, std::max(0, 2 - exponent)), 0};
}

// "(value ± Δ)": Δ is the relative uncertainty times the value, rounded up to one significant
// figure (float noise within a millionth does not raise it), and the value is rounded half away
// from zero to Δ's last decimal. Both are written in units of 10^exponent.
struct WrittenResult {
    QString value;
    QString delta;
};

inline WrittenResult withUncertainty(double value, double percent, int exponent)
{
    const double scaled = value / std::pow(10.0, exponent);
    const double delta = scaled * percent / 100.0;
    int place = int(std::floor(std::log10(delta)));
    double digit = std::ceil(delta / std::pow(10.0, place) * (1.0 - 1e-6));
    if (digit == 10.0) {
        digit = 1.0;
        ++place;
    }
    const double unit = std::pow(10.0, place);
    const int decimals = std::max(0, -place);
    const double rounded = std::round(scaled / unit) * unit;
    return {frenchDecimal(rounded, decimals), frenchDecimal(digit * unit, decimals)};
}

} // namespace dosarium::testing

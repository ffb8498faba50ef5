#include "protocol/resultwriting.h"

#include "catalogue/reagent.h"
#include "protocol/benchnumbers.h"
#include "protocol/protocoltexts.h"

#include <cmath>

namespace dosarium::resultwriting {
namespace {

// Plain decimal writing covers 0,01 to below 1 000: powers of ten -2 to 2 of the first figure.
constexpr int plainLowest = -2;
constexpr int plainHighest = 2;
// A Δ this close above a one-figure number is that number: binary noise, not a larger Δ.
constexpr double roundingTolerance = 1e-6;

// Δ rounded up to one significant figure: its figure and the power of ten of that figure.
struct OneFigure {
    int figure = 0;
    int power = 0;
};

OneFigure roundedUp(double delta)
{
    int power = int(std::floor(std::log10(delta)));
    const double scaled = delta / std::pow(10.0, power);
    double figure = std::floor(scaled);
    if (scaled > figure * (1.0 + roundingTolerance))
        figure += 1.0;
    if (figure >= 10.0) {
        figure = 1.0;
        ++power;
    }
    return {int(figure), power};
}

} // namespace

std::optional<double> massConcentration(const PreparationResult& result, int reagentIndex)
{
    const Reagent* reagent = Catalogue::reagent(reagentIndex);
    if (!reagent)
        return std::nullopt;
    return result.concentration * soluteMolarMass(*reagent);
}

Written threeFigures(double value, int significantDigits, const QLocale& locale)
{
    const benchnumbers::Scientific s = benchnumbers::scientific(value, significantDigits, locale);
    if (s.exponent < plainLowest || s.exponent > plainHighest)
        return {s.mantissa, s.exponent};
    return {benchnumbers::fixed(value, plainHighest - s.exponent, significantDigits, locale), 0};
}

QString massConcentrationText(double cm, int significantDigits, const QLocale& locale)
{
    const Written w = threeFigures(cm, significantDigits, locale);
    QString text = w.digits;
    if (w.exponent != 0)
        text += texts::resultPowerOfTen + benchnumbers::superscript(w.exponent);
    return text + texts::resultMassUnit + benchnumbers::superscript(-1);
}

QString withUncertainty(double value, double relative, int exponent, int significantDigits,
                        const QLocale& locale)
{
    const double unit = std::pow(10.0, exponent);
    const double scaled = value / unit;
    const double delta = std::abs(relative * scaled);
    QString valueText;
    QString deltaText;
    if (delta > 0.0 && std::isfinite(delta)) {
        const OneFigure d = roundedUp(delta);
        const int decimals = std::max(0, -d.power);
        // Above the units, the value is rounded to Δ's figure and written with zeros after it.
        const double step = std::pow(10.0, std::max(0, d.power));
        valueText = benchnumbers::fixed(scaled / step, decimals, significantDigits, locale);
        if (d.power > 0 && valueText != QStringLiteral("0"))
            valueText += QString(d.power, QLatin1Char('0'));
        deltaText = benchnumbers::fixed(d.figure * std::pow(10.0, d.power), decimals,
                                        benchnumbers::doubleDigits, locale);
    } else {
        valueText = benchnumbers::general(scaled, significantDigits, locale);
        deltaText = QStringLiteral("0");
    }
    return QStringLiteral("(%1 ± %2)").arg(valueText, deltaText);
}

double shownRelativeUncertainty(const PreparationResult& result)
{
    return benchnumbers::roundedTenths(result.uncertainty) / 1000.0;
}

int significantDigits(const PreparationResult& result)
{
    return result.singlePrecision ? benchnumbers::singleDigits : benchnumbers::doubleDigits;
}

} // namespace dosarium::resultwriting

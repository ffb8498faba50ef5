#include "rack/racklabels.h"

#include "catalogue/reagent.h"
#include "protocol/benchnumbers.h"
#include "protocol/resultwriting.h"
#include "rack/racktexts.h"

#include <cmath>

namespace dosarium::racklabels {

QString concentrationText(double concentration)
{
    const resultwriting::Written w = resultwriting::threeFigures(
        concentration, benchnumbers::doubleDigits, benchnumbers::frenchNumbers());
    QString text = w.digits;
    if (w.exponent != 0)
        text += RackTexts::powerOfTen + benchnumbers::superscript(w.exponent);
    return text + RackTexts::concentrationUnit + benchnumbers::superscript(-1);
}

QString shortNumber(double value)
{
    const resultwriting::Written w = resultwriting::threeFigures(value, benchnumbers::doubleDigits,
                                                                 benchnumbers::frenchNumbers());
    if (w.exponent == 0)
        return w.digits;
    return w.digits + QStringLiteral("·10") + benchnumbers::superscript(w.exponent);
}

double massConcentration(const Tube& tube)
{
    const Reagent* reagent = Catalogue::reagent(tube.reagentIndex);
    return reagent ? tube.concentration * soluteMolarMass(*reagent) : 0.0;
}

QString massConcentrationText(const Tube& tube)
{
    return resultwriting::massConcentrationText(massConcentration(tube), benchnumbers::doubleDigits,
                                                benchnumbers::frenchNumbers());
}

QString lightnessText(Chromophore chromophore, double concentration)
{
    const std::optional<TubeColour> colour = standardTubeColour(chromophore, concentration);
    return colour ? QString::number(std::lround(colour->lab.l)) : QStringLiteral("?");
}

QString tubeName(int number, const Tube& tube)
{
    QString name = RackTexts::tubeName.arg(number).arg(
        concentrationText(tube.concentration), massConcentrationText(tube),
        lightnessText(tube.chromophore(), tube.concentration));
    name += RackTexts::tubeUncertainty.arg(benchnumbers::hundredthsWithOneDecimal(
        int(std::lround(tube.relativeUncertainty * 10000.0)), benchnumbers::frenchNumbers()));
    if (!tube.origin.isEmpty())
        name += RackTexts::tubeOriginSeparator + tube.origin;
    return name;
}

QString unknownName(const UnknownSolution& unknown)
{
    return RackTexts::unknownName.arg(lightnessText(unknown.chromophore(), unknown.concentration));
}

QString unknownReadingText(const UnknownReading& reading)
{
    const resultwriting::Written w = resultwriting::threeFigures(
        reading.concentration, benchnumbers::doubleDigits, benchnumbers::frenchNumbers());
    QString value = resultwriting::withUncertainty(
        reading.concentration, reading.relativeUncertainty, w.exponent, benchnumbers::doubleDigits,
        benchnumbers::frenchNumbers());
    if (w.exponent != 0)
        value += RackTexts::powerOfTen + benchnumbers::superscript(w.exponent);
    const QString absorbance = benchnumbers::fixed(
        reading.absorbance, 3, benchnumbers::doubleDigits, benchnumbers::frenchNumbers());
    QString text = RackTexts::unknownReading.arg(absorbance, value);
    if (reading.outsideRange)
        text += RackTexts::unknownOutside;
    return text;
}

} // namespace dosarium::racklabels

#include "configurations/preparationamounts.h"

#include "protocol/benchtable.h"
#include "protocol/bottles.h"
#include "protocol/instruments.h"

#include <algorithm>
#include <cmath>

namespace dosarium {
namespace {

bool nearlyEqual(double a, double b)
{
    return std::abs(a - b) < 1e-6 * std::max(1.0, std::abs(b));
}

// The position of the glassware's selector that gives `volume`; nothing for no glassware.
std::optional<int> samplePosition(const bench::Instrument* glassware, double volume)
{
    std::optional<int> found;
    const int last = glassware ? instruments::glassware(glassware->tool).maximum : -1;
    for (int position = 0; position <= last; ++position) {
        const std::optional<float> sampled =
            instruments::sampledVolumeAt(glassware->tool, position);
        if (sampled && nearlyEqual(*sampled, volume))
            found = position;
    }
    return found;
}

} // namespace

std::optional<ConfigurationValues> configurationFor(const PreparationAmounts& amounts,
                                                    QString* error)
{
    const auto fail = [&](const QString& message) {
        if (error)
            *error = message;
        return std::nullopt;
    };
    const std::optional<Bottle> bottle = cupboardBottle(amounts.reagentIndex);
    if (!bottle)
        return fail(QStringLiteral("réactif manquant"));
    ConfigurationValues values;
    values.reagentIndex = amounts.reagentIndex;
    values.samplingTool = amounts.tool;
    const bench::Instrument* instrument = bench::instrumentNumbered(amounts.tool);
    if (instrument && instrument->weighs()) {
        if (!bottle->weighed)
            return fail(QStringLiteral("une solution se prélève en volume, pas à la balance"));
        const double hundredths = std::round(amounts.mass * 100.0);
        if (hundredths < 1 || hundredths > instruments::balanceMaximum ||
            !nearlyEqual(hundredths / 100.0, amounts.mass))
            return fail(QStringLiteral("masse entre 0.01 et 200.00 g, au centième, attendue"));
        values.massPosition = qint32(hundredths);
        values.sampledMass = instruments::sampledMassAt(int(hundredths));
    } else {
        if (!bottle->measured)
            return fail(QStringLiteral("un solide se pèse à la balance"));
        const std::optional<int> found = samplePosition(instrument, amounts.volume);
        if (!found)
            return fail(QStringLiteral("la verrerie choisie ne permet pas de prélever %1 mL")
                            .arg(amounts.volume));
        values.samplePosition = qint16(*found);
        values.sampledVolume = *instruments::sampledVolumeAt(instrument->tool, *found);
    }
    std::optional<int> flask;
    for (int position = 0; position <= instruments::flaskMaximum; ++position) {
        const std::optional<float> volume = instruments::flaskVolumeAt(position);
        if (volume && nearlyEqual(*volume, amounts.flask))
            flask = position;
    }
    if (!flask)
        return fail(QStringLiteral("fiole de 25, 50, 100, 200, 250, 500 ou 1000 mL attendue"));
    values.flaskPosition = qint16(*flask);
    values.flaskVolume = *instruments::flaskVolumeAt(*flask);
    return values;
}

} // namespace dosarium

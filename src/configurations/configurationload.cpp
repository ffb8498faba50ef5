#include "configurations/configurationload.h"

#include "configurations/configurationtexts.h"
#include "protocol/benchmodel.h"

namespace dosarium {

namespace texts = configurationtexts;

namespace {

Message failureMessage(const QString& text, const QString& title)
{
    return {text, title, MessageIcon::Critical, MessageButtons::Ok};
}

} // namespace

ConfigurationValues configurationValues(const Preparation& preparation)
{
    const SelectorPositions& positions = preparation.positions();
    ConfigurationValues values;
    values.reagentIndex = qint16(preparation.reagent().index);
    values.flaskVolume = preparation.flaskVolume();
    values.sampledVolume = preparation.sampledVolume();
    values.samplingTool = qint16(preparation.toolNumber());
    values.flaskPosition = qint16(positions.flask);
    values.samplePosition = qint16(positions.sample);
    values.massPosition = positions.mass;
    values.sampledMass = preparation.sampledMass();
    return values;
}

std::optional<Preparation> preparationFrom(const ConfigurationValues& values)
{
    return Preparation::make(values.reagentIndex, values.samplingTool,
                             {values.flaskPosition, values.samplePosition, values.massPosition},
                             values.sampledMass);
}

ConfigurationLoad readConfiguration(const QString& path)
{
    const ConfigurationReading reading = ConfigurationFile::read(path);
    const std::optional<Preparation> preparation = preparationFrom(reading.values);
    ConfigurationLoad load;
    if (reading.reagentIndexRead && preparation)
        load.reagentIndex = reading.values.reagentIndex;

    if (reading.status == ConfigurationStatus::Unreadable)
        load.failure = failureMessage(texts::readFailure, texts::readFailureTitle);
    else if (reading.status == ConfigurationStatus::NotConfiguration || !preparation)
        load.failure = failureMessage(texts::notConfiguration, texts::notConfigurationTitle);
    else
        load.preparation = preparation;
    return load;
}

std::optional<Preparation> resetForLoad(BenchModel& bench, MessageService& messages,
                                        const ConfigurationLoad& load)
{
    bench.Command3_Click();
    if (load.preparation)
        return load.preparation;
    if (load.reagentIndex)
        bench.keepReagent(*load.reagentIndex);
    messages.show(load.failure);
    return std::nullopt;
}

} // namespace dosarium

#include "configurations/configurationcontroller.h"

#include "configurations/configurationtexts.h"
#include "configurations/configurationtrial.h"
#include "configurations/correctioncomparison.h"
#include "protocol/benchmodel.h"
#include "protocol/bottles.h"

#include <array>

namespace dosarium {

namespace texts = configurationtexts;

namespace {

using Click = void (BenchModel::*)();

// The click that takes a piece of glassware from the shelf; null for the balance and for a number
// that names no instrument.
Click glasswareClick(SamplingTool tool)
{
    static const std::array<std::pair<SamplingTool, Click>, 4> clicks = {{
        {SamplingTool::VolumetricFlask, &BenchModel::fiole_Click},
        {SamplingTool::GraduatedCylinder, &BenchModel::eprouvette_Click},
        {SamplingTool::VolumetricPipette, &BenchModel::pipjaug_Click},
        {SamplingTool::GraduatedPipette, &BenchModel::pipgrad_Click},
    }};
    for (const auto& [glassware, click] : clicks) {
        if (glassware == tool)
            return click;
    }
    return nullptr;
}

// The instrument a file names, when the bench offers it for the bottle's reagent.
std::optional<SamplingTool> toolOffered(qint16 stored, const Bottle& bottle)
{
    const auto tool = SamplingTool(stored);
    const bool offered =
        tool == SamplingTool::Balance ? bottle.weighed : glasswareClick(tool) && bottle.measured;
    return offered ? std::optional(tool) : std::nullopt;
}

// The choice a pure liquid's label offers: 0 weighs it, 1 measures its volume.
int measureChoiceFor(SamplingTool tool)
{
    return tool == SamplingTool::Balance ? 0 : 1;
}

ConfigurationValues valuesOf(const BenchModel& bench)
{
    const PreparationState& state = bench.state();
    ConfigurationValues values;
    values.reagentIndex = state.reagentIndex;
    values.flaskVolume = state.flaskVolume;
    values.sampledVolume = state.sampledVolume;
    values.samplingTool = qint16(state.samplingTool);
    values.flaskPosition = qint16(bench.upDown1Position());
    values.samplePosition = qint16(bench.upDown2Position());
    values.massPosition = bench.hScroll1Position();
    values.sampledMass = state.sampledMass;
    return values;
}

Message failureMessage(const QString& text, const QString& title)
{
    return {text, title, MessageIcon::Critical, MessageButtons::Ok};
}

} // namespace

ConfigurationController::ConfigurationController(BenchModel& bench, MessageService& messages)
    : m_bench(bench), m_messages(messages)
{}

QString ConfigurationController::captionFor(const QString& path)
{
    return texts::captionPrefix + path;
}

ConfigurationLoad ConfigurationController::read(const QString& path)
{
    const ConfigurationReading reading = ConfigurationFile::read(path);
    const bool reagentValid = cupboardBottle(reading.values.reagentIndex).has_value();
    ConfigurationLoad load;
    if (reading.reagentIndexRead && reagentValid)
        load.reagentIndex = reading.values.reagentIndex;

    if (reading.status == ConfigurationStatus::Unreadable)
        load.failure = failureMessage(texts::readFailure, texts::readFailureTitle);
    else if (reading.status == ConfigurationStatus::NotConfiguration || !reagentValid)
        load.failure = failureMessage(texts::notConfiguration, texts::notConfigurationTitle);
    else
        load.values = reading.values;
    return load;
}

std::optional<ConfigurationValues> ConfigurationController::reset(const ConfigurationLoad& load)
{
    m_bench.Command3_Click();
    if (load.values)
        return load.values;
    if (load.reagentIndex)
        m_bench.mutableState().reagentIndex = *load.reagentIndex;
    m_messages.show(load.failure);
    return std::nullopt;
}

void ConfigurationController::apply(const ConfigurationValues& values, const QString& path)
{
    m_configPath = path;
    PreparationState& state = m_bench.mutableState();
    state.reagentIndex = values.reagentIndex;
    state.sampledMass = values.sampledMass;

    const int reagent = values.reagentIndex;
    m_bench.liquide_MouseMove(reagent);
    m_bench.liquide_Click(reagent);

    const Bottle bottle = *cupboardBottle(reagent);
    if (const std::optional<SamplingTool> tool = toolOffered(values.samplingTool, bottle)) {
        m_bench.mutableState().samplingTool = *tool;
        if (bottle.weighed && bottle.measured)
            m_bench.Label3_Click(measureChoiceFor(*tool));

        // A selector refuses a position outside its range and keeps its own; the replay goes on.
        if (*tool == SamplingTool::Balance) {
            m_bench.setHScroll1Position(values.massPosition);
            m_bench.masse_Click();
        } else {
            (m_bench.*glasswareClick(*tool))();
            m_bench.setUpDown2Position(values.samplePosition);
            m_bench.validprel_Click();
        }

        // The flask is chosen only once the sample is taken, as on the bench.
        if (m_bench.state().protocolStep == ProtocolStep::FlaskChoice) {
            m_bench.setUpDown1Position(values.flaskPosition);
            m_bench.validvol_Click();
        }
    }
    m_bench.setWindowCaption(captionFor(path));
    m_bench.requestLabelRepaint();
}

void ConfigurationController::load(const QString& path)
{
    m_configPath = path;
    if (const std::optional<ConfigurationValues> values = reset(read(path)))
        apply(*values, path);
}

bool ConfigurationController::write(const QString& path)
{
    m_configPath = path;
    if (path.isEmpty() || !ConfigurationFile::write(path, valuesOf(m_bench))) {
        m_messages.show(failureMessage(texts::writeFailure, texts::saveImpossibleTitle));
        return false;
    }
    m_bench.setWindowCaption(captionFor(path));
    return true;
}

ComparisonReport ConfigurationController::compareWith(const QString& path) const
{
    const BenchPreparation student = benchPreparation(m_bench);
    // Nothing of the correction is shown to a student who has no result yet.
    const ConfigurationTrial correction =
        student.result ? tryConfiguration(path, m_bench.locale()) : ConfigurationTrial{};
    return buildComparisonReport(student, correction, m_bench.locale());
}

} // namespace dosarium

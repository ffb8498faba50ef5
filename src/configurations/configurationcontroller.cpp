#include "configurations/configurationcontroller.h"

#include "configurations/configurationtexts.h"
#include "configurations/preparationbench.h"
#include "ui/messageservice.h"

namespace dosarium {

namespace {

constexpr int reagentCount = 9;
constexpr int firstSolid = 3;
constexpr int firstSolution = 5;
constexpr qint16 balanceTool = 0;
constexpr qint16 lastTool = 4;
constexpr int flaskChoiceStep = 2;

bool reagentExists(int reagent)
{
    return reagent >= 0 && reagent < reagentCount;
}

// A mass is weighed for a pure liquid or solid, a volume taken of a liquid or a solution:
// a file asking for anything else names instruments the bench does not offer that reagent.
bool toolFitsReagent(int reagent, int tool)
{
    if (tool == balanceTool)
        return reagent < firstSolution;
    if (tool > balanceTool && tool <= lastTool)
        return reagent < firstSolid || reagent >= firstSolution;
    return false;
}

} // namespace

ConfigurationController::ConfigurationController(PreparationBench& bench, MessageService& messages)
    : m_bench(bench), m_messages(messages)
{}

QString ConfigurationController::captionFor(const QString& path)
{
    return configurationtexts::captionPrefix + path;
}

ConfigurationValues ConfigurationController::currentValues() const
{
    ConfigurationValues values;
    values.reagentIndex = m_bench.reagentIndex();
    values.flaskVolume = m_bench.flaskVolume();
    values.sampledVolume = m_bench.sampledVolume();
    values.samplingTool = m_bench.samplingTool();
    values.flaskPosition = qint16(m_bench.upDown1Position());
    values.samplePosition = qint16(m_bench.upDown2Position());
    values.massPosition = m_bench.hScroll1Position();
    values.sampledMass = m_bench.sampledMass();
    return values;
}

bool ConfigurationController::saveConfiguration()
{
    if (m_configPath.isEmpty() || !ConfigurationFile::write(m_configPath, currentValues())) {
        m_messages.inform(configurationtexts::writeFailure, configurationtexts::saveImpossibleTitle,
                          MessageIcon::Critical);
        return false;
    }
    m_bench.setCaption(captionFor(m_configPath));
    return true;
}

void ConfigurationController::loadConfiguration()
{
    const bool windowShowing = m_openWindow.isShowing && m_openWindow.isShowing();
    if (windowShowing && m_openWindow.repaint)
        m_openWindow.repaint();

    m_bench.command3_Click();

    const ConfigurationReading reading = ConfigurationFile::read(m_configPath);
    const bool reagentValid = reagentExists(reading.values.reagentIndex);
    if (reading.reagentIndexRead && reagentValid)
        m_bench.setReagentIndex(reading.values.reagentIndex);

    if (reading.status == ConfigurationStatus::Unreadable) {
        m_messages.inform(configurationtexts::readFailure, configurationtexts::readFailureTitle,
                          MessageIcon::Critical);
        return;
    }
    if (reading.status == ConfigurationStatus::NotConfiguration || !reagentValid) {
        m_messages.inform(configurationtexts::notConfiguration,
                          configurationtexts::notConfigurationTitle, MessageIcon::Critical);
        return;
    }
    m_bench.setSampledMass(reading.values.sampledMass);

    if (windowShowing) {
        if (m_openWindow.hide)
            m_openWindow.hide();
        if (m_openWindow.repaintWorkbench)
            m_openWindow.repaintWorkbench();
    }
    replay(reading.values);
    m_bench.setCaption(captionFor(m_configPath));
    m_bench.repaintLabel();
}

void ConfigurationController::replay(const ConfigurationValues& values)
{
    const int reagent = values.reagentIndex;
    m_bench.liquide_MouseMove(reagent);
    m_bench.liquide_Click(reagent);

    const qint16 tool = values.samplingTool;
    if (!toolFitsReagent(reagent, tool))
        return;
    m_bench.setSamplingTool(tool);
    if (reagent < firstSolid)
        m_bench.Label3_Click(tool != balanceTool ? 1 : 0);

    // A selector refuses a position outside its range and keeps its own; the replay goes on.
    if (tool != balanceTool) {
        switch (tool) {
        case 1:
            m_bench.fiole_Click();
            break;
        case 2:
            m_bench.eprouvette_Click();
            break;
        case 3:
            m_bench.pipjaug_Click();
            break;
        default:
            m_bench.pipgrad_Click();
            break;
        }
        m_bench.setUpDown2Position(values.samplePosition);
        m_bench.validprel_Click();
    } else {
        m_bench.setHScroll1Position(values.massPosition);
        m_bench.masse_Click();
    }

    // The flask is chosen only once the sample is taken, as on the bench.
    if (m_bench.protocolStep() != flaskChoiceStep)
        return;
    m_bench.setUpDown1Position(values.flaskPosition);
    m_bench.validvol_Click();
}

} // namespace dosarium

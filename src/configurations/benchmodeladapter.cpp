#include "configurations/benchmodeladapter.h"

#include "protocol/benchmodel.h"

namespace dosarium {

qint16 BenchModelAdapter::reagentIndex() const
{
    return m_model.state().reagentIndex;
}

void BenchModelAdapter::setReagentIndex(qint16 index)
{
    m_model.mutableState().reagentIndex = index;
}

float BenchModelAdapter::flaskVolume() const
{
    return m_model.state().flaskVolume;
}

float BenchModelAdapter::sampledVolume() const
{
    return m_model.state().sampledVolume;
}

qint16 BenchModelAdapter::samplingTool() const
{
    return qint16(m_model.state().samplingTool);
}

void BenchModelAdapter::setSamplingTool(qint16 tool)
{
    m_model.mutableState().samplingTool = SamplingTool(tool);
}

float BenchModelAdapter::sampledMass() const
{
    return m_model.state().sampledMass;
}

void BenchModelAdapter::setSampledMass(float mass)
{
    m_model.mutableState().sampledMass = mass;
}

int BenchModelAdapter::protocolStep() const
{
    return int(m_model.state().protocolStep);
}

int BenchModelAdapter::upDown1Position() const
{
    return m_model.upDown1Position();
}

int BenchModelAdapter::upDown2Position() const
{
    return m_model.upDown2Position();
}

int BenchModelAdapter::hScroll1Position() const
{
    return m_model.hScroll1Position();
}

bool BenchModelAdapter::inRange(bench::Part selector, int position) const
{
    const BenchWidget& widget = m_model.widget(selector);
    return position >= widget.minimum && position <= widget.maximum;
}

bool BenchModelAdapter::setUpDown1Position(int position)
{
    if (!inRange(bench::UpDown1, position))
        return false;
    m_model.setUpDown1Position(position);
    return true;
}

bool BenchModelAdapter::setUpDown2Position(int position)
{
    if (!inRange(bench::UpDown2, position))
        return false;
    m_model.setUpDown2Position(position);
    return true;
}

bool BenchModelAdapter::setHScroll1Position(int position)
{
    if (!inRange(bench::HScroll1, position))
        return false;
    m_model.setHScroll1Position(position);
    return true;
}

void BenchModelAdapter::command3_Click()
{
    m_model.Command3_Click();
}

void BenchModelAdapter::liquide_MouseMove(int index)
{
    m_model.liquide_MouseMove(index, 0, 0, 0, 0);
}

void BenchModelAdapter::liquide_Click(int index)
{
    m_model.liquide_Click(index);
}

void BenchModelAdapter::Label3_Click(int index)
{
    m_model.Label3_Click(index);
}

void BenchModelAdapter::fiole_Click()
{
    m_model.fiole_Click();
}

void BenchModelAdapter::eprouvette_Click()
{
    m_model.eprouvette_Click();
}

void BenchModelAdapter::pipjaug_Click()
{
    m_model.pipjaug_Click();
}

void BenchModelAdapter::pipgrad_Click()
{
    m_model.pipgrad_Click();
}

void BenchModelAdapter::validprel_Click()
{
    m_model.validprel_Click();
}

void BenchModelAdapter::masse_Click()
{
    m_model.masse_Click();
}

void BenchModelAdapter::validvol_Click()
{
    m_model.validvol_Click();
}

void BenchModelAdapter::setCaption(const QString& caption)
{
    m_model.setWindowCaption(caption);
}

void BenchModelAdapter::repaintLabel()
{
    m_model.requestLabelRepaint();
}

} // namespace dosarium

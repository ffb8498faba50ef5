// The bench model seen through the interface the configuration loader drives, as the workbench
// wires them.
#pragma once

#include "configurations/preparationbench.h"
#include "protocol/benchmodel.h"
#include "protocol/benchtable.h"

namespace dosarium::testing {

class BenchModelBench : public PreparationBench {
  public:
    explicit BenchModelBench(BenchModel& model) : m_model(model) {}

    qint16 reagentIndex() const override { return m_model.state().reagentIndex; }
    void setReagentIndex(qint16 index) override { m_model.mutableState().reagentIndex = index; }
    float flaskVolume() const override { return m_model.state().flaskVolume; }
    float sampledVolume() const override { return m_model.state().sampledVolume; }
    qint16 samplingTool() const override { return qint16(m_model.state().samplingTool); }
    void setSamplingTool(qint16 tool) override
    {
        m_model.mutableState().samplingTool = SamplingTool(tool);
    }
    float sampledMass() const override { return m_model.state().sampledMass; }
    void setSampledMass(float mass) override { m_model.mutableState().sampledMass = mass; }
    int protocolStep() const override { return int(m_model.state().protocolStep); }
    int upDown1Position() const override { return m_model.upDown1Position(); }
    int upDown2Position() const override { return m_model.upDown2Position(); }
    int hScroll1Position() const override { return m_model.hScroll1Position(); }
    bool setUpDown1Position(int position) override
    {
        return move(bench::UpDown1, position, [&] { m_model.setUpDown1Position(position); });
    }
    bool setUpDown2Position(int position) override
    {
        return move(bench::UpDown2, position, [&] { m_model.setUpDown2Position(position); });
    }
    bool setHScroll1Position(int position) override
    {
        return move(bench::HScroll1, position, [&] { m_model.setHScroll1Position(position); });
    }
    void command3_Click() override { m_model.Command3_Click(); }
    void liquide_MouseMove(int index) override { m_model.liquide_MouseMove(index); }
    void liquide_Click(int index) override { m_model.liquide_Click(index); }
    void Label3_Click(int index) override { m_model.Label3_Click(index); }
    void fiole_Click() override { m_model.fiole_Click(); }
    void eprouvette_Click() override { m_model.eprouvette_Click(); }
    void pipjaug_Click() override { m_model.pipjaug_Click(); }
    void pipgrad_Click() override { m_model.pipgrad_Click(); }
    void validprel_Click() override { m_model.validprel_Click(); }
    void masse_Click() override { m_model.masse_Click(); }
    void validvol_Click() override { m_model.validvol_Click(); }
    void setCaption(const QString& caption) override { m_model.setWindowCaption(caption); }
    void repaintLabel() override { m_model.requestLabelRepaint(); }

  private:
    template <typename Move> bool move(bench::Part name, int position, Move&& apply)
    {
        const BenchWidget& selector = m_model.widget(name);
        if (position < selector.minimum || position > selector.maximum)
            return false;
        apply();
        return true;
    }

    BenchModel& m_model;
};

} // namespace dosarium::testing

// The protocol's bench model seen as the bench a configuration is saved from and replayed on.
#pragma once

#include "configurations/preparationbench.h"
#include "protocol/benchtable.h"

namespace dosarium {

class BenchModel;

class BenchModelAdapter : public PreparationBench {
  public:
    explicit BenchModelAdapter(BenchModel& model) : m_model(model) {}

    qint16 reagentIndex() const override;
    void setReagentIndex(qint16 index) override;
    float flaskVolume() const override;
    float sampledVolume() const override;
    qint16 samplingTool() const override;
    void setSamplingTool(qint16 tool) override;
    float sampledMass() const override;
    void setSampledMass(float mass) override;
    int protocolStep() const override;

    int upDown1Position() const override;
    int upDown2Position() const override;
    int hScroll1Position() const override;
    bool setUpDown1Position(int position) override;
    bool setUpDown2Position(int position) override;
    bool setHScroll1Position(int position) override;

    void command3_Click() override;
    void liquide_MouseMove(int index) override;
    void liquide_Click(int index) override;
    void Label3_Click(int index) override;
    void fiole_Click() override;
    void eprouvette_Click() override;
    void pipjaug_Click() override;
    void pipgrad_Click() override;
    void validprel_Click() override;
    void masse_Click() override;
    void validvol_Click() override;

    void setCaption(const QString& caption) override;
    void repaintLabel() override;

  private:
    bool inRange(bench::Part selector, int position) const;

    BenchModel& m_model;
};

} // namespace dosarium

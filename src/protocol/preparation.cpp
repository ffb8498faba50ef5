#include "protocol/preparation.h"

#include "protocol/benchmodel.h"
#include "protocol/instruments.h"

namespace dosarium {

Preparation::Preparation(const Reagent& reagent, int toolNumber, const SelectorPositions& positions,
                         float sampledMass, float sampledVolume, float flaskVolume)
    : m_reagent(&reagent), m_toolNumber(toolNumber), m_positions(positions),
      m_sampledMass(sampledMass), m_sampledVolume(sampledVolume), m_flaskVolume(flaskVolume)
{}

std::optional<Preparation> Preparation::make(int reagentIndex, int toolNumber,
                                             const SelectorPositions& positions, float sampledMass)
{
    const Reagent* reagent = Catalogue::reagent(reagentIndex);
    if (!reagent)
        return std::nullopt;
    const bench::Instrument* instrument = bench::instrumentNumbered(toolNumber);
    const std::optional<float> sampledVolume =
        instrument ? instruments::sampledVolumeAt(instrument->tool, positions.sample)
                   : std::nullopt;
    return Preparation(*reagent, toolNumber, positions, sampledMass, sampledVolume.value_or(0.0f),
                       instruments::flaskVolumeAt(positions.flask).value_or(0.0f));
}

Preparation Preparation::of(const BenchModel& bench)
{
    const PreparationState& state = bench.state();
    const Reagent* reagent = Catalogue::reagent(state.reagentIndex);
    Q_ASSERT(reagent); // the bench only ever holds a reagent of the cupboard
    Preparation preparation(
        *reagent, int(state.samplingTool),
        {bench.upDown1Position(), bench.upDown2Position(), bench.hScroll1Position()},
        state.sampledMass, state.sampledVolume, state.flaskVolume);
    preparation.m_mother = bench.sampledMotherSolution();
    return preparation;
}

std::optional<Preparation> Preparation::fromMother(const MotherSolution& mother) const
{
    if (mother.reagentIndex != m_reagent->index)
        return std::nullopt;
    Preparation preparation = *this;
    preparation.m_mother = mother;
    return preparation;
}

std::optional<SamplingTool> Preparation::tool() const
{
    // A solution is not weighed, a solid not measured; a pure liquid offers both.
    const bench::Instrument* instrument = bench::instrumentNumbered(m_toolNumber);
    const ReagentKind refused =
        instrument && instrument->weighs() ? ReagentKind::AqueousSolution : ReagentKind::PureSolid;
    const ReagentKind kind = m_mother ? ReagentKind::AqueousSolution : m_reagent->kind;
    if (!instrument || kind == refused)
        return std::nullopt;
    return instrument->tool;
}

void Preparation::play(BenchModel& bench) const
{
    const std::optional<SamplingTool> offered = tool();
    const int index = m_reagent->index;
    bench.m_state.reagentIndex = qint16(index);
    bench.m_state.sampledMass = m_sampledMass;
    if (m_mother) {
        bench.setMotherSolution(*m_mother);
        bench.flaconmere_MouseMove();
        bench.flaconmere_Click();
    } else {
        bench.liquide_MouseMove(index);
        bench.liquide_Click(index);
    }
    if (!offered)
        return;

    const bench::Instrument& instrument = bench::instrument(*offered);
    bench.m_state.samplingTool = *offered;
    if (m_reagent->kind == ReagentKind::PureLiquid && !m_mother)
        bench.Label3_Click(instrument.measureChoice);

    // A selector refuses a position outside its range and keeps its own; the replay goes on.
    if (instrument.weighs()) {
        bench.setHScroll1Position(m_positions.mass);
        bench.masse_Click();
    } else {
        bench.glassware_Click(instrument.part);
        bench.setUpDown2Position(m_positions.sample);
        bench.validprel_Click();
    }
    if (bench.state().protocolStep == ProtocolStep::FlaskChoice) {
        bench.setUpDown1Position(m_positions.flask);
        bench.validvol_Click();
    }
}

} // namespace dosarium

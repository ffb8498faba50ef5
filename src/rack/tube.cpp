#include "rack/tube.h"

#include "protocol/benchmodel.h"
#include "protocol/resultcomputation.h"
#include "protocol/resultwriting.h"
#include "rack/racktexts.h"

namespace dosarium {

std::optional<Tube> Tube::fromBench(const BenchModel& bench)
{
    const PreparationState& state = bench.state();
    if (state.protocolStep != ProtocolStep::Prepared)
        return std::nullopt;
    // A dilution of a prepared mother solution carries its concentration and its uncertainty.
    const std::optional<MotherSolution>& mother = bench.sampledMotherSolution();
    const std::optional<PreparationResult> result =
        computeResult(state, mother ? &*mother : nullptr);
    if (!result)
        return std::nullopt;
    return Tube{Preparation::of(bench), state.reagentIndex, result->concentration,
                resultwriting::shownRelativeUncertainty(*result),
                mother ? RackTexts::motherOrigin : RackTexts::cupboardOrigin};
}

} // namespace dosarium

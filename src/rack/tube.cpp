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
    const std::optional<PreparationResult> result = computeResult(state);
    if (!result)
        return std::nullopt;
    return Tube{Preparation::of(bench), state.reagentIndex, result->concentration,
                resultwriting::shownRelativeUncertainty(*result), RackTexts::cupboardOrigin};
}

} // namespace dosarium

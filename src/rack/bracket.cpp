#include "rack/bracket.h"

#include <algorithm>

namespace dosarium {

BracketVerdict judgeBracket(const std::vector<Tube>& tubes, int first, int second,
                            const UnknownSolution& unknown)
{
    if (first == second)
        return BracketVerdict::SameTube;
    const int lowerIndex = std::min(first, second);
    const int upperIndex = std::max(first, second);
    const Tube& lower = tubes.at(std::size_t(lowerIndex));
    const Tube& upper = tubes.at(std::size_t(upperIndex));
    if (lower.reagentIndex != unknown.reagentIndex || upper.reagentIndex != unknown.reagentIndex)
        return BracketVerdict::OtherSolution;
    if (unknown.concentration < lower.concentration || unknown.concentration > upper.concentration)
        return BracketVerdict::Wrong;
    // A tube of the same concentration as one of the two is no narrower.
    const auto between = [&](const Tube& tube) {
        return tube.concentration > lower.concentration && tube.concentration < upper.concentration;
    };
    if (std::any_of(tubes.begin() + lowerIndex + 1, tubes.begin() + upperIndex, between))
        return BracketVerdict::NotNeighbours;
    if (upper.concentration > coarseRatio * lower.concentration)
        return BracketVerdict::TooCoarse;
    return BracketVerdict::Right;
}

} // namespace dosarium

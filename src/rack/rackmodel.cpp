#include "rack/rackmodel.h"

#include <algorithm>
#include <numeric>

namespace dosarium {

RackModel::RackModel(QObject* parent) : QObject(parent) {}

PourOutcome RackModel::pour(const std::optional<Tube>& tube)
{
    if (!tube)
        return PourOutcome::NoResult;
    if (tube->chromophore() == Chromophore::None)
        return PourOutcome::Colourless;
    const int species = m_content.unknown         ? m_content.unknown->reagentIndex
                        : m_content.tubes.empty() ? tube->reagentIndex
                                                  : m_content.tubes.front().reagentIndex;
    if (tube->reagentIndex != species)
        return PourOutcome::OtherSolution;
    if (int(m_content.tubes.size()) >= capacity)
        return PourOutcome::Full;
    const auto place =
        std::upper_bound(m_content.tubes.begin(), m_content.tubes.end(), tube->concentration,
                         [](double concentration, const Tube& other) {
                             return concentration < other.concentration;
                         });
    m_content.tubes.insert(place, *tube);
    m_content.bracket.reset();
    emit changed();
    return PourOutcome::Poured;
}

void RackModel::remove(int index)
{
    if (index < 0 || index >= int(m_content.tubes.size()))
        return;
    m_content.tubes.erase(m_content.tubes.begin() + index);
    m_content.bracket.reset();
    emit changed();
}

void RackModel::setUnknown(int reagentIndex, double concentration)
{
    m_content.unknown = UnknownSolution{reagentIndex, concentration};
    m_content.bracket.reset();
    emit changed();
}

BracketVerdict RackModel::placeUnknown(int first, int second)
{
    const int count = int(m_content.tubes.size());
    if (!m_content.unknown || first < 0 || second < 0 || first >= count || second >= count)
        return BracketVerdict::SameTube;
    const BracketVerdict verdict = judgeBracket(m_content.tubes, first, second, *m_content.unknown);
    if (verdict == BracketVerdict::SameTube)
        m_content.bracket.reset();
    else
        m_content.bracket = Bracket{std::min(first, second), std::max(first, second)};
    emit changed();
    return verdict;
}

std::optional<BracketVerdict> RackModel::verdict() const
{
    if (!m_content.bracket || !m_content.unknown)
        return std::nullopt;
    return judgeBracket(m_content.tubes, m_content.bracket->lower, m_content.bracket->upper,
                        *m_content.unknown);
}

void RackModel::restore(RackContent content)
{
    std::vector<int> order(content.tubes.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return content.tubes[std::size_t(a)].concentration <
               content.tubes[std::size_t(b)].concentration;
    });
    std::vector<Tube> sorted;
    std::vector<int> placeOf(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        sorted.push_back(content.tubes[std::size_t(order[i])]);
        placeOf[std::size_t(order[i])] = int(i);
    }
    const int count = int(order.size());
    if (content.bracket && (content.bracket->lower < 0 || content.bracket->lower >= count ||
                            content.bracket->upper < 0 || content.bracket->upper >= count))
        content.bracket.reset();
    if (content.bracket) {
        const int a = placeOf[std::size_t(content.bracket->lower)];
        const int b = placeOf[std::size_t(content.bracket->upper)];
        content.bracket = Bracket{std::min(a, b), std::max(a, b)};
    }
    content.tubes = std::move(sorted);
    m_content = std::move(content);
    emit changed();
}

} // namespace dosarium

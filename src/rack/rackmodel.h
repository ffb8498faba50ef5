// The rack of the "Échelle de teintes": tubes of standard solutions in ascending concentration,
// the unknown solution to place among them and the student's bracket.
#pragma once

#include "rack/bracket.h"
#include "rack/tube.h"

#include <QObject>
#include <optional>
#include <vector>

namespace dosarium {

enum class PourOutcome { Poured, NoResult, Colourless, OtherSolution, Full };

// Indices into the tubes, the lower first.
struct Bracket {
    int lower = 0;
    int upper = 0;
    bool operator==(const Bracket&) const = default;
};

// Everything a rack file holds.
struct RackContent {
    std::vector<Tube> tubes;
    std::optional<UnknownSolution> unknown;
    std::optional<Bracket> bracket;
    bool operator==(const RackContent&) const = default;
};

class RackModel : public QObject {
    Q_OBJECT

  public:
    static constexpr int capacity = 12;

    explicit RackModel(QObject* parent = nullptr);

    const std::vector<Tube>& tubes() const { return m_content.tubes; }
    const std::optional<UnknownSolution>& unknown() const { return m_content.unknown; }
    const std::optional<Bracket>& bracket() const { return m_content.bracket; }
    const RackContent& content() const { return m_content; }

    // A tube holds one coloured solution, and a rack one species: the unknown's when there is one.
    // The new tube takes its place by concentration, after the tubes of equal concentration.
    PourOutcome pour(const std::optional<Tube>& tube);
    void remove(int index);
    void setUnknown(int reagentIndex, double concentration);
    // Records the bracket between two tubes and judges it; the bracket is kept only when the
    // tubes are two different ones.
    BracketVerdict placeUnknown(int first, int second);
    std::optional<BracketVerdict> verdict() const;
    // The content of a file; its tubes are put in order and its bracket follows them.
    void restore(RackContent content);

  signals:
    void changed();

  private:
    RackContent m_content;
};

} // namespace dosarium

// One preparation as a value: the reagent, the instrument, the three selector positions and what
// follows from them. It is read from a bench and played onto one through the student's handlers.
#pragma once

#include "catalogue/reagent.h"
#include "protocol/mothersolution.h"
#include "protocol/preparationstate.h"

#include <optional>

namespace dosarium {

class BenchModel;

struct SelectorPositions {
    int flask = 0;  // UpDown1
    int sample = 0; // UpDown2
    int mass = 0;   // HScroll1, hundredths of a gram

    bool operator==(const SelectorPositions&) const = default;
};

class Preparation {
  public:
    // Nothing for a reagent the cupboard does not hold. A tool number that names no instrument, or
    // one the bench does not offer for the reagent, is kept as it is but never played.
    static std::optional<Preparation> make(int reagentIndex, int toolNumber,
                                           const SelectorPositions& positions,
                                           float sampledMass = 0.0f);
    static Preparation of(const BenchModel& bench);
    // The same preparation with its sample taken from a mother solution of the same reagent;
    // nothing for another reagent's.
    std::optional<Preparation> fromMother(const MotherSolution& mother) const;

    // Replays the preparation on a bench just reset, through the handlers a student's clicks run
    // and in the same order, so the bench checks, draws and reports it as it does for the student.
    // The reagent and the mass are stored first, as a saved file stores them; the instrument is
    // played only when the bench offers it, and the flask only once the sample is taken. A
    // preparation from a mother solution puts that solution's bottle on the bench first.
    void play(BenchModel& bench) const;

    const Reagent& reagent() const { return *m_reagent; }
    int toolNumber() const { return m_toolNumber; }
    // The instrument, when it is one the bench offers for the reagent.
    std::optional<SamplingTool> tool() const;
    const SelectorPositions& positions() const { return m_positions; }
    float sampledMass() const { return m_sampledMass; }
    float sampledVolume() const { return m_sampledVolume; }
    float flaskVolume() const { return m_flaskVolume; }
    // The prepared solution the sample was taken from; none for a cupboard's bottle. A
    // configuration file cannot hold it.
    const std::optional<MotherSolution>& mother() const { return m_mother; }

    bool operator==(const Preparation&) const = default;

  private:
    Preparation(const Reagent& reagent, int toolNumber, const SelectorPositions& positions,
                float sampledMass, float sampledVolume, float flaskVolume);

    const Reagent* m_reagent;
    int m_toolNumber;
    SelectorPositions m_positions;
    float m_sampledMass;
    float m_sampledVolume;
    float m_flaskVolume;
    std::optional<MotherSolution> m_mother;
};

} // namespace dosarium

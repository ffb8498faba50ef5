#include "protocol/resultcomputation.h"

#include "catalogue/reagent.h"

#include <cmath>

namespace dosarium {
namespace {

// Every measuring flask is trusted to 2 per thousand of its volume.
constexpr int volumetricDivisor = 500;
constexpr double balanceUncertainty = 0.01;         // g
constexpr double cylinderUncertainty = 1.0;         // mL
constexpr double graduatedPipetteUncertainty = 0.1; // mL

bool weighed(const PreparationState& s)
{
    return s.samplingTool == SamplingTool::Balance;
}

double sampleUncertainty(const PreparationState& s)
{
    switch (s.samplingTool) {
    case SamplingTool::VolumetricFlask:
    case SamplingTool::VolumetricPipette:
        return double(s.sampledVolume) / volumetricDivisor;
    case SamplingTool::GraduatedCylinder:
        return cylinderUncertainty;
    case SamplingTool::GraduatedPipette:
        return graduatedPipetteUncertainty;
    case SamplingTool::Balance:
        break;
    }
    return 0.0;
}

} // namespace

Refusal checkPreparation(const PreparationState& s, const MotherSolution* mother)
{
    if (mother)
        return s.sampledVolume >= s.flaskVolume ? Refusal::SampleVolume : Refusal::None;
    if (Catalogue::isPureSolid(s.reagentIndex) &&
        s.sampledMass / s.flaskVolume > float(Catalogue::solubilityLimit))
        return Refusal::Solubility;
    if (!weighed(s)) {
        if (s.sampledVolume >= s.flaskVolume)
            return Refusal::SampleVolume;
    } else {
        double soluteVolume = 0.0;
        if (Catalogue::isPureLiquid(s.reagentIndex)) {
            const Reagent* reagent = Catalogue::reagent(s.reagentIndex);
            if (reagent)
                soluteVolume = s.sampledMass / reagent->density;
        }
        if (soluteVolume >= s.flaskVolume)
            return Refusal::SoluteVolume;
    }
    return Refusal::None;
}

std::optional<PreparationResult> computeResult(const PreparationState& s,
                                               const MotherSolution* mother)
{
    const Reagent* reagent = Catalogue::reagent(s.reagentIndex);
    if (!reagent)
        return std::nullopt;

    // The flask's own uncertainty is held in single precision, like the volumes.
    const float v = s.flaskVolume / volumetricDivisor;
    const double flask = s.flaskVolume;
    const double flaskLow = flask - double(v);
    const double vs = s.sampledVolume;
    const double ds = sampleUncertainty(s);

    PreparationResult r;
    double c = 0.0;
    double cMax = 0.0;
    if (mother) {
        // A prepared concentration has no whole-number stock value: it stays in double precision.
        c = mother->concentration * vs / flask;
        r.singlePrecision = false;
        cMax = mother->concentration * (vs + ds) / flaskLow;
        r.motherUncertainty = mother->uncertainty;
    } else if (Catalogue::isAqueousSolution(s.reagentIndex)) {
        const double c0 = reagent->concentration;
        c = c0 * vs / flask;
        // A stock concentration with a fraction (0,5 mol/L) keeps the concentration in double
        // precision; the whole-number ones leave it in single precision.
        r.singlePrecision = c0 == std::floor(c0);
        cMax = c0 * (vs + ds) / flaskLow;
    } else if (weighed(s) || Catalogue::isPureSolid(s.reagentIndex)) {
        const double m = s.sampledMass;
        c = 1000.0 * m / (reagent->molarMass * flask);
        r.singlePrecision = true;
        cMax = 1000.0 * (m + balanceUncertainty) / (reagent->molarMass * flaskLow);
    } else {
        const double mass = reagent->density * vs;
        c = 1000.0 * mass / (reagent->molarMass * flask);
        r.singlePrecision = false;
        cMax = 1000.0 * reagent->density * (vs + ds) / (reagent->molarMass * flaskLow);
    }
    if (r.singlePrecision)
        c = double(float(c));

    const double ratio = std::fabs((cMax - c) / c) * 10000.0;
    // The default rounding mode takes a half to the even neighbour.
    const double sum = std::nearbyint(ratio) + r.motherUncertainty;
    if (!std::isfinite(ratio) || sum > 32767.0)
        return std::nullopt;
    r.concentration = c;
    r.computedUncertainty = qint16(sum);
    r.uncertainty = std::min(r.computedUncertainty, uncertaintyCap);
    return r;
}

} // namespace dosarium

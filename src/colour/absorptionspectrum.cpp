#include "colour/absorptionspectrum.h"

#include "catalogue/reagent.h"

#include <array>
#include <cmath>

namespace dosarium {
namespace {

constexpr int permanganateIndex = 6;
constexpr int copperSulfateIndex = 7;

struct Band {
    double centre;    // cm⁻¹
    double width;     // standard deviation, cm⁻¹
    double intensity; // relative
};

double gaussian(const Band& band, double wavenumber)
{
    const double u = (wavenumber - band.centre) / band.width;
    return band.intensity * std::exp(-0.5 * u * u);
}

// The visible band of MnO4⁻ (its 1A1 → 1T2 charge transfer) is a progression in the Mn–O
// stretch of about 700 cm⁻¹: maxima at 526 and 546 nm, and at 507 and 566 nm features that
// aqueous spectra at room temperature show as shoulders, with weaker members towards 490 and
// 474 nm (A. Carrington and M. C. R. Symons, "Structure and reactivity of the oxyanions of
// transition metals", Chem. Rev. 63 (1963) 443; teaching spectra give ε(525 nm) ≈ 2.4 × 10³
// L·mol⁻¹·cm⁻¹). The fit puts one Gaussian in wavenumber on each member, scaled to 2.4 × 10³ at
// 526 nm; relative to it, 546 nm is 0.98, 507 nm 0.73 and 566 nm 0.57, and the narrow width
// leaves under 2 % of the maximum below 450 nm and above 600 nm.
constexpr std::array<Band, 6> permanganateBands = {{
    {1.0e7 / 566.0, 330.0, 0.45},
    {1.0e7 / 546.0, 330.0, 0.815},
    {1.0e7 / 526.0, 330.0, 0.85},
    {1.0e7 / 507.0, 330.0, 0.60},
    {1.0e7 / 490.0, 330.0, 0.35},
    {1.0e7 / 474.0, 330.0, 0.15},
}};
constexpr double permanganateReference = 526.0; // nm
constexpr double permanganateAtReference = 2.4e3;

// Cu(H2O)6²⁺: one broad d–d band with its maximum near 800 nm (12 500 cm⁻¹) and ε ≈ 12
// L·mol⁻¹·cm⁻¹ (0.020 mol·L⁻¹ copper sulfate reads A ≈ 0.25 at 807 nm in a 1 cm cell). Its short
// side falls more slowly than a Gaussian: a measured spectrum of 0.50 mol·L⁻¹ copper sulfate in a
// 1 cm cell gives ε ≈ 3.7 at 660 nm, 0.92 at 600 nm, 0.29 at 560 nm and 0.16 at 540 nm. Two
// Gaussians in wavenumber sharing the centre, the band and a weak wide wing, meet those figures
// within 10 % from 540 to 660 nm: the solution absorbs the red and orange and a little of the
// yellow and green.
constexpr std::array<Band, 2> copperBands = {{
    {12500.0, 1700.0, 11.0},
    {12500.0, 3000.0, 1.0},
}};

double permanganateShape(double wavenumber)
{
    double sum = 0.0;
    for (const Band& band : permanganateBands)
        sum += gaussian(band, wavenumber);
    return sum;
}

} // namespace

Chromophore chromophoreOf(int reagentIndex)
{
    const Reagent* reagent = Catalogue::reagent(reagentIndex);
    if (reagent == nullptr || reagent->kind != ReagentKind::AqueousSolution)
        return Chromophore::None;
    switch (reagent->index) {
    case permanganateIndex:
        return Chromophore::Permanganate;
    case copperSulfateIndex:
        return Chromophore::CopperAqua;
    default:
        return Chromophore::None;
    }
}

double molarAbsorption(Chromophore chromophore, double wavelength)
{
    const double wavenumber = 1.0e7 / wavelength;
    switch (chromophore) {
    case Chromophore::Permanganate: {
        static const double scale =
            permanganateAtReference / permanganateShape(1.0e7 / permanganateReference);
        return scale * permanganateShape(wavenumber);
    }
    case Chromophore::CopperAqua:
        return gaussian(copperBands[0], wavenumber) + gaussian(copperBands[1], wavenumber);
    case Chromophore::None:
        break;
    }
    return 0.0;
}

double absorbance(Chromophore chromophore, double wavelength, double pathLength,
                  double concentration)
{
    return molarAbsorption(chromophore, wavelength) * pathLength * concentration;
}

} // namespace dosarium

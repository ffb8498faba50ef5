// Molar absorption coefficients of the coloured species of the cupboard's solutions.
#pragma once

namespace dosarium {

enum class Chromophore { None, Permanganate, CopperAqua };

// Keyed by the catalogue's bottle index; every other reagent, and an index outside the
// cupboard, is colourless in the visible.
Chromophore chromophoreOf(int reagentIndex);

// ε(λ) in L·mol⁻¹·cm⁻¹ for λ in nm; zero for None.
double molarAbsorption(Chromophore chromophore, double wavelength);

// A = ε(λ)·ℓ·c, with ℓ in cm and c in mol·L⁻¹.
double absorbance(Chromophore chromophore, double wavelength, double pathLength,
                  double concentration);

} // namespace dosarium

// Density and viscosity of the melt of one analysis, for the extra parameters.
#pragma once

#include <optional>

#include "lavix/data/StandardTable.h"
#include "lavix/recalc/FerricIron.h"

namespace lavix::recalc {

// Density of the anhydrous liquid in g/cm3 from the partial molar volumes V_k of line 6 of the
// standard table: sum w_k / sum (w_k V_k / M_k) over SiO2 .. P2O5, the iron split by adjustIron
// with mode "R" and `feRatioTerm`. `oxides` holds wt % in 1..11. An oxide without a volume
// (MnO, P2O5 in the shipped table) adds mass but no volume; a recast to 100 would change
// nothing. nullopt when no oxide has a volume.
std::optional<float> meltDensity(const OxideWork& oxides, const data::StandardTable& standard, float feRatioTerm);

// log10 of the viscosity (Pa s) at 1273 K of the liquid with 2 wt % water: the model of
// Giordano, Russell & Dingwell (2008), log eta = -4.55 + B / (T - C), B and C from the mole
// percentages of SiO2 .. P2O5 (all iron as FeO, recast to 98 wt %) and H2O. nullopt when
// the analysis has no oxides or T equals C.
std::optional<double> meltViscosity(const OxideWork& oxides, const data::StandardTable& standard);

}  // namespace lavix::recalc

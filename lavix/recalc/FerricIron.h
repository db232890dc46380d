// The ferric/ferrous split of Sack et al. (1980), applied to one analysis before the Pearce,
// extra-parameter and projection recalculations turn it into molecular or cation proportions.
#pragma once

#include <array>
#include <string>

#include "lavix/data/StandardTable.h"

namespace lavix::recalc {

// One analysis's standard oxides in the order of the standard table, entries 1..17 (entry 0
// unused): wt % on the way in. Entry 4 is Fe2O3 and entry 5 FeO.
using OxideWork = std::array<float, data::standardCount + 1>;

inline constexpr int fe2o3Index = 4;
inline constexpr int feoIndex = 5;
inline constexpr int ironModelOxides = 11;  // SiO2 .. P2O5: the oxides of the model's mole fractions

// The user's choice of the ferric/ferrous ratio; the session holds one.
struct IronState {
  std::string feRatioMode;  // "R" while the ratio is to be reset, empty otherwise
  float feTempC = 1200;     // the last temperature entered, deg C (kept in lxpref.ini)
  float feLogFO2 = -8;      // the last log10 fO2 entered, fO2 in bar (kept in lxpref.ini)
  float feRatioTerm = 0;    // b/T + a ln fO2 + c of ln(XFe2O3/XFeO)
  std::string feLabel;      // "T= 1200 fo2= -8" after a reset; the diagram library writes it
};

// 13184.7 / (T + 273) + log fO2 x 2.303 x 0.218 - 4.499 in single precision, T in deg C: the
// rounded constants of Sack et al. (1980), 0.4355 at 1200 C and log fO2 -8 (0.4335 with their
// unrounded a, b, c). A temperature at or below -273 C, or a term that is not finite, gives 0.
float feRatioTerm(float tempC, float logFO2);

// "T=" + T + " fo2= " + log fO2, both in the general number format.
std::string ferricLabel(float tempC, float logFO2);

// "Reset this ratio" with the entered values: mode "R", the values, the term and the label.
void resetFerricRatio(IronState& iron, float tempC, float logFO2);
// "Leave it unchanged", or a cancelled entry: no adjustment (mode, term and label emptied).
void leaveFerricRatio(IronState& iron);

// adjustIron: with mode "R" all iron becomes FeO (Fe2O3 x 0.8999 + FeO); entries 1..11 are
// divided by their molecular weights (an oxide without one becomes 0); with mode "R" the
// FeO is then split by ln(XFe2O3/XFeO) = feRatioTerm + sum of d_k X_k (k = 1..11, d_k from
// line 8 of the standard table, X_k the mole fractions with all iron as FeO; a sum of 0
// counts as 1), leaving the molecular proportions of FeO and Fe2O3 in entries 5 and 4.
// Entries 12..17 are left as they are.
void adjustIron(const IronState& iron, const data::StandardTable& standard, OxideWork& oxideWork);

}  // namespace lavix::recalc

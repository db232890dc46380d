// The amount of an isotope ratio's reference (denominator) isotope in its element: mixtures
// are linear in isotope amounts, not in ratios, so every mixing of ratios goes through here.
#pragma once

namespace lavix::models {

// The isotope systems, named by their reference isotope.
enum class IsotopeSystem { none, sr86, nd144, hf177, os186, os188, pb204 };

// S, the amount of the whole element over that of the reference isotope, from the ratio r:
// 87Sr/86Sr r + 9.432; 143Nd/144Nd 1 + 6.256157635 r; 176Hf/177Hf 1 + 15.4449 r (like Nd:
// 5.37 at r = 0.283, as 100 / 18.60 % 177Hf); 187Os/186Os r + 61.66 and 187Os/188Os r + 7.398
// (from the representative isotopic abundances of Os); the lead ratios over 204Pb: 1 + the
// sum of the three ratios 206Pb/204Pb, 207Pb/204Pb and 208Pb/204Pb, given as `leadRatioSum`.
// 1 for none.
double referenceIsotopeSum(IsotopeSystem system, double ratio, double leadRatioSum = 0);

}  // namespace lavix::models

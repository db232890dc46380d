// Mixing of up to five analyses in chosen proportions: element concentrations and isotope
// ratios of the mixture.
#pragma once

#include <optional>
#include <vector>

namespace lavix::models {

// One component as the mixture sees it: its weight (coefficient over the coefficient sum) and,
// for one value, that value.
struct MixPart {
  float weight = 0;
  float value = 0;  // a concentration (blank counts as 0)
};

// The sum of weight x value.
float mixedConcentration(const std::vector<MixPart>& parts);

// The isotope systems whose ratios mix by the amount of their reference (denominator) isotope.
enum class IsotopeSystem { sr, nd, hf, os, pb };

// S, the amount of the whole element over that of the ratio's reference isotope, from the
// component's own ratio r: 87Sr/86Sr: r + 9.432; 143Nd/144Nd: (1/r + 6.256157635) r;
// 176Hf/177Hf: (1/r + 15.4449) r; 187Os/186Os: r + 61.66 (from the representative isotopic
// abundances of Os); the lead ratios over 204Pb: 1 + the sum of the component's three ratios,
// given as `leadRatioSum`.
float referenceIsotopeSum(IsotopeSystem system, float ratio, float leadRatioSum = 0);

struct IsotopePart {
  float weight = 0;
  float concentration = 0;  // the element's concentration in the component
  float ratio = 0;
  float referenceSum = 0;   // S of the component
};

// The mixture's ratio: the sum of w C r / S over the sum of w C / S, taken over the
// components whose ratio and concentration are not 0. Empty when none is left or the result
// is not a finite number.
std::optional<float> mixedIsotopeRatio(const std::vector<IsotopePart>& parts);

}  // namespace lavix::models

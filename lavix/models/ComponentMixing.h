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

struct IsotopePart {
  float weight = 0;
  float concentration = 0;  // the element's concentration in the component
  float ratio = 0;
  float referenceSum = 0;   // S of the component (referenceIsotopeSum)
};

// The mixture's ratio: the sum of w C r / S over the sum of w C / S, taken over the
// components whose ratio and concentration are not 0. Empty when none is left or the result
// is not a finite number.
std::optional<float> mixedIsotopeRatio(const std::vector<IsotopePart>& parts);

}  // namespace lavix::models

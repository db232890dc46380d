// Mixtures of analyses: weighted concentrations and isotope ratios mixed by isotope amounts.
#include "lavix/models/ComponentMixing.h"

#include <cmath>

namespace lavix::models {

float mixedConcentration(const std::vector<MixPart>& parts) {
  float sum = 0.0f;
  for (const MixPart& p : parts) sum += p.value * p.weight;
  return sum;
}

std::optional<float> mixedIsotopeRatio(const std::vector<IsotopePart>& parts) {
  float numerator = 0.0f, denominator = 0.0f;
  for (const IsotopePart& p : parts) {
    if (p.ratio == 0.0f || p.concentration == 0.0f) continue;
    const float reference = p.weight * p.concentration / p.referenceSum;
    numerator += reference * p.ratio;
    denominator += reference;
  }
  if (denominator == 0.0f) return std::nullopt;
  const float ratio = numerator / denominator;
  if (!std::isfinite(ratio)) return std::nullopt;
  return ratio;
}

}  // namespace lavix::models

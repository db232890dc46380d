// The ferric/ferrous split of Sack et al. (1980) for one analysis.
#include "lavix/recalc/FerricIron.h"

#include <algorithm>
#include <cmath>

#include "common/format/NumberFormat.h"

namespace lavix::recalc {

float feRatioTerm(float tempC, float logFO2) {
  const float kelvin = tempC + 273.0f;
  if (!(kelvin > 0.0f)) return 0.0f;
  const float term = 13184.7f / kelvin + logFO2 * 2.303f * 0.218f - 4.499f;
  return std::isfinite(term) ? term : 0.0f;
}

std::string ferricLabel(float tempC, float logFO2) {
  return "T=" + format::generalFormat(tempC) + " fo2= " + format::generalFormat(logFO2);
}

void resetFerricRatio(IronState& iron, float tempC, float logFO2) {
  iron.feRatioMode = "R";
  iron.feTempC = tempC;
  iron.feLogFO2 = logFO2;
  iron.feRatioTerm = feRatioTerm(tempC, logFO2);
  iron.feLabel = ferricLabel(tempC, logFO2);
}

void leaveFerricRatio(IronState& iron) {
  iron.feRatioMode.clear();
  iron.feRatioTerm = 0;
  iron.feLabel.clear();
}

void adjustIron(const IronState& iron, const data::StandardTable& standard, OxideWork& w) {
  const bool reset = iron.feRatioMode == "R";
  if (reset) {
    // 0.8999 here, not the 0.8998 of the total-iron column: both round 2 M(FeO) / M(Fe2O3) = 0.89981.
    w[feoIndex] = w[fe2o3Index] * 0.8999f + w[feoIndex];
    w[fe2o3Index] = 0;
  }
  float sum = 0;
  for (int k = 1; k <= ironModelOxides; ++k) {
    const float weight = standard.molecularWeight[static_cast<std::size_t>(k)];
    w[k] = weight > 0 ? w[k] / weight : 0.0f;
    sum += w[k];
  }
  if (!reset) return;
  if (sum == 0) sum = 1;
  double lnRatio = iron.feRatioTerm;
  for (int k = 1; k <= ironModelOxides; ++k)
    lnRatio += static_cast<double>(standard.ferricCoefficient[static_cast<std::size_t>(k)]) * w[k] / sum;
  // Beyond e^80 the split is all ferric within float precision; the bound keeps it finite.
  const float ratio = static_cast<float>(std::exp(std::clamp(lnRatio, -80.0, 80.0)));  // XFe2O3 / XFeO
  w[feoIndex] = w[feoIndex] / (2 * ratio + 1);
  w[fe2o3Index] = ratio * w[feoIndex];
}

}  // namespace lavix::recalc

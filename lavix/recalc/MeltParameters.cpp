// Density and viscosity of the melt of one analysis, for the extra parameters.
#include "lavix/recalc/MeltParameters.h"

#include <cmath>

namespace lavix::recalc {

namespace {

inline constexpr int waterIndex = 14;
inline constexpr double viscosityKelvin = 1273;
inline constexpr float waterPercent = 2;

float molecularWeight(const data::StandardTable& standard, int k) {
  return standard.molecularWeight[static_cast<std::size_t>(k)];
}

}  // namespace

std::optional<float> meltDensity(const OxideWork& oxides, const data::StandardTable& standard, float feRatioTerm) {
  IronState split;
  split.feRatioMode = "R";
  split.feRatioTerm = feRatioTerm;
  OxideWork moles = oxides;
  adjustIron(split, standard, moles);
  float mass = 0, volume = 0;
  for (int k = 1; k <= ironModelOxides; ++k) {
    const auto i = static_cast<std::size_t>(k);
    const float weight = molecularWeight(standard, k);
    if (!(weight > 0)) continue;
    // The iron oxides' masses are those of the split; the rest as analysed.
    const float w = (k == fe2o3Index || k == feoIndex) ? moles[i] * weight : oxides[i];
    mass += w;
    volume += w * standard.molarVolume[i] / weight;
  }
  if (volume == 0) return std::nullopt;
  return mass / volume;
}

std::optional<double> meltViscosity(const OxideWork& oxides, const data::StandardTable& standard) {
  std::array<double, data::standardCount + 1> w{};
  for (int k = 1; k <= ironModelOxides; ++k) w[static_cast<std::size_t>(k)] = oxides[static_cast<std::size_t>(k)];
  w[feoIndex] = oxides[fe2o3Index] * 0.8999 + oxides[feoIndex];
  w[fe2o3Index] = 0;
  double sum = 0;
  for (int k = 1; k <= ironModelOxides; ++k) sum += w[static_cast<std::size_t>(k)];
  if (sum == 0) return std::nullopt;
  for (int k = 1; k <= ironModelOxides; ++k) w[static_cast<std::size_t>(k)] *= (100 - waterPercent) / sum;
  w[waterIndex] = waterPercent;

  std::array<double, data::standardCount + 1> x{};  // mole percent
  double moles = 0;
  for (int k = 1; k <= waterIndex; ++k) {
    if (k > ironModelOxides && k != waterIndex) continue;
    const double weight = molecularWeight(standard, k);
    x[static_cast<std::size_t>(k)] = weight > 0 ? w[static_cast<std::size_t>(k)] / weight : 0.0;
    moles += x[static_cast<std::size_t>(k)];
  }
  for (double& m : x) m = m * 100 / moles;

  const double si = x[1], ti = x[2], al = x[3], fe = x[5], mn = x[6], mg = x[7], ca = x[8], na = x[9], k = x[10],
               p = x[11], h2o = x[waterIndex];
  const double b = 159.6 * (si + ti) - 173.3 * al + 72.1 * (fe + mn + p) + 75.7 * mg - 39.0 * ca - 84.1 * (na + h2o) +
                   141.5 * (h2o + std::log(1 + h2o)) - 2.43 * (si + ti) * (fe + mn + mg) -
                   0.91 * (si + ti + al + p) * (na + k + h2o) + 17.6 * al * (na + k);
  const double c = 2.75 * si + 15.7 * (ti + al) + 8.3 * (fe + mn + mg) + 10.2 * ca - 12.3 * (na + k) -
                   99.5 * std::log(1 + h2o) + 0.3 * (al + fe + mn + mg + ca - p) * (na + k + h2o);
  if (viscosityKelvin - c == 0) return std::nullopt;
  return b / (viscosityKelvin - c) - 4.55;
}

}  // namespace lavix::recalc

// Melt properties derived after the norm.
#include "common/norm/MeltProperties.h"

namespace lavix::norm {

std::optional<float> basaltLiquidusTemperature(const std::array<float, kOxideCount>&, bool) { return std::nullopt; }

MeltProperties computeMeltProperties(const std::array<float, kOxideCount>&, const CipwResult&, const MeltConditions&) {
  return {};
}

std::optional<float> logViscosity(const std::array<float, 11>&, float, float, float) { return std::nullopt; }

EffectiveViscosity computeEffectiveViscosity(const std::array<float, kOxideCount>&, const MeltConditions&,
                                             const CrystalLoad&, bool) {
  return {};
}

}  // namespace lavix::norm

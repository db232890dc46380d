// Molecular proportions of every analysis for the projections.
#include "lavix/recalc/MolecularProportions.h"

namespace lavix::recalc {

namespace {

float perWeight(float amount, float weight) { return weight != 0 ? amount / weight : 0.0f; }

}  // namespace

OxideWork oxidesOfRow(const data::DataStore& store, int row) {
  OxideWork w{};
  for (int k = 1; k <= data::standardCount; ++k) w[static_cast<std::size_t>(k)] = store.stdValue(row, k);
  return w;
}

std::vector<MoleAmounts> molecularProportions(const data::DataStore& store, const data::StandardTable& standard,
                                              const CrNiColumns& crNi, const IronState* iron) {
  std::vector<MoleAmounts> amounts(static_cast<std::size_t>(std::max<int>(store.rowCount, 0)) + 1, MoleAmounts{});
  for (int row = 1; row <= store.rowCount; ++row) {
    store.prefetchRow(row + 2);
    OxideWork w = oxidesOfRow(store, row);
    MoleAmounts& m = amounts[static_cast<std::size_t>(row)];
    if (iron) {
      adjustIron(*iron, standard, w);
      for (std::size_t k = 1; k <= 11; ++k) m[k] = w[k];
    } else {
      for (std::size_t k = 1; k <= 11; ++k) m[k] = perWeight(w[k], standard.molecularWeight[k]);
    }
    // The Cr and Ni columns may be ppm elements: their factors give wt% oxide.
    m[nioIndex] = perWeight(nioPercent(store, crNi, row), standard.molecularWeight[nioIndex]);
    m[cr2o3Index] = perWeight(cr2o3Percent(store, crNi, row), standard.molecularWeight[cr2o3Index]);
  }
  return amounts;
}

}  // namespace lavix::recalc

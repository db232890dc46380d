// Molecular proportions of every analysis for the projections.
#include "lavix/recalc/MolecularProportions.h"

namespace lavix::recalc {

namespace {

constexpr std::size_t nio = 12, cr2o3 = 13;

float perWeight(float amount, float weight) { return weight != 0 ? amount / weight : 0.0f; }

}  // namespace

OxideWork oxidesOfRow(const data::DataStore& store, int row) {
  OxideWork w{};
  for (std::size_t k = 1; k <= data::standardCount; ++k)
    if (store.stdColumn[k] > 0) w[k] = store.value(row, store.stdColumn[k]);
  return w;
}

std::vector<MoleAmounts> molecularProportions(const data::DataStore& store, const data::StandardTable& standard,
                                              const CrNiColumns& crNi, const FerricRatio* ironAdjustment) {
  std::vector<MoleAmounts> amounts(static_cast<std::size_t>(std::max<int>(store.rowCount, 0)) + 1, MoleAmounts{});
  for (int row = 1; row <= store.rowCount; ++row) {
    OxideWork w = oxidesOfRow(store, row);
    MoleAmounts& m = amounts[static_cast<std::size_t>(row)];
    if (ironAdjustment) {
      adjustIron(w, *ironAdjustment, standard);
      for (std::size_t k = 1; k <= 11; ++k) m[k] = w[k];
    } else {
      for (std::size_t k = 1; k <= 11; ++k) m[k] = perWeight(w[k], standard.molecularWeight[k]);
    }
    // The Cr and Ni columns may be ppm elements: their factors give wt% oxide.
    const float nickel = crNi.niColumn > 0 ? store.value(row, crNi.niColumn) * crNi.niFactor : 0.0f;
    const float chromium = crNi.crColumn > 0 ? store.value(row, crNi.crColumn) * crNi.crFactor : 0.0f;
    m[nio] = perWeight(nickel, standard.molecularWeight[nio]);
    m[cr2o3] = perWeight(chromium, standard.molecularWeight[cr2o3]);
  }
  return amounts;
}

}  // namespace lavix::recalc

// Cation proportions of every analysis: the basis of the Pearce element ratios.
#include "lavix/recalc/CationProportions.h"

#include <algorithm>

namespace lavix::recalc {

namespace {

inline constexpr int nioIndex = 12;
inline constexpr int cr2o3Index = 13;

float perFormulaUnit(const data::StandardTable& standard, int k, float wtPercent) {
  const float weight = standard.molecularWeight[static_cast<std::size_t>(k)];
  return weight > 0 ? wtPercent / weight * standard.cations[static_cast<std::size_t>(k)] : 0.0f;
}

}  // namespace

CationRow cationProportions(const data::DataStore& store, const data::StandardTable& standard, const IronState& iron,
                            const CrNiColumns& crNi, int row) {
  OxideWork work{};
  for (int k = 1; k <= ironModelOxides; ++k) work[static_cast<std::size_t>(k)] = store.stdValue(row, k);
  adjustIron(iron, standard, work);
  CationRow cations{};
  for (int k = 1; k <= ironModelOxides; ++k) {
    const auto i = static_cast<std::size_t>(k);
    cations[i] = work[i] * standard.cations[i];
  }
  cations[nioIndex] = perFormulaUnit(standard, nioIndex, nioPercent(store, crNi, row));
  cations[cr2o3Index] = perFormulaUnit(standard, cr2o3Index, cr2o3Percent(store, crNi, row));
  return cations;
}

std::vector<CationRow> cationTable(const data::DataStore& store, const data::StandardTable& standard,
                                   const IronState& iron, const CrNiColumns& crNi) {
  std::vector<CationRow> table(static_cast<std::size_t>(std::max<int>(store.rowCount, 0)) + 1, CationRow{});
  for (int row = 1; row <= store.rowCount; ++row)
    table[static_cast<std::size_t>(row)] = cationProportions(store, standard, iron, crNi, row);
  return table;
}

}  // namespace lavix::recalc

// Where a data set keeps chromium and nickel: as oxides in wt % or as elements in ppm.
#include "lavix/recalc/CrNiColumns.h"

#include <algorithm>
#include <string>

#include "common/text/Text.h"

namespace lavix::recalc {

CrNiColumns findCrNi(const data::DataStore& store) {
  CrNiColumns found;
  const int last = std::min<int>(store.columnCount, static_cast<int>(store.columnName.size()) - 1);
  for (int c = 1; c <= last; ++c) {
    const std::string name = text::normaliseName(store.columnName[static_cast<std::size_t>(c)]);
    auto take = [c](int16_t& column, float& factor, float perCell) {
      column = static_cast<int16_t>(c);
      factor = perCell;
    };
    if (name == "CR2O3") take(found.crColumn, found.crFactor, 1);
    if (name == "NIO") take(found.niColumn, found.niFactor, 1);
    if (name == "CR") take(found.crColumn, found.crFactor, cr2o3PerPpmCr);
    if (name == "NI") take(found.niColumn, found.niFactor, nioPerPpmNi);
  }
  return found;
}

float cr2o3Percent(const data::DataStore& store, const CrNiColumns& columns, int row) {
  return columns.crColumn > 0 ? store.value(row, columns.crColumn) * columns.crFactor : 0.0f;
}

float nioPercent(const data::DataStore& store, const CrNiColumns& columns, int row) {
  return columns.niColumn > 0 ? store.value(row, columns.niColumn) * columns.niFactor : 0.0f;
}

}  // namespace lavix::recalc

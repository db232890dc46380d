// Columns shown recast to 100 % volatile-free, and the total-iron column "FeO{t}".
#include "lavix/recalc/RecastTo100.h"

#include <algorithm>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"
#include "lavix/recalc/AppendColumns.h"
#include "lavix/recalc/FerricIron.h"

namespace lavix::recalc {

namespace {

int lastColumn(const data::DataStore& store) {
  return std::min<int>(store.columnCount, static_cast<int>(store.columnName.size()) - 1);
}

bool isVolatile(const std::string& normalisedName) {
  for (const char* formula : {"H2O", "CO2", "SO2"})
    if (normalisedName.find(formula) != std::string::npos) return true;
  return false;
}

}  // namespace

void RecastState::forgetData() {
  std::fill(normFlag.begin(), normFlag.end(), 0);
  normOn = 0;
  totalIronColumns.clear();
}

float totalIronAsFeO(const data::DataStore& store, int row) {
  auto oxide = [&](int k) { return store.stdValue(row, k); };
  const float factor = row >= 0 && static_cast<std::size_t>(row) < store.totalFactor.size()
                           ? store.totalFactor[static_cast<std::size_t>(row)]
                           : 1.0f;
  return (oxide(fe2o3Index) * 0.8998f + oxide(feoIndex)) * factor;
}

void clearFlags(const data::DataStore& store, RecastState& recast) {
  recast.normFlag.assign(store.columnName.size(), 0);
}

void flagStandardOxides(const data::DataStore& store, RecastState& recast) {
  if (recast.normFlag.size() < store.columnName.size()) recast.normFlag.resize(store.columnName.size(), 0);
  for (int k = 1; k <= data::standardCount; ++k) {
    const int column = store.stdColumn[static_cast<std::size_t>(k)];
    if (column < 1 || column > lastColumn(store)) continue;
    if (isVolatile(text::normaliseName(store.columnName[static_cast<std::size_t>(column)]))) continue;
    recast.normFlag[static_cast<std::size_t>(column)] = 1;
  }
}

void appendTotalIronColumn(data::DataStore& store, RecastState& recast) {
  std::vector<std::string> cells(static_cast<std::size_t>(std::max<int>(store.rowCount, 0)));
  for (int row = 1; row <= store.rowCount; ++row)
    cells[static_cast<std::size_t>(row - 1)] = format::generalFormat(totalIronAsFeO(store, row));
  const int column = appendColumn(store, totalIronName, cells);
  if (static_cast<std::size_t>(column) < recast.normFlag.size()) recast.normFlag[static_cast<std::size_t>(column)] = 0;
  recast.totalIronColumns.push_back(static_cast<int16_t>(column));
}

void removeLastTotalIronColumn(data::DataStore& store, RecastState& recast) {
  if (recast.totalIronColumns.empty() || recast.totalIronColumns.back() != store.columnCount) return;
  if (store.columnName[static_cast<std::size_t>(store.columnCount)] != totalIronName) return;
  recast.totalIronColumns.pop_back();
  removeLastColumn(store);
}

std::vector<std::string> recastColumnNames(const data::DataStore& store, const RecastState& recast) {
  std::vector<std::string> names;
  const int last = std::min<int>(lastColumn(store), static_cast<int>(recast.normFlag.size()) - 1);
  for (int c = 1; c <= last; ++c)
    if (recast.normFlag[static_cast<std::size_t>(c)] == 1)
      names.push_back(text::stripMarkup(store.columnName[static_cast<std::size_t>(c)]));
  return names;
}

std::string recastSummary(const data::DataStore& store, const RecastState& recast) {
  if (recast.normOn != 1) return {};
  const std::vector<std::string> names = recastColumnNames(store, recast);
  if (names.empty()) return {};
  std::string summary = "(";
  for (const std::string& name : names) summary += name + " ";
  return summary + "recast to 100)";
}

}  // namespace lavix::recalc

// The data matrix of lavix and the per-row and per-column values derived from it.
#include "lavix/data/DataStore.h"

#include <algorithm>

#include "common/text/Text.h"
#include "common/text/TotalIron.h"

namespace lavix::data {

void DataStore::allocate(int16_t rows, int16_t columns) {
  const int r = std::clamp<int>(rows, 1, maxRowCapacity);
  const int c = std::clamp<int>(columns, 1, maxColumnCapacity);
  maxRows = static_cast<int16_t>(r);
  maxColumns = static_cast<int16_t>(c);
  rowCount = columnCount = fileColumnCount = dataRowCount = 0;
  partlyReadFiles.clear();

  const auto rowEntries = static_cast<std::size_t>(r) + 1;
  const auto nameEntries = static_cast<std::size_t>(c) + spareColumnNames + 1;
  columnName.assign(nameEntries, {});
  sampleName.assign(rowEntries, {});
  jcode.assign(rowEntries, 0);
  kcode.assign(rowEntries, 0);
  lcode.assign(rowEntries, 0);
  symbolOf.assign(rowEntries + spareCurveEntries, 0);
  totalFactor.assign(rowEntries, 1.0f);
  normValue.assign(nameEntries, 1.0f);
  stdColumn.fill(0);
  stdIndexOfColumn.assign(nameEntries, 0);
  feoStd = fe2o3Std = 0;
  totalIronColumn = 0;
  totalIronToFeO = 1;
  isotope = {};
  sampleTitle.clear();
  mergeMode = false;
  filterActive = false;
  cells_.allocate(r + 1, c + spareColumns + 1);
  markSaved();
}

void DataStore::markSaved() {
  savedChanges_ = changes_;
  savedRows_ = rowCount;
  savedColumns_ = columnCount;
}

bool DataStore::hasUnsavedChanges() const {
  if (rowCount <= 0) return false;
  return changes_ != savedChanges_ || rowCount != savedRows_ || columnCount != savedColumns_;
}

float DataStore::value(int row, int column) const { return text::parseNumber(cell(row, column), decimalSeparator); }

float DataStore::stdValue(int row, int k) const {
  if (k < 1 || k > standardCount) return 0;
  const int column = stdColumn[static_cast<std::size_t>(k)];
  if (column <= 0) return 0;
  const float v = value(row, column);
  return column == totalIronColumn ? v * totalIronToFeO : v;
}

void DataStore::chooseTotalIron(const StandardTable& standards) {
  const int feo = standards.indexOfName("FeO");
  const int fe2o3 = standards.indexOfName("Fe2O3");
  if (feo == 0) return;
  int16_t& feoColumn = stdColumn[static_cast<std::size_t>(feo)];
  // Our own earlier choice, not a real FeO column that a new file put in the same place.
  if (totalIronColumn > 0 && feoColumn == totalIronColumn &&
      standards.indexOfName(columnName[static_cast<std::size_t>(feoColumn)]) != feo)
    feoColumn = 0;
  totalIronColumn = 0;
  totalIronToFeO = 1;
  if (feoColumn > 0 || (fe2o3 > 0 && stdColumn[static_cast<std::size_t>(fe2o3)] > 0)) return;
  const int columns = std::min<int>(columnCount, static_cast<int>(columnName.size()) - 1);
  for (int c = 1; c <= columns; ++c) {
    const text::TotalIron kind = text::totalIronKind(columnName[static_cast<std::size_t>(c)]);
    if (kind == text::TotalIron::None) continue;
    feoColumn = totalIronColumn = static_cast<int16_t>(c);
    totalIronToFeO = text::totalIronAsFeO(kind);
    return;
  }
}

std::size_t DataStore::arrayBytes() const {
  std::size_t bytes = 0;
  for (const auto& s : columnName) bytes += sizeof(s) + (s.capacity() > 15 ? s.capacity() : 0);
  for (const auto& s : sampleName) bytes += sizeof(s) + (s.capacity() > 15 ? s.capacity() : 0);
  bytes += (jcode.capacity() + kcode.capacity() + lcode.capacity() + symbolOf.capacity() +
            stdIndexOfColumn.capacity()) * sizeof(int16_t);
  bytes += (totalFactor.capacity() + normValue.capacity()) * sizeof(float);
  return bytes;
}

}  // namespace lavix::data

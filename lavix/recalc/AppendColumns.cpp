// Calculated columns appended after the last column of the data matrix, and taken off again.
#include "lavix/recalc/AppendColumns.h"

#include <cstdint>

namespace lavix::recalc {

bool hasRoomForColumns(const data::DataStore& store, int count) {
  const int last = store.columnCount + count;
  return count >= 0 && last < store.matrixColumns() && last < static_cast<int>(store.columnName.size()) &&
         last <= INT16_MAX;
}

int appendColumn(data::DataStore& store, const std::string& name, const std::vector<std::string>& cells) {
  appendColumns(store, {{name, cells}});
  return store.columnCount;
}

void appendColumns(data::DataStore& store, const std::vector<NamedColumn>& columns) {
  const int first = store.columnCount + 1;
  const int count = static_cast<int>(columns.size());
  for (int row = 1; row <= store.rowCount; ++row) {
    const auto i = static_cast<std::size_t>(row - 1);
    for (int n = 0; n < count; ++n) {
      const auto& cells = columns[static_cast<std::size_t>(n)].cells;
      store.setCell(row, first + n, i < cells.size() ? cells[i] : std::string());
    }
  }
  for (int n = 0; n < count; ++n) {
    const auto c = static_cast<std::size_t>(first + n);
    store.columnName[c] = columns[static_cast<std::size_t>(n)].name;
    if (c < store.stdIndexOfColumn.size()) store.stdIndexOfColumn[c] = 0;
    if (c < store.normValue.size()) store.normValue[c] = 1.0f;
  }
  store.columnCount = static_cast<int16_t>(first + count - 1);
}

void removeLastColumn(data::DataStore& store) {
  const int column = store.columnCount;
  if (column < 1) return;
  for (int row = 1; row <= store.rowCount; ++row) store.setCell(row, column, "");
  store.columnName[static_cast<std::size_t>(column)].clear();
  store.columnCount = static_cast<int16_t>(column - 1);
}

}  // namespace lavix::recalc

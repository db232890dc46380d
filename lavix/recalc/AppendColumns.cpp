// Calculated columns appended after the last column of the data matrix, and taken off again.
#include "lavix/recalc/AppendColumns.h"

#include <algorithm>
#include <cstdint>
#include <span>

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
  const auto rows = static_cast<std::size_t>(std::max<int>(store.rowCount, 0));
  for (int n = 0; n < count; ++n) {
    const NamedColumn& column = columns[static_cast<std::size_t>(n)];
    const auto c = static_cast<std::size_t>(first + n);
    // Each column in one pass, sized exactly; rows the cells do not reach stay empty.
    store.clearColumn(first + n);
    store.setColumn(first + n, 1, std::span<const std::string>(column.cells).first(std::min(rows, column.cells.size())));
    store.columnName[c] = column.name;
    if (c < store.stdIndexOfColumn.size()) store.stdIndexOfColumn[c] = 0;
    if (c < store.normValue.size()) store.normValue[c] = 1.0f;
  }
  store.columnCount = static_cast<int16_t>(first + count - 1);
}

void removeLastColumn(data::DataStore& store) {
  const int column = store.columnCount;
  if (column < 1) return;
  store.clearColumn(column);
  store.columnName[static_cast<std::size_t>(column)].clear();
  store.columnCount = static_cast<int16_t>(column - 1);
}

}  // namespace lavix::recalc

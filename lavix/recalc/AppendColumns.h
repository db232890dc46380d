// Calculated columns appended after the last column of the data matrix, and taken off again.
#pragma once

#include <string>
#include <vector>

#include "lavix/data/DataStore.h"

namespace lavix::recalc {

// A calculated column before it joins the matrix: cells[r - 1] is row r's text.
struct NamedColumn {
  std::string name;
  std::vector<std::string> cells;
};

// True when `count` more columns fit after columnCount (matrix columns, names, 16-bit count).
bool hasRoomForColumns(const data::DataStore& store, int count);

// Appends column columnCount + 1 named `name`, with cells[r - 1] in rows 1..rowCount: an
// ordinary column (no standard oxide, normalising value 1). Returns its number; the caller
// has checked the room.
int appendColumn(data::DataStore& store, const std::string& name, const std::vector<std::string>& cells);

// appendColumn for each, in order.
void appendColumns(data::DataStore& store, const std::vector<NamedColumn>& columns);

// Empties the last column's name and cells and counts it off.
void removeLastColumn(data::DataStore& store);

}  // namespace lavix::recalc

// The partition-coefficient file (.PC.txt): mineral identifiers, elements and their Kd's.
//
// The first line names the minerals (its first field is a label, often the citation of the
// table); every further non-empty line is an element with one coefficient per mineral. Each
// line is taken up to its first comma, so only TAB or blank delimiters work; an empty cell
// reads 0. Each program sets its own limits and words its own refusals.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lavix::partition {

// K(t, m) = concentration in mineral m / concentration in the melt, for element t.
struct PartitionTable {
  std::vector<std::string> identifiers;    // mineral names as written in the header
  std::vector<std::string> elements;       // upper-cased names
  std::vector<std::vector<float>> values;  // values[t-1][m-1]
  int elementCount() const { return static_cast<int>(elements.size()); }
  int identifierCount() const { return static_cast<int>(identifiers.size()); }
  float k(int element, int identifier) const;  // 1-based; 0 outside the table
};

enum class PartitionReadError {
  none,
  empty,            // no first line
  noMinerals,       // the first line names no mineral
  tooManyMinerals,  // more identifiers than the reader's limit
  tooManyElements,  // more element lines than the reader's limit
};

struct PartitionLimits {
  int minerals = 0;
  int elements = 0;
};

struct PartitionRead {
  PartitionTable table;  // complete only when error is none
  PartitionReadError error = PartitionReadError::none;
  int blankLines = 0;    // empty element lines skipped, each worth a "blank line found in file"
  bool ok() const { return error == PartitionReadError::none; }
};

PartitionRead readPartitionTable(std::string_view content, PartitionLimits limits, char decimalSeparator = '.');

}  // namespace lavix::partition

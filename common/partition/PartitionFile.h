// The partition-coefficient file (.PC.txt): mineral identifiers, elements and their Kd's.
//
// The first line names the minerals (its first field is a label, often the citation of the
// table); every further non-empty line is an element with one coefficient per mineral. Each
// line is taken up to its first comma, so only TAB or blank delimiters work; an empty cell
// reads 0 and is counted. Each program sets its own limits and words its own refusals.
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

// A coefficient that reads 0 because no number stands there: an empty cell, one past the end
// of a short line, or a text such as "n.a.".
struct UnreadCell {
  std::string element;
  std::string mineral;
  std::string text;      // as written; empty for an empty or missing cell
  bool missing = false;  // the line ends before it
};

struct PartitionRead {
  PartitionTable table;  // complete only when error is none
  PartitionReadError error = PartitionReadError::none;
  int blankLines = 0;    // empty element lines skipped, each worth a "blank line found in file"
  int unreadCells = 0;   // coefficients read as 0 for want of a number
  std::vector<UnreadCell> firstUnread;  // the first few of them, in file order
  bool ok() const { return error == PartitionReadError::none; }
};

PartitionRead readPartitionTable(std::string_view content, PartitionLimits limits, char decimalSeparator = '.');

namespace texts {
inline constexpr std::string_view oneUnreadCell =
    "1 cell is empty or not a number: it reads as Kd = 0, the mineral taking none of the element.";
inline constexpr std::string_view unreadCells =
    " cells are empty or not numbers: they read as Kd = 0, the mineral taking none of the element.";
inline constexpr std::string_view in = " in ";
inline constexpr std::string_view emptyCell = "empty";
inline constexpr std::string_view missingCell = "missing";
}  // namespace texts

// Kd = 0 claims the element stays wholly in the melt, not that it is unknown: both programs say
// so after reading a file with such cells, e.g. "3 cells are empty or not numbers: ...\nLA in
// CPX: n.a." with the first few listed. Empty when there are none.
std::string unreadCellsNotice(const PartitionRead& read);

}  // namespace lavix::partition

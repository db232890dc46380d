// Print a table: the data in memory as a text table, samples across and variables down.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lavix/data/DataStore.h"

namespace lavix::app {

class Session;

// What one printing lays out.
struct TableLayout {
  std::string fileName;                 // after "File name " at the head of each block
  std::vector<int> rows;                // the samples, in order
  int samplesPerBlock = 8;
  std::vector<int> decimals;            // per column (index = column): 0..6
  std::vector<bool> totalled;           // per column: summed in the "Total" line
  const std::vector<int16_t>* recalculated = nullptr;  // per column 1: printed as Save writes it
};

// The number masks of 0..6 decimals.
inline constexpr const char* decimalMasks[] = {"###0.", "###0.0", "##0.00", "##0.000", "#0.0000", "0.00000", "0.000000"};

// The table's lines: per block of samples a blank line, "File name ...", the sample names,
// the Jcode, Kcode and Lcode lines whose values in the block sum above 0, one line per
// column, and "Total" when a column is totalled. Every field is 12 characters (names cut to
// fit) followed by two blanks; numbers keep their decimal points one above the other, an
// empty cell prints blank and a text that is no number prints as it is.
std::vector<std::string> tableLines(const data::DataStore& store, const TableLayout& layout);

// The File Operations choice: the recalculated-columns question, the columns per block, the
// "decimals" and "total" grids, then the output device: the screen (the table window) or a
// text file. `picked`: the rows to print, all rows when null.
void printDataTable(Session& session, const std::vector<int16_t>* recalculated, const std::vector<int16_t>* picked);

}  // namespace lavix::app

// The data matrix of mixing with its control tables, and the readers of its three file kinds.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/partition/PartitionFile.h"

namespace lavix::mixing {

inline constexpr int defaultRowCount = 500;
inline constexpr int defaultColumnCount = 120;
inline constexpr int mineralRowCount = 200;   // mineral analyses occupy the last 200 rows
inline constexpr int maxOxides = 15;           // names of a weight file
inline constexpr int maxIdentifiers = 12;      // mineral identifiers of a partition-coefficient file
inline constexpr int maxTraceElements = 100;

// Oxides 1..nel of the weight file (wt %) with their weights; the FeO and Fe2O3 positions
// (1-based, 0 when absent). When the file names no Fe2O3 a hidden "FE2O3" of weight 0 is
// appended so that a rock's ferric iron can still be read and recast to FeO.
struct OxideTable {
  std::vector<std::string> names;  // as written in the file
  std::vector<float> weights;
  int feoPosition = 0;
  int fe2o3Position = 0;
  int hiddenFe2o3Row = 0;          // the appended row, left out of the report; 0: none
  int count() const { return static_cast<int>(names.size()); }
};

// Partition coefficients K(t, m): element t (1..ntr) in the mineral of identifier m (1..12).
using PartitionTable = partition::PartitionTable;

// One analysis of a rock or mineral file as read, before it is placed in the matrix.
struct Analysis {
  std::string name;
  int16_t jcode = 0, kcode = 0, lcode = 0;
  std::vector<float> values;  // oxides 1..nel then trace elements, in the sought order
  std::vector<bool> missing{};  // per value: no column, an empty cell or no number ("n.d.")
};

// What a reader gives back: the parsed content or the message that refuses the file.
template <typename T>
struct ReadResult {
  T value{};
  std::string error;     // empty on success
  std::vector<std::string> notices;  // messages shown but not fatal ("blank line found in file")
  bool ok() const { return error.empty(); }
};

// The first line names the identifiers (its first field is a label), every further
// non-empty line is an element with one coefficient per identifier. Each line is taken up
// to its first comma, so only TAB or blank delimiters work.
ReadResult<PartitionTable> readPartitionCoefficients(std::string_view content, char decimalSeparator = '.');

// Line 1 the oxide names, line 2 their weights (double quotes removed). A weight that is
// missing or no number, or weights that are all 0, refuse the file; `fileName` names it then.
ReadResult<OxideTable> readWeights(std::string_view content, char decimalSeparator = '.',
                                   std::string_view fileName = {});

// A rock or mineral file: header line then analyses; values are recast to all iron as FeO
// and the oxides to a sum of 100. `sought` is oxides then trace elements. A file with neither
// FeO nor Fe2O3 takes its iron from a total-iron column (FeOT, Fe2O3T ...), with a notice.
ReadResult<std::vector<Analysis>> readAnalyses(std::string_view content, const OxideTable& oxides,
                                               const std::vector<std::string>& traceElements,
                                               char decimalSeparator = '.');

// The identifier (1-based) whose name lies within the sample name, the last one in file
// order when several do; 0 when none.
int matchMineral(const std::string& sampleName, const std::vector<std::string>& identifiers);

// The matrix of mixing: values(column, row) single precision, 1-based; rock rows from 1,
// mineral rows the last 200.
class DataMatrix {
 public:
  DataMatrix() { allocate(defaultRowCount, defaultColumnCount); }
  DataMatrix(int rows, int columns) { allocate(rows, columns); }

  // Empties everything and takes the new size (at least 201 rows so rocks have a row).
  void allocate(int rows, int columns);
  int rowCount() const { return rowCount_; }
  int columnCount() const { return columnCount_; }
  int firstMineralRow() const { return rowCount_ - mineralRowCount + 1; }
  int rockCapacity() const { return rowCount_ - mineralRowCount; }

  float value(int column, int row) const;
  // Setting a value marks it analysed.
  void setValue(int column, int row, float v);
  // True where the row's file gave no number for the column (trace elements are compared
  // only where analysed).
  bool missing(int column, int row) const;

  std::string& name(int row) { return names_.at(static_cast<std::size_t>(row)); }
  const std::string& name(int row) const { return names_.at(static_cast<std::size_t>(row)); }
  int16_t& code(int which, int row) { return codes_.at(static_cast<std::size_t>(row))[which]; }
  int16_t code(int which, int row) const { return codes_.at(static_cast<std::size_t>(row))[which]; }
  int& mineralId(int row) { return mineralIds_.at(static_cast<std::size_t>(row)); }
  int mineralId(int row) const { return mineralIds_.at(static_cast<std::size_t>(row)); }

  // Puts analyses into rows first.., clearing the rest of that block (rocks or minerals).
  void replaceBlock(int firstRow, int lastRow, const std::vector<Analysis>& analyses);

 private:
  int rowCount_ = 0;
  int columnCount_ = 0;
  std::vector<float> values_;
  std::vector<bool> missing_;
  std::vector<std::string> names_;
  std::vector<std::array<int16_t, 3>> codes_;
  std::vector<int> mineralIds_;
};

}  // namespace lavix::mixing

// The data matrix of lavix and the per-row and per-column values derived from it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lavix/data/CellStore.h"
#include "lavix/data/StandardTable.h"

namespace lavix::data {

// Largest capacities a 16-bit count allows; columns keep room for the 15 extra names.
inline constexpr int maxRowCapacity = 32767;
inline constexpr int maxColumnCapacity = 32767 - 15;
// Spare matrix columns beyond maxColumns for appended and working columns.
inline constexpr int spareColumns = 12;
// Extra column names beyond maxColumns.
inline constexpr int spareColumnNames = 15;
// Entries after the rows (symbolOf, the plotted values) that hold model and mixing curves: the
// longest curve, 1001 points each of which may take a tick and a pen change, plus its start.
inline constexpr int spareCurveEntries = 3 * 1001 + 1;

// Column indexes of the isotope ratios and of the element concentrations they pair with;
// 0 when the data set has no such column.
struct IsotopeColumns {
  int16_t pb206Pb204 = 0;  // "206PB/204PB"
  int16_t pb207Pb204 = 0;  // "207PB/204PB"
  int16_t pb208Pb204 = 0;  // "208PB/204PB"
  int16_t sr87Sr86 = 0;    // "87SR/86SR"
  int16_t nd143Nd144 = 0;  // "143ND/144ND"
  int16_t hf176Hf177 = 0;  // "176HF/177HF"
  int16_t os187Os186 = 0;  // "187OS/186OS"
  int16_t li6Li7 = 0;      // "6LI/7LI"
  int16_t sr = 0;          // "SR"
  int16_t nd = 0;          // "ND"
  int16_t hf = 0;          // "HF"
  int16_t os = 0;          // "OS"
  int16_t pb = 0;          // "PB"
};

// All arrays are indexed from 0; rows are 1..rowCount, columns 1..columnCount.
// The column of total iron as FeO that the recast to 100 % appends.
inline constexpr const char* totalIronColumnName = "FeO{t}";

class DataStore {
 public:
  int16_t maxRows = 0;
  int16_t maxColumns = 0;

  int16_t rowCount = 0;
  int16_t columnCount = 0;
  int16_t fileColumnCount = 0;  // columnCount right after the last load
  int16_t dataRowCount = 0;     // rowCount right after the last load: rows beyond it are model rows

  std::vector<std::string> columnName;  // 0..maxColumns+15, display form with markup
  std::vector<std::string> sampleName;  // 0..maxRows
  std::vector<int16_t> jcode, kcode, lcode;  // 0..maxRows
  std::vector<int16_t> symbolOf;             // 0..maxRows+spareCurveEntries
  std::vector<float> totalFactor;            // 0..maxRows: 100 / major-element total, or 1
  std::vector<float> normValue;              // per column (0..maxColumns+15), 1 when none

  std::array<int16_t, standardCount + 1> stdColumn{};  // 1..17: column of each standard oxide
  std::vector<int16_t> stdIndexOfColumn;                // per column: standard index 1..16, or 0
  int16_t feoStd = 0;
  int16_t fe2o3Std = 0;
  // A total-iron column (FeOT, Fe2O3T ...) taken as the FeO of a data set that has neither FeO
  // nor Fe2O3: stdColumn of FeO points to it, and its values times totalIronToFeO are FeO.
  int16_t totalIronColumn = 0;
  float totalIronToFeO = 1;
  IsotopeColumns isotope;

  std::string sampleTitle;  // header text of the sample field of the last file read
  std::string currentFile;
  // Files whose rows or columns were not all read in (the matrix's limits, the read filter):
  // saving over one of them would lose the rest. Emptied by a new load and by allocate.
  std::vector<std::string> partlyReadFiles;
  bool mergeMode = false;
  bool filterActive = false;
  char decimalSeparator = '.';  // the locale's, for every numeric read of a cell

  // Empties everything and sets the capacities (rows 1..32767, columns 1..32752; values
  // outside are brought inside). currentFile and decimalSeparator are kept.
  void allocate(int16_t rows, int16_t columns);

  // Matrix columns: 0..maxColumns+12.
  int matrixColumns() const { return cells_.columns(); }

  // "" for an empty cell or one outside the matrix.
  std::string_view cell(int row, int column) const { return cells_.get(row, column); }
  void prefetchCell(int row, int column) const { cells_.prefetch(row, column); }
  void prefetchRow(int row) const { cells_.prefetchRow(row); }
  // False when the cell is outside the matrix (nothing is stored then).
  bool setCell(int row, int column, std::string_view text) {
    // Working columns beyond columnCount are never saved: writing them changes no data.
    if (column <= columnCount) ++changes_;
    return cells_.set(row, column, text);
  }
  // parseNumber of the cell.
  float value(int row, int column) const;
  // Standard oxide k (1..17) of a row in wt %, 0 when the data have no column for it; a
  // total-iron column counts as FeO.
  float stdValue(int row, int k) const;
  // Takes the first total-iron column as FeO when no column holds FeO or Fe2O3, and lets go of
  // an earlier choice that no longer holds; run after every load.
  void chooseTotalIron(const StandardTable& standards);

  // Rows firstRow.. of a column become `cells` (a new or recalculated column in one pass).
  bool setColumn(int column, int firstRow, std::span<const std::string> cells) {
    if (column <= columnCount) ++changes_;
    return cells_.setColumn(column, firstRow, cells);
  }
  void clearColumn(int column) {
    if (column <= columnCount) ++changes_;
    cells_.clearColumn(column);
  }
  // A column about to be written a row at a time: see CellStore.
  void reserveColumn(int column, std::size_t bytes) { cells_.reserveColumn(column, bytes); }
  void fitColumn(int column) { cells_.fitColumn(column); }

  void clearCells() {
    ++changes_;
    cells_.clear();
  }
  void clearRowCells(int row) { cells_.clearRow(row); }
  // Loading without copying the text: see CellStore.
  void keepText(std::shared_ptr<const std::string> text) { cells_.keepText(std::move(text)); }
  void addLoadedRows(int rows, int columns) { cells_.addLoadedRows(rows, columns); }
  void loadRow(int row, std::string_view line, std::span<const CellStore::LoadedField> fields) {
    ++changes_;
    cells_.loadRow(row, line, fields);
  }

  // Whether the data differ from what was last read or saved: a cell of a data column
  // written, a row or column added or removed, or a change noted (names, codes).
  void noteChange() { ++changes_; }
  void markSaved();
  bool hasUnsavedChanges() const;

  // Heap bytes held by the cells and by the fixed arrays.
  std::size_t cellBytes() const { return cells_.heapBytes(); }
  std::size_t arrayBytes() const;

 private:
  CellStore cells_;
  std::uint64_t changes_ = 0;
  std::uint64_t savedChanges_ = 0;
  int16_t savedRows_ = 0;
  int16_t savedColumns_ = 0;
};

}  // namespace lavix::data

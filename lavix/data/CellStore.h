// The text cells of the data matrix, held so that a full matrix costs about its file's size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lavix::data {

// Rows × columns of text cells, in two tiers. Cells as loaded are not copied: the store keeps
// the file's text and an index of where each field starts in its line (a field ends at the
// next TAB or the line's end). A cell written after the load (a new column, a transform, a
// typed cell, a model row) goes into its column's own text, which lies over the loaded cells
// and covers only the rows written, so neither appending a column nor writing a few cells
// copies what was loaded. Out-of-range access reads "" and writes nothing.
class CellStore {
 public:
  // One field of a loaded line: `text` lies inside the line given to loadRow.
  struct LoadedField {
    int column = 0;
    std::string_view text;
  };

  CellStore() = default;
  // A copy shares the kept texts, which never change, and copies the index and written cells.
  CellStore(const CellStore& other);
  CellStore& operator=(const CellStore& other);
  CellStore(CellStore&&) noexcept = default;
  CellStore& operator=(CellStore&&) noexcept = default;

  void allocate(int rows, int columns);

  int rows() const { return rows_; }
  int columns() const { return columns_; }

  std::string_view get(int row, int column) const;
  // Asks the processor for a loaded cell's text ahead of reading it: a column read down its
  // rows jumps from line to line of the file's text, too irregularly for the hardware to guess.
  void prefetch(int row, int column) const;
  // The same for all of a loaded row's text, for a loop that reads many cells of each row.
  void prefetchRow(int row) const;
  // False (and nothing stored) when the cell is outside the store or the column's text
  // would pass 4 GB. `text` may be a view of another cell.
  bool set(int row, int column, std::string_view text);
  // Rows firstRow.. of a column become `cells` in one pass, sized exactly; the column's other
  // rows keep their text. False (nothing stored) when out of range.
  bool setColumn(int column, int firstRow, std::span<const std::string> cells);
  // Every cell of a column empty.
  void clearColumn(int column);

  // Room for `bytes` more text in a column about to be written a row at a time, so that it is
  // never copied as it grows (pages not written to take no memory); fitColumn() then gives
  // back what was not used.
  void reserveColumn(int column, std::size_t bytes);
  void fitColumn(int column);

  // Keeps a text that loaded rows point into, until clear().
  void keepText(std::shared_ptr<const std::string> text);
  // Room in the load index for rows 0..rows-1 and columns 0..columns-1 (the first call after
  // clear() fixes the index's width; later loads add rows to it).
  void addLoadedRows(int rows, int columns);
  // A row as read: the row's earlier cells go, then each field's column takes the field.
  // `line` must lie inside a kept text.
  void loadRow(int row, std::string_view line, std::span<const LoadedField> fields);

  void clear();
  void clearRow(int row);

  // Heap bytes held by the cells (capacities, the kept texts included).
  std::size_t heapBytes() const;

 private:
  // The cells of a column written since the load, rows first..first+at.size()-1: records of
  // a varint length, then the characters. A row without a record shows the loaded cell.
  // Overwritten records stay as garbage until they outweigh the live text.
  struct Column {
    std::vector<char> text;
    std::vector<std::uint32_t> at;  // per row from `first`: 1 + record position, 0 for none
    std::size_t first = 0;
    std::size_t garbage = 0;

    std::uint32_t recordAt(std::size_t row) const { return row - first < at.size() ? at[row - first] : 0; }
    std::string_view record(std::uint32_t position) const;
    bool set(std::size_t row, std::string_view cell);
    void drop(std::size_t row);
    void cover(std::size_t row);
    void append(std::size_t row, std::string_view cell);
    void compactIfWasteful();
  };
  struct Line {
    const char* start = nullptr;
    std::uint32_t length = 0;
  };

  bool inRange(int row, int column) const { return row >= 0 && column >= 0 && row < rows_ && column < columns_; }
  std::string_view loaded(int row, int column) const;
  void clearLoaded(int row, int column);
  Column& written(int column);

  int rows_ = 0;
  int columns_ = 0;
  std::vector<std::shared_ptr<const std::string>> texts_;
  // Loaded rows 0..loadedRows_-1: per row its line and, for columns 0..width_-1, 1 + the
  // field's offset in the line (0 for empty). 16 bits cover lines up to 64 KB; a field
  // further in is copied into its column's own text instead.
  std::vector<Line> lines_;
  std::vector<std::uint16_t> fieldAt_;
  int loadedRows_ = 0;
  int width_ = 0;
  std::vector<std::unique_ptr<Column>> written_;  // per column, null until written
  int writtenCount_ = 0;
};

}  // namespace lavix::data

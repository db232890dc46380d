// The text cells of the data matrix, packed per row so that a full matrix costs about its text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace lavix::data {

// Rows × columns of text cells. Each row owns one character arena holding its cells as
// (length, text) records and one offset per column; a row that was never written owns
// nothing. Overwritten cells leave garbage in the arena, which is compacted away once it
// outweighs the live text. Out-of-range access reads "" and writes nothing.
class CellStore {
 public:
  void allocate(int rows, int columns);

  int rows() const { return static_cast<int>(rows_.size()); }
  int columns() const { return columns_; }

  std::string_view get(int row, int column) const;
  // False (and nothing stored) when the cell is outside the store or the row's text
  // would pass 4 GB.
  bool set(int row, int column, std::string_view text);

  void clear();
  void clearRow(int row);
  // Sizes a row for `columns` cells and `bytes` of text ahead of writing it, so that
  // a row written once holds no spare capacity.
  void reserveRow(int row, int columns, std::size_t bytes);

  // Heap bytes held by the cells (capacities, not just the live text).
  std::size_t heapBytes() const;

 private:
  // Rows of ordinary width keep their record positions in 16 bits (half the index
  // memory of a full matrix); a row whose text passes 64 KB switches to 32 bits.
  struct Row {
    std::vector<char> text;              // records: varint length, then the characters
    std::vector<std::uint16_t> narrow;   // per column: 1 + record position, 0 for empty
    std::vector<std::uint32_t> wide;     // used instead of `narrow` once `isWide`
    bool isWide = false;
    std::size_t garbage = 0;             // bytes of overwritten records still in `text`

    std::size_t slotCount() const { return isWide ? wide.size() : narrow.size(); }
    std::uint32_t at(std::size_t column) const {
      if (column >= slotCount()) return 0;
      return isWide ? wide[column] : narrow[column];
    }
    void setAt(std::size_t column, std::uint32_t position);
    void widen();
  };

  bool inRange(int row, int column) const {
    return row >= 0 && column >= 0 && row < rows() && column < columns_;
  }
  static std::size_t recordSize(const Row& row, std::uint32_t at);
  static void compact(Row& row);

  std::vector<Row> rows_;
  int columns_ = 0;
};

}  // namespace lavix::data

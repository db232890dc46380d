// The cell store: loaded rows, overwrites, whole columns, compaction and out-of-range access.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "lavix/data/CellStore.h"
#include "lavix/data/DataStore.h"

namespace lavix::data {
namespace {

// Random writes, clears and overwrites against a plain map: compaction must never move a
// cell's text onto another's.
TEST(CellStore, RandomWritesMatchAReferenceMap) {
  CellStore cells;
  cells.allocate(6, 30);
  std::map<std::pair<int, int>, std::string> expected;
  std::mt19937 random(7);
  for (int step = 0; step < 50000; ++step) {
    const int row = static_cast<int>(random() % 6), column = static_cast<int>(random() % 30);
    // Mostly short numbers, some long texts that push a row past 64 KB.
    const auto length = static_cast<std::size_t>(random() % 40 == 0 ? 3000 + random() % 5000 : random() % 12);
    std::string text(length, static_cast<char>('a' + random() % 26));
    if (random() % 500 == 0) {
      cells.clearRow(row);
      for (int c = 0; c < 30; ++c) expected.erase({row, c});
      continue;
    }
    ASSERT_TRUE(cells.set(row, column, text));
    if (text.empty()) expected.erase({row, column});
    else expected[{row, column}] = text;
  }
  for (int row = 0; row < 6; ++row)
    for (int column = 0; column < 30; ++column) {
      auto found = expected.find({row, column});
      EXPECT_EQ(cells.get(row, column), found == expected.end() ? "" : found->second) << row << "," << column;
    }
}

// Loaded rows (fields pointing into kept texts: long lines, repeated and out-of-index columns)
// mixed with overwrites, cells copied within a column, whole columns written and cleared, row
// clears and a second load, against a plain map.
TEST(CellStore, LoadedRowsAndLaterWritesMatchAReferenceMap) {
  constexpr int rows = 40, columns = 12;
  CellStore cells;
  cells.allocate(rows, columns);
  std::map<std::pair<int, int>, std::string> expected;
  std::mt19937 random(11);
  auto load = [&](int firstRow, int lastRow, int width) {
    auto text = std::make_shared<std::string>();
    std::vector<std::pair<std::size_t, std::vector<std::pair<int, std::size_t>>>> plan;  // offsets, then views
    for (int row = firstRow; row <= lastRow; ++row) {
      const std::size_t start = text->size();
      std::vector<std::pair<int, std::size_t>> fields;
      const int count = 1 + static_cast<int>(random() % (columns + 2));
      for (int f = 0; f < count; ++f) {
        if (f > 0) *text += '\t';
        fields.emplace_back(static_cast<int>(random() % columns), text->size() - start);
        // Now and then a field far into a line: past 64 KB it is copied, not indexed.
        const std::size_t length = random() % 60 == 0 ? 70000 : random() % 7;
        *text += std::string(length, static_cast<char>('a' + random() % 26));
      }
      *text += "\r\n";
      plan.emplace_back(start, std::move(fields));
    }
    const std::string& kept = *text;
    cells.keepText(std::move(text));
    cells.addLoadedRows(lastRow + 1, width);
    for (int row = firstRow; row <= lastRow; ++row) {
      const auto& [start, fields] = plan[static_cast<std::size_t>(row - firstRow)];
      const std::size_t end = kept.find('\r', start);
      const std::string_view line(kept.data() + start, end - start);
      std::vector<CellStore::LoadedField> loaded;
      for (int c = 0; c < columns; ++c) expected.erase({row, c});
      for (const auto& [column, offset] : fields) {
        const std::size_t tab = line.find('\t', offset);
        const std::string_view field = line.substr(offset, (tab == std::string_view::npos ? line.size() : tab) - offset);
        loaded.push_back({column, field});
        if (field.empty()) expected.erase({row, column});
        else expected[{row, column}] = std::string(field);
      }
      cells.loadRow(row, line, loaded);
    }
  };
  auto check = [&](const char* when) {
    for (int row = 0; row < rows; ++row)
      for (int column = 0; column < columns; ++column) {
        auto found = expected.find({row, column});
        ASSERT_EQ(cells.get(row, column), found == expected.end() ? "" : found->second)
            << when << ": " << row << "," << column;
      }
  };
  load(1, 25, 8);
  check("loaded");
  for (int step = 0; step < 3000; ++step) {
    const int row = static_cast<int>(random() % rows), column = static_cast<int>(random() % columns);
    if (step % 500 == 7) {
      std::vector<std::string> whole(static_cast<std::size_t>(rows - 3));
      for (auto& cell : whole) cell = std::string(random() % 4, 'w');
      ASSERT_TRUE(cells.setColumn(column, 3, whole));
      for (int r = 3; r < rows; ++r) {
        if (whole[static_cast<std::size_t>(r - 3)].empty()) expected.erase({r, column});
        else expected[{r, column}] = whole[static_cast<std::size_t>(r - 3)];
      }
    } else if (step % 300 == 11) {  // room for a column written a row at a time, then fitted
      cells.reserveColumn(column, 4096);
      for (int r = 0; r < rows; r += 2) {
        ASSERT_TRUE(cells.set(r, column, std::to_string(r)));
        expected[{r, column}] = std::to_string(r);
      }
      cells.fitColumn(column);
    } else if (step % 700 == 3) {
      cells.clearRow(row);
      for (int c = 0; c < columns; ++c) expected.erase({row, c});
    } else if (step % 900 == 5) {
      cells.clearColumn(column);
      for (int r = 0; r < rows; ++r) expected.erase({r, column});
    } else if (step % 3 == 0) {  // a cell copied within its column, as a model row copies its source's
      const int from = static_cast<int>(random() % rows);
      const std::string copied(cells.get(from, column));
      ASSERT_TRUE(cells.set(row, column, cells.get(from, column)));
      if (copied.empty()) expected.erase({row, column});
      else expected[{row, column}] = copied;
    } else {
      const std::string text(random() % 9, static_cast<char>('A' + random() % 26));
      ASSERT_TRUE(cells.set(row, column, text));
      if (text.empty()) expected.erase({row, column});
      else expected[{row, column}] = text;
    }
  }
  check("written");
  load(26, 39, 3);  // a merge: more rows into the same index, some columns written before
  check("merged");
  CellStore copy = cells;  // shares the loaded texts, owns its written columns
  ASSERT_TRUE(copy.set(2, 1, "changed"));
  check("copied");
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < columns; ++column)
      if (row != 2 || column != 1) {
        ASSERT_EQ(copy.get(row, column), cells.get(row, column)) << row << "," << column;
      }
  EXPECT_EQ(copy.get(2, 1), "changed");
  EXPECT_FALSE(cells.setColumn(columns, 1, std::vector<std::string>{"x"}));
  EXPECT_FALSE(cells.setColumn(1, rows, std::vector<std::string>{"x"}));
}

TEST(CellStore, TextIsKeptByteForByte) {
  CellStore cells;
  cells.allocate(2, 2);
  const std::string binary("a\0b\xff\x80 ", 6);
  const std::string longText(100000, 'z');
  ASSERT_TRUE(cells.set(1, 0, binary));
  ASSERT_TRUE(cells.set(1, 1, longText));
  EXPECT_EQ(cells.get(1, 0), binary);
  EXPECT_EQ(cells.get(1, 1), longText);
}

TEST(DataStoreCells, OutOfRangeAccessReadsEmptyAndStoresNothing) {
  DataStore store;
  store.allocate(10, 5);
  struct Case {
    int row, column;
  };
  for (Case c : {Case{-1, 1}, Case{11, 1}, Case{1, -1}, Case{1, 18}, Case{40000, 40000}}) {
    EXPECT_FALSE(store.setCell(c.row, c.column, "x")) << c.row << "," << c.column;
    EXPECT_EQ(store.cell(c.row, c.column), "");
    EXPECT_EQ(store.value(c.row, c.column), 0.0f);
  }
  EXPECT_TRUE(store.setCell(10, 17, "spare"));  // maxColumns + 12 is the last spare column
  EXPECT_TRUE(store.setCell(0, 0, "zero"));
}

}  // namespace
}  // namespace lavix::data

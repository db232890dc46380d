// The packed cell store: overwrites, compaction, lazy rows and out-of-range access.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

#include "lavix/data/CellStore.h"
#include "lavix/data/DataStore.h"

namespace lavix::data {
namespace {

// Random writes, clears and overwrites against a plain map: compaction and the switch to
// wide positions must never move a cell's text onto another's.
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

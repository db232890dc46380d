// The Reset data matrix command: refusals leave the matrix alone, entries are rounded.
#include <gtest/gtest.h>

#include "lavix/data/DataStore.h"
#include "lavix/data/ResetDataMatrix.h"
#include "tests/data/DataSession.h"

namespace lavix::data {
namespace {

using testing::FakePrompts;

TEST(DataStore, AllocateEmptiesEverythingAndSizesTheArrays) {
  DataStore store;
  store.currentFile = "rocks.txt";
  store.allocate(100, 40);
  store.rowCount = 3;
  store.sampleName[3] = "A";
  store.setCell(3, 1, "5");
  store.allocate(20, 10);
  EXPECT_EQ(store.rowCount, 0);
  EXPECT_EQ(store.columnCount, 0);
  EXPECT_EQ(store.sampleName.size(), 21u);
  EXPECT_EQ(store.symbolOf.size(), 21u + data::spareCurveEntries);  // rows, then curve entries
  EXPECT_EQ(store.columnName.size(), 26u);
  EXPECT_EQ(store.cell(3, 1), "");
  EXPECT_EQ(store.currentFile, "rocks.txt");
}

struct ResetFixture : ::testing::Test {
  DataStore store;
  DialogExchange exchange;
  FakePrompts prompts;
  void SetUp() override {
    store.allocate(500, 60);
    exchange.allocate(500);
    store.rowCount = 2;
    store.columnCount = 3;
  }
};

TEST_F(ResetFixture, NoCancelAndTooLargeLeaveTheMatrixAsItWas) {
  prompts.messageAnswers = {ui::MessageResult::No, ui::MessageResult::Yes, ui::MessageResult::Yes};
  prompts.numberAnswers = {std::nullopt, std::vector<std::string>{"40000", "10"}};
  EXPECT_FALSE(resetDataMatrix(store, exchange, prompts));  // No
  EXPECT_FALSE(resetDataMatrix(store, exchange, prompts));  // Cancel
  EXPECT_EQ(exchange.answer, "QUIT");
  EXPECT_FALSE(resetDataMatrix(store, exchange, prompts));  // too many rows
  EXPECT_EQ(prompts.messages.back().text,
            "The data matrix can hold at most 32767 rows (analyses) and 32752 columns (elements). Nothing was changed.");
  EXPECT_EQ(store.maxRows, 500);
  EXPECT_EQ(store.maxColumns, 60);
  EXPECT_EQ(store.rowCount, 2);
}

}  // namespace
}  // namespace lavix::data

// The data store's allocation and numeric reads, and the Reset data matrix command.
#include <gtest/gtest.h>

#include "lavix/data/DataStore.h"
#include "lavix/data/ResetDataMatrix.h"
#include "tests/data/FakePrompts.h"

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

TEST(DataStore, CellsReadAsNumbersThroughParseNumber) {
  DataStore store;
  store.allocate(5, 5);
  struct Case {
    const char* text;
    char separator;
    float value;
  };
  for (Case c : {Case{"1,5", ',', 1.5f}, Case{"1.5", ',', 1.5f}, Case{"1.5", '.', 1.5f}, Case{"abc", '.', 0.0f},
                 Case{"<5", '.', 0.0f}, Case{"", '.', 0.0f}, Case{" 7 ", '.', 7.0f}}) {
    store.decimalSeparator = c.separator;
    store.setCell(1, 1, c.text);
    EXPECT_EQ(store.value(1, 1), c.value) << c.text;
  }
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

TEST_F(ResetFixture, AsksWithTheSystemsTexts) {
  prompts.messageAnswers = {ui::MessageResult::Yes};
  prompts.numberAnswers = {std::vector<std::string>{"0", "80"}};
  EXPECT_TRUE(resetDataMatrix(store, exchange, prompts));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text,
            "The data matrix has 500 analyses (rows) and 60 elements (columns) .  Redimensioning removes all "
            "existing rock or mineral data. Do you wish to proceed?");
  EXPECT_EQ(prompts.messages[0].title, "Redimension");
  EXPECT_EQ(prompts.messages[0].buttons, ui::MessageButtons::YesNo);
  ASSERT_EQ(prompts.numberRequests.size(), 1u);
  EXPECT_EQ(prompts.numberRequests[0].title, "Reset data matrix");
  EXPECT_EQ(prompts.numberRequests[0].prompts, (std::vector<std::string>{"# of rows (analyses)", "# of columns (elements)"}));
  EXPECT_EQ(prompts.numberRequests[0].presets, (std::vector<std::string>{"500", "60"}));
  // Rows 0 keeps the row capacity.
  EXPECT_EQ(store.maxRows, 500);
  EXPECT_EQ(store.maxColumns, 80);
  EXPECT_EQ(store.rowCount, 0);
  EXPECT_EQ(store.columnCount, 0);
  EXPECT_EQ(exchange.fieldText.size(), 501u);
}

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

TEST_F(ResetFixture, EntriesAreRoundedAndNonPositiveOnesIgnored) {
  prompts.numberAnswers = {std::vector<std::string>{"99.6", "-3"}, std::vector<std::string>{"0.4", "32752"}};
  EXPECT_TRUE(resetDataMatrix(store, exchange, prompts));
  EXPECT_EQ(store.maxRows, 100);
  EXPECT_EQ(store.maxColumns, 60);
  EXPECT_TRUE(resetDataMatrix(store, exchange, prompts));
  EXPECT_EQ(store.maxRows, 100);
  EXPECT_EQ(store.maxColumns, 32752);
}

}  // namespace
}  // namespace lavix::data

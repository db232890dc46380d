// The generic dialogs' exchange area over the prompt port.
#include <gtest/gtest.h>

#include "lavix/data/DialogExchange.h"
#include "tests/data/FakePrompts.h"

namespace lavix::data {
namespace {

using testing::FakePrompts;

TEST(DialogExchange, CancelledNumericInputLeavesThePresetsAndAnswersQuit) {
  DialogExchange exchange;
  exchange.allocate(10);
  FakePrompts prompts;
  prompts.numberAnswers = {std::nullopt};
  EXPECT_FALSE(exchange.askNumbers(prompts, "Limits", {"Min", "Max"}, {0.1f, 45.0f}));
  EXPECT_EQ(exchange.answer, "QUIT");
  EXPECT_EQ(exchange.fieldValue[1], 0.1f);
  EXPECT_EQ(exchange.fieldValue[2], 45.0f);
  EXPECT_EQ(exchange.fieldCount, 2);
  EXPECT_EQ(exchange.fieldText[0], "Limits");
  EXPECT_EQ(prompts.numberRequests[0].presets, (std::vector<std::string>{"0.1", "45"}));
}

TEST(DialogExchange, OkReadsEveryFieldWithParseNumber) {
  DialogExchange exchange;
  exchange.allocate(1);  // fewer entries than fields: the arrays grow
  exchange.decimalSeparator = ',';
  exchange.answer = "QUIT";
  FakePrompts prompts;
  prompts.numberAnswers = {std::vector<std::string>{"1,5", "x", "2.25"}};
  EXPECT_TRUE(exchange.askNumbers(prompts, "T", {"a", "b", "c"}, {9, 9, 9}));
  EXPECT_EQ(exchange.answer, "");
  EXPECT_EQ(exchange.fieldValue[1], 1.5f);
  EXPECT_EQ(exchange.fieldValue[2], 0.0f);
  EXPECT_EQ(exchange.fieldValue[3], 2.25f);
}

TEST(DialogExchange, ButtonMenuPassesTheKeyLettersAndStoresTheChoice) {
  DialogExchange exchange;
  exchange.allocate(10);
  FakePrompts prompts;
  prompts.buttonAnswers = {5, 42};
  const std::vector<std::string> choices = {"Print a table", "Modify data",     "Enter data",
                                            "Clear all data", "Save file",      "Add a file",
                                            "Read the clipbrd", "Copy file to clipbrd", "Quit"};
  EXPECT_EQ(exchange.askButton(prompts, "Current file- x", choices, "pmtcsarfq"), 5);
  EXPECT_EQ(exchange.answer, "pmtcsarfq");
  EXPECT_EQ(prompts.buttonRequests[0].keyLetters, "pmtcsarfq");
  EXPECT_EQ(exchange.fieldText[5], "Save file");
  EXPECT_EQ(exchange.askButton(prompts, "T", choices, "pmtcsarfq"), 0);  // no such button
}

TEST(DialogExchange, ListMarksComeBackInFieldText) {
  DialogExchange exchange;
  exchange.allocate(10);
  exchange.listDoneCaption = true;
  FakePrompts prompts;
  prompts.listAnswers = {ui::ListResult{{}, 2}, ui::ListResult{{"*a", " b"}, 0}};
  EXPECT_EQ(exchange.pickFromList(prompts, "Pick", {"*a", "*b"}), 2);
  EXPECT_EQ(exchange.fieldText[1], "*a");
  EXPECT_EQ(exchange.fieldText[2], "*b");
  EXPECT_EQ(exchange.listTitle, "Pick");
  EXPECT_TRUE(prompts.listRequests[0].okCaptionDone);
  EXPECT_EQ(exchange.pickFromList(prompts, "Pick", {"*a", "*b"}), 0);
  EXPECT_EQ(exchange.fieldText[2], " b");
}

}  // namespace
}  // namespace lavix::data

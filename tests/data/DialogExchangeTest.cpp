// The generic dialogs' exchange area over the prompt port.
#include <gtest/gtest.h>

#include "lavix/data/DialogExchange.h"
#include "tests/data/DataSession.h"

namespace lavix::data {
namespace {

using testing::FakePrompts;

TEST(DialogExchange, NumericInputAnswersQuitOnCancelAndParsesEveryFieldOnOk) {
  DialogExchange exchange;
  exchange.allocate(1);  // fewer entries than fields: the arrays grow
  exchange.decimalSeparator = ',';
  FakePrompts prompts;
  prompts.numberAnswers = {std::nullopt, std::vector<std::string>{"1,5", "x", "2.25"}};
  EXPECT_FALSE(exchange.askNumbers(prompts, "Limits", {"Min", "Max", "Step"}, {0.1f, 45.0f, 9}));
  EXPECT_EQ(exchange.answer, "QUIT");
  EXPECT_EQ(exchange.fieldValue[1], 0.1f);
  EXPECT_EQ(exchange.fieldValue[2], 45.0f);
  EXPECT_EQ(exchange.fieldText[0], "Limits");
  EXPECT_EQ(prompts.numberRequests[0].presets, (std::vector<std::string>{"0.1", "45", "9"}));
  EXPECT_TRUE(exchange.askNumbers(prompts, "Limits", {"Min", "Max", "Step"}, {9, 9, 9}));
  EXPECT_EQ(exchange.answer, "");
  EXPECT_EQ(exchange.fieldValue[1], 1.5f);
  EXPECT_EQ(exchange.fieldValue[2], 0.0f);
  EXPECT_EQ(exchange.fieldValue[3], 2.25f);
}

}  // namespace
}  // namespace lavix::data

// The generic number dialog: parsing on OK, nothing on Cancel, the prompt limit and its keys.
#include <gtest/gtest.h>

#include "normwise/InputNormwise.h"

namespace lavix::normwise {
namespace {

TEST(InputNormwiseTest, OkParsesEveryEntryWithTheSystemSeparator) {
  InputNormwise dialog("T", {"a", "b", "c", "d"}, ',');
  dialog.type("entry", 1, "1,5");
  dialog.type("entry", 2, "2.5");
  dialog.type("entry", 3, "x");
  EXPECT_EQ(dialog.click("okbut", ""), ui::EventResult::Done);
  EXPECT_FALSE(dialog.isOpen());
  EXPECT_TRUE(dialog.accepted());
  EXPECT_EQ(dialog.answers(), (std::vector<float>{1.5f, 2.5f, 0.0f, 0.0f}));
}

TEST(InputNormwiseTest, HoldsAtMostFiftyPrompts) {
  InputNormwise dialog("T", std::vector<std::string>(60, "p"), '.');
  EXPECT_EQ(dialog.prompts().size(), 50u);
  EXPECT_EQ(dialog.type("entry", 51, "1"), ui::EventResult::UnknownItem);
}

TEST(InputNormwiseTest, EnterAndArrowsWalkTheEntriesWithWrapping) {
  InputNormwise dialog("T", {"a", "b", "c"}, '.');
  dialog.enter("entry", 1);
  EXPECT_EQ(dialog.focusedEntry(), 1);
  dialog.key("entry", 3, "Down");
  EXPECT_EQ(dialog.focusedEntry(), 0);
  dialog.key("entry", 1, "Up");
  EXPECT_EQ(dialog.focusedEntry(), 2);
  EXPECT_EQ(dialog.key("nosuch", 1, "Up"), ui::EventResult::UnknownControl);
  EXPECT_EQ(dialog.click("nosuch", ""), ui::EventResult::UnknownControl);
}

}  // namespace
}  // namespace lavix::normwise

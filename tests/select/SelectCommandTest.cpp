// menuSelect through a session whose window events come from a script's `>` lines.
#include <gtest/gtest.h>

#include "lavix/app/SelectCommand.h"
#include "lavix/data/SubSelect.h"
#include "tests/select/SelectSession.h"

namespace lavix::app {
namespace {

using testing::SelectSession;

SelectOutcome select(SelectSession& t, const std::vector<std::string>& events) {
  t.prompts.queueAnswers(events);
  const SelectOutcome outcome = menuSelect(t.s);
  EXPECT_FALSE(t.prompts.failed()) << t.prompts.failure().text;
  EXPECT_EQ(t.prompts.takeUnusedAnswers(), std::vector<std::string>{});
  return outcome;
}

TEST(MenuSelect, DoneCommitsLimitsMatchAndExcludeAndTheSwitch) {
  SelectSession t;
  t.s.window.identifyMode = true;
  const SelectOutcome outcome =
      select(t, {"click List1 SiO2", "type Text2 45", "type Text3 52", "click cmdAddLimits", "click List1 Kcode",
                 "click List2 1", "click List2 3", "click optExclude", "click List1 Type", "click List2 Basalt",
                 "click activeOff", "click cmdDone"});
  EXPECT_TRUE(t.shown("window: SubSelect"));
  EXPECT_FALSE(t.s.window.identifyMode);
  EXPECT_EQ(t.s.subset.limits, (std::vector<data::LimitCriterion>{{1, 45.0f, 52.0f}}));
  EXPECT_EQ(t.s.subset.match, (std::vector<data::ValueCriterion>{{data::kcodeVariable, "1"}, {data::kcodeVariable, "3"}}));
  EXPECT_EQ(t.s.subset.exclude, (std::vector<data::ValueCriterion>{{2, "Basalt"}}));
  EXPECT_FALSE(t.s.subset.active);
  EXPECT_TRUE(outcome.shown);
  EXPECT_TRUE(outcome.criteriaChanged);
  EXPECT_TRUE(outcome.redraw);
  EXPECT_FALSE(outcome.continueSpider);
  EXPECT_FALSE(outcome.rebuildHistogram);
}

TEST(MenuSelect, TheKindSaysWhatTheRedrawNeeds) {
  struct Case {
    const char* kind;
    bool continueSpider;
    bool rebuildHistogram;
  } cases[] = {{"XY", false, false}, {"TRI", false, false}, {"HIST", false, true}, {"SPI", true, false}};
  for (const Case& c : cases) {
    SelectSession t(c.kind);
    const SelectOutcome changed = select(t, {"click List1 Type", "click List2 basalt", "click cmdDone"});
    EXPECT_TRUE(changed.redraw) << c.kind;
    EXPECT_EQ(changed.continueSpider, c.continueSpider) << c.kind;
    EXPECT_EQ(changed.rebuildHistogram, c.rebuildHistogram) << c.kind;

    // Done on the criteria as they stand changes nothing, so nothing is redrawn.
    const SelectOutcome same = select(t, {"click cmdDone"});
    EXPECT_TRUE(same.shown) << c.kind;
    EXPECT_FALSE(same.criteriaChanged) << c.kind;
    EXPECT_FALSE(same.redraw || same.continueSpider || same.rebuildHistogram) << c.kind;
  }
}

TEST(MenuSelect, ClosingWithoutDoneKeepsTheCriteria) {
  SelectSession t("SPI");
  t.s.subset.limits = {{1, 40.0f, 60.0f}};
  t.s.subset.match = {{2, "basalt"}};
  const data::SubsetCriteria before = t.s.subset;
  // The window opens on the criteria in force; clearing them and closing throws that away.
  const SelectOutcome outcome = select(t, {"click cmdClearAll", "click activeOff", "click close"});
  EXPECT_TRUE(outcome.shown);
  EXPECT_FALSE(outcome.criteriaChanged);
  EXPECT_FALSE(outcome.redraw);
  EXPECT_FALSE(outcome.continueSpider);
  EXPECT_EQ(t.s.subset, before);
}

}  // namespace
}  // namespace lavix::app

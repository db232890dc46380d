// linRegress, poisson, model and mix where a transcript cannot look: the Models menu, a batch
// regression, an axis title without its column. Their runs: tests/cli (regression, afc, mixing,
// xy_models, kept_lines and no_room).
#include <gtest/gtest.h>

#include "lavix/app/StatisticsCommands.h"
#include "tests/support/LavixSessions.h"
#include "tests/support/TempProgramFolder.h"

namespace lavix::testing {
namespace {

class ModelCommandsTest : public DiagramFixture {
 protected:
  std::string regressionFile() { return f.folder.path() + "/Data Files/prep.lx.txt"; }
};

// One model and one mix command alone on the Models menu, enabled where the button row shows
// them (the rows themselves: tests/cli/scripts/buttons.lvb).
TEST_F(ModelCommandsTest, TheModelsMenuFollowsTheButtonRow) {
  EXPECT_FALSE(f.window->isEnabled("model"));
  const std::vector<app::Menu>& menus = f.window->menus();
  const auto models = std::find_if(menus.begin(), menus.end(), [](const app::Menu& m) { return m.name == "mmodels"; });
  ASSERT_NE(models, menus.end());
  ASSERT_EQ(models->entries.size(), 2u);
  EXPECT_EQ(models->entries[0].command, "model");
  EXPECT_EQ(models->entries[1].command, "mix");
  f.click("mtri", {pick("SiO2"), pick("MgO"), pick("CaO")});
  EXPECT_TRUE(f.window->isEnabled("mix"));
  EXPECT_FALSE(f.window->isEnabled("model"));
  f.click("mhist", {pick("SiO2")});
  EXPECT_FALSE(f.window->isEnabled("mix"));
}

TEST_F(ModelCommandsTest, BatchRegressionAsksNothingAndAppends) {
  xy("SiO2", "K2O");
  f.folder.write("Data Files/prep.lx.txt", "X,Y,Slope,SlopeError,Intercept,InterceptError,r,n,ttest\r\n");
  session().statistics.regressionFile = regressionFile();
  session().statistics.batchRegression = true;
  const std::size_t shownBefore = f.transcript.size();
  ASSERT_TRUE(app::regressXY(session()));
  EXPECT_EQ(f.transcript.size(), shownBefore);
  EXPECT_EQ(text::splitLines(readWholeFile(regressionFile())).size(), 2u);
  EXPECT_EQ(session().statistics.keptLines.size(), 1u);
  EXPECT_EQ(session().statsCaption.find("r'"), std::string::npos);
  EXPECT_NEAR(session().statistics.regression->slope, 0.150966, 1e-6);
}

TEST_F(ModelCommandsTest, AnAxisWithoutItsColumnCannotBeModelled) {
  xy("SiO2", "K2O");
  settings().plot.yTitle = "FeO*";  // accepted, though this data set has no such column
  f.click("model", {"Zone Ref."});
  EXPECT_TRUE(f.shown("message: did not find data for FeO*"));
}

}  // namespace
}  // namespace lavix::testing

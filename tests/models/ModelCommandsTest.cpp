// linRegress, poisson, model and mix where a transcript cannot look: the enabled buttons, the
// lines kept, a batch regression, room for curves. Their runs: tests/cli (regression, afc, mixing)
// and tests/cli/scripts/xy_models.lvb.
#include <gtest/gtest.h>

#include "lavix/app/StatisticsCommands.h"
#include "tests/support/LavixSessions.h"
#include "tests/support/TempProgramFolder.h"

namespace lavix::testing {
namespace {

class ModelCommandsTest : public DiagramFixture {
 protected:
  int plotRowCount() { return settings().plot.plotRowCount; }
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

TEST_F(ModelCommandsTest, CancelledReportDrawsNoLineAndStatsFileCollectsReports) {
  xy("SiO2", "K2O");
  f.click("linRegress", {"x-axis", "[cancel]"});
  EXPECT_TRUE(session().statistics.keptLines.empty());
  f.click("linRegress", {"x-axis", "Press OK", "file-stats.txt", "Keep the Line"});
  f.click("linRegress", {"x-axis", "Press OK", "Diagram", "Keep the Line"});
  const std::string stats = readWholeFile(f.folder.path() + "/Data Files/stats.txt");
  EXPECT_NE(stats.find("Spearman rank corr coef\r\nr'=1.\r\n"), std::string::npos) << stats;
  EXPECT_EQ(session().statsCaption.rfind("Slope=", 0), 0u);
  EXPECT_NE(session().statsCaption.find("  r'=1."), std::string::npos);
  EXPECT_EQ(session().statistics.keptLines.size(), 2u);
  f.click("SwitchXY");  // so does exchanging the axes: Y on X is not X on Y
  EXPECT_TRUE(session().statistics.keptLines.empty());
  EXPECT_TRUE(session().statsCaption.empty());
  f.click("linRegress", {"x-axis", "Press OK", "Quit", "Keep the Line"});
  f.click("newx", {pick("MgO")});  // and a new variable
  EXPECT_TRUE(session().statistics.keptLines.empty());
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

TEST_F(ModelCommandsTest, HistogramOfOneValueHasNoSpreadOrNormalCurve) {
  session().subset.limits = {{1, 48, 49}};  // SiO2 48..49: only A1
  f.click("mhist", {pick("SiO2")});
  EXPECT_EQ(session().statsCaption, "N=1 M=4.85E01");
  f.click("linRegress");
  EXPECT_EQ(f.lastLine(), "message: The values do not vary: there is no normal curve to draw");
  session().subset.limits.clear();
  f.click("mhist", {pick("SiO2")});
  f.click("linRegress", {"Add this to plot"});
  EXPECT_EQ(session().statistics.keptLines.size(), 1u);
  f.click("poisson", {"20", "Delete this line"});
  EXPECT_EQ(session().statistics.keptLines.size(), 1u);
  EXPECT_FLOAT_EQ(session().statistics.poissonLambda, 20);
}

TEST_F(ModelCommandsTest, AnAxisWithoutItsColumnCannotBeModelled) {
  xy("SiO2", "K2O");
  settings().plot.yTitle = "FeO*";  // accepted, though this data set has no such column
  f.click("model", {"Zone Ref."});
  EXPECT_TRUE(f.shown("message: did not find data for FeO*"));
}

TEST_F(ModelCommandsTest, CurvesThatNoLongerFitAreRefused) {
  xy("Zr", "K2O");
  auto& plot = settings().plot;
  plot.plotRowCount = static_cast<int>(plot.xValue.size()) - 5;
  const int before = plot.plotRowCount;
  f.click("model", {"FC", "A1", "0.1, 0, 0.05, 0", "", "Quit"});
  EXPECT_TRUE(f.shown("message: There is no room for another curve on this diagram"));
  EXPECT_EQ(plot.plotRowCount, before);
}

}  // namespace
}  // namespace lavix::testing

// linRegress, poisson, model and mix as the user drives them, through the command table.
#include <gtest/gtest.h>

#include "lavix/app/Dumps.h"
#include "lavix/app/StatisticsCommands.h"
#include "tests/redraw/DiagramFixture.h"
#include "tests/support/TempProgramFolder.h"

namespace lavix::testing {
namespace {

class ModelCommandsTest : public DiagramFixture {
 protected:
  int plotRowCount() { return settings().plot.plotRowCount; }
  int16_t symbolAt(int entry) { return session().data.symbolOf[static_cast<std::size_t>(entry)]; }
  std::string regressionFile() { return f.folder.path() + "/Data Files/prep.lx.txt"; }
};

// One model and one mix button; the Models menu enables them where the button row shows them.
TEST_F(ModelCommandsTest, ButtonsAppearPerKind) {
  EXPECT_FALSE(f.window->isEnabled("model"));
  EXPECT_FALSE(f.window->isEnabled("mix"));
  const std::vector<app::Menu>& menus = f.window->menus();
  const auto models = std::find_if(menus.begin(), menus.end(), [](const app::Menu& m) { return m.name == "mmodels"; });
  ASSERT_NE(models, menus.end());
  ASSERT_EQ(models->entries.size(), 2u);
  EXPECT_EQ(models->entries[0].command, "model");
  EXPECT_EQ(models->entries[1].command, "mix");
  xy("SiO2", "K2O");
  const std::vector<std::string> row = f.window->buttonCommands();
  for (const char* button : {"linRegress", "mix", "model"}) {
    EXPECT_NE(std::find(row.begin(), row.end(), button), row.end()) << button;
    EXPECT_TRUE(f.window->isEnabled(button)) << button;
  }
  f.click("mtri", {pick("SiO2"), pick("MgO"), pick("CaO")});
  EXPECT_EQ(f.window->caption("mix"), "Quad");
  EXPECT_TRUE(f.window->isEnabled("mix"));
  EXPECT_FALSE(f.window->isVisible("linRegress"));
  EXPECT_FALSE(f.window->isVisible("model"));
  EXPECT_FALSE(f.window->isEnabled("model"));
  f.click("mhist", {pick("SiO2")});
  EXPECT_EQ(f.window->caption("linRegress"), "Distrib.");
  EXPECT_FALSE(f.window->isVisible("mix"));
  EXPECT_FALSE(f.window->isEnabled("mix"));
}

TEST_F(ModelCommandsTest, TwoRegressionsIntoANewRegressionFile) {
  xy("SiO2", "K2O");
  f.click("linRegress", {"x-axis", "Press OK", "file-ZuzaDu prep file", "Data Files/prep.lx.txt", "Keep the Line"});
  f.click("linRegress", {"endpoints", "Press OK", "file-ZuzaDu prep file", "Remove Line"});
  const std::vector<std::string> lines = text::splitLines(readWholeFile(regressionFile()));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "X,Y,Slope,SlopeError,Intercept,InterceptError,r,n,ttest");
  EXPECT_EQ(lines[1].rfind("SiO[2],K[2]O,  1.", 0), 0u) << lines[1];
  EXPECT_EQ(lines[1], lines[2]);
  EXPECT_EQ(session().statistics.keptLines.size(), 1u);  // the second line was removed
  EXPECT_TRUE(f.shown("input: X-SiO[2]  Y-K[2]O  n=8 \\nSlope="));
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

TEST_F(ModelCommandsTest, FractionalCrystallisationCurveKeptOrDeleted) {
  xy("Zr", "K2O");
  f.click("model", {"FC", "A1", "0.1, 0, 0.05, 0", "1, 0.5, 0.25", "Delete this line", "New D F R's",
                    "0.1, 0, 0.05, 0", "1, 0.5, 0.25", "Add this to plot", "Quit"});
  EXPECT_TRUE(f.shown("numbers: Co=A1 | D for Zr = 0 | --- = 0 | D for K[2]O = 0 | --- = 0"));
  EXPECT_TRUE(f.shown("numbers: F is the  liquid | Start of F range = 1 | End of F range = 0.6 | Step of F = 0.05"));
  // 11 points, ticks at F = 1, 0.75, 0.5: the start twice, and a tick and a pen change at each tick.
  EXPECT_EQ(plotRowCount(), 8 + 1 + 11 + 2 * 3);
  EXPECT_EQ(symbolAt(9), 30);
  EXPECT_EQ(symbolAt(11), session().symbols.symbolCount);
  // At F = 0.5: Zr 80·0.5^−0.9 = 149.29, K2O 0.3·0.5^−0.95 = 0.579562.
  const auto& plot = settings().plot;
  EXPECT_NEAR(plot.xValue[static_cast<std::size_t>(plotRowCount())], 149.2853f, 1e-3);
  EXPECT_NEAR(plot.yValue[static_cast<std::size_t>(plotRowCount())], 0.579562f, 1e-5);
  EXPECT_NE(app::dump(session(), "plotted")->find("\n26\t-30\t149.2853"), std::string::npos);
}

TEST_F(ModelCommandsTest, AxesThatCannotBeModelled) {
  f.click("mxy", {pick("SiO2"), "type Formula K2O*2", "enter Formula"});
  f.click("model");
  EXPECT_EQ(f.lastLine(), "message: Y-parameter not suitable");
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

TEST_F(ModelCommandsTest, MixingLineBetweenTwoSamplesWithTicks) {
  xy("K2O", "Zr");
  f.click("mix", {"Two endpoints", "A1", "C2", "s-  n*.5%", "endpoints", "Add this to plot"});
  EXPECT_TRUE(f.shown("buttons: Ticks in % of C2\\n 0  .5  1  1.5  2  2.5  | Add this to plot | Delete this line"));
  // 101 points of a straight line (plain axes), the first twice, then six separate ticks.
  EXPECT_EQ(plotRowCount(), 8 + 102 + 6);
  const auto& plot = settings().plot;
  EXPECT_FLOAT_EQ(plot.xValue[9], 0.3f);
  EXPECT_NEAR(plot.yValue[8 + 102], 410, 1e-3);
  EXPECT_NEAR(plot.xValue[8 + 104], 0.3 + 0.005 * 4.1, 1e-6);  // the tick at 0.5 %
  f.click("mix", {"Two endpoints", "A1", "A1", "N-  none"});
  EXPECT_EQ(f.lastLine(), "message: X values are equal, no mix possible");
}

TEST_F(ModelCommandsTest, LeastSquaresHyperbolaThroughThePlottedPoints) {
  xy("K2O", "Zr");
  f.click("mix", {"Least squares fit", "Delete this line"});
  EXPECT_TRUE(f.shown("message:  Hyperbola regression \\nY=Yo+C/(X-Xo)\\n   n=8"));
  EXPECT_EQ(plotRowCount(), 8);
  EXPECT_TRUE(session().statsCaption.empty());
}

TEST_F(ModelCommandsTest, QuadClipsTheTriangle) {
  f.click("mtri", {pick("SiO2"), pick("MgO"), pick("CaO")});
  f.click("mix", {"0.2, 0.9, 0, 1, 0, 0.5"});
  EXPECT_EQ(settings().diagramFamily, "QUAD");
  EXPECT_FLOAT_EQ(settings().zClipMax, 0.5f);
  f.click("mix", {"0.5, 0.4, 0, 1, 0, 1"});
  EXPECT_TRUE(f.shown("message: Each Min must be below its Max"));
  EXPECT_FLOAT_EQ(settings().xClipMin, 0.2f);
}

}  // namespace
}  // namespace lavix::testing

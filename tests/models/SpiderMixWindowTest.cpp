// The mix command and the spider mixing window `spimix`.
#include <gtest/gtest.h>

#include "tests/models/ModelSession.h"

namespace lavix::testing {
namespace {

TEST(SpiderMixWindow, CoefficientsBecomeWeightsAndTheNameListsThem) {
  ModelSession f;
  f.click("mix", {"click pickco #1", "SRC", "click pickco #2", "CON", "click pickco #3", "LAV", "type perco #1 1",
                  "type perco #2 3", "type perco #3 0", "click done", "@dump fields", "click Quit"});
  EXPECT_TRUE(f.shown("list: Select Component # 2 |  SRC |  CON |  LAV"));
  ASSERT_EQ(f.rows(), 4);
  EXPECT_EQ(f.name(4), "1SRC3CON");  // LAV with 0 is not named
  EXPECT_EQ(f.cell(4, "La"), " 25");  // 0.25 x 10 + 0.75 x 30
  EXPECT_EQ(f.cell(4, "Sr"), " 325");
  EXPECT_EQ(f.s().data.symbolOf[4], 9);
  EXPECT_EQ(f.plotted(), (std::vector<int>{1, 2, 3, 4}));
  // By 86Sr: 0.25 x 100 / (0.703 + 9.432) and 0.75 x 400 / (0.710 + 9.432) weigh 0.703 and 0.710.
  EXPECT_NEAR(text::parseNumber(f.cell(4, "87Sr/86Sr")), 0.7094612, 1e-6);
  EXPECT_TRUE(f.shown("coname(1)\tCON"));
  EXPECT_TRUE(f.shown("perco(2)\t0"));
  EXPECT_TRUE(f.shown("rlabel\tReady for another mix"));
}

TEST(SpiderMixWindow, BlankCellsCountZeroAndAZeroSumAddsNothing) {
  ModelSession f;
  f.click("mix", {"@dump fields", "click done", "click pickco #1", "LAV", "click pickco 2", "SRC", "type perco #1 1",
                  "type perco #2 1", "click done", "click Quit"});
  EXPECT_TRUE(f.shown("rlabel\tReady for first mix"));
  ASSERT_EQ(f.rows(), 4);
  EXPECT_EQ(f.cell(4, "Rb"), " 2.5");  // LAV has no Rb: (0 + 5) / 2
  f.click("model", {"batch melt", "Modal", "click clnup"});
  EXPECT_EQ(f.rows(), 3);
  EXPECT_EQ(f.plotted(), (std::vector<int>{1, 2, 3}));
}

}  // namespace
}  // namespace lavix::testing

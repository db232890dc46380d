// The least-squares line, its statistics and texts, against sums worked by hand.
#include <cmath>

#include <gtest/gtest.h>

#include "lavix/models/Distributions.h"
#include "lavix/models/Regression.h"

namespace lavix::models {
namespace {

TEST(Regression, FourPointsWorkedByHand) {
  // n = 4, Sx = 10, Sy = 14, Sxy = 39, Sxx = 30, Syy = 54.
  // b = (4·39 − 10·14) / (4·30 − 10²) = 16/20 = 0.8;  a = 14/4 − (10/4)·0.8 = 1.5
  // s² = (54 − 1.5·14 − 0.8·39) / 2 = 0.9;  sa = s·√(25/20 + 1/4) = 1.161895;  sb = s/√(20/4) = 0.424264
  // SSR = 3.2, SST = 5: R² = 0.64, r = 0.8, t = 0.8/√(1.8/(2·5)) = 1.885618, F = 2·3.2/1.8 = 3.555556
  // Ranks of Y (2, 3, 5, 4) are 1, 2, 4, 3: Σd² = 2, r' = 1 − 6·2/(64 − 4) = 0.8
  const RegressionOutcome outcome = fitLine({{1, 2}, {2, 3}, {3, 5}, {4, 4}});
  ASSERT_TRUE(outcome.fit);
  const RegressionFit& f = *outcome.fit;
  EXPECT_NEAR(f.slope, 0.8, 1e-12);
  EXPECT_NEAR(f.intercept, 1.5, 1e-12);
  EXPECT_NEAR(f.interceptError, 1.161895, 1e-6);
  EXPECT_NEAR(f.slopeError, 0.424264, 1e-6);
  EXPECT_NEAR(f.rSquared, 0.64, 1e-12);
  EXPECT_NEAR(f.r, 0.8, 1e-12);
  ASSERT_TRUE(f.t && f.f);
  EXPECT_NEAR(*f.t, 1.885618, 1e-6);
  EXPECT_NEAR(*f.f, 3.555556, 1e-6);
  EXPECT_NEAR(f.spearman, 0.8, 1e-12);
  EXPECT_EQ(f.xMin, 1);
  EXPECT_EQ(f.xMax, 4);
}

TEST(Regression, PointsOnALineHaveNoTOrF) {
  const RegressionFit f = *fitLine({{1, 2}, {2, 4}, {3, 6}}).fit;
  EXPECT_DOUBLE_EQ(f.slope, 2);
  EXPECT_DOUBLE_EQ(f.intercept, 0);
  EXPECT_DOUBLE_EQ(f.r, 1);
  EXPECT_DOUBLE_EQ(f.rSquared, 1);
  EXPECT_DOUBLE_EQ(f.spearman, 1);
  EXPECT_FALSE(f.t);
  EXPECT_FALSE(f.f);
  EXPECT_EQ(regressionLabel(f), "Slope=  2.000E00  Int=  .000E00   n=3  t=  F=  r=1.");
}

TEST(Regression, RefusesTooFewPointsAndOneX) {
  EXPECT_EQ(fitLine({{1, 2}, {2, 4}}).refusal, "Need at least 3 points");
  EXPECT_EQ(fitLine({{2, 1}, {2, 4}, {2, 5}}).refusal, "All points have the same X: no line can be fitted");
}

TEST(Regression, TiedValuesShareTheMeanOfTheirPositions) {
  EXPECT_EQ(tiedRanks({1, 1, 2}), (std::vector<double>{1.5, 1.5, 3}));
  EXPECT_EQ(tiedRanks({5, 3, 5, 5, 1}), (std::vector<double>{4, 2, 4, 4, 1}));
  // X ranks 1.5, 1.5, 3 against Y ranks 1, 2, 3: Σd² = 0.5, r' = 1 − 3/24.
  EXPECT_DOUBLE_EQ(spearmanCorrelation({{1, 1}, {1, 2}, {2, 3}}), 1 - 6 * 0.5 / 24);
}

TEST(Regression, ReportLabelAndFileLine) {
  const RegressionFit f = *fitLine({{1, 2}, {2, 3}, {3, 5}, {4, 4}}).fit;
  EXPECT_EQ(regressionReport(f, "SiO[2]", "K[2]O"),
            "X-SiO[2]  Y-K[2]O  n=4 \nSlope=  8.000E-01\n        +-  4.243E-01\n     Int=  1.500E00\n"
            "        +-  1.162E00\nt=1.89   F=3.56\nr=.8  R^2=.64\nSpearman rank corr coef\nr'=.8");
  EXPECT_EQ(regressionDiagramLabel(f), "Slope=  8.000E-01  Int=  1.500E00   n=4  t=1.89  F=3.6  r=.8  r'=.8");
  EXPECT_EQ(regressionFileHeader(), "X,Y,Slope,SlopeError,Intercept,InterceptError,r,n,ttest");
  EXPECT_EQ(regressionFileLine(f, "La[N]", "La[N]/Yb[N]"),
            "La[N],La[N]/Yb[N],  8.00000E-01,  4.24264E-01,  1.50000E00,  1.16190E00, .8, 4, 1.88561808316413");
}

TEST(Regression, LineEndsAtThePointsOrMovedInsideTheFrame) {
  const RegressionFit f = *fitLine({{1, 2}, {2, 4}, {3, 6}}).fit;  // y = 2x
  const auto points = regressionLineEnds(f, LineBounds::endpoints, 0, 10, 0, 10);
  ASSERT_TRUE(points);
  EXPECT_DOUBLE_EQ(points->first.x, 1);
  EXPECT_DOUBLE_EQ(points->second.y, 6);
  // On a 0..10 frame the line leaves the top at x = 5: the end moves in by 10/300 until y ≤ 10.
  const auto axis = regressionLineEnds(f, LineBounds::xAxis, 0, 10, 0, 10);
  ASSERT_TRUE(axis);
  EXPECT_DOUBLE_EQ(axis->first.x, 0);
  EXPECT_LE(axis->second.y, 10);
  EXPECT_GT(axis->second.y, 10 - 2 * 10.0 / 300);
  // A line that never enters the Y range has no ends.
  EXPECT_FALSE(regressionLineEnds(f, LineBounds::xAxis, 0, 10, 50, 60));
}

TEST(Distributions, NormalCurvePeaksAtTheExpectedCount) {
  // 100 values, 10 classes over 10 units, sd 2: peak = 100·(10/(10·2))/√(2π) = 19.947
  const std::vector<XYPoint> curve = normalCurve(10, 10, 100, 5, 2);
  ASSERT_EQ(curve.size(), 51u);
  EXPECT_NEAR(curve.front().x, 0, 1e-12);
  EXPECT_NEAR(curve[25].x, 5, 1e-12);
  EXPECT_NEAR(curve[25].y, 19.9471, 1e-3);
  EXPECT_TRUE(normalCurve(10, 10, 1, 5, 0).empty());
}

TEST(Distributions, PoissonCountsAtClassCentres) {
  // λ = 20 / 10 = 2: N·e^(−2)·2^k/k! = 13.5335, 27.0671, 27.0671, 18.0447 for k = 0..3
  const std::vector<XYPoint> curve = poissonCurve(10, 0, 100, 100, 20);
  ASSERT_EQ(curve.size(), 10u);
  EXPECT_DOUBLE_EQ(curve[0].x, 5);
  EXPECT_DOUBLE_EQ(curve[9].x, 95);
  EXPECT_NEAR(curve[0].y, 13.5335, 1e-4);
  EXPECT_NEAR(curve[2].y, 27.0671, 1e-4);
  EXPECT_NEAR(curve[3].y, 18.0447, 1e-4);
  EXPECT_TRUE(poissonCurve(10, 0, 100, 100, -1).empty());
}

}  // namespace
}  // namespace lavix::models

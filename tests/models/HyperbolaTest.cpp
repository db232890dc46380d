// Mixing hyperbolas (Langmuir et al. 1978), their ticks, and the least-squares hyperbola.
#include <cmath>

#include <gtest/gtest.h>

#include "lavix/models/Hyperbola.h"

namespace lavix::models {
namespace {

// X = a/b, Y = c/d: end member 1 at (0.5, 0.75), end member 2 at (6, 0.25).
const EndMember first{1, 2, 3, 4};
const EndMember second{6, 1, 2, 8};

TEST(Hyperbola, CoefficientsAreLangmuirs) {
  // A = b1c2 − c1b2 = 1, B = d1b2 − b1d2 = −12, E = a1d2 − a2d1 = −16, G = a2c1 − a1c2 = 16.
  // Langmuir et al. (1978), with their a the Y denominators and b the X denominators:
  // A = a2·b1·y2 − a1·b2·y1 = 8·2·0.25 − 4·1·0.75 = 1, B = a1·b2 − a2·b1 = 4 − 16 = −12.
  const Hyperbola h = mixingHyperbola(first, second);
  EXPECT_DOUBLE_EQ(h.a, 1);
  EXPECT_DOUBLE_EQ(h.b, -12);
  EXPECT_DOUBLE_EQ(h.e, -16);
  EXPECT_DOUBLE_EQ(h.g, 16);
}

TEST(Hyperbola, PassesThroughBothEndMembersAndEveryMixture) {
  const Hyperbola h = mixingHyperbola(first, second);
  EXPECT_NEAR(hyperbolaY(h, 0.5), 0.75, 1e-12);
  EXPECT_NEAR(hyperbolaY(h, 6), 0.25, 1e-12);
  // Half and half: X = 3.5/1.5, Y = 2.5/6.
  EXPECT_NEAR(mixtureX(first, second, 0.5), 3.5 / 1.5, 1e-12);
  EXPECT_NEAR(hyperbolaY(h, 3.5 / 1.5), 2.5 / 6, 1e-12);
}

TEST(Hyperbola, PlainAxesGiveAStraightLine) {
  const Hyperbola h = mixingHyperbola({1, 1, 10, 1}, {3, 1, 30, 1});
  EXPECT_DOUBLE_EQ(h.b, 0);
  EXPECT_DOUBLE_EQ(hyperbolaY(h, 2), 20);
  const std::vector<CurvePoint> curve = hyperbolaCurve(h, axisSteps(1, 3, 100, false));
  ASSERT_EQ(curve.size(), 101u);
  for (const CurvePoint& p : curve) EXPECT_FALSE(p.breakBefore);
}

TEST(Hyperbola, CurveBreaksAtItsAsymptote) {
  // B·X + E = 0 at X = −16/12: a range across it is drawn as two branches.
  const Hyperbola h = mixingHyperbola(first, second);
  const std::vector<CurvePoint> curve = hyperbolaCurve(h, axisSteps(-3, 1, 100, false));
  int breaks = 0;
  for (const CurvePoint& p : curve) breaks += p.breakBefore ? 1 : 0;
  EXPECT_EQ(breaks, 1);
}

TEST(Hyperbola, TickSchemesListsAndPoints) {
  EXPECT_EQ(tickScheme(2), (std::vector<float>{0, 0.5f, 1, 1.5f, 2, 2.5f}));
  EXPECT_EQ(tickScheme(1).back(), 100);
  EXPECT_TRUE(tickScheme(4).empty());
  EXPECT_EQ(parseTicks("10, 50 90", '.'), (std::vector<float>{10, 50, 90}));
  std::string thirty;
  for (int i = 1; i <= 30; ++i) thirty += std::to_string(i) + ",";
  EXPECT_EQ(parseTicks(thirty, '.').size(), 25u);
  EXPECT_EQ(tickListText({0, 20, 40}), " 0  20  40 ");
  const Hyperbola h = mixingHyperbola(first, second);
  const std::vector<CurvePoint> ticks = tickPoints(h, first, second, {0, 50, 100});
  ASSERT_EQ(ticks.size(), 3u);
  EXPECT_EQ(ticks[0].marker, Marker::tick);
  EXPECT_NEAR(ticks[0].x, 0.5, 1e-12);
  EXPECT_NEAR(ticks[2].y, 0.25, 1e-12);
  EXPECT_TRUE(tickPoints(h, first, second, {0, 0}).empty());
}

TEST(Hyperbola, AxisStepsAreEvenAlongTheAxis) {
  const std::vector<double> log = axisSteps(1, 1000, 3, true);
  ASSERT_EQ(log.size(), 4u);
  EXPECT_NEAR(log[1], 10, 1e-9);
  EXPECT_NEAR(log[2], 100, 1e-9);
  EXPECT_DOUBLE_EQ(axisSteps(0, 1, 4, false)[1], 0.25);
}

TEST(Hyperbola, LeastSquaresFindsTheHyperbolaThroughItsPoints) {
  // Points on Y = 2 + 3/(X − 1).
  std::vector<XYPoint> points;
  for (double x : {2.0, 3.0, 4.0, 5.0, 6.0, 0.0, -2.0}) points.push_back({x, 2 + 3 / (x - 1)});
  const std::optional<HyperbolaFit> fit = fitHyperbola(points);
  ASSERT_TRUE(fit);
  EXPECT_EQ(fit->n, 7);
  EXPECT_NEAR(fit->xo, 1, 1e-9);
  EXPECT_NEAR(fit->yo, 2, 1e-9);
  EXPECT_NEAR(fit->c, 3, 1e-9);
  EXPECT_EQ(hyperbolaReport(*fit),
            " Hyperbola regression \nY=Yo+C/(X-Xo)\n   n=7\nXo = 1.000E00\nYo = 2.000E00\nC =  3.000E00");
  EXPECT_EQ(hyperbolaLabel(*fit), "N=7 Yo=2.000E00 Xo=1.000E00 C =3.000E00");
  // X = Xo itself is left out and the two branches are not joined.
  const std::vector<CurvePoint> curve = fittedCurve({7, 1, 2, 3}, axisSteps(0, 2, 4, false));
  ASSERT_EQ(curve.size(), 4u);
  EXPECT_TRUE(curve[2].breakBefore);
  // Points that all share one X define no hyperbola.
  EXPECT_FALSE(fitHyperbola({{1, 1}, {1, 2}, {1, 3}}));
}

}  // namespace
}  // namespace lavix::models

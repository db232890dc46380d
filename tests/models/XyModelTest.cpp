// The XY model equations against the published closed forms, at F values worked by hand.
#include <cmath>

#include <gtest/gtest.h>

#include "lavix/models/Components.h"
#include "lavix/models/XyModel.h"

namespace lavix::models {
namespace {

double concentration(Process p, double f, double co, double ca, double d, double r) {
  bool limit = false;
  return xyModelConcentration(p, f, co, ca, d, r, limit);
}

TEST(XyModel, FractionalCrystallisationIsRayleigh) {
  // Cm = Co·F^(D−1): D = 2, Co = 100, F = 0.5 gives 50; D = 0.1, F = 0.25 gives 100·0.25^−0.9 = 348.2202.
  EXPECT_NEAR(concentration(Process::fc, 0.5, 100, 0, 2, 0), 50, 1e-9);
  EXPECT_NEAR(concentration(Process::fc, 0.25, 100, 0, 0.1, 0), 348.2202253, 1e-6);
}

TEST(XyModel, AfcFollowsDePaoloEquation6a) {
  // Cm = F^−z·Co + (1 − F^−z)·r·Ca/((r − 1)·z), z = (D + r − 1)/(r − 1).
  // Co = 100, Ca = 300, D = 0.5, r = 0.3: z = 0.285714; F = 0.5: 121.9014 + 98.5561 = 220.4575.
  EXPECT_NEAR(concentration(Process::afc, 0.5, 100, 300, 0.5, 0.3), 220.4575098, 1e-6);
  EXPECT_NEAR(concentration(Process::afc, 0.2, 100, 300, 0.5, 0.3), 421.1007848, 1e-6);
  // r = 0.5, D = 0: z = 1, Cm = Co/F − (1 − 1/F)·Ca = 200 + 50 = 250 at F = 0.5, Co = 100, Ca = 50.
  EXPECT_NEAR(concentration(Process::afc, 0.5, 100, 50, 0, 0.5), 250, 1e-9);
}

TEST(XyModel, AfcWithZZeroTakesEquation6b) {
  // r = 0.5, D = 0.5: z = 0 and Cm = r·Ca·ln F/(r − 1) + Co = Co − Ca·ln F (Co = 100, Ca = 50).
  bool limit = false;
  EXPECT_DOUBLE_EQ(xyModelConcentration(Process::afc, 1, 100, 50, 0.5, 0.5, limit), 100);  // F = 1: the parent
  EXPECT_TRUE(limit);
  EXPECT_NEAR(concentration(Process::afc, 0.5, 100, 50, 0.5, 0.5), 134.6573590, 1e-6);
  EXPECT_NEAR(concentration(Process::afc, 1e-3, 100, 50, 0.5, 0.5), 445.3877639, 1e-6);
  EXPECT_NEAR(concentration(Process::afc, 0, 100, 50, 0.5, 0.5), 790.7755279, 1e-6);  // F = 0 taken as 1E-6
  // The limit joins equation 6a: z = ∓2E-7 on either side gives the same values.
  for (double d : {0.5 + 1e-7, 0.5 - 1e-7})
    for (double f : {1.0, 0.5, 1e-3})
      EXPECT_NEAR(concentration(Process::afc, f, 100, 50, d, 0.5), concentration(Process::afc, f, 100, 50, 0.5, 0.5),
                  1e-3);
}

TEST(XyModel, ZoneRefiningWithRatioOne) {
  // r = 1 (DePaolo 1981): Cm = Ca/D + (Co − Ca/D)·e^(−D·F); Co = 100, Ca = 300, D = 2, F = 0.5:
  // 150 − 50·e^−1 = 131.6060.
  EXPECT_NEAR(concentration(Process::zoneRefining, 0.5, 100, 300, 2, 1), 131.6060279, 1e-6);
  // D = 0 is taken as 1E-4: very nearly Co + Ca·F = 250.
  EXPECT_NEAR(concentration(Process::zoneRefining, 0.5, 100, 300, 0, 1), 249.9912502, 1e-6);
}

TEST(XyModel, BatchMeltingAndEquilibriumCrystallisationAreShaw1970) {
  // Melting: Cm = Co/(D + F·(1 − D)); Co = 10, D = 0.1, F = 0.05: 10/0.145 = 68.9655.
  EXPECT_NEAR(concentration(Process::melting, 0.05, 10, 0, 0.1, 0), 68.96551724, 1e-7);
  // Crystallisation: Cm = Co/((1 − F)·D + F); Co = 100, D = 2, F = 0.5: 100/1.5.
  EXPECT_NEAR(concentration(Process::ec, 0.5, 100, 0, 2, 0), 66.66666667, 1e-7);
  // A denominator of 0 is taken as 1E-6.
  EXPECT_NEAR(concentration(Process::melting, 0, 1, 0, 0, 0), 1e6, 1e-3);
}

TEST(XyModel, OxygenIsotopeForms) {
  // δo = 6, δa = 12, Δ = 1.
  // r = 0.5: δ = (1 − F^−z')·((δa − δo) − Δ/r) + δo with z' = −1: (1 − F)·4 + 6 = 8 at F = 0.5.
  EXPECT_NEAR(modelDelta(Process::afc, 0.5, 6, 12, 1, 0.5), 8, 1e-12);
  // r = 1: (δa − δo − Δ)·(1 − e^−F) + δo = 5·0.632121 + 6 at F = 1.
  EXPECT_NEAR(modelDelta(Process::zoneRefining, 1, 6, 12, 1, 1), 9.160602794, 1e-9);
  // r = 0 is the Rayleigh limit δo + Δ·ln F = 5.306853 at F = 0.5, where the AFC form tends as r → 0.
  EXPECT_NEAR(modelDelta(Process::fc, 0.5, 6, 12, 1, 0), 5.306852819, 1e-9);
  EXPECT_NEAR(modelDelta(Process::afc, 0.5, 6, 12, 1, 1e-7), 5.306852819, 1e-6);
  // Closed-system equilibrium: δo − (1 − F)·Δ; mixing is linear.
  EXPECT_NEAR(modelDelta(Process::ec, 0.5, 6, 12, 1, 0), 5.5, 1e-12);
  EXPECT_NEAR(modelDelta(Process::mixing, 0.25, 6, 12, 1, 0.4), 10.5, 1e-12);
}

TEST(XyModel, IsotopeRatioFollowsDePaoloEquation15a) {
  // 87Sr/86Sr from the amounts of the two isotopes, each modelled with D of Sr, is DePaolo's
  // ε_m = (k·Ca·εa + Co·F^−z·εo)/(k·Ca + Co·F^−z), k = r/(r − 1)·(1 − F^−z)/z, with the 86Sr
  // concentrations C/S (S = r + 9.432): Co = 400, 0.7040; Ca = 150, 0.7200; D = 1.5, r = 0.3.
  const double so = 0.704 + 9.432, sa = 0.72 + 9.432;
  std::array<ModelComponent, componentCount> parts{};
  parts[0] = {ComponentKind::isotope, false, 400 * 0.704 / so, 150 * 0.72 / sa, 1.5};
  parts[1] = {ComponentKind::reference, false, 400 / so, 150 / sa, 1.5};
  parts[2] = {ComponentKind::column, false, 400, 150, 1.5};
  const ModelCurve curve = modelCurve(Process::afc, {0.8f, 0.5f}, parts, 0.3);
  ASSERT_EQ(curve.points.size(), 2u);
  EXPECT_NEAR(curve.points[0].x, 0.7046269976, 1e-9);
  EXPECT_NEAR(curve.points[1].x, 0.7063204885, 1e-9);
  EXPECT_NEAR(curve.points[1].y, 211.9212548, 1e-6);  // Sr itself
}

TEST(XyModel, CurvePointsAbsentComponentsAndTicks) {
  // X = Cm1/Cm2 from two components, Y = Cm3 alone; a parent value of 0 gives 1.
  std::array<ModelComponent, componentCount> parts{};
  parts[0] = {ComponentKind::column, false, 100, 0, 2};
  parts[1] = {ComponentKind::column, false, 50, 0, 0};
  parts[2] = {ComponentKind::column, false, 0, 0, 3};
  const FSteps steps = fSteps(1, 0.5, 0.25);
  ASSERT_EQ(steps.values.size(), 11u);
  const ModelCurve curve = modelCurve(Process::fc, steps.values, parts, 0);
  EXPECT_NEAR(curve.points.back().x, 50.0 / (50 * 2), 1e-6);  // 100·0.5 / (50·0.5^−1)
  EXPECT_DOUBLE_EQ(curve.points.back().y, 1);
  EXPECT_EQ(curve.points[5].marker, Marker::tickOnLine);
  EXPECT_EQ(curve.points[6].marker, Marker::plain);
}

TEST(XyModel, MixingRunsFromParentToAssimilantIn26Points) {
  float r = 0;
  const FRange preset = fRangePreset(Process::mixing, r);
  EXPECT_EQ(preset.title, "Mixing: let F = 0 to 1");
  EXPECT_FLOAT_EQ(r, 0.4f);
  const FSteps steps = fSteps(preset.start, preset.end, preset.step);
  ASSERT_EQ(steps.values.size(), 26u);
  std::array<ModelComponent, componentCount> parts{};
  parts[0] = {ComponentKind::column, false, 10, 30, 0.6f};  // z = 0 for r = 0.4: mixing stays linear
  parts[2] = {ComponentKind::column, false, 1, 5, 2};
  const ModelCurve curve = modelCurve(Process::mixing, steps.values, parts, r);
  EXPECT_FALSE(curve.limitFormUsed);
  EXPECT_DOUBLE_EQ(curve.points.front().x, 10);
  EXPECT_NEAR(curve.points.back().x, 30, 1e-12);
  std::vector<float> ticks;
  for (std::size_t i = 0; i < curve.points.size(); ++i)
    if (curve.points[i].marker == Marker::tickOnLine) ticks.push_back(steps.values[i]);
  ASSERT_EQ(ticks.size(), 6u);
  for (std::size_t i = 0; i < ticks.size(); ++i) EXPECT_NEAR(ticks[i], 1.0 - 0.2 * i, 1e-6);
}

TEST(XyModel, FRangePresetsAndRefusals) {
  struct Case {
    Process process;
    float r;
    const char* title;
    float start, end, step;
  };
  const Case cases[] = {
      {Process::afc, 0.3f, "F=Mm/Mmo - magma mass/initial magma mass", 1, 0.1f, 0.05f},
      {Process::afc, 1.5f, "F=Mm/Mmo - magma mass/initial magma mass", 1, 5, 0.2f},
      {Process::fc, 0, "F is the  liquid", 1, 0.6f, 0.05f},
      {Process::melting, 0, "F is the  melt", 0.01f, 0.15f, 0.01f},
      {Process::zoneRefining, 1, "R=1  thus  F=Ma/Mm", 0, 5, 0.2f},
  };
  for (const Case& c : cases) {
    float r = c.r;
    const FRange range = fRangePreset(c.process, r);
    EXPECT_EQ(range.title, c.title);
    EXPECT_FLOAT_EQ(range.start, c.start);
    EXPECT_FLOAT_EQ(range.end, c.end);
    EXPECT_FLOAT_EQ(range.step, c.step);
  }
  EXPECT_EQ(fSteps(0.01f, 0.15f, 0.01f).values.size(), 71u);  // the end is reached despite rounding
  EXPECT_FLOAT_EQ(fSteps(0.01f, 0.15f, 0.01f).values.back(), 0.15f);
  EXPECT_EQ(fSteps(0, 200, 1).values.size(), 1001u);
  EXPECT_EQ(fSteps(0, 201, 1).refusal, "This F range needs more than 1001 points: take a larger step");
  EXPECT_EQ(fSteps(1, 0, 0).refusal, "The step of F must be above 0");
  EXPECT_FLOAT_EQ(ratioAfterCoefficients(Process::zoneRefining, 0.3f), 1);
  EXPECT_FLOAT_EQ(ratioAfterCoefficients(Process::fc, 0.3f), 0);
  EXPECT_FLOAT_EQ(ratioAfterCoefficients(Process::recharge, 0.3f), 0.3f);
}

}  // namespace
}  // namespace lavix::models

// Melt properties of real analyses against an independent calculation, the liquidus limits and the effective viscosity.
#include <gtest/gtest.h>

#include <cmath>

#include "common/norm/MeltProperties.h"
#include "tests/norm/NormTestData.h"

namespace lavix::testing {
namespace {

using norm::EffectiveViscosityStatus;

struct MeltCase {
  const char* name;
  norm::CipwInput (*input)();
  float water;  // H2O+ in the analysis
  norm::MeltConditions conditions;
  double density, logViscosity, heatCapacity, di, rockDensity;
};

// Expected: the independent python calculation (not shipped) of the same rules.
const MeltCase kCases[] = {
    {"tholeiite_1200C_1kbar_wet", tholeiiteBhvo1, 0.16f, {1200, 1, 0.5f}, 2.75841, 2.22685, 0.399932, -4.2938, 3.08048},
    {"tholeiite_1150C_dry", tholeiiteBhvo1, 0.16f, {1150, 0, 0}, 2.73247, 2.63103, 0.399932, -4.2938, 3.07965},
    {"rhyolite_800C_2kbar_4pct", rhyoliteRgm1, 0, {800, 2, 4}, 2.44433, 6.43626, 0.373280, 14.0239, 2.61494},
};

class MeltOfAnalyses : public ::testing::TestWithParam<MeltCase> {};

TEST_P(MeltOfAnalyses, PropertiesMatchTheIndependentCalculation) {
  const MeltCase& c = GetParam();
  auto in = c.input();
  in.oxides[norm::index(O::H2Oplus)] = c.water;
  const auto n = norm::computeCipwNorm(in);
  const auto p = norm::computeMeltProperties(in.oxides, n, c.conditions);
  EXPECT_NEAR(p.liquidDensity, c.density, 0.0005);
  ASSERT_TRUE(p.hasViscosity);
  EXPECT_NEAR(p.logViscosity, c.logViscosity, 0.002);
  EXPECT_NEAR(p.heatCapacity, c.heatCapacity, 0.0001);
  EXPECT_NEAR(p.differentiationIndex, c.di, 0.001);
  EXPECT_NEAR(p.rockDensity, c.rockDensity, 0.0005);
}

INSTANTIATE_TEST_SUITE_P(Melt, MeltOfAnalyses, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Liquidus, OnlyForBasalticSilicaAndWithItsBranches) {
  std::array<float, norm::kOxideCount> ox{};
  auto set = [&](float si, float mg, float feo) {
    ox[norm::index(O::SiO2)] = si;
    ox[norm::index(O::MgO)] = mg;
    ox[norm::index(O::FeO)] = feo;
  };
  set(47.99f, 6.25f, 3.75f);
  EXPECT_FALSE(norm::basaltLiquidusTemperature(ox, false));
  set(53.01f, 6.25f, 3.75f);
  EXPECT_FALSE(norm::basaltLiquidusTemperature(ox, false));
  set(48, 6.25f, 3.75f);  // x = 0.375
  EXPECT_NEAR(*norm::basaltLiquidusTemperature(ox, false), 1440, 0.01);
  EXPECT_NEAR(*norm::basaltLiquidusTemperature(ox, true), 1420, 0.01);
  set(53, 5, 5);  // x = 0.5: both branches of the first pair give 1240
  EXPECT_NEAR(*norm::basaltLiquidusTemperature(ox, false), 1240, 0.01);
  set(50, 2, 8);  // x = 0.8
  EXPECT_NEAR(*norm::basaltLiquidusTemperature(ox, false), 1240 - 480 * 0.3f, 0.01);
  EXPECT_NEAR(*norm::basaltLiquidusTemperature(ox, true), 1220 - 543 * 0.2f, 0.01);
  set(50, 0, 0);  // no Fe or Mg: x = 0
  EXPECT_NEAR(*norm::basaltLiquidusTemperature(ox, false), 1440 + 1600 * 0.375f, 0.01);
}

TEST(Liquidus, NephelineComesFromTheNorm) {
  auto in = alkaliBasaltBeN();
  in.oxides[norm::index(O::SiO2)] = 48;  // still ne-normative
  const auto n = norm::computeCipwNorm(in);
  ASSERT_GT(n.cations[norm::index(norm::Mineral::Ne)], 0);
  const auto p = norm::computeMeltProperties(in.oxides, n, {});
  EXPECT_EQ(p.liquidusTemperature, norm::basaltLiquidusTemperature(in.oxides, true));
  EXPECT_FALSE(norm::computeMeltProperties(rhyoliteRgm1().oxides, norm::computeCipwNorm(rhyoliteRgm1()), {})
                   .liquidusTemperature);
}

TEST(MeltEdges, EmptyTemperatureAndEmptyAnalysisAreSafe) {
  EXPECT_EQ(norm::effectiveTemperature(0), 1200);
  EXPECT_EQ(norm::effectiveTemperature(950), 950);
  const auto p = norm::computeMeltProperties({}, norm::CipwResult{}, {});
  EXPECT_EQ(p.liquidDensity, 0);
  EXPECT_FALSE(p.hasViscosity);
  EXPECT_EQ(p.heatCapacity, 0);
  EXPECT_EQ(p.rockDensity, 0);
  // Pure silica would divide by 1 - XSi = 0.
  std::array<float, 11> silica{100};
  EXPECT_FALSE(norm::logViscosity(silica, 0, 1200));
}

TEST(MeltEdges, NoWaterIsTheSamePathWithoutH) {
  std::array<float, 11> ox{};
  for (int i = 0; i < 11; ++i) ox[static_cast<std::size_t>(i)] = tholeiiteBhvo1().oxides[static_cast<std::size_t>(i)];
  const auto dry = norm::logViscosity(ox, 0, 1200);
  const auto wet = norm::logViscosity(ox, 2, 1200);
  ASSERT_TRUE(dry && wet);
  EXPECT_LT(*wet, *dry);  // water lowers the viscosity
}

norm::CrystalLoad load(float sizeMm, std::array<float, 7> percent) { return {sizeMm, percent}; }

TEST(EffectiveViscosity, TheDialogChecks) {
  const auto ox = tholeiiteBhvo1().oxides;
  const norm::MeltConditions at1200{1200, 0, 0};
  EXPECT_EQ(norm::computeEffectiveViscosity(ox, at1200, load(0, {20}), false).status, EffectiveViscosityStatus::Ended);
  EXPECT_EQ(norm::computeEffectiveViscosity(ox, at1200, load(1, {}), false).status, EffectiveViscosityStatus::Ended);
  EXPECT_EQ(norm::computeEffectiveViscosity(ox, at1200, load(1, {30, 0, 25}), false).status,
            EffectiveViscosityStatus::FractionTooLarge);
  // The second entry accepts more than half, up to the packing limit of the crystals' shapes.
  EXPECT_EQ(norm::computeEffectiveViscosity(ox, at1200, load(1, {0, 0, 52}), true).status,
            EffectiveViscosityStatus::Done);
  EXPECT_EQ(norm::computeEffectiveViscosity(ox, at1200, load(1, {70}), true).status,
            EffectiveViscosityStatus::Failed);
  EXPECT_EQ(norm::computeEffectiveViscosity(ox, at1200, load(1, {-5, 10}), false).status,
            EffectiveViscosityStatus::Failed);
  EXPECT_EQ(norm::kFractionTooLarge, "Volume fraction is very large! Lower it to 50%");
  EXPECT_EQ(norm::kViscosityCalcError, "viscosity calc error");
}

TEST(EffectiveViscosity, CrystalsStiffenTheMagmaAndChangeTheLiquid) {
  const auto ox = tholeiiteBhvo1().oxides;
  const norm::MeltConditions at1200{1200, 0, 0.5f};
  const auto some = norm::computeEffectiveViscosity(ox, at1200, load(1, {10, 0, 5, 5}), false);
  const auto more = norm::computeEffectiveViscosity(ox, at1200, load(1, {20, 0, 10, 10}), false);
  ASSERT_EQ(some.status, EffectiveViscosityStatus::Done);
  ASSERT_EQ(more.status, EffectiveViscosityStatus::Done);
  EXPECT_NEAR(some.crystalFraction, 0.2f, 1e-6);
  EXPECT_GT(some.effectiveLogViscosity, some.residualLogViscosity);
  EXPECT_GT(more.effectiveLogViscosity, some.effectiveLogViscosity);
  // Taking out olivine, augite and plagioclase leaves a more silicic, stiffer liquid.
  const auto whole = norm::logViscosity(
      [&] {
        std::array<float, 11> a{};
        for (int i = 0; i < 11; ++i) a[static_cast<std::size_t>(i)] = ox[static_cast<std::size_t>(i)];
        return a;
      }(),
      0.5f, 1200);
  EXPECT_GT(more.residualLogViscosity, *whole);
  // Maron-Pierce with the plagioclase-augite-olivine habit: eta_r = (1 - phi/phi_m)^-2.
  const float logAspect = (0.1f * std::log10(3.0f) + 0.05f * std::log10(1.5f) + 0.05f * std::log10(2.0f)) / 0.2f;
  const float phiMax = 0.656f * std::exp(-logAspect * logAspect / (2 * 1.08f * 1.08f));
  const float lnRelative = -2 * std::log(1 - 0.2f / phiMax);
  EXPECT_NEAR(some.effectiveLogViscosity, (some.residualLogViscosity * 2.302f + lnRelative) / 2.303f, 1e-3);
}

}  // namespace
}  // namespace lavix::testing

// The CIPW norm of real analyses against an independent calculation, and the rules' edge cases.
#include <gtest/gtest.h>

#include <numeric>

#include "common/norm/Cipw.h"
#include "tests/norm/NormTestData.h"

namespace lavix::testing {
namespace {

using norm::Mineral;
using Vec = std::array<double, 32>;  // minerals 1..32 in table order

// Expected values: a separate double-precision calculation written from the algorithm's text
// (a python script run once, not shipped), rounded to three decimals.
struct NormCase {
  const char* name;
  norm::CipwInput (*input)();
  double total, mgNumber, anWeight, anCation, weightTotal;
  Vec weight, mole;
};

const NormCase kCases[] = {
    {"rhyolite", rhyoliteRgm1, 99.08, 0.2654, 13.508, 12.831, 99.081,
     {30.097, 25.411, 34.439, 5.378, 0, 0, 0, 0.399, 0, 1.756, 0, 0, 0, 0.971, 0.513, 0, 0.116},
     {28.305, 25.794, 37.106, 5.462, 0, 0, 0, 0.442, 0, 1.691, 0, 0, 0, 0.711, 0.382, 0, 0.106}},
    {"andesite", andesiteAtac4, 100.01, 0.7169, 47.526, 46.053, 100.012,
     {12.561, 4.491, 29.785, 26.977, 0, 0, 0, 0, 4.335, 11.489, 0, 0, 0, 0, 0.257, 8.480, 0.324, 1.312},
     {11.703, 4.516, 31.793, 27.140, 0, 0, 0, 0, 4.482, 12.812, 0, 0, 0, 0, 0.189, 5.945, 0.294, 1.124}},
    {"tholeiite", tholeiiteBhvo1, 99.701, 0.5668, 57.595, 56.144, 99.703,
     {2.370, 3.073, 19.123, 25.974, 0, 0, 0, 0, 23.335, 15.959, 0, 0, 0, 4.089, 5.147, 0, 0.633},
     {2.237, 3.131, 20.679, 26.473, 0, 0, 0, 0, 23.481, 16.566, 0, 0, 0, 3.004, 3.847, 0, 0.582}},
    {"alkali basalt", alkaliBasaltBeN, 96.56, 0.8023, 100, 100, 96.563,
     {0, 1.513, 0, 9.097, 5.255, 14.577, 0, 0, 34.677, 0, 0, 11.685, 0, 0, 0.428, 12.840, 2.433, 0, 4.059},
     {0, 1.553, 0, 9.342, 5.503, 17.591, 0, 0, 36.599, 0, 0, 14.236, 0, 0, 0.322, 9.189, 2.254, 0, 3.411}},
    {"nephelinite", nephelinite, 99.28, 0.4005, 0, 0, 99.284,
     {0, 0, 0, 0, 25.022, 25.232, 0, 0, 6.474, 0, 0, 10.308, 5.931, 4.567, 5.128, 0, 2.549,
      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 14.073},
     {0, 0, 0, 0, 25.365, 29.472, 0, 0, 6.263, 0, 0, 10.367, 5.680, 3.273, 3.738, 0, 2.286,
      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 13.557}},
    {"pantellerite", pantellerite, 99.76, 0.0273, 0, 0, 99.764,
     {24.589, 26.002, 23.853, 0, 0, 0, 0, 0, 2.202, 8.246, 0, 0, 8.101, 0, 0.874, 0, 0,
      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5.897, 0},
     {22.868, 26.101, 25.415, 0, 0, 0, 0, 0, 1.993, 7.043, 0, 0, 7.838, 0, 0.643, 0, 0,
      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8.099, 0}},
};

class PublishedAnalyses : public ::testing::TestWithParam<NormCase> {};

TEST_P(PublishedAnalyses, WeightAndMoleNormsMatchTheIndependentCalculation) {
  const NormCase& c = GetParam();
  const norm::CipwResult r = norm::computeCipwNorm(c.input());
  ASSERT_TRUE(r.computed);
  EXPECT_NEAR(r.oxideTotal, c.total, 0.002);
  EXPECT_NEAR(r.mgNumber, c.mgNumber, 0.0005);
  EXPECT_NEAR(r.weightNorm[0], c.anWeight, 0.01);
  EXPECT_NEAR(r.moleNorm[0], c.anCation, 0.01);
  EXPECT_NEAR(r.weightTotal, c.weightTotal, 0.01);
  EXPECT_NEAR(r.moleTotal, 100, 0.001);
  for (int k = 1; k <= norm::kMineralCount; ++k) {
    SCOPED_TRACE(std::string(norm::kMineralLabels[static_cast<std::size_t>(k)]));
    EXPECT_NEAR(r.weightNorm[k], c.weight[static_cast<std::size_t>(k - 1)], 0.006);
    EXPECT_NEAR(r.moleNorm[k], c.mole[static_cast<std::size_t>(k - 1)], 0.006);
  }
}

INSTANTIATE_TEST_SUITE_P(Norm, PublishedAnalyses, ::testing::ValuesIn(kCases),
                         [](const auto& info) {
                           std::string n = info.param.name;
                           for (char& ch : n)
                             if (ch == ' ') ch = '_';
                           return n;
                         });

TEST(CipwNorm, MinorComponentsWithPrimaryCalciteGoToTheirMinerals) {
  // BHVO-1 with trace oxides, halogens and sulfur added; expected from the same script.
  norm::CipwInput in = tholeiiteBhvo1();
  for (auto [o, v] : {std::pair{O::ZrO2, 0.03f}, {O::Cr2O3, 0.04f}, {O::NiO, 0.02f}, {O::BaO, 0.02f},
                      {O::SrO, 0.05f}, {O::F, 0.04f}, {O::Cl, 0.01f}, {O::S, 0.02f}, {O::CO2, 0.1f},
                      {O::SO3, 0.005f}, {O::Li2O, 0.005f}, {O::H2Oplus, 0.5f}})
    in.oxides[static_cast<std::size_t>(norm::index(o))] = v;
  in.options.calcitePresent = true;
  in.options.calcitePrimary = true;
  const auto r = norm::computeCipwNorm(in);
  const auto& w = r.weightNorm;
  auto at = [&](Mineral m) { return w[static_cast<std::size_t>(norm::index(m))]; };
  EXPECT_NEAR(r.oxideTotal, 100.541, 0.002);
  EXPECT_NEAR(r.weightTotal, 100.008, 0.01);
  EXPECT_NEAR(at(Mineral::Fl), 0.0321, 0.0005);
  EXPECT_NEAR(at(Mineral::Cc), 0.2274, 0.0005);
  EXPECT_NEAR(at(Mineral::Hl), 0.0165, 0.0005);
  EXPECT_NEAR(at(Mineral::Pr), 0.0374, 0.0005);
  EXPECT_NEAR(at(Mineral::Cm), 0.0589, 0.0005);
  EXPECT_NEAR(at(Mineral::Zr), 0.0446, 0.0005);
  EXPECT_NEAR(at(Mineral::Or), 3.1219, 0.002);  // with celsian
  EXPECT_NEAR(at(Mineral::An), 26.000, 0.005);  // Sr-bearing anorthite
  EXPECT_NEAR(at(Mineral::Ap), 0.6466, 0.0005);  // fluorine-free and fluorapatite parts
  EXPECT_NEAR(at(Mineral::Q), 2.541, 0.005);
  EXPECT_NEAR(at(Mineral::Di), 22.833, 0.005);
  EXPECT_EQ(at(Mineral::NaC), 0);
  EXPECT_EQ(at(Mineral::Th), 0);
}

TEST(CipwNorm, CancriniteTakesTheCarbonateWhateverTheCalciteSwitches) {
  norm::CipwInput in = tholeiiteBhvo1();
  in.oxides[norm::index(O::CO2)] = 0.1f;
  in.oxides[norm::index(O::SO3)] = 0.2f;
  in.options.hauynePresent = true;
  in.options.cancrinitePresent = true;
  const auto with = norm::computeCipwNorm(in);
  in.options.calcitePresent = true;
  in.options.calcitePrimary = true;
  const auto alsoCalcite = norm::computeCipwNorm(in);
  const auto at = [](const norm::CipwResult& r, Mineral m) { return r.weightNorm[norm::index(m)]; };
  EXPECT_NEAR(at(with, Mineral::NaC), 0.2408, 0.0005);
  EXPECT_NEAR(at(with, Mineral::Th), 0.3548, 0.0005);
  EXPECT_EQ(at(with, Mineral::Cc), 0);
  EXPECT_EQ(with.weightNorm, alsoCalcite.weightNorm);
}

TEST(CipwNorm, CalciteThatIsNotPrimaryLeavesTheNormUnreported) {
  norm::CipwInput in = tholeiiteBhvo1();
  in.oxides[norm::index(O::CO2)] = 0.5f;
  in.options.calcitePresent = true;
  const auto r = norm::computeCipwNorm(in);
  EXPECT_EQ(r.weightNorm[norm::index(Mineral::Cc)], 0);
  // The calcite's CaO is gone from diopside, not reported anywhere.
  EXPECT_LT(r.weightNorm[norm::index(Mineral::Di)], norm::computeCipwNorm(tholeiiteBhvo1()).weightNorm[norm::index(Mineral::Di)]);
}

TEST(CipwNorm, StrontiumGoesToApatiteWhenThereIsNoAnorthite) {
  // Nephelinite with SrO, F and BaO; an = 0 so the Sr sits in the larger apatite part.
  norm::CipwInput in = nephelinite();
  in.oxides[norm::index(O::SrO)] = 0.3f;
  in.oxides[norm::index(O::F)] = 0.2f;
  in.oxides[norm::index(O::BaO)] = 0.3f;
  const auto r = norm::computeCipwNorm(in);
  EXPECT_NEAR(r.weightNorm[norm::index(Mineral::Ap)], 2.7431, 0.002);
  EXPECT_NEAR(r.weightNorm[norm::index(Mineral::Fl)], 0.2093, 0.001);
  EXPECT_NEAR(r.weightNorm[norm::index(Mineral::Lc)], 25.757, 0.006);  // celsian moved with leucite
  EXPECT_EQ(r.celsianRow, Mineral::Lc);
  EXPECT_NEAR(r.weightTotal, 99.999, 0.01);
}

TEST(CipwNorm, FluorineRules) {
  // F with no phosphorus: fluorite only. F with plenty of P2O5: both apatites, no fluorite.
  norm::CipwInput onlyF = tholeiiteBhvo1();
  onlyF.oxides[norm::index(O::P2O5)] = 0;
  onlyF.oxides[norm::index(O::F)] = 0.1f;
  const auto a = norm::computeCipwNorm(onlyF);
  EXPECT_NEAR(a.amounts[norm::index(Mineral::Fl)], 0.1f / 19.0f / 2, 1e-6);
  EXPECT_EQ(a.amounts[norm::index(Mineral::Ap)], 0);

  norm::CipwInput plentyP = tholeiiteBhvo1();
  plentyP.oxides[norm::index(O::F)] = 0.02f;
  const auto b = norm::computeCipwNorm(plentyP);
  EXPECT_EQ(b.amounts[norm::index(Mineral::Fl)], 0);
  EXPECT_NEAR(b.fluorapatite, 1.5f * 0.02f / 19.0f, 1e-6);
  EXPECT_NEAR(b.amounts[norm::index(Mineral::Ap)], 0.273f / 141.95f, 1e-6);
}

TEST(CipwNorm, BelowTenPercentNothingIsComputed) {
  EXPECT_FALSE(norm::computeCipwNorm({}).computed);
  const auto r = norm::computeCipwNorm(analysis({{O::SiO2, 9.99f}}));
  EXPECT_FALSE(r.computed);
  EXPECT_NEAR(r.oxideTotal, 9.99f, 1e-5);
  EXPECT_TRUE(norm::computeCipwNorm(analysis({{O::SiO2, 10}})).computed);
}

TEST(CipwNorm, WithoutSilicaOnlyTheNonSilicatesAreReported) {
  norm::CipwInput in = tholeiiteBhvo1();
  in.oxides[norm::index(O::SiO2)] = 0;
  const auto r = norm::computeCipwNorm(in);
  for (Mineral m : {Mineral::Q, Mineral::Or, Mineral::Ab, Mineral::An, Mineral::Lc, Mineral::Ne, Mineral::Kal,
                    Mineral::Di, Mineral::Hy, Mineral::Wo, Mineral::Ol, Mineral::Ac, Mineral::Tn, Mineral::Pf,
                    Mineral::Wus, Mineral::KS, Mineral::NaS, Mineral::CS})
    EXPECT_EQ(r.weightNorm[norm::index(m)], 0) << norm::kMineralLabels[norm::index(m)];
  EXPECT_GT(r.weightNorm[norm::index(Mineral::Il)], 5);
  EXPECT_GT(r.weightNorm[norm::index(Mineral::Mt)], 4);
  EXPECT_GT(r.weightNorm[norm::index(Mineral::Ap)], 0.6);
  EXPECT_EQ(r.weightNorm[0], 0);  // An with neither albite nor anorthite
  EXPECT_NEAR(r.moleTotal, 100, 0.001);
}

TEST(CipwNorm, TooLittleSilicaForTheFirstMineralsKeepsOnlyThose) {
  // Y = 2 an + ... exceeds SiO2: an is reported, the other silicates are 0.
  const auto r = norm::computeCipwNorm(analysis({{O::SiO2, 2}, {O::Al2O3, 30}, {O::CaO, 20}, {O::MgO, 10}}));
  EXPECT_GT(r.amounts[norm::index(Mineral::An)], 0);
  EXPECT_EQ(r.amounts[norm::index(Mineral::Di)], 0);
  EXPECT_EQ(r.amounts[norm::index(Mineral::Hy)], 0);
  EXPECT_EQ(r.amounts[norm::index(Mineral::Q)], 0);
}

TEST(CipwNorm, OversaturatedRockKeepsQuartzAndNoUndersaturatedMinerals) {
  const auto r = norm::computeCipwNorm(rhyoliteRgm1());
  EXPECT_GT(r.amounts[norm::index(Mineral::Q)], 0);
  for (Mineral m : {Mineral::Ne, Mineral::Lc, Mineral::Kal, Mineral::Ol, Mineral::CS})
    EXPECT_EQ(r.amounts[norm::index(m)], 0);
}

// Synthetic, strongly undersaturated: every desilication stage runs, ending with (Fe,Mg)O.
// Expected mole norm from the independent script (olivine goes negative in the last stage).
TEST(CipwNorm, EveryDesilicationStageDownToFeMgOxide) {
  const auto in = analysis({{O::SiO2, 20}, {O::TiO2, 2}, {O::Al2O3, 10}, {O::FeO, 10}, {O::MgO, 20},
                            {O::CaO, 15}, {O::Na2O, 5}, {O::K2O, 5}, {O::P2O5, 0.5f}});
  const auto r = norm::computeCipwNorm(in);
  const auto& m = r.moleNorm;
  auto at = [&](Mineral x) { return m[norm::index(x)]; };
  EXPECT_NEAR(at(Mineral::Ne), 15.594, 0.006);
  EXPECT_NEAR(at(Mineral::Kal), 18.394, 0.006);
  EXPECT_NEAR(at(Mineral::Ol), -4.649, 0.006);
  EXPECT_NEAR(at(Mineral::Il), 2.891, 0.006);
  EXPECT_NEAR(at(Mineral::Ap), 1.085, 0.006);
  EXPECT_NEAR(at(Mineral::Wus), 38.348, 0.006);
  EXPECT_NEAR(at(Mineral::NaS), 6.181, 0.006);
  EXPECT_NEAR(at(Mineral::CS), 22.156, 0.006);
  EXPECT_NEAR(r.moleTotal, 100, 0.001);
  for (int k = 1; k <= norm::kMineralCount; ++k) {
    if (k == norm::index(Mineral::Ol)) continue;
    EXPECT_GE(m[k], 0) << norm::kMineralLabels[k];
    EXPECT_GE(r.weightNorm[k], 0) << norm::kMineralLabels[k];
  }
  for (Mineral gone : {Mineral::Q, Mineral::Hy, Mineral::Tn, Mineral::Ab, Mineral::Or, Mineral::Wo, Mineral::Di,
                       Mineral::Lc})
    EXPECT_EQ(at(gone), 0) << norm::kMineralLabels[norm::index(gone)];
  EXPECT_NEAR(r.weightTotal, 87.5, 0.01);
}

// Each stage completes before the next: a deficit just past a stage's capacity leaves the
// earlier minerals fully converted and the next one partly.
TEST(CipwNorm, StagesCompleteInOrder) {
  const auto r = norm::computeCipwNorm(nephelinite());
  auto at = [&](Mineral x) { return r.amounts[norm::index(x)]; };
  EXPECT_EQ(at(Mineral::Hy), 0);
  EXPECT_EQ(at(Mineral::Tn), 0);
  EXPECT_EQ(at(Mineral::Ab), 0);
  EXPECT_EQ(at(Mineral::Or), 0);
  EXPECT_EQ(at(Mineral::Wo), 0);
  EXPECT_GT(at(Mineral::Di), 0);  // the stage that removed the deficit
  EXPECT_GT(at(Mineral::Lc), 0);  // leucite not yet touched
  EXPECT_EQ(at(Mineral::Kal), 0);
  EXPECT_EQ(at(Mineral::Wus), 0);
}

TEST(CipwNorm, IronAdjustmentRule) {
  // FeO only: Fe2O3 becomes TiO2 + 1.5, FeO what is left.
  auto a = norm::adjustIron(10, 0, 1);
  ASSERT_TRUE(a);
  EXPECT_NEAR(a->fe2O3, 2.5f, 1e-5);
  EXPECT_NEAR(a->feO, 10 - 0.8998f * 2.5f, 1e-4);
  // Both given and Fe2O3 already at most TiO2 + 1.5: unchanged.
  EXPECT_FALSE(norm::adjustIron(8, 2, 1));
  EXPECT_FALSE(norm::adjustIron(0, 0, 1));
  // Too little iron for the target: all of it ferric.
  a = norm::adjustIron(1, 0, 2);
  ASSERT_TRUE(a);
  EXPECT_NEAR(a->fe2O3, 1 / 0.8998f, 1e-5);
  EXPECT_EQ(a->feO, 0);
  EXPECT_EQ(norm::formatAdjustedIron(a->fe2O3), "1.11");
}

// The normwise batch runs show the usual entries, totals and Mg number; a total below 10 keeps
// two digits before the point.
TEST(CipwNorm, ShortTotalsKeepTwoDigitsBeforeThePoint) { EXPECT_EQ(norm::formatNormTotal(5.5f), "05.50"); }

}  // namespace
}  // namespace lavix::testing

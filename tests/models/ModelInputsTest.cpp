// Melt fractions, modes and bulk coefficients of the model window; mixtures of analyses.
#include <gtest/gtest.h>

#include "lavix/models/ComponentMixing.h"
#include "lavix/models/IsotopeAmounts.h"
#include "lavix/models/ModelInputs.h"

namespace lavix::models {
namespace {

TEST(ModelInputs, MeltFractionsDropWhatIsNotAbovePercentZero) {
  EXPECT_EQ(parseMeltFractions("5,-1,10"), (std::vector<float>{0.05f, 0.1f}));
  EXPECT_EQ(parseMeltFractions(".1, .5 ,x,,1"), (std::vector<float>{0.001f, 0.005f, 0.01f}));
  EXPECT_TRUE(parseMeltFractions("0").empty());
  EXPECT_TRUE(parseMeltFractions("").empty());
  EXPECT_EQ(parseMeltFractions("2,5", ','), (std::vector<float>{0.02f, 0.05f}));  // the comma still separates
}

TEST(ModelInputs, AfcRatioOffersItsFList) {
  EXPECT_STREQ(afcMeltFractions(1.0f), "0,20,40,60,80,100");
  EXPECT_STREQ(afcMeltFractions(0.3f), "100,90,80,70,60,50,40");
  EXPECT_STREQ(afcMeltFractions(2.0f), "100,105,120,150,200");
}

TEST(ModelInputs, BulkCoefficientsAreNotNormalised) {
  // 60 % ol (0.01) + 40 % cpx (0.5) = 0.206; the same modes halved give half of it.
  EXPECT_FLOAT_EQ(bulkCoefficient({0.01f, 0.5f}, {60, 40}), 0.206f);
  EXPECT_FLOAT_EQ(bulkCoefficient({0.01f, 0.5f}, {30, 20}), 0.103f);
  EXPECT_EQ(modeText({"OL", "OPX", "Cpx"}, {60, 0, 12.5f}), " 60ol  12.5cpx ");
}

TEST(ComponentMixing, ConcentrationsMixByWeight) {
  // Coefficients 1 and 3: weights 0.25 and 0.75; a blank cell counts as 0.
  EXPECT_FLOAT_EQ(mixedConcentration({{0.25f, 10}, {0.75f, 30}}), 25.0f);
  EXPECT_FLOAT_EQ(mixedConcentration({{0.25f, 10}, {0.75f, 0}}), 2.5f);
}

// Each ratio mixes by the amount of its reference isotope, w C / S.
TEST(ComponentMixing, IsotopeRatiosMixByReferenceIsotope) {
  auto part = [](IsotopeSystem system, float w, float c, float r) {
    return IsotopePart{w, c, r, static_cast<float>(referenceIsotopeSum(system, r))};
  };
  // Sr: S = r + 9.432; 0.25 x 400 / 10.136 = 9.865825 and 0.75 x 100 / 10.142 = 7.394991 of 86Sr:
  // (9.865825 x 0.704 + 7.394991 x 0.710) / 17.260816 = 0.7065706.
  auto r = mixedIsotopeRatio({part(IsotopeSystem::sr86, 0.25f, 400, 0.704f), part(IsotopeSystem::sr86, 0.75f, 100, 0.710f)});
  ASSERT_TRUE(r);
  EXPECT_NEAR(*r, 0.7065706, 1e-6);
  // Hf: S = 1 + 15.4449 r, the element over 177Hf (5.37 for r = 0.283, as 100 / 18.60 % 177Hf).
  EXPECT_NEAR(referenceIsotopeSum(IsotopeSystem::hf177, 0.2828f), 5.376, 0.01);
  r = mixedIsotopeRatio({part(IsotopeSystem::hf177, 0.5f, 3, 0.2830f), part(IsotopeSystem::hf177, 0.5f, 5, 0.2825f)});
  ASSERT_TRUE(r);
  EXPECT_NEAR(*r, 0.2826873, 1e-6);
  // Os: S = r + 61.66 over 186Os: 0.025 / 62.86 and 0.01 / 71.66 of 186Os give 3.485724.
  r = mixedIsotopeRatio({part(IsotopeSystem::os186, 0.5f, 0.05f, 1.2f), part(IsotopeSystem::os186, 0.5f, 0.02f, 10)});
  ASSERT_TRUE(r);
  EXPECT_NEAR(*r, 3.485724, 2e-5);
  // A component without the ratio or the element is left out; with none left there is no ratio.
  r = mixedIsotopeRatio({part(IsotopeSystem::sr86, 0.5f, 400, 0.704f), part(IsotopeSystem::sr86, 0.5f, 0, 0.8f)});
  ASSERT_TRUE(r);
  EXPECT_NEAR(*r, 0.704, 1e-6);
  EXPECT_FALSE(mixedIsotopeRatio({{0.5f, 400, 0, 1}}));
}

}  // namespace
}  // namespace lavix::models

// The pyroxene check against analyses worked by hand (six oxygens, molecular weights of the
// shipped standard table: SiO2 60.0830, TiO2 79.8650, Al2O3 101.9601, Fe2O3 159.6870, FeO
// 71.8440, MnO 70.9370, MgO 40.3040, CaO 56.0770, Na2O 61.9785, Cr2O3 151.9892).
#include <gtest/gtest.h>

#include "lavix/recalc/PyroxeneCheck.h"

namespace lavix::testing {
namespace {

data::StandardTable weights() {
  data::StandardTable t;
  const float m[] = {0, 60.0830f, 79.8650f, 101.9601f, 159.6870f, 71.8440f, 70.9370f, 40.3040f,
                     56.0770f, 61.9785f, 94.1956f, 141.9425f, 74.6924f, 151.9892f};
  for (std::size_t k = 1; k <= 13; ++k) t.molecularWeight[k] = m[k];
  return t;
}

recalc::OxideWork analysis(float sio2, float tio2, float al2o3, float feot, float mno, float mgo, float cao,
                           float na2o, float cr2o3) {
  recalc::OxideWork w{};
  w[1] = sio2, w[2] = tio2, w[3] = al2o3, w[5] = feot, w[6] = mno, w[7] = mgo, w[8] = cao, w[9] = na2o;
  w[13] = cr2o3;
  return w;
}

TEST(PyroxeneCheck, AugiteWorkedByHand) {
  // CPX_ATA, augite of the Atacazo-Ninahuilca lavas (Janousek et al. 2016, Geochemical Modelling
  // of Igneous Processes, ch. 25): SiO2 51.11, TiO2 0.48, Al2O3 2.68, FeOt 10.17, MgO 14.16,
  // CaO 19.89, Na2O 0.37 wt%.
  // By hand: with all iron ferric (FeO 0) the residual 2Ti + AlVI + Cr + Fe3+ - (AlIV + Na) is
  // +0.19672; the bisection halves FeO 10 times (5.085, 7.6275, 8.89875, 9.53438, 9.21656,
  // 9.05766, 9.13711, 9.09738, 9.11725) and stops at FeO 9.10731 wt% where the residual is 0
  // (Fe2O3 1.18101 wt%). Oxygen sum 2.653131, f = 6 / 2.653131 = 2.261479; cations Si 1.92374,
  // Ti 0.01359, Al 0.11889, Fe3+ 0.03345, Fe2+ 0.28668, Mg 0.79453, Ca 0.80213, Na 0.02700
  // (4.000 cations, 12.000 charges). N = Na + Al + Ti + Fe3+ = 0.19293: 96 × 0.1 = 9.6, OK.
  // AlIV = (Al - Na + 2Ti + Fe3+) / 2 = 0.07626, AlVI = 0.04263; Ac = Na = 0.02700; Ca > 0.38 so
  // X = Ac + Ca = 0.82913; Wo = (X - AlVI - Fe3+) / 2 = 0.37653; M = Mg / (Mg + Fe2+) = 0.73485;
  // En = (1 - Wo) M = 0.45816, Fs = (1 - Wo)(1 - M) = 0.16531.
  const recalc::PyroxeneCheck c =
      recalc::checkPyroxene(analysis(51.11f, 0.48f, 2.68f, 10.17f, 0, 14.16f, 19.89f, 0.37f, 0), weights());
  ASSERT_TRUE(c.placed);
  EXPECT_NEAR(c.feo, 9.10731, 1e-4);
  EXPECT_NEAR(c.cations.si, 1.92374, 2e-5);
  EXPECT_NEAR(c.cations.al, 0.11889, 2e-5);
  EXPECT_NEAR(c.cations.fe3, 0.03345, 2e-5);
  EXPECT_NEAR(c.cations.fe2, 0.28668, 2e-5);
  EXPECT_NEAR(c.cations.ca, 0.80213, 2e-5);
  EXPECT_NEAR(c.nonQuad, 0.19293, 2e-5);
  EXPECT_NEAR(c.wo, 0.37653, 2e-5);
  EXPECT_NEAR(c.en, 0.45816, 2e-5);
  EXPECT_NEAR(c.fs, 0.16531, 2e-5);
  EXPECT_EQ(recalc::pyroxeneMessage("Cpx_ata", c), "CPX_ATA non-quad. comps.= 9.6  OK  ");
}

TEST(PyroxeneCheck, OrthopyroxeneTakesTheLowCalciumBranch) {
  // OPX_ATA (same source): SiO2 54.62, TiO2 0.12, Al2O3 2.05, FeOt 11.49, MgO 28.9, CaO 1.5,
  // Na2O 0.03. Almost no Fe3+ (FeO 11.4893); Ca 0.05761 is not above 0.38, so
  // X = 2 - Mg - Fe2+ + Ac = 2 - 1.54443 - 0.34445 + 0.00002; Wo 0.03501, En 0.78902, Fs 0.17597;
  // N = 0.09195: 45 × 0.1.
  const recalc::PyroxeneCheck c =
      recalc::checkPyroxene(analysis(54.62f, 0.12f, 2.05f, 11.49f, 0, 28.9f, 1.5f, 0.03f, 0), weights());
  EXPECT_NEAR(c.wo, 0.03501, 2e-5);
  EXPECT_NEAR(c.en, 0.78902, 2e-5);
  EXPECT_NEAR(c.fs, 0.17597, 2e-5);
  EXPECT_EQ(recalc::pyroxeneMessage("OPX_ATA", c), "OPX_ATA non-quad. comps.= 4.5  OK  ");
}

TEST(PyroxeneCheck, SodicPyroxeneIsACautionAndAnEmptyAnalysisIsNotPlaced) {
  // An omphacite-like analysis: Na 0.42052 and Al 0.40473 of six oxygens make N = 0.83712.
  const recalc::PyroxeneCheck c =
      recalc::checkPyroxene(analysis(55.5f, 0.2f, 9.5f, 3.5f, 0.05f, 9.0f, 14.5f, 6.0f, 0.1f), weights());
  EXPECT_NEAR(c.nonQuad, 0.83712, 2e-5);
  EXPECT_EQ(recalc::pyroxeneMessage("omph", c), "OMPH non-quad. comps.= 41.8  CAUTION ");
  EXPECT_FALSE(recalc::checkPyroxene(recalc::OxideWork{}, weights()).placed);
}

}  // namespace
}  // namespace lavix::testing

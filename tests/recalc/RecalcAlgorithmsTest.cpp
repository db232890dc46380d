// The recalculations without a session, against hand calculations from the published equations.
// ATAC-4 (andesite, Hidalgo et al. 2008): SiO2 57.28, TiO2 0.67, Al2O3 16.5, Fe2O3 8.48 (all
// iron), MnO 0.12, MgO 5.42, CaO 7.12, Na2O 3.52, K2O 0.76, P2O5 0.14 wt %.
#include <gtest/gtest.h>

#include <cmath>

#include "lavix/app/StandardTableFile.h"
#include "lavix/recalc/Anomalies.h"
#include "lavix/recalc/CrNiColumns.h"
#include "lavix/recalc/MeltParameters.h"
#include "lavix/recalc/MolecularProportions.h"
#include "lavix/recalc/ParameterFile.h"

namespace lavix::recalc {
namespace {

std::string controls(const std::string& file) { return std::string(LAVIX_PROGRAMFOLDER_DIR) + "/Controls/" + file; }

const data::StandardTable& shippedTable() {
  static const data::StandardTable table = [] {
    data::StandardTable t;
    text::FileError error;
    EXPECT_TRUE(app::readStandardTable(controls("lavix.data.txt"), t, error, '.'));
    return t;
  }();
  return table;
}

OxideWork atac4() { return {0, 57.28f, 0.67f, 16.5f, 8.48f, 0, 0.12f, 5.42f, 7.12f, 3.52f, 0.76f, 0.14f}; }

TEST(FerricIron, RatioTermAndLabel) {
  // 13184.7 / 1473 - 8 x 2.303 x 0.218 - 4.499 = 0.43548
  EXPECT_NEAR(feRatioTerm(1200, -8), 0.4355f, 0.00005f);
  EXPECT_EQ(feRatioTerm(-273, -8), 0.0f);
  IronState iron;
  resetFerricRatio(iron, 1200, -8);
  EXPECT_EQ(iron.feRatioMode, "R");
  EXPECT_EQ(iron.feLabel, "T= 1200 fo2= -8");
  leaveFerricRatio(iron);
  EXPECT_EQ(iron.feRatioMode, "");
  EXPECT_EQ(iron.feRatioTerm, 0.0f);
  EXPECT_EQ(iron.feLabel, "");
}

TEST(FerricIron, LeftUnchangedOnlyConvertsToMolecularProportions) {
  OxideWork w = atac4();
  w[16] = 3;  // beyond the eleven: untouched
  adjustIron(IronState{}, shippedTable(), w);
  EXPECT_NEAR(w[1], 57.28 / 60.083, 1e-6);
  EXPECT_NEAR(w[4], 8.48 / 159.687, 1e-7);
  EXPECT_EQ(w[5], 0.0f);
  EXPECT_EQ(w[16], 3.0f);
}

TEST(FerricIron, SackSplitOfAnAndesiteAt1200CAndLogFO2Minus8) {
  // All iron as FeO: 8.48 x 0.8999 = 7.631 wt %, 0.106218 mol. Mole fractions with FeO*, d_k of
  // Sack et al. (1980): L = 0.43548 - 2.80086 = -2.36538, E = 0.093913; FeO = 0.106218 / (2E + 1)
  // = 0.0894224, Fe2O3 = E x FeO = 0.0083980 (mol per 100 g).
  IronState iron;
  resetFerricRatio(iron, 1200, -8);
  OxideWork w = atac4();
  adjustIron(iron, shippedTable(), w);
  EXPECT_NEAR(w[5], 0.0894224, 2e-6);
  EXPECT_NEAR(w[4], 0.0083980, 2e-7);
  EXPECT_NEAR(w[5] + 2 * w[4], 8.48 * 0.8999 / 71.844, 1e-6);  // no iron lost

  OxideWork empty{};
  adjustIron(iron, shippedTable(), empty);  // a sum of 0 counts as 1
  EXPECT_EQ(empty[4], 0.0f);
  EXPECT_EQ(empty[5], 0.0f);
}

TEST(CrNi, OxidesOrPpmAndTheLaterMatchWins) {
  data::DataStore store;
  store.allocate(2, 10);
  const char* names[] = {"Cr[2]O[3]", "Ni", "Cr"};
  for (int c = 1; c <= 3; ++c) store.columnName[c] = names[c - 1];
  store.columnCount = 3;
  store.rowCount = 1;
  store.setCell(1, 1, "0.05");
  store.setCell(1, 2, "100");
  store.setCell(1, 3, "342");
  CrNiColumns found = findCrNi(store);
  EXPECT_EQ(found.crColumn, 3);
  EXPECT_EQ(found.niColumn, 2);
  EXPECT_NEAR(cr2o3Percent(store, found, 1), 0.05, 1e-4);  // 342 ppm Cr = 0.0500 wt % Cr2O3
  EXPECT_NEAR(nioPercent(store, found, 1), 0.01273, 1e-6);
  store.columnCount = 1;
  found = findCrNi(store);
  EXPECT_EQ(found.crColumn, 1);
  EXPECT_EQ(found.crFactor, 1.0f);
  EXPECT_EQ(found.niColumn, 0);
  EXPECT_EQ(nioPercent(store, found, 1), 0.0f);
}

TEST(Anomalies, InterpolationsOnLogarithms) {
  EXPECT_NEAR(euStar(1.53, 2.055, 0), 0.58, 1e-9);            // SmN = GdN = 10
  EXPECT_NEAR(euStar(1.53, 0, 2.992), 0.058 * 20, 1e-9);      // no Gd: (10^2 x 80)^(1/3) = 20
  EXPECT_NEAR(ceStar(2.37, 37.36), 0.612 * 20, 1e-9);         // LaN 10, NdN 80
  EXPECT_NEAR(nbStar(1000.0 / 8301, 0.525), 0.713 * 10, 1e-9);  // K 1000 ppm: KN 4, UN 25
  EXPECT_EQ(euStar(0, 2.055, 0.374), 0.0);
  EXPECT_EQ(ceStar(2.37, 0), 0.0);
  EXPECT_EQ(nbStar(1, -1), 0.0);
}

TEST(MeltParameters, DensityAndViscosityOfAnAndesite) {
  // Density with the split above: FeO 6.42446, Fe2O3 1.34105 wt %; sum w / sum (w V / M) with
  // the 1673 K partial molar volumes of the table = 2.538619 g/cm3.
  const auto density = meltDensity(atac4(), shippedTable(), feRatioTerm(1200, -8));
  ASSERT_TRUE(density);
  EXPECT_NEAR(*density, 2.538619, 2e-6);
  // Recast to 98 wt % with all iron as FeO, 2 wt % water: mole % SiO2 57.049, H2O 6.722 ...;
  // B = 6662.621, C = 364.489, log eta = B / (1273 - C) - 4.55 = 2.783562 (Pa s).
  const auto viscosity = meltViscosity(atac4(), shippedTable());
  ASSERT_TRUE(viscosity);
  EXPECT_NEAR(*viscosity, 2.783562, 2e-6);
  EXPECT_FALSE(meltDensity(OxideWork{}, shippedTable(), 0));
  EXPECT_FALSE(meltViscosity(OxideWork{}, shippedTable()));
}

TEST(MolecularProportions, CrAndNiFromPpmAndTotalIronAsFeO) {
  data::DataStore store;
  store.allocate(2, 10);
  store.columnName[1] = "Al[2]O[3]";
  store.columnName[2] = "Cr";
  store.columnName[3] = "Fe[2]O[3]T";
  store.columnCount = 3;
  store.rowCount = 1;
  store.stdColumn[3] = 1;
  store.setCell(1, 1, "16.5");
  store.setCell(1, 2, "342");
  store.setCell(1, 3, "10");
  store.chooseTotalIron(shippedTable());
  const auto moles = molecularProportions(store, shippedTable(), findCrNi(store), nullptr);
  EXPECT_NEAR(moles[1][3], 16.5 / 101.9601, 1e-6);
  EXPECT_NEAR(moles[1][13], 342 * 0.0001462 / 151.9892, 1e-8);
  EXPECT_EQ(moles[1][12], 0.0f);
  EXPECT_NEAR(moles[1][5], 10 * 0.8998 / 71.8444, 1e-5);  // Fe2O3T recast as FeO
  EXPECT_EQ(moles[1][4], 0.0f);
}

TEST(ParameterFile, CommentsCommasTabsAndPairs) {
  std::vector<ParameterDefinition> defs;
  std::string failure;
  const char* text = "# source\r\n  # indented comment\r\nSi/K\tSI/K\r\n\r\n\"Al/K\", AL/K,Ti/K\tTI/K\tEND\r\n";
  ASSERT_TRUE(parseParameterText(text, defs, failure));
  ASSERT_EQ(defs.size(), 3u);
  EXPECT_EQ(defs[0].name, "Si/K");
  EXPECT_EQ(defs[1].name, "Al/K");
  EXPECT_EQ(defs[1].formula, "AL/K");
  EXPECT_EQ(defs[2].formula, "TI/K");  // the END marker of the line splitter
  ASSERT_TRUE(parseParameterText("\"\"\tA/B", defs, failure));  // found by the fuzzer: no column without a name
  EXPECT_EQ(defs[0].name, "\"\"");
  EXPECT_FALSE(parseParameterText("A\tB\r\nC\r\n", defs, failure));
  EXPECT_EQ(failure, "the name C has no formula");
  EXPECT_TRUE(defs.empty());
  std::string many;
  for (int i = 0; i < 3000; ++i) many += "N" + std::to_string(i) + "\tF\r\n";
  ASSERT_TRUE(parseParameterText(many, defs, failure));
  EXPECT_EQ(defs.size(), static_cast<std::size_t>(maxParameterFields / 2));
}

TEST(ParameterFile, ShippedFilesRead) {
  for (const auto& [file, count] : {std::pair{"pearce.txt", 13u}, std::pair{"extra.txt", 5u}}) {
    std::vector<ParameterDefinition> defs;
    std::string failure;
    ASSERT_TRUE(readParameterFile(controls(file), defs, failure)) << failure;
    EXPECT_EQ(defs.size(), count) << file;
  }
  std::vector<ParameterDefinition> defs;
  std::string failure;
  EXPECT_FALSE(readParameterFile("/no/such/pearce.txt", defs, failure));
  EXPECT_NE(failure.find("/no/such/pearce.txt"), std::string::npos);
}

}  // namespace
}  // namespace lavix::recalc

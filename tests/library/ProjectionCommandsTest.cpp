// CMAS and mineral projections: every diagram of the file on one page, the molecular
// proportions with Cr and Ni, the iron split, and the pyroxene check on the quadrilateral.
#include <cmath>

#include "tests/library/LibraryFixture.h"

namespace lavix::testing {
namespace {

class ProjectionCommandsTest : public LibraryFixture {
 protected:
  // The X-left and Y-top fractions of row 1 in diagram `d` of the page (the last is the current one).
  std::pair<double, double> fractions(std::size_t d) {
    const auto& pages = session().library.pageDiagrams;
    const diagram::PlotValues& p = d < pages.size() ? pages[d].settings.plot : settings().plot;
    const double sum = p.xValue[1] + p.yValue[1] + p.zValue[1];
    return {p.xValue[1] / sum, p.yValue[1] / sum};
  }
};

// Olivine tholeiite, Kilauea (Yoder & Tilley 1962, Table 2, no. 14), wt%; Cr as the oxide or in ppm.
std::string kilauea(bool crInPpm) {
  return std::string("SAMPLE\tKCODE\tSiO2\tTiO2\tAl2O3\t") + (crInPpm ? "Cr" : "Cr2O3") +
         "\tFe2O3\tFeO\tMnO\tMgO\tCaO\tNa2O\tK2O\tP2O5\n"
         "K14\t1\t49.16\t2.29\t13.33\t" + (crInPpm ? "615.59" : "0.09") +
         "\t1.31\t9.71\t0.16\t10.41\t10.93\t2.15\t0.51\t0.16\n";
}

TEST_F(ProjectionCommandsTest, ThreeCtriRecordsGiveThreeDiagramsOnOnePage) {
  load(kilauea(false));
  f.click("mcmas", {"CMAS/three.txt", "Leave it unchanged"});
  EXPECT_TRUE(f.shown("file: open CMAS Files (*.txt)|*.txt| | name: *.txt"));
  EXPECT_TRUE(f.shown("buttons: Set the Ferric/Ferrous ratio (Sack et al.,1980) | Reset this ratio | Leave it unchanged"));
  EXPECT_EQ(settings().diagramFamily, "CDIAGS");
  ASSERT_EQ(session().library.pageDiagrams.size(), 2u);
  EXPECT_EQ(session().library.currentName, "Qz-projection");
  EXPECT_EQ(f.window->caption("newx"), "Next diag");
  // Each diagram has its own cell: the three frames do not overlap.
  const auto& first = session().library.pageDiagrams[0].settings;
  const auto& second = session().library.pageDiagrams[1].settings;
  EXPECT_LT(first.frameRight, second.frameLeft);
  EXPECT_LT(settings().frameTop, first.frameBottom);
  EXPECT_TRUE(drawnText("An"));  // the first diagram's top apex
  EXPECT_TRUE(drawnText("Di"));  // the second's
  EXPECT_TRUE(drawnText("Pl"));  // the current one's

  // The published check values of the reference tables (molecular weights of another
  // compilation: agreement to 5e-4).
  const double expected[3][2] = {{0.2610, 0.7073}, {0.5681, 0.3628}, {0.3519, 0.3981}};
  for (std::size_t d = 0; d < 3; ++d) {
    EXPECT_NEAR(fractions(d).first, expected[d][0], 5e-4) << d;
    EXPECT_NEAR(fractions(d).second, expected[d][1], 5e-4) << d;
  }

  // Next diag draws one record alone from the same proportions.
  f.click("newx", {"#1"});
  EXPECT_TRUE(session().library.pageDiagrams.empty());
  EXPECT_NEAR(fractions(0).first, expected[0][0], 5e-4);
}

TEST_F(ProjectionCommandsTest, ChromiumInPpmCountsAsItsOxide) {
  load(kilauea(false));
  f.click("mcmas", {"CMAS/three.txt", "Leave it unchanged"});
  const auto asOxide = fractions(0);
  EXPECT_NEAR(session().library.moleAmount[1][13], 0.09 / 151.9892, 1e-8);
  load(kilauea(true));
  f.click("mcmas", {"CMAS/three.txt", "Leave it unchanged"});
  // 615.59 ppm × 0.0001462 = 0.0900 wt% Cr2O3.
  EXPECT_NEAR(session().library.moleAmount[1][13], 615.59 * 0.0001462 / 151.9892, 1e-8);
  EXPECT_NEAR(fractions(0).first, asOxide.first, 1e-6);
  EXPECT_NEAR(fractions(0).second, asOxide.second, 1e-6);
}

TEST_F(ProjectionCommandsTest, TheFerricRatioSplitsTheIronAndIsWrittenInTheNote) {
  load(kilauea(false));
  f.click("mcmas", {"CMAS/three.txt", "Reset this ratio", "1200,-8"});
  EXPECT_TRUE(f.shown("numbers: Reset Temp and oxygen fugacity | Temp in degrees C = 1200 | Log10(fO2) = -8"));
  EXPECT_EQ(session().recalc.iron.feRatioMode, "R");
  EXPECT_EQ(session().library.diagramNote, "Walker et al. (1979)  T= 1200 fo2= -8");
  // Worked by hand: all iron as FeO is 0.151563 mol; the mole fractions give L = -2.50263,
  // E = Fe2O3/FeO = 0.081869, so FeO = 0.151563 / (2E + 1) = 0.130238 and Fe2O3 = 0.010662.
  EXPECT_NEAR(session().library.moleAmount[1][5], 0.130238, 2e-6);
  EXPECT_NEAR(session().library.moleAmount[1][4], 0.0106625, 2e-6);
  EXPECT_NEAR(session().library.moleAmount[1][1], 49.16 / 60.083, 1e-6);
}

TEST_F(ProjectionCommandsTest, MineralDiagramsPlacePyroxenesByTheirCheck) {
  // CPX_ATA, an augite of the Atacazo-Ninahuilca lavas (Janousek et al. 2016), total iron as FeO.
  load("SAMPLE\tKCODE\tSiO2\tTiO2\tAl2O3\tFeO\tMgO\tCaO\tNa2O\tK2O\n"
       "Cpx_ata\t1\t51.11\t0.48\t2.68\t10.17\t14.16\t19.89\t0.37\t0.01\n");
  f.click("mmin", {"MIN/pyroxene.txt"});
  EXPECT_TRUE(f.shown("file: open Min Files (*.txt)|*.txt| | name: *.txt"));
  EXPECT_FALSE(f.shown("buttons: Set the Ferric"));  // minerals keep their iron
  EXPECT_TRUE(f.shown("message: CPX_ATA non-quad. comps.= 9.6  OK  "));
  EXPECT_EQ(settings().diagramFamily, "MDIAGS");
  ASSERT_EQ(session().library.pageDiagrams.size(), 1u);
  // The quadrilateral (worked in PyroxeneCheckTest): En 0.45816, Wo 0.37653, Fs 0.16531.
  const diagram::PlotValues& quad = session().library.pageDiagrams[0].settings.plot;
  EXPECT_NEAR(quad.xValue[1], 0.45816, 5e-5);
  EXPECT_NEAR(quad.yValue[1], 0.37653, 5e-5);
  EXPECT_NEAR(quad.zValue[1], 0.16531, 5e-5);
  // The feldspar record works on molecular proportions, iron as in the data.
  EXPECT_NEAR(x(1), 2 * 0.37 / 61.9785, 1e-6);
  EXPECT_NEAR(z(1), 19.89 / 56.077, 1e-6);
}

TEST_F(ProjectionCommandsTest, AFileOfOneDiagramFillsThePage) {
  load("SAMPLE\tKCODE\tSiO2\tAl2O3\tCaO\tNa2O\tK2O\n"
       "An60\t1\t52.9\t29.6\t12.1\t4.5\t0.3\n");
  f.click("mmin", {"MIN/feldspar.txt"});
  ASSERT_EQ(session().library.currentName, "Feldspar_Ab-Or-An");
  EXPECT_TRUE(session().library.pageDiagrams.empty());
  // The Full page position of the shipped page layout, not the quarter a lone record takes.
  EXPECT_EQ(settings().pagePosition, 1);
  EXPECT_GT(settings().frameHeight, 0.6 * session().page.pageWidth);
  EXPECT_GT(settings().frameWidth, 0.6 * session().page.pageLength);
}

}  // namespace
}  // namespace lavix::testing

// The report block: exact layout of every line.
#include <gtest/gtest.h>

#include "normwise/NormReport.h"

namespace lavix::normwise {
namespace {

ReportInput sampleInput() {
  ReportInput in;
  in.sampleName = "B-7";
  in.oxides[0] = 49.5f;
  in.oxides[1] = 1.25f;
  in.oxides[23] = 0.1f;
  in.oxideTotal = 50.84f;
  in.normVector[0] = 55.56f;  // An
  in.normVector[1] = 2.5f;    // Q
  in.normVector[3] = 0.004f;  // ab: rounds to 0.00 and prints as a dash
  in.normVector[15] = 3.333f; // il
  in.normVector[32] = 10.0f;  // CS
  in.normTotal = 99.94f;
  for (int p = 1; p <= 8; ++p) in.properties[p].label = "P" + std::to_string(p);
  in.properties[1].value = 2.6543f;
  in.properties[5].value = 1.5f;
  in.properties[6].whyNot = "(why)";
  return in;
}

TEST(NormReportTest, LaysOutTheWholeBlock) {
  const std::vector<std::string> lines = buildReport(sampleInput());
  const std::vector<std::string> expected = {
      "Sample name: B-7",
      "  SiO2  TiO2 Al2O3 Fe2O3   FeO   MnO   MgO   CaO  Na2O   K2O  P2O5   CO2  H2O+  H2O-",
      " 49.50  1.25  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00",
      "",
      " ZrO2 Cr2O3   NiO   BaO   SrO  Li2O     F    Cl     S   SO3 ",
      " 0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.00  0.10 ",
      "Total   50.8",
      "",
      "CIPW Weight Norm",
      "     Q    or    ab    an    lc    ne   kal     C    di    hy    wo    ol    ac    mt",
      "  2.50   -     -     -     -     -     -     -     -     -     -     -     -     -  ",
      "",
      "   il   hem    ap    tn    pf   wus    hl   NaC    th    zr    fl    pr    cc    ru ",
      " 3.33   -     -     -     -     -     -     -     -     -     -     -     -     -   ",
      "",
      "   cm    KS   NaS    CS ",
      "  -     -     -   10.00 ",
      "Total 99.9         Plag is An55.6",
      "P1= 2.654 P2= not computed P3= not computed P4= not computed ",
      "P5=1.500 P6= not computed (why) P7= not computed P8= not computed ",
      ""};
  EXPECT_EQ(lines, expected);
}

}  // namespace
}  // namespace lavix::normwise

// The least-squares solver and its report on synthetic data whose answer is known.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "mixing/Solver.h"
#include "tests/mixing/MixingFixture.h"

namespace lavix::mixing {
namespace {

using testing::combine;
using testing::Fixture;

const std::string weights5 = "A1\tA2\tA3\tA4\tA5\n1\t1\t1\t1\t1\n";
const std::string pcText = "ELEMENT\tCPX\tPLAG\nLA\t0.1\t0.2\nSR\t0.05\t2.5\nNI\t3\t0.1\n";
const std::vector<float> lavaA{50, 20, 15, 10, 5}, lavaB{60, 15, 10, 5, 10};
const std::vector<float> daughter{65, 16, 5, 4, 10}, cpx{50, 5, 15, 20, 10}, plag{55, 28, 0.5F, 11.5F, 5};

bool hasText(const std::vector<std::string>& lines, const std::string& part) {
  for (const auto& line : lines)
    if (line.find(part) != std::string::npos) return true;
  return false;
}

ModelResult mixture(NormalPrecision precision, const std::string& weights = weights5, float a3Offset = 0) {
  Fixture f(weights, pcText);
  const int a = f.rock("A", lavaA, {10, 100, 5});
  const int b = f.rock("B", lavaB, {20, 300, 0});
  auto target = combine(0.3, lavaA, 0.7, lavaB);
  target[2] += a3Offset;
  const int h = f.rock("H", target, {17, 240, 1.5F});
  return runModel(f.matrix, f.oxides, f.partition, {Model::Mixing, {}, {a, b}, 0, h}, precision);
}

// Parent = 0.8 daughter + 0.12 cpx + 0.08 plag; parent traces from the Rayleigh law at F = 0.8.
ModelResult fractionation(NormalPrecision precision) {
  Fixture f(weights5, pcText);
  const int m1 = f.mineral("CPX1", cpx);
  const int m2 = f.mineral("PLAG1", plag);
  const int d = f.rock("D1", daughter, {20, 400, 0});
  const double dLa = 0.6 * 0.1 + 0.4 * 0.2, dSr = 0.6 * 0.05 + 0.4 * 2.5;
  auto parent = combine(0.8, daughter, 0.12, cpx);
  parent = combine(1, parent, 0.08, plag);
  const int p = f.rock("P1", parent,
                       {static_cast<float>(20 * std::pow(0.8, 1 - dLa)), static_cast<float>(400 * std::pow(0.8, 1 - dSr)), 7});
  return runModel(f.matrix, f.oxides, f.partition, {Model::Fractionation, {m1, m2}, {}, d, p}, precision);
}

// Mineral names that fill their column: a blank is left between the headings all the same.
TEST(Solver, LongPhaseNamesKeepABlankBetweenTheHeadings) {
  Fixture f(weights5, pcText);
  const int m1 = f.mineral("AMPH_ATACAZO", cpx);
  const int m2 = f.mineral("PLAG_SAZ1234", plag);
  const int d = f.rock("D1", daughter, {20, 400, 0});
  auto parent = combine(1, combine(0.8, daughter, 0.12, cpx), 0.08, plag);
  const int p = f.rock("P1", parent, {20, 400, 7});
  const ModelResult r = runModel(f.matrix, f.oxides, f.partition, {Model::Fractionation, {m1, m2}, {}, d, p});
  EXPECT_EQ(r.report[5], "         AMPH_ATA PLAG_SAZ Daughter   Parent");
}

// Parent = 1.25 daughter - 0.25 cpx: the daughter coefficient is above 1.
ModelResult daughterAbove1(NormalPrecision precision) {
  Fixture f(weights5, pcText);
  const int m1 = f.mineral("CPX1", cpx);
  const int d = f.rock("D1", daughter, {20, 400});
  const int p = f.rock("P1", combine(1.25, daughter, -0.25, cpx), {20, 400});
  return runModel(f.matrix, f.oxides, f.partition, {Model::Fractionation, {m1}, {}, d, p}, precision);
}

ModelResult mixedLavas(NormalPrecision precision) {
  Fixture f(weights5, pcText);
  const int a = f.rock("A", lavaA, {10, 100});
  const int b = f.rock("B", lavaB, {20, 300});
  const int h = f.rock("H", combine(1.5, lavaA, -0.5, lavaB), {5, 0});
  return runModel(f.matrix, f.oxides, f.partition, {Model::Mixing, {}, {a, b}, 0, h}, precision);
}

ModelResult mixedMinerals(NormalPrecision precision) {
  Fixture f(weights5, pcText);
  const int m1 = f.mineral("CPX1", cpx);
  const int m2 = f.mineral("PLAG1", plag);
  const int d = f.rock("D1", daughter, {20, 400});
  const int p = f.rock("P1", combine(1, combine(0.8, daughter, 0.3, cpx), -0.1, plag), {20, 400});
  return runModel(f.matrix, f.oxides, f.partition, {Model::Fractionation, {m1, m2}, {}, d, p}, precision);
}

// Hybrid = 0.5 A + 0.3 B + 0.2 cpx (cpx assimilated).
ModelResult assimilation(NormalPrecision precision) {
  Fixture f(weights5, pcText);
  const int m1 = f.mineral("CPX1", cpx);
  const int a = f.rock("A", lavaA, {10, 100});
  const int b = f.rock("B", lavaB, {21, 300});
  const int h = f.rock("H", combine(1, combine(0.5, lavaA, 0.3, lavaB), 0.2, cpx), {12, 150});
  return runModel(f.matrix, f.oxides, f.partition, {Model::MixingAndFractionation, {m1}, {a, b}, 0, h}, precision);
}

ModelResult identicalMinerals(NormalPrecision precision) {
  Fixture f(weights5, pcText);
  const int m1 = f.mineral("CPX1", cpx);
  const int m2 = f.mineral("CPX2", cpx);
  const int d = f.rock("D1", daughter, {20, 400});
  const int p = f.rock("P1", combine(0.8, daughter, 0.2, cpx), {20, 400});
  return runModel(f.matrix, f.oxides, f.partition, {Model::Fractionation, {m1, m2}, {}, d, p}, precision);
}

TEST(Solver, PerfectMixtureGivesItsProportionsAndZeroResiduals) {
  const ModelResult r = mixture(NormalPrecision::Double);
  EXPECT_NEAR(r.coefficients[0], 0.3, 1e-6);
  EXPECT_NEAR(r.coefficients[1], 0.7, 1e-6);
  for (float residual : r.residuals) EXPECT_NEAR(residual, 0, 1e-4);
  const auto& out = r.report;
  EXPECT_EQ(out[0], "  The Hybrid(Hy) magma is  H              ");
  EXPECT_EQ(out[1], "  Coef            Magma");
  EXPECT_EQ(out[2], "  0.300   30.0     A");
  EXPECT_EQ(out[3], "  0.700   70.0     B");
  // Each heading stands over its column of compositions.
  EXPECT_EQ(out[4], "                A        B   Hybrid");
  EXPECT_EQ(out[5], "A1         50.00    60.00    57.00");
  EXPECT_THAT(out, ::testing::Contains("  Obs      57.00  16.50  11.50   6.50   8.50"));
  EXPECT_THAT(out, ::testing::Contains("  Diff*Wt   0.00   0.00   0.00   0.00   0.00"));
  EXPECT_THAT(out, ::testing::Contains(" Sum of squares of residuals= 0.000"));
  EXPECT_FALSE(hasText(out, "FE2O3"));  // the hidden row stays out of the report
  // Trace elements: calculated = 0.3 A + 0.7 B; NI (calculated 1.5) is printed, its residual 0.
  EXPECT_THAT(out, ::testing::Contains("          A      B    Obs   Calc  Resid"));
  EXPECT_THAT(out, ::testing::Contains(" LA   10.0   20.0   17.0   17.0    0.0"));
  EXPECT_THAT(out, ::testing::Contains(" NI    5.0    0.0    1.5    1.5    0.0"));
}

TEST(Solver, PerfectFractionationRecoversProportionsMeltFractionAndTraces) {
  const ModelResult r = fractionation(NormalPrecision::Double);
  EXPECT_NEAR(r.coefficients[0], 0.12, 1e-6);
  EXPECT_NEAR(r.coefficients[1], 0.08, 1e-6);
  EXPECT_NEAR(r.coefficients[2], 0.8, 1e-6);
  const auto& out = r.report;
  EXPECT_EQ(out[0], "  The Parent magma(P) is  P1             ");
  EXPECT_EQ(out[1], "  Coef   Solid    Min/Magma");
  EXPECT_EQ(out[2], "  0.120   60.0     CPX1");
  EXPECT_EQ(out[3], "  0.080   40.0     PLAG1");
  EXPECT_EQ(out[4], "  0.800            D1 Daughter(D)");
  EXPECT_EQ(out[5], "             CPX1    PLAG1 Daughter   Parent");
  EXPECT_THAT(out, ::testing::Contains(" Sum of squares of residuals= 0.000"));
  EXPECT_THAT(out, ::testing::Contains("  D1(D)  F=0.800"));
  EXPECT_THAT(out, ::testing::Contains("      D   Obs(P) Calc(P)    Diff"));
  // NI is left out: its daughter value is 0.
  ASSERT_EQ(r.trace.size(), 2U);
  EXPECT_EQ(r.trace[0].element, "LA");
  EXPECT_NEAR(r.trace[0].d, 0.14, 1e-6);
  EXPECT_NEAR(r.trace[1].d, 1.03, 1e-6);
  for (const auto& row : r.trace) EXPECT_NEAR(row.difference, 0, 1e-3) << row.element;
  EXPECT_THAT(out, ::testing::Contains(" LA   0.14   16.5    16.5     0.00   20.0 "));
  EXPECT_THAT(out, ::testing::Contains(" SR   1.03  402.7   402.7     0.00  400.0 "));
}

TEST(Solver, DaughterCoefficientAbove1UsesTheReplacedFractionAndExponentDMinus1) {
  const ModelResult r = daughterAbove1(NormalPrecision::Double);
  EXPECT_NEAR(r.coefficients[0], -0.25, 1e-6);
  EXPECT_NEAR(r.coefficients[1], 1.25, 1e-6);
  EXPECT_NEAR(r.meltFraction, 1.25 / 1.5, 1e-6);
  EXPECT_THAT(r.report, ::testing::Contains("  D1(D)  F=0.833"));
  ASSERT_FALSE(r.trace.empty());
  EXPECT_NEAR(r.trace[0].d, 0.1, 1e-6);  // |p K| with p = 1
  EXPECT_NEAR(r.trace[0].calculated, 20 * std::pow(1.25 / 1.5, 0.1 - 1), 1e-4);
}

TEST(Solver, WeightZeroLeavesTheOxideOutOfTheFitButShowsIt) {
  const ModelResult r = mixture(NormalPrecision::Double, "A1\tA2\tA3\tA4\tA5\n1\t1\t0\t1\t1\n", 3);
  EXPECT_NEAR(r.coefficients[0], 0.3, 1e-6);
  EXPECT_NEAR(r.coefficients[1], 0.7, 1e-6);
  EXPECT_THAT(r.report, ::testing::Contains("  Obs      57.00  16.50  14.50   6.50   8.50"));
  EXPECT_THAT(r.report, ::testing::Contains("  Calc     57.00  16.50  11.50   6.50   8.50"));
  EXPECT_THAT(r.report, ::testing::Contains("A3         15.00    10.00    14.50"));
  EXPECT_THAT(r.report, ::testing::Contains(" Sum of squares of residuals= 0.000"));
}

TEST(Solver, MixedSignsSuppressTheTraceTable) {
  const ModelResult lavas = mixedLavas(NormalPrecision::Double);
  EXPECT_TRUE(lavas.lavaSignsMixed);
  EXPECT_EQ(lavas.report.end()[-2], " NOT REASONABLE TO ADD AND SUBTRACT MAGMAS");
  EXPECT_EQ(lavas.report.back(), " TRACE ELEMENTS NOT CALCULATED");
  EXPECT_FALSE(lavas.traceTable);

  const ModelResult minerals = mixedMinerals(NormalPrecision::Double);
  EXPECT_TRUE(minerals.mineralSignsMixed);
  EXPECT_EQ(minerals.report.end()[-2], " MIXTURE OF ASSIMILATION AND FRACTIONATION");
  EXPECT_EQ(minerals.report.back(), " TRACE ELEMENTS NOT CALCULATED");
  EXPECT_FALSE(hasText(minerals.report, "(D)  F="));
}

TEST(Solver, AssimilationModelMixesTheLavasAndReportsMix) {
  const ModelResult r = assimilation(NormalPrecision::Double);
  EXPECT_NEAR(r.coefficients[0], 0.2, 1e-6);
  EXPECT_NEAR(r.coefficients[1], 0.5, 1e-6);
  EXPECT_NEAR(r.coefficients[2], 0.3, 1e-6);
  EXPECT_EQ(r.report[0], "  The Hybrid(Hy) magma is   H              ");
  EXPECT_EQ(r.report[2], "  0.200  100.0     CPX1");
  EXPECT_EQ(r.report[3], "  0.500   00.0     A");  // lava lines show a proportion of 0
  EXPECT_THAT(r.report, ::testing::Contains("   Mix   F=0.800"));
  EXPECT_THAT(r.report, ::testing::Contains("      D   Obs-Hy Calc-Hy    Diff"));
  ASSERT_EQ(r.trace.size(), 2U);
  EXPECT_NEAR(r.trace[0].source, (0.5 * 10 + 0.3 * 21) / 0.8, 1e-4);  // the mixed magma
  EXPECT_NEAR(r.trace[0].calculated, std::pow(0.8, 1 - 0.1) * r.trace[0].source, 1e-4);
}

TEST(Solver, PhasesThatCannotBeToldApartAreRefusedByName) {
  for (auto precision : {NormalPrecision::Double, NormalPrecision::Single}) {
    const ModelResult r = identicalMinerals(precision);
    EXPECT_EQ(r.refusal, "CPX1 and CPX2 have the same composition in the weighted oxides, so the model cannot tell them "
                         "apart: leave one of them out.");
    EXPECT_TRUE(r.report.empty());
  }
  // A mineral halfway between two others makes the system singular too.
  Fixture f(weights5, pcText);
  const int m1 = f.mineral("CPX1", cpx), m2 = f.mineral("PLAG1", plag);
  const int m3 = f.mineral("MIX1", combine(0.5, cpx, 0.5, plag));
  const int d = f.rock("D1", daughter), p = f.rock("P1", combine(0.8, daughter, 0.2, cpx));
  EXPECT_EQ(runModel(f.matrix, f.oxides, f.partition, {Model::Fractionation, {m1, m2, m3}, {}, d, p}).refusal,
            "MIX1 is a mixture of the other phases in the weighted oxides, so the model cannot separate it: leave it out "
            "or choose other phases.");
}

TEST(Solver, TraceElementsNotAnalysedAreLeftOutOfTheComparison) {
  Fixture f(weights5, pcText);
  const int m1 = f.mineral("CPX1", cpx);
  const int d = f.rock("D1", daughter, {20, 400, 5});
  const int p = f.rock("P1", combine(0.8, daughter, 0.2, cpx), {25, 0, 6});
  f.notAnalysed(p, 2);  // SR: an empty cell of the parent, not a measured 0
  f.notAnalysed(d, 3);  // NI
  const ModelResult fc = runModel(f.matrix, f.oxides, f.partition, {Model::Fractionation, {m1}, {}, d, p});
  EXPECT_THAT(fc.report, ::testing::Contains(" SR   0.05  not analysed in P1"));
  EXPECT_THAT(fc.report, ::testing::Contains(" NI   3.00  not analysed in D1"));
  EXPECT_THAT(fc.report, ::testing::Contains(" LA   0.10   25.0    16.4     8.64   20.0 "));
  const ModelResult mix = runModel(f.matrix, f.oxides, f.partition, {Model::Mixing, {}, {d}, 0, p});
  EXPECT_THAT(mix.report, ::testing::Contains(" SR  not analysed in P1"));
}

// The normal matrix is summed in double precision; single precision prints the same reports.
TEST(Solver, SingleAndDoubleNormalMatrixPrintTheSameReports) {
  const std::vector<std::pair<const char*, std::function<ModelResult(NormalPrecision)>>> cases{
      {"mixture", [](NormalPrecision p) { return mixture(p); }},
      {"weight 0", [](NormalPrecision p) { return mixture(p, "A1\tA2\tA3\tA4\tA5\n1\t1\t0\t1\t1\n", 3); }},
      {"fractionation", fractionation},
      {"daughter above 1", daughterAbove1},
      {"mixed lavas", mixedLavas},
      {"mixed minerals", mixedMinerals},
      {"assimilation", assimilation}};
  for (const auto& [name, run] : cases)
    EXPECT_EQ(run(NormalPrecision::Single).report, run(NormalPrecision::Double).report) << name;
}

}  // namespace
}  // namespace lavix::mixing

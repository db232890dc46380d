// The eight melting and crystallisation models against hand calculations of their equations, and
// the shipped partition coefficients they read. The windows that run them: tests/models/scripts.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <optional>

#include "common/partition/PartitionFile.h"
#include "lavix/models/TraceElementModels.h"
#include "tests/support/TempProgramFolder.h"

namespace lavix::models {
namespace {

// Single precision: six significant figures are what the models promise.
void expectValue(std::optional<float> actual, double expected) {
  ASSERT_TRUE(actual.has_value()) << expected;
  EXPECT_NEAR(*actual, expected, std::abs(expected) * 2e-6) << expected;
}

struct HandCase {
  TraceModel model;
  float d, p, f;
  double expected;
};

// C0 = 10 throughout; continuous melting with rho_s 3.0, rho_l 2.7 and phi 0.05, in situ with f = 0.2.
TEST(TraceElementModels, ForwardEquationsMatchHandCalculations) {
  const HandCase cases[] = {
      // batch: C0 / (D + F(1 - P))
      {TraceModel::batchMelt, 0.1f, 0.2f, 0.05f, 10 / 0.14},  // 71.42857
      {TraceModel::batchMelt, 0.1f, 0.2f, 0.2f, 10 / 0.26},   // 38.46154
      {TraceModel::batchMelt, 0.1f, 0.1f, 0.05f, 68.96552},   // modal: 10 / (0.1 + 0.05 x 0.9)
      // fractional: C0 G^(1/P) / (D(1 - F)), G = 1 - PF/D; F = 0.1: G = 0.8, 10 x 0.8^5 / 0.09
      {TraceModel::fractionalMelt, 0.1f, 0.2f, 0.1f, 36.40889},
      {TraceModel::fractionalMelt, 0.1f, 0.2f, 0.4f, 0.05333333},  // G = 0.2: 10 x 0.2^5 / 0.06
      // aggregated: C0 (1 - G^(1/P)) / F
      {TraceModel::aggregatedFractionalMelt, 0.1f, 0.2f, 0.1f, 67.232},  // 10 x (1 - 0.32768) / 0.1
      {TraceModel::aggregatedFractionalMelt, 0.1f, 0.2f, 0.4f, 24.992},  // 10 x (1 - 0.00032) / 0.4
      // continuous: C0 Y (1 - F)^X, X = 0.9 x 3 x 0.95 / (0.95 x 3 x 0.1 + 3 x 0.05) = 5.896552,
      // Y = (0.95 x 3 + 2.7 x 0.05) / (0.95 x 3 x 0.1 + 2.7 x 0.05) = 7.107143
      {TraceModel::continuousMelt, 0.1f, 0.1f, 0.001f, 70.65338},
      {TraceModel::continuousMelt, 0.1f, 0.1f, 0.01f, 66.98194},
      {TraceModel::continuousMelt, 0.1f, 0.1f, 0.05f, 52.52199},
      // Rayleigh: C0 F^(D - 1)
      {TraceModel::rayleighCrystallisation, 0.1f, 0.1f, 0.9f, 10.99466},
      {TraceModel::rayleighCrystallisation, 0.1f, 0.1f, 0.5f, 18.66066},
      {TraceModel::rayleighCrystallisation, 2.0f, 2.0f, 0.5f, 5.0},
      // equilibrium: C0 / (D + F(1 - D))
      {TraceModel::equilibriumCrystallisation, 0.1f, 0.1f, 0.5f, 10 / 0.55},
      {TraceModel::equilibriumCrystallisation, 0.1f, 0.1f, 0.9f, 10 / 0.91},
      // in situ: C0 F^Z, E = 1 / (0.8 x 0.1 + 0.2) = 3.571429, Z = 0.2 (E - 1) / (0.2 - 1) = -0.6428571
      {TraceModel::inSituCrystallisation, 0.1f, 0.1f, 0.5f, 15.61418},
      {TraceModel::inSituCrystallisation, 0.1f, 0.1f, 0.9f, 10.70078},
  };
  ModelSettings settings;
  settings.insituFraction = 0.2f;
  for (const HandCase& c : cases) {
    SCOPED_TRACE(traceModelName(c.model));
    expectValue(traceModelConcentration(c.model, 10.0f, c.d, c.p, c.f, settings), c.expected);
  }
}

TEST(TraceElementModels, InverseGivesTheSourceBack) {
  ModelSettings inverse;
  inverse.inverse = true;
  inverse.insituFraction = 0.2f;
  expectValue(traceModelConcentration(TraceModel::batchMelt, 10, 0.1f, 0.1f, 0.05f, inverse), 1.45);  // 10 x 0.145
  for (TraceModel model : allTraceModels) {
    if (model == TraceModel::afc) continue;
    SCOPED_TRACE(traceModelName(model));
    ModelSettings forward = inverse;
    forward.inverse = false;
    const auto product = traceModelConcentration(model, 10, 0.1f, 0.2f, 0.1f, forward);
    ASSERT_TRUE(product);
    expectValue(traceModelConcentration(model, *product, 0.1f, 0.2f, 0.1f, inverse), 10.0);
  }
}

TEST(TraceElementModels, EquationsWithoutAValueLeaveTheCellEmpty) {
  const ModelSettings normal;
  // P F > D: G = 1 - 0.2 x 0.6 / 0.1 < 0.
  EXPECT_FALSE(traceModelConcentration(TraceModel::fractionalMelt, 10, 0.1f, 0.2f, 0.6f, normal));
  EXPECT_FALSE(traceModelConcentration(TraceModel::aggregatedFractionalMelt, 10, 0.1f, 0.2f, 0.6f, normal));
  EXPECT_FALSE(traceModelConcentration(TraceModel::fractionalMelt, 10, 0.1f, 0.1f, 1.0f, normal));  // D (1 - F) = 0
  ModelSettings allReturned;
  allReturned.insituFraction = 1.0f;
  EXPECT_FALSE(traceModelConcentration(TraceModel::inSituCrystallisation, 10, 0.1f, 0.1f, 0.5f, allReturned));
  ModelSettings inverse;
  inverse.inverse = true;
  // G = 1 - 0.1 x 1 / 0.1 = 0 inverted divides by 0.
  EXPECT_FALSE(traceModelConcentration(TraceModel::fractionalMelt, 10, 0.1f, 0.1f, 1.0f, inverse));
  // P = 0 takes the limit of G^(1/P), e^(-F/D): 10 e^-1 / (0.1 x 0.9) and 10 (1 - e^-1) / 0.1.
  expectValue(traceModelConcentration(TraceModel::fractionalMelt, 10, 0.1f, 0.0f, 0.1f, normal), 40.87549);
  expectValue(traceModelConcentration(TraceModel::aggregatedFractionalMelt, 10, 0.1f, 0.0f, 0.1f, normal), 63.21206);
}

// DePaolo (1981) with Cm0 = 10, Ca = 30, D = 0.1.
TEST(TraceElementModels, AfcMatchesHandCalculations) {
  // r = 0.5: z = (0.5 + 0.1 - 1) / (0.5 - 1) = 0.8; Cm = F^-z Cm0 + (r / (r - 1)) (Ca / z) (1 - F^-z).
  auto step = afcConcentration(10, 30, 0.1f, 0.9f, 0.5f);
  expectValue(step ? std::optional<float>(step->cm) : std::nullopt, 14.17727);
  expectValue(step ? std::optional<float>(step->h) : std::nullopt, 1.087943);  // 0.9^-0.8
  step = afcConcentration(10, 30, 0.1f, 0.5f, 0.5f);
  expectValue(step ? std::optional<float>(step->cm) : std::nullopt, 45.20230);
  // r = 1: Cm = (Ca / D)(1 - e^-DF) + e^-DF Cm0.
  step = afcConcentration(10, 30, 0.1f, 0.2f, 1.0f);
  expectValue(step ? std::optional<float>(step->cm) : std::nullopt, 15.74238);
  step = afcConcentration(10, 30, 0.1f, 1.0f, 1.0f);
  expectValue(step ? std::optional<float>(step->cm) : std::nullopt, 37.59715);
  // z = 0 (r = 0.9, D = 0.1) and Ca = 0 write nothing.
  EXPECT_FALSE(afcConcentration(10, 30, 0.1f, 0.5f, 0.9f));
  EXPECT_FALSE(afcConcentration(10, 0, 0.1f, 0.5f, 0.5f));
}

TEST(TraceElementModels, AfcIsotopesTakeTheWindowsForm) {
  // Sr: Cm0 = 100, Ca = 400, D = 0.1, r = 0.5, F = 0.5: Cm = 544.6607, H = 0.5^-0.8 = 1.741101;
  // e = e0 + (1 - Cm0/Cm)(ea - e0) H = 0.703 + 0.8164 x 0.007 x 1.741101 = 0.7129500
  // (DePaolo's e0 + (1 - (Cm0/Cm) H)(ea - e0) would give 0.7077623).
  const auto step = afcConcentration(100, 400, 0.1f, 0.5f, 0.5f);
  ASSERT_TRUE(step);
  expectValue(afcIsotopeRatio(step->cm, 400, 100, 0.703f, 0.710f, step->h), 0.7129500);
  EXPECT_FALSE(afcIsotopeRatio(step->cm, 400, 100, 0.0f, 0.710f, step->h));  // no source ratio
}

TEST(TraceElementModels, ResidueByMassBalance) {
  EXPECT_NEAR(residueConcentration(10, 71.42857f, 0.05f), 6.766917, 1e-5);  // (10 - 71.42857 x 0.05) / 0.95
  EXPECT_EQ(residueConcentration(10, 11, 1.0f), 0.0f);
}

TEST(TraceElementModels, NamesRoundTripAndEveryModelNamesItsEquation) {
  for (TraceModel model : allTraceModels) {
    EXPECT_EQ(traceModelNamed(traceModelName(model)), model);
    EXPECT_NE(std::string(traceModelEquation(model)).find("C = "), std::string::npos);
  }
  EXPECT_FALSE(traceModelNamed("ZuZaDu"));
}

// Every shipped partition-coefficient file that fits the model window's ten minerals reads
// without complaint.
TEST(TraceElementModels, ShippedPartitionCoefficientFilesRead) {
  namespace fs = std::filesystem;
  int read = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(LAVIX_PROGRAMFOLDER_DIR) / "PC")) {
    const std::string name = entry.path().filename().string();
    if (!name.ends_with(".PC.txt") || name == "dacite-rhyolite.PC.txt") continue;
    const auto r = partition::readPartitionTable(lavix::testing::readWholeFile(entry.path().string()), {10, 75});
    EXPECT_TRUE(r.ok() && r.blankLines == 0) << name;
    EXPECT_GE(r.table.elementCount(), 25) << name;
    ++read;
  }
  EXPECT_EQ(read, 5);
}

}  // namespace
}  // namespace lavix::models

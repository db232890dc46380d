// lavix's row norm: fixed formula weights, the cation variant, iron adjustment and recasting.
#include <gtest/gtest.h>

#include "common/norm/Cipw.h"

namespace lavix::testing {
namespace {

// Molecular weights of the shipped standard table, line 2.
const norm::StdOxides kWeights = {60.0830f, 79.8650f, 101.9601f, 159.6870f, 71.8440f, 70.9370f,
                                  40.3040f, 56.0770f, 61.9785f,  94.1956f,  141.9425f, 74.6924f,
                                  151.9892f, 18.0150f, 0,        44.0090f,  80.0570f};

// Andesite ATAC-4 (Hidalgo et al. 2008), standard-oxide order; Fe2O3 is total iron.
const norm::StdOxides kAndesite = {57.28f, 0.67f, 16.5f, 8.48f, 0, 0.12f, 5.42f, 7.12f, 3.52f, 0.76f, 0.14f};
// The nephelinite of the other tests with NiO, Cr2O3 and volatiles in the last columns.
const norm::StdOxides kNephelinite = {39.6f, 2.7f, 14.9f, 5.2f, 7.8f, 0.28f, 3.8f, 12.2f, 6.3f,
                                      5.4f,  1.1f, 0.02f, 0.05f, 1.5f, 0.7f, 0.3f, 0};

struct LavixCase {
  const char* name;
  const norm::StdOxides* oxides;
  norm::LavixNormOptions options;
  std::array<double, norm::kLavixNormColumns> expected;
};

// Expected: the independent python calculation of the row norm (not shipped), three decimals.
const LavixCase kCases[] = {
    {"andesite_adjusted_weight_normalised", &kAndesite, {true, false, true},
     {47.525, 9.089, 4.520, 29.974, 27.147, 0, 0, 0, 0, 6.079, 18.427, 0, 0, 0, 3.166, 1.281, 0, 0, 0.326}},
    {"andesite_weight", &kAndesite, {false, false, false},
     {47.525, 12.562, 4.492, 29.787, 26.978, 0, 0, 0, 0, 4.335, 11.491, 0, 0, 0, 0, 0.257, 8.481, 1.313, 0.324}},
    {"andesite_cation", &kAndesite, {false, true, false},
     {46.053, 11.702, 4.516, 31.792, 27.139, 0, 0, 0, 0, 4.482, 12.814, 0, 0, 0, 0, 0.189, 5.945, 1.125, 0.294}},
    {"nephelinite_cation_normalised", &kNephelinite, {false, true, true},
     {0, 0, 0, 0, 0, 25.352, 29.455, 0, 0, 6.265, 0, 0, 10.354, 5.678, 3.271, 3.738, 0, 0, 2.285, 0.054,
      0, 0, 0, 0, 0, 13.548}},
};

class LavixRowNorm : public ::testing::TestWithParam<LavixCase> {};

TEST_P(LavixRowNorm, MatchesTheIndependentCalculation) {
  const LavixCase& c = GetParam();
  const auto v = norm::computeLavixNorm(*c.oxides, kWeights, c.options);
  for (int k = 0; k < norm::kLavixNormColumns; ++k)
    EXPECT_NEAR(v[static_cast<std::size_t>(k)], c.expected[static_cast<std::size_t>(k)], 0.006)
        << norm::kDefaultLavixNormNames[static_cast<std::size_t>(k)];
}

INSTANTIATE_TEST_SUITE_P(Rows, LavixRowNorm, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LavixRowNormEdges, CationColumnsSumToHundredAndEmptyRowsGiveZeros) {
  const auto v = norm::computeLavixNorm(kNephelinite, kWeights, {false, true, false});
  float sum = 0;
  for (int k = 1; k < norm::kLavixNormColumns; ++k) sum += v[static_cast<std::size_t>(k)];
  EXPECT_NEAR(sum, 100, 0.001);

  for (bool cation : {false, true}) {
    const auto empty = norm::computeLavixNorm({}, kWeights, {true, cation, true});
    for (float x : empty) EXPECT_EQ(x, 0);
  }
}

}  // namespace
}  // namespace lavix::testing

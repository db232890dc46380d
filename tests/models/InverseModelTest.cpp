// The REE inverse model's equations against a hand-worked suite of batch melts, its edge cases
// and its regression data file.
#include <gtest/gtest.h>

#include "lavix/models/InverseModel.h"
#include "lavix/models/ModelInputs.h"
#include "lavix/models/Regression.h"

namespace lavix::models {
namespace {

// Melts of one source by batch melting, C_L = C0 / (D + F (1 - P)) (Shaw 1970), in chondrite-
// normalised units. Source: La 2, Yb 3; La with D = P = 0; Yb with D = 0.3 and P = 0.5, the P of
// melt modes 50 % CPX (Kd 0.4) and 25 % GT (Kd 1.2): 0.4 x 0.5 + 1.2 x 0.25 = 0.5.
//   F      La_L = 2/F   Yb_L = 3/(0.3 + 0.5 F)   La/Yb
//   0.02   100          9.677419                 10.333333
//   0.05    40          9.230769                  4.333333
//   0.10    20          8.571429                  2.333333
//   0.20    10          7.5                       1.333333
// La/Yb = (D/C0_Yb) La + C0_La (1 - P)/C0_Yb: slope 0.3/3 = 0.1, intercept 2 x 0.5/3 = 1/3.
// Published inversion (Minster & Allegre 1978; Hofmann & Feigenson 1983):
//   C0_Yb = C0_La (1 - P)/I = 2 x 0.5 x 3 = 3, D = s C0_Yb = 0.3.
// The model's forms take C0_La = 1: Co = (1 - P)/I = 1.5 = 3/2, D = s Co = 0.15 = 0.3/2.
TEST(InverseModel, RecoversTheSourceAndDOfABatchMeltSuiteRelativeToItsLa) {
  std::vector<XYPoint> suite;
  for (double f : {0.02, 0.05, 0.1, 0.2}) suite.push_back({2 / f, (2 / f) / (3 / (0.3 + f * (1 - 0.5)))});
  const RegressionOutcome fitted = fitLine(suite);
  ASSERT_TRUE(fitted.fit);
  EXPECT_NEAR(fitted.fit->slope, 0.1, 1e-9);
  EXPECT_NEAR(fitted.fit->intercept, 1.0 / 3, 1e-9);

  const float p = bulkCoefficient({0.4f, 1.2f}, {50, 25});
  EXPECT_FLOAT_EQ(p, 0.5f);
  RatioRegression yb;
  yb.slope = static_cast<float>(fitted.fit->slope);
  yb.intercept = static_cast<float>(fitted.fit->intercept);
  const InverseEstimate e = invertRegression(yb, p);
  ASSERT_TRUE(e.source && e.d);
  EXPECT_NEAR(*e.source, 1.5f, 1e-5f);
  EXPECT_NEAR(*e.d, 0.15f, 1e-6f);
  const float sourceLa = 2;
  EXPECT_NEAR(*e.source * sourceLa, 3.0f, 1e-5f);  // the published C0_Yb
  EXPECT_NEAR(*e.d * sourceLa, 0.3f, 1e-6f);       // the published D
}

// I = 0.5 +- 0.1, s = 0.02 +- 0.005, P = 0.1: Co = 0.9/0.5 = 1.8, D = 0.02 x 1.8 = 0.036;
// Co bounds 0.9/0.4 = 2.25 and 0.9/0.6 = 1.5; D bounds 0.015 x 1.8 = 0.027 and 0.025 x 1.8 = 0.045.
TEST(InverseModel, EstimatesAndBoundsOfOneLine) {
  RatioRegression line{3, "CE", 0.02f, 0.005f, 0.5f, 0.1f};
  InverseEstimate e = invertRegression(line, 0.1f);
  EXPECT_FLOAT_EQ(e.p, 0.1f);
  EXPECT_FLOAT_EQ(*e.source, 1.8f);
  EXPECT_FLOAT_EQ(*e.d, 0.036f);
  EXPECT_FLOAT_EQ(e.sourceLow, 2.25f);
  EXPECT_FLOAT_EQ(e.sourceHigh, 1.5f);
  EXPECT_FLOAT_EQ(*e.dLow, 0.027f);
  EXPECT_FLOAT_EQ(*e.dHigh, 0.045f);

  // Every melt mode 0: P = 0 and the source is 1/I.
  e = invertRegression(line, bulkCoefficient({0.4f, 6.6f}, {0, 0}));
  EXPECT_FLOAT_EQ(e.p, 0.0f);
  EXPECT_FLOAT_EQ(*e.source, 2.0f);

  // A bound whose denominator is 0 divides by 0.00001; an intercept of 0 gives no source and no D.
  line.interceptError = 0.5f;
  EXPECT_FLOAT_EQ(invertRegression(line, 0.1f).sourceLow, 90000.0f);
  line.intercept = 0;
  e = invertRegression(line, 0.1f);
  EXPECT_FALSE(e.source || e.d || e.dLow || e.dHigh);
  EXPECT_FLOAT_EQ(e.sourceLow, -1.8f);
  EXPECT_FLOAT_EQ(e.sourceHigh, 1.8f);
}

TEST(InverseModel, RegressionDataFile) {
  EXPECT_EQ(ratioElement("La[N]/Ce[N]"), "CE");
  EXPECT_EQ(ratioElement("La/Y"), "Y");
  EXPECT_EQ(ratioElement("SiO2"), "");
  std::string content = "X,Y,Slope,SlopeError,Intercept,InterceptError,r,n,ttest\r\n"
                        "La[N],La[N]/Ce[N],  5.03200E-03,  1.31973E-03, -1.05202E00,  4.78857E-02, .34, 109, 3.8\r\n"
                        "\r\n"
                        "SiO[2],K[2]O,  1.0E-01,  1.0E-02,  2.0E00,  1.0E-01, .9, 8, 5\r\n"
                        "La\tLa/Yb\t0.1\t0.01\tnone\t0.1\r\n"
                        "La,La/Nd\r\n";
  for (int i = 0; i < 31; ++i) content += "La,La/Sm,0.1,0.01,1,0.1,.9,8,5\r\n";
  const RegressionData data = readRegressionData(content);
  ASSERT_EQ(data.lines.size(), 30u);
  EXPECT_EQ(data.lines[0].line, 2);
  EXPECT_EQ(data.lines[0].element, "CE");
  EXPECT_FLOAT_EQ(data.lines[0].slopeError, 1.31973e-3f);
  EXPECT_FLOAT_EQ(data.lines[0].intercept, -1.05202f);
  EXPECT_EQ(data.lines[1].element, "SM");
  EXPECT_EQ(data.leftOut, (std::vector<std::string>{"line 4 (K[2]O)", "line 5 (La/Yb)", "line 6 (La/Nd)"}));
  EXPECT_EQ(data.beyondLimit, 2);
}

}  // namespace
}  // namespace lavix::models

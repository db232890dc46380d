// Formulas over molecular and cation proportions ("MA"), over values recast to 100 and over total iron ("U").
#include <gtest/gtest.h>

#include "lavix/calc/FormulaEvaluator.h"
#include "tests/data/DataSession.h"

namespace lavix::calc {
namespace {

class CationFormulaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    store.allocate(4, 10);
    const char* names[] = {"SiO2", "FeO", "K[2]O", "K"};  // K in ppm
    for (int c = 1; c <= 4; ++c) store.columnName[c] = names[c - 1];
    store.columnCount = 4;
    store.rowCount = 2;
    const char* cells[2][4] = {{"50", "8", "1", "8300"}, {"60", "", "2", "16600"}};
    for (int r = 1; r <= 2; ++r)
      for (int c = 1; c <= 4; ++c) store.setCell(r, c, cells[r - 1][c - 1]);
    store.stdColumn[1] = 1;
    store.stdColumn[5] = 2;
    store.stdColumn[10] = 3;
    store.totalFactor = {1, 2, 0.5};
    const char* oxides[] = {"SiO2", "TiO2", "Al2O3", "Fe2O3", "FeO", "MnO", "MgO", "CaO", "Na2O",
                            "K2O",  "P2O5", "NiO",   "Cr2O3", "H2O", "LOI", "CO2", "SO3"};
    const char* elements[] = {"Si", "Ti", "Al", "Fe", "Fe", "Mn", "Mg", "Ca", "Na",
                              "K",  "P",  "Ni", "Cr", "H",  "LOI", "C", "S"};
    const int16_t cations[] = {1, 1, 2, 2, 1, 1, 1, 1, 2, 2, 2, 1, 2, 2, 0, 1, 1};
    for (int k = 1; k <= data::standardCount; ++k) {
      standard.cations[static_cast<std::size_t>(k)] = cations[k - 1];
      standard.stdName[k] = oxides[k - 1];
      standard.stdElement[k] = elements[k - 1];
      standard.elementFactor[k] = 10;
    }
  }
  std::vector<float> run(FormulaContext context, const std::string& formula) {
    std::vector<float> result(3, -99.0f);
    EXPECT_TRUE(evaluateFormula(context, formula, result)) << formula;
    return {result[1], result[2]};
  }
  data::DataStore store;
  data::StandardTable standard;
  testing::FakePrompts prompts;
};

TEST_F(CationFormulaTest, ElementSymbolsAndOxideNamesStandForTheAmounts) {
  FormulaContext context{store, standard, prompts, true, "MA", {}};
  // Row r holds 10 r + k moles of standard oxide k, whether or not the data set has its column.
  context.molecularAmount = [](int row, int k) { return static_cast<float>(10 * row + k); };
  EXPECT_EQ(run(context, "FE"), (std::vector<float>{43, 73}));      // 2 Fe2O3 + FeO
  EXPECT_EQ(run(context, "FE2O3"), (std::vector<float>{14, 24}));   // no such column
  EXPECT_EQ(run(context, "K"), (std::vector<float>{40, 60}));       // 2 K2O, not the ppm column
  EXPECT_EQ(run(context, "SI/K"), (std::vector<float>{11.0f / 40, 21.0f / 60}));
  EXPECT_TRUE(prompts.messageTexts().empty());
}

TEST_F(CationFormulaTest, TotalIronReadsFromTheTotalIronColumnAndAbsentOxidesQuietly) {
  // Column 2 as FeOT: FEO names it whatever it is called, and FE2O3, absent, reads 0.
  store.columnName[2] = "FeOT";
  store.totalIronColumn = 2;
  store.stdColumn[5] = 2;
  FormulaContext context{store, standard, prompts, true, "U", {}};
  context.absentOxidesZero = true;
  EXPECT_EQ(run(context, "FEO+0.8998*FE2O3"), (std::vector<float>{8, 0}));
  EXPECT_TRUE(prompts.messageTexts().empty());
  context.absentOxidesZero = false;
  run(context, "FE2O3");
  EXPECT_EQ(prompts.messageTexts(), std::vector<std::string>{"Did not match FE2O3"});
}

TEST_F(CationFormulaTest, FlaggedColumnsAreTakenRecastTo100) {
  std::vector<int16_t> normFlag(store.columnName.size(), 0);
  normFlag[1] = 1;
  FormulaContext context{store, standard, prompts, true, "U", {}};
  context.normFlag = &normFlag;
  EXPECT_EQ(run(context, "SIO2+FEO"), (std::vector<float>{108, 30}));  // 50 x 2 + 8, 60 x 0.5
  EXPECT_EQ(run(context, "SI"), (std::vector<float>{1000, 300}));      // by element, times its factor
}

}  // namespace
}  // namespace lavix::calc

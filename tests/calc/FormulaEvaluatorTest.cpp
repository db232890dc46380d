// The formula evaluator over a small hand-made data set: values, precedence, lookups and messages.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "lavix/calc/FormulaEvaluator.h"
#include "tests/data/DataSession.h"

namespace lavix::calc {
namespace {

using testing::FakePrompts;

// Rows: SiO2, Al2O3, Zr, Y, 87Sr/86Sr, TiO2, FeO(t). Al2O3 is blank in row 2.
const char* const rows[3][7] = {
    {"50", "15", "200", "20", "0.7045", "1.5", "8"},
    {"60", "", "100", "25", "0.7100", "0.8", "6"},
    {"45.5", "17", "150", "30", "0.7060", "2", "10"},
};

class FormulaEvaluatorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    store.allocate(10, 20);
    const char* names[] = {"SiO[2]", "Al[2]O[3]", "Zr", "Y", "{87}Sr/{86}Sr", "TiO[2]", "FeO(t)"};
    for (int c = 0; c < 7; ++c) store.columnName[c + 1] = names[c];
    store.columnCount = 7;
    store.rowCount = 3;
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 7; ++c) store.setCell(r + 1, c + 1, rows[r][c]);
    store.stdColumn[1] = 1;  // SiO2
    store.stdColumn[2] = 6;  // TiO2
    store.stdColumn[3] = 2;  // Al2O3
    const char* elements[] = {"Si", "Ti", "Al", "Fe", "Fe", "Mn", "Mg", "Ca", "Na",
                              "K",  "P",  "Ni", "Cr", "H",  "LOI", "C", "S"};
    const float factors[] = {4674.367f, 5993.489f, 5292.569f, 6994.308f, 7773.092f, 7744.620f,
                             6030.419f, 7146.959f, 7418.623f, 8301.513f, 4364.268f, 7858.015f,
                             6842.078f, 1119.067f, 0.0f,      2729.214f, 4004.647f};
    for (int k = 1; k <= data::standardCount; ++k) {
      standard.stdElement[k] = elements[k - 1];
      standard.elementFactor[k] = factors[k - 1];
    }
  }

  // Rows 1..3 of calcResult after the formula; calcResult starts at -99 everywhere.
  std::vector<float> run(const std::string& formula, bool zerosIn = false, bool expectAccepted = true) {
    FormulaContext context{store, standard, prompts, false, "U", {}};
    context.zerosIn = zerosIn;
    context.formulaBasis = basis;
    context.molecularAmount = molecularAmount;
    result.assign(4, -99.0f);
    EXPECT_EQ(evaluateFormula(context, formula, result), expectAccepted) << formula;
    return {result[1], result[2], result[3]};
  }

  data::DataStore store;
  data::StandardTable standard;
  FakePrompts prompts;
  std::string basis = "U";
  std::function<float(int, int)> molecularAmount;
  std::vector<float> result;
};

void expectRows(const std::vector<float>& actual, const std::vector<double>& expected, const std::string& formula) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t r = 0; r < expected.size(); ++r)
    EXPECT_NEAR(actual[r], expected[r], 1e-5 * std::max(1.0, std::fabs(expected[r])))
        << formula << " row " << r + 1;
}

struct Case {
  const char* formula;
  bool zerosIn;
  std::vector<double> expected;
};

TEST_F(FormulaEvaluatorTest, ValuesOfWellFormedFormulas) {
  const double sr[] = {0.7045, 0.7100, 0.7060};
  const std::vector<Case> cases = {
      {"SIO2", false, {50, 60, 45.5}},
      {"  sio2 + al2o3 ", true, {65, 60, 62.5}},
      {"-SIO2", false, {-50, -60, -45.5}},
      {"--SIO2", false, {50, 60, 45.5}},
      {"(SIO2+AL2O3)/2", true, {32.5, 30, 31.25}},
      {"((SIO2+AL2O3)*2)", true, {130, 120, 125}},
      {"LOG(100)", false, {2, 2, 2}},
      {"LOG(-3)", true, {0, 0, 0}},
      {"LOG(AL2O3)", true, {std::log10(15.0), 0, std::log10(17.0)}},
      {"LOG(((SIO2+AL2O3)*2-(ZR/Y))/10)", false,
       {std::log10((130.0 - 10) / 10), 0, std::log10((125.0 - 5) / 10)}},
      {"(LOG(100)+1)*2", false, {6, 6, 6}},
      {"87SR/86SR", false, {87.0 / 86, 87.0 / 86, 87.0 / 86}},
      {"\"87SR/86SR\"", false, {sr[0], sr[1], sr[2]}},
      {"1000*\"87sr/86sr\"*Y", false, {1000 * sr[0] * 20, 1000 * sr[1] * 25, 1000 * sr[2] * 30}},
      {"\"87SR/86SR", false, {sr[0], sr[1], sr[2]}},  // an unclosed quote runs to the end
      {"\"FEO(T)\"*2", false, {16, 12, 20}},
      {"TI", false, {1.5 * 5993.489, 0.8 * 5993.489, 2 * 5993.489}},
      {"ti/si", false, {1.5 * 5993.489 / (50 * 4674.367), 0.8 * 5993.489 / (60 * 4674.367),
                        2 * 5993.489 / (45.5 * 4674.367)}},
      // "^" first and from the right, then "*" and "/" from the left, then "+" and "-".
      {"ZR/Y/2", false, {5, 2, 2.5}},          // (ZR/Y)/2
      {"ZR/Y*100", false, {1000, 400, 500}},   // (ZR/Y)*100
      {"2^3^2", false, {512, 512, 512}},       // 2^(3^2)
      {"Y*2^2/4+1", false, {21, 26, 31}},
      {"3*-2^2", false, {-12, -12, -12}},
      {"2^-2^2", false, {0.0625, 0.0625, 0.0625}},
      {"SIO2-ZR+Y", false, {-130, -15, -74.5}},
      {"2^AL2O3/AL2O3", true, {32768.0 / 15, 0, 131072.0 / 17}},  // row 2: 2^0 / 0 = 0
      {"5/AL2O3", true, {5.0 / 15, 0, 5.0 / 17}},
      {"SIO2+AL2O3", false, {65, 0, 62.5}},  // zeros out: row 2 has a 0 term
      {"SIO2+AL2O3", true, {65, 60, 62.5}},
      {"2X*SIO2", false, {100, 120, 91}},  // a number followed by letters is the number
      {"1E-2*SIO2", false, {0.5, 0.6, 0.455}},
      {"SIO2*-2", false, {-100, -120, -91}},
      {"SIO2--AL2O3", true, {65, 60, 62.5}},
      {"2^-1", false, {0.5, 0.5, 0.5}},
      {"-2^2", false, {-4, -4, -4}},
      {"ZR/-Y*2", false, {-20, -8, -10}},
      // A group or LOG that is legitimately 0 keeps its row; only missing values drop it.
      {"LOG(ZR/ZR)+SIO2", false, {50, 60, 45.5}},
      {"(SIO2-SIO2)+Y", false, {20, 25, 30}},
      {"LOG(AL2O3)+1", false, {std::log10(15.0) + 1, 0, std::log10(17.0) + 1}},
      {"LOG(-3)+1", false, {0, 0, 0}},
      {"LOG(-3)+1", true, {1, 1, 1}},
  };
  for (const Case& c : cases) {
    prompts.messages.clear();
    expectRows(run(c.formula, c.zerosIn), c.expected, c.formula);
    EXPECT_TRUE(prompts.messageTexts().empty()) << c.formula;
  }
}

TEST_F(FormulaEvaluatorTest, BenchmarkFormulaMatchesAHandComputation) {
  const auto values = run("LOG(ZR/Y)+(SIO2+AL2O3)/2*\"87SR/86SR\"", true);
  expectRows(values, {1 + 65 / 2.0 * 0.7045, std::log10(4.0) + 60 / 2.0 * 0.71, std::log10(5.0) + 62.5 / 2.0 * 0.706},
             "benchmark formula");
}

struct MessageCase {
  const char* formula;
  bool zerosIn;
  std::vector<double> expected;
  std::vector<std::string> messages;
};

TEST_F(FormulaEvaluatorTest, FormulasThatAreEvaluatedWithAMessage) {
  const std::vector<MessageCase> cases = {
      {"0", false, {0, 0, 0}, {"Did not match 0"}},
      {"2^0", true, {1, 1, 1}, {"Did not match 0"}},
      {"5/0", true, {0, 0, 0}, {"Did not match 0"}},
      {"2^0", false, {0, 0, 0}, {"Did not match 0"}},
      {"LOG(0)", true, {0, 0, 0}, {"Did not match 0"}},
      {"SIO2*NB", false, {0, 0, 0}, {"Did not match NB"}},
      {"SIO2+NB", true, {50, 60, 45.5}, {"Did not match NB"}},
      {"MG", true, {0, 0, 0}, {"Did not match MG"}},  // no MgO column to read it from
      {"PREN1", true, {0, 0, 0}, {"Did not match PREN1"}},
      {"SIO2-", false, {0, 0, 0}, {"Possible error in formula: empty term 2 of \"SIO2-\" (length 0)"}},
      {"SIO2-", true, {50, 60, 45.5}, {"Possible error in formula: empty term 2 of \"SIO2-\" (length 0)"}},
      {"(SIO2)+\"\"", true, {50, 60, 45.5}, {"Possible error in formula: empty term 2 of \"pren1+\"\"\" (length 0)"}},
      {"SIO2+*2", true, {100, 120, 91},
       {"Possible error in formula: empty term 2 of \"SIO2+*2\" (length 0)", "bad (..) area"}},
      {"*SIO2", true, {50, 60, 45.5}, {"Possible error in formula: empty term 1 of \"*SIO2\" (length 0)", "bad (..) area"}},
      // Functions first, then groups from the right, then the terms of the level.
      {"(A)+LOG(B)+(C)+D", true, {0, 0, 0},
       {"Did not match B", "Did not match C", "Did not match A", "Did not match D"}},
      {"(1-2)^0.5", true, {0, 0, 0}, {}},  // not a real number: stored as 0
      {"10^50", true, {0, 0, 0}, {}},      // beyond single precision: stored as 0
      {"(10^50)+1", true, {1, 1, 1}, {}},
      {"(10^50)+1", false, {0, 0, 0}, {}},  // with zeros out such a row has no value
  };
  for (const MessageCase& c : cases) {
    prompts.messages.clear();
    expectRows(run(c.formula, c.zerosIn), c.expected, c.formula);
    EXPECT_EQ(prompts.messageTexts(), c.messages) << c.formula;
  }
}

std::string repeated(const std::string& item, int count, const std::string& separator) {
  std::string out;
  for (int i = 0; i < count; ++i) out += (i ? separator : "") + item;
  return out;
}

TEST_F(FormulaEvaluatorTest, RefusedFormulasLeaveTheResultsAlone) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"(SIO2+AL2O3", "Parentheses don't match"},
      {"SIO2+AL2O3)", "Parentheses don't match"},
      {")SIO2(", "Parentheses don't match"},
      {"LOG(SIO2", "Parentheses don't match"},
      {"\"(\"+(SIO2", "Parentheses don't match"},
      {repeated("1", 41, "+"), "Formula too long: more than 40 terms at one level"},
      {"-" + repeated("1", 40, "+"), "Formula too long: more than 40 terms at one level"},
      {repeated("(1)", 11, "+"), "Formula too long: more than 10 groups in parentheses at one level"},
      {repeated("LOG(10)", 11, "+"), "Formula too long: more than 10 LOG functions at one level"},
      {std::string(51, '(') + "1" + std::string(51, ')'), "Formula too deeply nested: more than 50 levels of parentheses"},
  };
  for (const auto& [formula, message] : cases) {
    prompts.messages.clear();
    expectRows(run(formula, true, false), {-99, -99, -99}, formula);
    EXPECT_EQ(prompts.messageTexts(), std::vector<std::string>{message}) << formula;
  }
}

TEST_F(FormulaEvaluatorTest, FormulasAtTheWorkingStorageLimitsAreEvaluated) {
  const std::vector<std::pair<std::string, double>> cases = {
      {repeated("1", 40, "+"), 40},
      {"-" + repeated("1", 39, "+"), 37},
      {repeated("(1)", 10, "+"), 10},
      {repeated("LOG(10)", 10, "+"), 10},
      {std::string(50, '(') + "7" + std::string(50, ')'), 7},
      {"LOG(" + repeated("LOG(10)", 10, "+") + ")", 1},
  };
  for (const auto& [formula, value] : cases) {
    prompts.messages.clear();
    expectRows(run(formula), {value, value, value}, formula);
    EXPECT_TRUE(prompts.messageTexts().empty()) << formula;
  }
}

TEST_F(FormulaEvaluatorTest, MolecularAmountBasisReadsStandardOxidesOnly) {
  basis = "MA";
  molecularAmount = [](int row, int standardIndex) { return static_cast<float>(row * 100 + standardIndex); };
  expectRows(run("SIO2+AL2O3"), {204, 404, 604}, "MA");
  expectRows(run("ZR"), {0, 0, 0}, "MA non-oxide");
  expectRows(run("ZR+SIO2", true), {101, 201, 301}, "MA non-oxide, zeros in");
  // An element symbol stands for its cation proportion (2 Al per Al2O3), not its ppm.
  standard.cations[3] = 2;
  expectRows(run("AL"), {206, 406, 606}, "MA element");
  EXPECT_TRUE(prompts.messageTexts().empty());
}

TEST_F(FormulaEvaluatorTest, OnlyRowsOneToRowCountAreWritten) {
  FormulaContext context{store, standard, prompts, false, "U", {}};
  std::vector<float> small(2, 5.0f);  // too small for three rows: grown, not overrun
  ASSERT_TRUE(evaluateFormula(context, "SIO2", small));
  ASSERT_EQ(small.size(), 4u);
  EXPECT_EQ(small[0], 5.0f);
  EXPECT_EQ(small[3], 45.5f);

  store.rowCount = 0;
  std::vector<float> none(1, 3.0f);
  EXPECT_TRUE(evaluateFormula(context, "SIO2", none));
  EXPECT_EQ(none, std::vector<float>{3.0f});
}

TEST_F(FormulaEvaluatorTest, ControlBytesAndLongInputsNeitherCrashNorHang) {
  expectRows(run(std::string("SIO2\0+\t1", 8)), {51, 61, 46.5}, "NUL");
  run(std::string(100000, '-') + "SIO2");
  run(std::string(100000, '"'));
  run(repeated("LOG(", 50, "") + "1" + std::string(50, ')'));
  run(std::string(20000, '(') + std::string(20000, ')'), false, false);
  EXPECT_EQ(prompts.messageTexts().back(), "Formula too deeply nested: more than 50 levels of parentheses");
}

}  // namespace
}  // namespace lavix::calc

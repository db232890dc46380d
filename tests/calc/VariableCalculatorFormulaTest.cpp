// The formula box of `varform`: evaluated with basis "U" and stored by the target.
#include <gtest/gtest.h>

#include "tests/calc/VariableCalculatorFixture.h"

namespace lavix::calc {
namespace {

using testing::CalculatorSession;

TEST(VariableCalculatorFormula, EnterStoresTheResultOnTheAxisWithTheFormulaAsTitle) {
  CalculatorSession s;
  s.plot.xLog = 1;
  s.plot.xColumn = 3;
  VariableCalculator calculator(s.context, "X-Axis Variable");
  EXPECT_EQ(calculator.type("Formula", 0, "SiO2*2"), ui::EventResult::Done);
  EXPECT_EQ(calculator.fields().back(), (std::pair<std::string, std::string>{"Formula", "SiO2*2"}));
  EXPECT_EQ(calculator.enter("Formula", 0), ui::EventResult::Done);
  EXPECT_FALSE(calculator.isOpen());
  EXPECT_EQ(calculator.result(), "");
  EXPECT_EQ(calculator.label(), "SiO2*2");
  EXPECT_EQ(s.plot.xTitle, "SiO2*2");
  EXPECT_FLOAT_EQ(s.plot.xValue[1], 100.0f);
  EXPECT_FLOAT_EQ(s.plot.xValue[2], 120.0f);
  EXPECT_FLOAT_EQ(s.plot.xValue[3], 0.0f);
  EXPECT_EQ(s.plot.xLog, 1) << "the formula box sets only the title";
  EXPECT_EQ(s.plot.xColumn, 0) << "a formula is no plain column";
  EXPECT_EQ(s.plot.plotRowCount, 3);
}

TEST(VariableCalculatorFormula, NewVariableAppendsAColumnNamedByTheFormula) {
  CalculatorSession s;
  VariableCalculator calculator(s.context, "New Variable");
  calculator.setFormula("SIO2*2");
  calculator.enterFormula();
  EXPECT_FALSE(calculator.isOpen());
  EXPECT_EQ(s.store.columnCount, 5);
  EXPECT_EQ(s.store.columnName[5], "SIO2*2");
  EXPECT_EQ(s.columnCells(5), (std::vector<std::string>{"100", "120", "0"}));
  EXPECT_EQ(s.plot.plotRowCount, 0) << "no axis changes";
}

TEST(VariableCalculatorFormula, NewVariableWithoutRoomSaysSoAndStoresNothing) {
  CalculatorSession s;
  s.store.columnCount = static_cast<int16_t>(s.store.matrixColumns() - 1);
  const int16_t before = s.store.columnCount;
  VariableCalculator calculator(s.context, "New Variable");
  calculator.setFormula("SIO2*2");
  calculator.enterFormula();
  EXPECT_TRUE(calculator.isOpen());
  EXPECT_EQ(s.store.columnCount, before);
  EXPECT_TRUE(s.said(varformText::noRoomForColumn));
}

TEST(VariableCalculatorFormula, RefusedFormulaKeepsTheWindowOpenAndStoresNothing) {
  CalculatorSession s;
  s.plot.yTitle = "before";
  s.calcResult.assign(s.calcResult.size(), 7.0f);  // left by an earlier formula
  VariableCalculator calculator(s.context, "Y-Axis Variable");
  calculator.setFormula("(ZR/2");
  calculator.enterFormula();
  EXPECT_TRUE(s.said("Parentheses don't match"));
  EXPECT_TRUE(calculator.isOpen());
  EXPECT_EQ(s.plot.yTitle, "before");
  EXPECT_FLOAT_EQ(s.plot.yValue[1], 0.0f);
  // An empty box does nothing either.
  calculator.setFormula("  ");
  calculator.enterFormula();
  EXPECT_TRUE(calculator.isOpen());
}

}  // namespace
}  // namespace lavix::calc

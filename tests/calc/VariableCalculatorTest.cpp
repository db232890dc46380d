// The variable calculator `varform`: button panel, transforms, targets, Cancel and scripted runs.
#include <gtest/gtest.h>

#include <cmath>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"
#include "tests/calc/VariableCalculatorFixture.h"

namespace lavix::calc {
namespace {

using testing::CalculatorSession;
using testing::clickAll;
using Strings = std::vector<std::string>;

TEST(VariableCalculator, PanelHoldsColumnsWorkingVariablesAndOperations) {
  CalculatorSession s;
  VariableCalculator calculator(s.context, "New Variable");
  EXPECT_EQ(calculator.captions(), (Strings{"SiO2", "TiO2", "Zr", "Rb", "0", "0", "0", "0", "0", "const.", "A+B",
                                            "A-B", "A*B", "A/B", "ppm", "S-norm", "Log", "square", "sqr. root"}));
  const auto fields = calculator.fields();
  ASSERT_EQ(fields.size(), 21u);
  EXPECT_EQ(fields[0], (std::pair<std::string, std::string>{"varbut(1)", "SiO2"}));
  EXPECT_EQ(fields[19], (std::pair<std::string, std::string>{"inputlab", "Select action or variable"}));
  EXPECT_EQ(fields[20], (std::pair<std::string, std::string>{"Formula", ""}));
  EXPECT_EQ(calculator.target(), 'N');
}

TEST(VariableCalculator, TwoOperandOperationWalksThePromptsIntoTheNextWorkingVariable) {
  CalculatorSession s;
  VariableCalculator calculator(s.context, "New Variable");
  clickAll(calculator, {"A+B"});
  EXPECT_EQ(calculator.state(), VariableCalculator::State::ChooseA);
  EXPECT_EQ(calculator.prompt(), "Select Variable for A");
  clickAll(calculator, {"SiO2"});
  EXPECT_EQ(calculator.prompt(), "A is SiO2.  Select Variable for B");
  clickAll(calculator, {"TiO2"});
  EXPECT_EQ(calculator.state(), VariableCalculator::State::Idle);
  // A working variable is a step on the way: the prompt says how it becomes a column.
  EXPECT_EQ(calculator.prompt(), "Click (SiO2+TiO2) to add it to the data as a new column");
  EXPECT_TRUE(calculator.isOpen());
  EXPECT_EQ(calculator.captions()[4], "(SiO2+TiO2)");
  // Working variable 1 lives in the first spare column; columnCount does not count it.
  EXPECT_EQ(s.columnCells(5), (Strings{"51.5", "60.5", "2"}));
  EXPECT_EQ(s.store.columnCount, 4);

  // Each operation writes its symbol; a division by 0 leaves the cell empty, not "inf".
  struct Case {
    const char* op;
    const char* name;
    Strings cells;
  };
  const Case cases[] = {{"A-B", "(Zr-Rb)", {"96", "200", "1"}},
                        {"A*B", "(Zr*Rb)", {"400", "0", "0"}},  // never "-0"
                        {"A/B", "(Zr/Rb)", {"25", "", "0"}}};
  int working = 2;
  for (const auto& c : cases) {
    clickAll(calculator, {c.op, "Zr", "Rb"});
    EXPECT_EQ(calculator.captions()[static_cast<std::size_t>(3 + working)], c.name);
    EXPECT_EQ(s.columnCells(4 + working), c.cells) << c.op;
    ++working;
  }
  clickAll(calculator, {"A/B", "#5", "Zr"});  // working variable by position: (SiO2+TiO2)/Zr
  EXPECT_EQ(calculator.captions()[8], "((SiO2+TiO2)/Zr)");
  EXPECT_EQ(s.cell(1, 9), "0.515");
}

TEST(VariableCalculator, SixthResultReusesTheFirstWorkingVariable) {
  CalculatorSession s;
  VariableCalculator calculator(s.context, "New Variable");
  s.prompts.queueAnswers({"1", "2", "3", "4", "5.25"});
  for (int i = 0; i < 5; ++i) clickAll(calculator, {"const."});
  const auto captions = calculator.captions();
  EXPECT_EQ(Strings(captions.begin() + 4, captions.begin() + 9),
            (Strings{"1", "2", "3", "4", "5.25"}));
  EXPECT_EQ(s.columnCells(9), (Strings{"5.25", "5.25", "5.25"}));
  EXPECT_NE(std::find(s.transcript.lines().begin(), s.transcript.lines().end(), "input: Enter a constant"),
            s.transcript.lines().end());

  clickAll(calculator, {"A*B", "Zr", "#9"});  // the sixth result
  EXPECT_EQ(calculator.captions()[4], "(Zr*5.25)");
  EXPECT_EQ(s.columnCells(5), (Strings{"525", "1050", "0"}));
  s.prompts.queueAnswers({"7"});
  clickAll(calculator, {"const."});  // the seventh goes on to the second
  EXPECT_EQ(calculator.captions()[5], "7");

  // A cancelled constant changes nothing and leaves the counter where it was.
  s.prompts.queueAnswers({"[cancel]"});
  clickAll(calculator, {"const."});
  EXPECT_EQ(calculator.captions()[6], "3");
  EXPECT_EQ(calculator.prompt(), "Select action or variable");
}

TEST(VariableCalculator, TransformsRewriteTheColumnInPlaceAndRenameIt) {
  struct Case {
    const char* transform;
    const char* column;
    const char* newName;
    Strings cells;
  };
  const double root60 = std::sqrt(60.0);
  const Case cases[] = {
      {"square", "SiO2", "(SiO2){2}", {"2500", "3600", "0"}},
      {"ppm", "TiO2", "Ti", {"8992.5", "2997.5", "11990"}},
      {"Log", "Zr", "Log Zr", {"2", format::shortestText(std::log10(200.0)), "15"}},
      {"sqr. root", "SiO2", "(SiO2){.5}", {format::shortestText(std::sqrt(50.0)), format::shortestText(root60), "0"}},
      {"sqr. root", "Rb", "(Rb){.5}", {"2", "0", "0"}},  // a negative value counts as 0
  };
  for (const auto& c : cases) {
    CalculatorSession s;
    VariableCalculator calculator(s.context, "X-Axis Variable");
    clickAll(calculator, {c.transform});
    EXPECT_EQ(calculator.prompt(), "Select Variable to Transform");
    int target = 0;
    for (int i = 1; i <= 4; ++i)
      if (s.store.columnName[static_cast<std::size_t>(i)] == c.column) target = i;
    clickAll(calculator, {c.column});
    EXPECT_EQ(s.store.columnName[static_cast<std::size_t>(target)], c.newName) << c.transform;
    EXPECT_EQ(calculator.captions()[static_cast<std::size_t>(target - 1)], c.newName);
    EXPECT_EQ(s.columnCells(target), c.cells) << c.transform << " " << c.column;
    EXPECT_EQ(calculator.prompt(), "Select action or variable");
    EXPECT_TRUE(calculator.isOpen());
    EXPECT_EQ(s.plot.plotRowCount, 0) << "a transform chooses nothing";
  }
  // Log and sqr. root write double precision: more digits than a float has.
  EXPECT_GT(format::shortestText(root60).size(), format::shortestText(static_cast<float>(root60)).size());
}

TEST(VariableCalculator, TransformedOxideIsNoLongerTakenForTheOxide) {
  CalculatorSession s;
  VariableCalculator calculator(s.context, "New Variable");
  clickAll(calculator, {"ppm", "TiO2"});
  EXPECT_EQ(s.store.stdColumn[2], 0);
  EXPECT_EQ(s.store.stdIndexOfColumn[2], 0);
  // So a second ppm would multiply ppm again: it is refused.
  clickAll(calculator, {"ppm", "Ti"});
  EXPECT_TRUE(s.said("Can only transform oxides"));
  EXPECT_EQ(s.cell(1, 2), "8992.5");
}

TEST(VariableCalculator, RefusedTransformsChangeNothingAndSaySo) {
  struct Case {
    const char* transform;
    const char* column;
    const char* message;
  };
  const Case cases[] = {
      {"ppm", "Zr", "Can only transform oxides"},
      {"ppm", "#5", "Can only transform oxides"},          // a working variable
      {"S-norm", "Rb", "didn't find normalizing value"},   // normValue 1: not in the file
      {"S-norm", "SiO2", "didn't find normalizing value"},  // a standard oxide column
      {"S-norm", "TiO2", "didn't find normalizing value"},
  };
  for (const auto& c : cases) {
    CalculatorSession s;
    s.store.normValue[1] = 5;  // even with a value, a standard column is refused
    s.store.normValue[4] = 1;
    s.store.normValue[2] = 0;
    VariableCalculator calculator(s.context, "New Variable");
    const auto before = calculator.captions();
    const auto cells = s.columnCells(3);
    clickAll(calculator, {c.transform, c.column});
    EXPECT_TRUE(s.said(c.message)) << c.transform << " " << c.column;
    EXPECT_EQ(calculator.captions(), before);
    EXPECT_EQ(s.columnCells(3), cells);
    EXPECT_EQ(calculator.state(), VariableCalculator::State::Idle);
    EXPECT_EQ(calculator.prompt(), "Select action or variable");
  }
}

TEST(VariableCalculator, QuotientThenLogBecomesANewColumnForNewVariable) {
  CalculatorSession s;
  data::NormalisationTable table;
  table.element = {"Zr"};
  table.value = {5.0f};
  s.context.normalisation = &table;
  VariableCalculator calculator(s.context, "New Variable");
  clickAll(calculator, {"A/B", "Zr", "TiO2"});
  EXPECT_EQ(s.columnCells(5), (Strings{"66.66666", "400", "0"}));
  clickAll(calculator, {"Log", "#5"});
  EXPECT_EQ(calculator.captions()[4], "Log (Zr/TiO2)");
  const Strings logs = s.columnCells(5);
  EXPECT_EQ(logs, (Strings{format::shortestText(std::log10(static_cast<double>(text::parseNumber("66.66666")))),
                           format::shortestText(std::log10(400.0)), "15"}));
  clickAll(calculator, {"Log (Zr/TiO2)"});

  EXPECT_FALSE(calculator.isOpen());
  EXPECT_EQ(calculator.result(), "");
  EXPECT_EQ(calculator.label(), "Log (Zr/TiO2)");
  EXPECT_EQ(s.store.columnCount, 5);
  EXPECT_EQ(s.store.fileColumnCount, 5);
  EXPECT_EQ(s.store.columnName[5], "Log (Zr/TiO2)");
  // The new column holds the text of each (single-precision) value.
  EXPECT_EQ(s.columnCells(5), (Strings{format::shortestText(text::parseNumber(logs[0])), "2.60206", "15"}));
  EXPECT_FLOAT_EQ(s.store.normValue[5], 1.0f);
  EXPECT_EQ(s.plot.plotRowCount, 0);
  EXPECT_EQ(s.exchange.answer, "");

  // A plain column copied as a new variable takes its normalising value by name.
  VariableCalculator again(s.context, "New Variable");
  clickAll(again, {"Zr"});
  EXPECT_EQ(s.store.columnCount, 6);
  EXPECT_EQ(s.columnCells(6), (Strings{"100", "200", "0"}));
  EXPECT_FLOAT_EQ(s.store.normValue[6], 5.0f);
}

TEST(VariableCalculator, AxisTargetsTakeValuesTitleAndLogFlag) {
  struct Case {
    const char* selectorTitle;
    std::vector<float> diagram::PlotValues::*values;
    std::string diagram::PlotValues::*title;
    int16_t diagram::PlotValues::*log;  // null: the target has no log flag
    int16_t diagram::PlotValues::*column;
  };
  using P = diagram::PlotValues;
  const Case cases[] = {
      {"X-Axis Variable", &P::xValue, &P::xTitle, &P::xLog, &P::xColumn},
      {"Histogram Variable", &P::xValue, &P::xTitle, &P::xLog, &P::xColumn},
      {"Y-Axis Variable", &P::yValue, &P::yTitle, &P::yLog, &P::yColumn},
      {"Z (third apex)", &P::zValue, &P::zTitle, &P::zLog, nullptr},
      {"P Variable", &P::pValue, &P::pTitle, nullptr, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.selectorTitle);
    {  // a "Log " variable: flag set, prefix gone from the title
      CalculatorSession s;
      VariableCalculator calculator(s.context, c.selectorTitle);
      clickAll(calculator, {"Log", "Zr", "Log Zr"});
      EXPECT_FALSE(calculator.isOpen());
      EXPECT_EQ(s.plot.*c.title, c.log ? "Zr" : "Log Zr");
      if (c.log) {
        EXPECT_EQ(s.plot.*c.log, 1);
      }
      if (c.column) {
        EXPECT_EQ(s.plot.*c.column, 3);
      }
      EXPECT_FLOAT_EQ((s.plot.*c.values)[1], 2.0f);
      EXPECT_FLOAT_EQ((s.plot.*c.values)[3], 15.0f);
      EXPECT_EQ(s.plot.plotRowCount, 3);
      EXPECT_EQ(s.store.columnCount, 4);
    }
    {  // a plain variable clears the flag
      CalculatorSession s;
      s.plot.xLog = s.plot.yLog = s.plot.zLog = 1;
      s.plot.xColumn = s.plot.yColumn = 7;
      VariableCalculator calculator(s.context, c.selectorTitle);
      s.prompts.queueAnswers({"2.5"});
      clickAll(calculator, {"const.", "2.5"});  // a working variable is no plain column
      EXPECT_EQ(s.plot.*c.title, "2.5");
      if (c.log) {
        EXPECT_EQ(s.plot.*c.log, 0);
      }
      if (c.column) {
        EXPECT_EQ(s.plot.*c.column, 0);
      }
      EXPECT_FLOAT_EQ((s.plot.*c.values)[2], 2.5f);
    }
  }
}

TEST(VariableCalculator, FullMatrixRefusesNewColumnAndWorkingVariables) {
  CalculatorSession s(2);  // matrix columns 1..14
  std::vector<std::string> names;
  for (int c = 1; c <= 14; ++c) names.push_back("C" + std::to_string(c));
  s.setColumns(names);
  VariableCalculator calculator(s.context, "New Variable");
  clickAll(calculator, {"C1"});
  EXPECT_TRUE(s.said("The data matrix has no room for another column. Reset the data matrix with more columns to add "
                     "one."));
  EXPECT_TRUE(calculator.isOpen());
  EXPECT_EQ(s.store.columnCount, 14);
  clickAll(calculator, {"A+B"});
  EXPECT_EQ(calculator.state(), VariableCalculator::State::Idle);
  EXPECT_TRUE(s.said("The data matrix has no room for the calculator's working variables. Reset the data matrix with "
                     "more columns to use them."));
  // The transforms work in place and need no room.
  clickAll(calculator, {"square", "C1"});
  EXPECT_EQ(s.store.columnName[1], "(C1){2}");
}

TEST(SelectVariable, CancelAndAnUnknownItemEndAsCancelled) {
  {
    CalculatorSession s;
    s.prompts.queueAnswers({"click cancel"});
    const auto outcome = selectVariable(s.context, "X-Axis Variable");
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_EQ(s.exchange.answer, "CANCEL");
  }
  {
    CalculatorSession s;
    s.prompts.queueAnswers({"click varbut Nb"});
    const auto outcome = selectVariable(s.context, "X-Axis Variable");
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_EQ(s.prompts.failure().exitCode, 2);
    EXPECT_EQ(s.plot.plotRowCount, 0);
  }
}

}  // namespace
}  // namespace lavix::calc

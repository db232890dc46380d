// The calculator view `varform` driven offscreen: a wide panel scrolls, clicks reach the model.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "lavix/qt/VarformView.h"
#include "tests/calc/VariableCalculatorFixture.h"
#include "tests/gui/QtTestApp.h"

namespace lavix::qt {
namespace {

using testing::CalculatorSession;

TEST(VarformView, WidePanelScrollsAndAClickReachesTheModel) {
  testing::qtApp();
  CalculatorSession s(160);
  std::vector<std::string> names;
  for (int c = 1; c <= 150; ++c) names.push_back(c == 150 ? "Fe[2]O[3]" : "V" + std::to_string(c));
  s.setColumns(names);
  calc::VariableCalculator model(s.context, "X-Axis Variable");
  VarformView view(model);
  view.resize(700, 500);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));

  EXPECT_EQ(view.findChildren<QPushButton*>(QRegularExpression("^varbut\\(\\d+\\)$")).size(), 165);
  EXPECT_GT(view.variablePanel()->verticalScrollBar()->maximum(), 0);
  EXPECT_EQ(view.buttonLabel(150)->text(), QString("Fe<sub>2</sub>O<sub>3</sub>"));
  EXPECT_EQ(view.promptLine()->text(), QString("Select action or variable"));

  // An operation changes the prompt line; the last column, scrolled into view, becomes A.
  QTest::mouseClick(view.button(157), Qt::LeftButton);  // "A+B"
  EXPECT_EQ(view.promptLine()->text(), QString("Select Variable for A"));
  view.variablePanel()->ensureWidgetVisible(view.button(150));
  QTest::mouseClick(view.button(150), Qt::LeftButton);
  EXPECT_EQ(view.promptLine()->text(), QString("A is Fe[2]O[3].  Select Variable for B"));
  QTest::mouseClick(view.button(1), Qt::LeftButton);
  EXPECT_EQ(view.buttonLabel(151)->text(), QString("(Fe<sub>2</sub>O<sub>3</sub>+V1)"));

  // A variable chosen in idle goes to the target and closes the view.
  QTest::mouseClick(view.button(2), Qt::LeftButton);
  EXPECT_FALSE(model.isOpen());
  EXPECT_EQ(s.plot.xTitle, "V2");
  EXPECT_EQ(s.plot.xColumn, 2);
  EXPECT_FALSE(view.isVisible());
  EXPECT_EQ(view.result(), QDialog::Accepted);
}

TEST(VarformView, EscapeCancelsAndTheFormulaBoxEvaluatesOnEnter) {
  testing::qtApp();
  {
    CalculatorSession s;
    calc::VariableCalculator model(s.context, "Y-Axis Variable");
    VarformView view(model);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_FALSE(model.isOpen());
    EXPECT_EQ(model.result(), "CANCEL");
    EXPECT_EQ(view.result(), QDialog::Rejected);
  }
  {
    CalculatorSession s;
    calc::VariableCalculator model(s.context, "Y-Axis Variable");
    VarformView view(model);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.formulaBox()->setFocus();
    QTest::keyClicks(view.formulaBox(), "ZR/2");
    EXPECT_EQ(model.formula(), "ZR/2");
    QTest::keyClick(view.formulaBox(), Qt::Key_Return);
    EXPECT_FALSE(model.isOpen());
    EXPECT_EQ(s.plot.yTitle, "ZR/2");
    EXPECT_FLOAT_EQ(s.plot.yValue[1], 50.0f);
    EXPECT_FALSE(view.isVisible());
  }
}

}  // namespace
}  // namespace lavix::qt

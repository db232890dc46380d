// Start-up defaults of the diagram settings and SwitchXY's exchange of X and Y.
#include <gtest/gtest.h>

#include "lavix/diagram/DiagramSettings.h"

namespace lavix::diagram {
namespace {

DiagramSettings distinctSettings() {
  DiagramSettings s;
  s.diagramKind = "XY";
  s.plot.allocate(5);
  s.plot.plotRowCount = 4;
  for (int row = 0; row < static_cast<int>(s.plot.xValue.size()); ++row) {
    s.plot.xValue[static_cast<std::size_t>(row)] = static_cast<float>(row) + 0.25f;
    s.plot.yValue[static_cast<std::size_t>(row)] = -static_cast<float>(row) * 3.5f;
  }
  s.plot.xLog = 1;
  s.plot.yLog = 0;
  s.plot.xColumn = 3;
  s.plot.yColumn = 7;
  s.plot.xTitle = "SiO[2]";
  s.plot.yTitle = "K[2]O";
  s.x = {-1, 3, 4, 1, 2, -1, 3, 1, "0"};
  s.y = {40, 80, 40, 10, 0, 40, 80, 20, "#0"};
  return s;
}

TEST(DiagramSettings, SwitchXYExchangesEveryAxisSettingAndTheRowsItPlots) {
  const DiagramSettings before = distinctSettings();
  DiagramSettings s = before;
  s.swapXY();
  EXPECT_EQ(s.x, before.y);
  EXPECT_EQ(s.y, before.x);
  EXPECT_EQ(s.plot.xLog, 0);
  EXPECT_EQ(s.plot.yLog, 1);
  EXPECT_EQ(s.plot.xColumn, 7);
  EXPECT_EQ(s.plot.yColumn, 3);
  EXPECT_EQ(s.plot.xTitle, "K[2]O");
  EXPECT_EQ(s.plot.yTitle, "SiO[2]");
  for (std::size_t row = 1; row <= 4; ++row) {
    EXPECT_EQ(s.plot.xValue[row], before.plot.yValue[row]) << row;
    EXPECT_EQ(s.plot.yValue[row], before.plot.xValue[row]) << row;
  }
  // Entry 0 and entries past plotRowCount stay where they were.
  EXPECT_EQ(s.plot.xValue[0], before.plot.xValue[0]);
  EXPECT_EQ(s.plot.xValue[5], before.plot.xValue[5]);
  EXPECT_EQ(s.plot.yValue[5], before.plot.yValue[5]);
}

TEST(DiagramSettings, SwitchXYWithPlotRowCountBeyondTheArraysStaysInside) {
  DiagramSettings s;
  s.plot.xValue = {0, 1, 2};
  s.plot.yValue = {0, 5, 6};
  s.plot.plotRowCount = 100;
  s.swapXY();
  EXPECT_EQ(s.plot.xValue, (std::vector<float>{0, 5, 6}));
  EXPECT_EQ(s.plot.yValue, (std::vector<float>{0, 1, 2}));
}

}  // namespace
}  // namespace lavix::diagram

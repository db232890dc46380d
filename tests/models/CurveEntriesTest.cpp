// Curves in the spare plotted entries: range and log filtering, room. The symbols of starts and
// ticks: the curves of tests/cli/scripts/xy_models.lvb.
#include <cmath>

#include <gtest/gtest.h>

#include "lavix/models/CurveEntries.h"

namespace lavix::models {
namespace {

constexpr int16_t tick = 36;  // the symbol table's last symbol

diagram::DiagramSettings frame(int16_t xLog = 0) {
  diagram::DiagramSettings s;
  s.plot.xLog = xLog;
  s.x.start = 0, s.x.end = 10;
  s.y.start = 0, s.y.end = 10;
  return s;
}

std::vector<int16_t> symbols(const std::vector<CurveEntry>& entries) {
  std::vector<int16_t> out;
  for (const CurveEntry& e : entries) out.push_back(e.symbol);
  return out;
}

TEST(CurveEntries, PointsOutsideOrUnshowableStartTheLineAfresh) {
  const std::vector<CurvePoint> points = {{1, 1}, {20, 2}, {3, 3}, {4, -1}, {5, 5, Marker::plain, true}, {0, 6}};
  EXPECT_EQ(symbols(curveEntries(points, frame(), tick)), (std::vector<int16_t>{30, -30, 30, -30, 30, -30, -30}));
  // On a log axis a value of 0 cannot be shown; the others become logarithms.
  diagram::DiagramSettings log = frame(1);
  log.x.start = -1, log.x.end = 3;
  const std::vector<CurveEntry> entries = curveEntries({{100, 1}, {0, 2}, {NAN, 3}}, log, tick);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_FLOAT_EQ(entries[1].x, 2);
}

TEST(CurveEntries, AppendedAfterTheRowsUntilThereIsNoRoom) {
  diagram::PlotValues plot;
  plot.allocate(10);
  std::vector<int16_t> symbolOf(plot.xValue.size(), 1);
  plot.plotRowCount = 4;  // a variable chosen before more rows were read
  const std::vector<CurveEntry> curve(static_cast<std::size_t>(maxCurveEntries(maxCurvePoints)), CurveEntry{1, 2, -30});
  ASSERT_TRUE(appendCurveEntries(plot, symbolOf, 10, curve));
  EXPECT_EQ(symbolOf[10], 1);  // data rows keep their symbols
  EXPECT_EQ(symbolOf[11], -30);
  EXPECT_EQ(plot.plotRowCount, 10 + maxCurveEntries(maxCurvePoints));
  // The longest curve fits once beyond the rows; what remains refuses a second one unchanged.
  const int before = plot.plotRowCount;
  EXPECT_FALSE(appendCurveEntries(plot, symbolOf, 10, curve));
  EXPECT_EQ(plot.plotRowCount, before);
  EXPECT_EQ(curveRoom(plot, symbolOf, 10), static_cast<int>(plot.xValue.size()) - 1 - before);
}

}  // namespace
}  // namespace lavix::models

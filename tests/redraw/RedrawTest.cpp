// The redraw's rules: font size, row filter, histogram bins, ternary geometry and the status
// line. The button row of each kind: tests/cli/scripts/buttons.lvb.
#include <algorithm>
#include <cmath>

#include "lavix/app/Redraw.h"
#include "lavix/diagram/Histogram.h"
#include "lavix/diagram/Redraw.h"
#include "lavix/diagram/RowFilter.h"
#include "lavix/diagram/Ternary.h"
#include "tests/support/LavixSessions.h"

namespace lavix::testing {
namespace {

using diagram::DiagramSettings;

TEST(LabelFont, GrowsWithTheFrameButNeverShrinksBelowHalfWayTo3500) {
  // 2000 units high uses the size of a 2750-unit frame: 2750/3500 × 10 pt = 7.86, 8 pt = 111 units.
  EXPECT_EQ(diagram::labelFontHeight(2000, 10), -111);
  EXPECT_EQ(diagram::labelFontHeight(3500, 10), -139);   // 10 pt
  EXPECT_EQ(diagram::labelFontHeight(-6100, 10), -236);  // 17.43 → 17 pt, the sign of the frame aside
}

TEST(HistogramBin, HalvesGoToTheEvenNeighbour) {
  // 10 bins over 0..10: bin b holds the values between b − 1 and b.
  EXPECT_EQ(diagram::histogramBin(0.4f, 0, 10, 10), 1);
  EXPECT_EQ(diagram::histogramBin(3.7f, 0, 10, 10), 4);
  EXPECT_EQ(diagram::histogramBin(1.0f, 0, 10, 10), 2);  // t = 1.5 → 2
  EXPECT_EQ(diagram::histogramBin(2.0f, 0, 10, 10), 2);  // t = 2.5 → 2
  EXPECT_EQ(diagram::histogramBin(3.0f, 0, 10, 10), 4);  // t = 3.5 → 4
}

TEST(TernaryGeometry, FullTriangleSitsOnTheFrame) {
  DiagramSettings s;
  s.frameLeft = 1000;
  s.frameBottom = 1000;
  s.frameHeight = 3000;
  const diagram::TernaryGeometry g = diagram::ternaryGeometry(s);
  EXPECT_EQ(g.height, 3000);
  EXPECT_EQ(g.width, 3464);  // 3000 / 0.86603
  EXPECT_EQ(g.outline.size(), 3u);
  EXPECT_EQ(g.project({1, 0, 0}), (graphics::Point{1000, 1000}));
  EXPECT_EQ(g.project({0, 0, 1}), (graphics::Point{4464, 1000}));
  EXPECT_EQ(g.project({0, 1, 0}), (graphics::Point{2732, 4000}));
  EXPECT_FALSE(diagram::toFractions(0, 0, 0));
}

class RedrawTest : public DiagramFixture {};

TEST_F(RedrawTest, ZeroIsRejectedOnALinearAxisOnlyAndTheAxisEndIsDrawn) {
  xy("SiO2", "K2O");
  DiagramSettings& s = settings();
  const diagram::RowFilterContext filter{s, session().data, session().symbols, session().subset, false};
  s.plot.xValue[1] = 0;
  s.x.start = 0;
  EXPECT_FALSE(diagram::plotsRow(filter, 1, "XY"));
  s.plot.xLog = 1;  // on a log axis 0 is the value 1
  s.x.start = -1;
  EXPECT_TRUE(diagram::plotsRow(filter, 1, "XY"));
  s.plot.xLog = 0;
  s.plot.xValue[1] = s.x.end;  // exactly on the axis end
  EXPECT_TRUE(diagram::plotsRow(filter, 1, "XY"));
  s.plot.xValue[1] = s.x.end + 1;
  EXPECT_FALSE(diagram::plotsRow(filter, 1, "XY"));
  EXPECT_TRUE(diagram::plotsRow(filter, session().data.rowCount + 1, "XY"));  // model curve entries
}

TEST_F(RedrawTest, TernaryRowOfZerosIsRejectedWithZerosOut) {
  f.click("mtri", {pick("MgO"), pick("CaO"), pick("Na2O")});
  DiagramSettings& s = settings();
  s.plot.xValue[2] = s.plot.yValue[2] = s.plot.zValue[2] = 0;
  const diagram::RowFilterContext out{s, session().data, session().symbols, session().subset, false};
  const diagram::RowFilterContext in{s, session().data, session().symbols, session().subset, true};
  EXPECT_FALSE(diagram::plotsRow(out, 2, "TRI"));
  EXPECT_TRUE(diagram::plotsRow(in, 2, "TRI"));
  app::redrawDiagram(session());
  EXPECT_EQ(session().plottedRows.size(), 7u);  // and the redraw drops it
}

TEST_F(RedrawTest, HiddenSymbolsAndSubsetLimitsShowInTheStatusLine) {
  xy("SiO2", "K2O");
  EXPECT_EQ(session().window.status, "Full page ");
  session().symbols.selectedSymbol[2] = diagram::hiddenSymbol;
  session().subset.limits.push_back({1, 40, 60});  // SiO2 is column 1
  app::redrawDiagram(session());
  EXPECT_EQ(session().window.status, "Full page /limits /symbols ");
  EXPECT_EQ(session().plottedRows, (std::vector<int>{1, 2, 3}));
}

TEST_F(RedrawTest, ValuesOnTheOuterBinBoundariesStayInTheEdgeBars) {
  f.click("mhist", {pick("SiO2")});
  DiagramSettings& s = settings();
  s.binCount = 5;
  s.x.start = 48.5f;  // A1 lies on the start boundary
  s.x.end = 74.9f;    // C2 on the end boundary
  const auto counts = diagram::countHistogram({s, session().data, session().symbols, session().subset, false});
  int total = 0;
  for (int bin = 1; bin <= 5; ++bin) total += counts.counts[bin][diagram::histogramTotal];
  EXPECT_EQ(total, 8);
}

TEST_F(RedrawTest, MetafileRecordingRunsDownTheFrameOfPositionTwo) {
  xy("SiO2", "K2O");
  session().output.outputDevice = diagram::OutputDevice::Wmf;
  app::redrawDiagram(session());
  const DiagramSettings& s = settings();
  EXPECT_EQ(s.pageYSign, -1);
  EXPECT_EQ(session().recording.windowExtent(), (graphics::Point{6000, 4500}));
  EXPECT_EQ(s.frameLeft, 1200);  // "Left half"
  EXPECT_EQ(s.frameBottom, 4500 - 1300);
  EXPECT_EQ(s.frameTop, 4500 - 4160);
  session().output.outputDevice = diagram::OutputDevice::Screen;
  app::redrawDiagram(session());
  EXPECT_EQ(s.pageYSign, 1);
  EXPECT_EQ(s.frameBottom, 1300);
}

}  // namespace
}  // namespace lavix::testing

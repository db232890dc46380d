// The redraw's rules: font size, row filter, histogram bins, ternary geometry, log numbers,
// buttons per kind and the status line.
#include <algorithm>
#include <cmath>
#include <variant>

#include "lavix/app/Redraw.h"
#include "lavix/diagram/Buttons.h"
#include "lavix/diagram/Histogram.h"
#include "lavix/diagram/Redraw.h"
#include "lavix/diagram/RowFilter.h"
#include "lavix/diagram/Ternary.h"
#include "tests/redraw/DiagramFixture.h"

namespace lavix::testing {
namespace {

using diagram::DiagramSettings;

std::vector<std::string> texts(const graphics::Recording& recording) {
  std::vector<std::string> out;
  for (const graphics::Operation& op : recording.operations())
    if (const auto* text = std::get_if<graphics::Text>(&op)) out.push_back(text->text);
  return out;
}

bool contains(const std::vector<std::string>& list, const std::string& text) {
  return std::find(list.begin(), list.end(), text) != list.end();
}

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

TEST(TernaryGeometry, ClippedTriangleIsEnlargedAndStartsAtTheFrameLeft) {
  DiagramSettings s;
  s.frameLeft = 1000;
  s.frameBottom = 1000;
  s.frameHeight = 3000;
  s.zClipMin = 0.5f;  // the right corner: m = the smaller of 1 / 0.5 and 1 / 0.5
  s.xClipMax = 0.5f;
  const diagram::TernaryGeometry g = diagram::ternaryGeometry(s);
  EXPECT_EQ(g.height, 6000);
  int leftmost = 1 << 30;
  for (const auto& f : g.outline) leftmost = std::min(leftmost, g.project(f).x);
  EXPECT_EQ(leftmost, 1000);
  EXPECT_EQ(g.outline.size(), 3u);  // z ≥ 0.5 cuts a smaller triangle off the right corner
}

TEST(Buttons, HistogramHidesIdentifyAndPickAndXYShowsThemAgain) {
  auto visible = [](const std::vector<diagram::DiagramButton>& row, const std::string& control) {
    for (const auto& b : row)
      if (b.control == control) return b.visible;
    return false;
  };
  auto caption = [](const std::vector<diagram::DiagramButton>& row, const std::string& control) {
    for (const auto& b : row)
      if (b.control == control) return b.caption;
    return std::string();
  };
  const auto hist = diagram::setButtonsForKind("HIST", true, false);
  for (const char* hidden : {"Identify", "pick", "Nextone", "prev", "SwitchXY", "fliporder", "wrname"})
    EXPECT_FALSE(visible(hist, hidden)) << hidden;
  EXPECT_EQ(caption(hist, "newy"), "Bins");
  EXPECT_EQ(caption(hist, "newz"), "Y-Axis");
  const auto xy = diagram::setButtonsForKind("XY", false, false);
  EXPECT_TRUE(visible(xy, "Identify"));
  EXPECT_TRUE(visible(xy, "Legend"));
  EXPECT_EQ(caption(xy, "newz"), "Axes");
  EXPECT_EQ(caption(xy, "cmdRem"), "NB on");
  const auto spider = diagram::setButtonsForKind("SPI", true, true);
  EXPECT_EQ(caption(spider, "newx"), "Repick");
  EXPECT_EQ(caption(spider, "wrname"), "full line");
  EXPECT_EQ(caption(diagram::setButtonsForKind("TRI", true, false), "mix"), "Quad");
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

TEST_F(RedrawTest, EveryRowIsPlottedOnceWithItsSymbolAndNameList) {
  xy("SiO2", "K2O");
  EXPECT_EQ(session().plottedRows, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(session().plottedNames.front(), "A1");
  std::size_t symbols = 0;
  for (const auto& op : session().recording.operations())
    symbols += std::holds_alternative<graphics::Ellipse>(op) || std::holds_alternative<graphics::Polygon>(op);
  EXPECT_EQ(symbols, 8u);
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

TEST_F(RedrawTest, LogAxesAreNumberedAsPlainDecimals) {
  f.click("mxy", {pick("Log"), pick("Zr"), pick("Log Zr"), pick("Log"), pick("K2O"), pick("Log K2O")});
  const auto written = texts(session().recording);
  for (const char* number : {".1", "1", "10", "100", "1000"}) EXPECT_TRUE(contains(written, number)) << number;
  EXPECT_FALSE(contains(written, "1E+02"));
}

TEST_F(RedrawTest, HistogramCountsStackToTheRowTotalAndTheAxisIsAFifthHigher) {
  f.click("mhist", {pick("SiO2")});
  const DiagramSettings& s = settings();
  EXPECT_EQ(s.binCount, 10);
  EXPECT_EQ(s.y.start, 0);
  int largest = 0, total = 0;
  const auto counts = diagram::countHistogram({s, session().data, session().symbols, session().subset, false});
  for (int bin = 1; bin <= s.binCount; ++bin) {
    total += counts.counts[bin][diagram::histogramTotal];
    largest = std::max<int>(largest, counts.counts[bin][diagram::histogramTotal]);
  }
  EXPECT_EQ(total, 8);
  EXPECT_FLOAT_EQ(s.y.end, 1.2f * largest);
  EXPECT_EQ(session().statsCaption.rfind("N=8 M=", 0), 0u);
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

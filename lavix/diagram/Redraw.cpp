// The redraw pipeline: page, frame, axes by kind, titles, overlays, samples, model curves.
#include "lavix/diagram/Redraw.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "common/format/NumberFormat.h"
#include "common/graphics/TextMetrics.h"
#include "common/text/Text.h"
#include "lavix/diagram/AxisRange.h"
#include "lavix/diagram/DrawSymbol.h"
#include "lavix/diagram/FieldOverlay.h"
#include "lavix/diagram/RowFilter.h"
#include "lavix/diagram/Ternary.h"

namespace lavix::diagram {

namespace gr = lavix::graphics;

namespace {

constexpr int maxAxisSteps = 2000;  // a hand-typed interval can ask for more ticks than a page can show
constexpr int whiteColour = 0xFFFFFF;

int32_t roundToUnit(double v) { return static_cast<int32_t>(std::lround(std::clamp(v, -2.0e9, 2.0e9))); }

float at(const std::vector<float>& values, int row) {
  return row >= 0 && static_cast<std::size_t>(row) < values.size() ? values[static_cast<std::size_t>(row)] : 0.0f;
}

std::string upper(std::string text) { return text::toUpper(text); }

// The page numbers of log axes: "1", "10", "100" above 1, ".1", ".01" below.
std::string decadeText(int decade) {
  if (decade >= 0) return "1" + std::string(static_cast<std::size_t>(decade), '0');
  return "." + std::string(static_cast<std::size_t>(-decade - 1), '0') + "1";
}

class DiagramRecorder {
 public:
  DiagramRecorder(RedrawInput& in, gr::Recording& rec) : in_(in), s_(in.settings), rec_(rec) {}

  RedrawResult run();

 private:
  // Offsets "above" the frame, whichever way page y grows.
  int32_t up(int32_t y, double d) const { return roundToUnit(y + s_.pageYSign * d); }
  int textYDirection() const { return -s_.pageYSign; }
  bool axisNumbersOnX() const {
    const std::string code = upper(in_.page.axesCode);
    return code.empty() || code == "XYL" || code == "XYR";
  }
  // The histogram or regression caption, written above the frame.
  bool captionShown() const { return s_.statsCaptionOn && in_.style.histRegLabelsOn && !in_.statsCaption.empty(); }
  bool yNumbersOnRight() const {
    const std::string code = upper(in_.page.axesCode);
    return code == "XYR" || code == "-YR";
  }

  void layOut();
  void setUpRecording();
  void drawPageAndFrame();
  void drawXYAxes();
  void drawHistogram();
  void drawSpiderAxes();
  void drawTernary();
  void drawTitles();
  void drawSamples();
  void drawModelCurves();
  void drawStoredLabels();
  void drawLibraryFields();
  void drawLegend();
  // The page's background over [left, right] x [0, height], where the device shows a page.
  void fillPage(int32_t left, int32_t right, int32_t height);

  // Ticks and numbers of either axis; a position is a page x for X, a page y for Y.
  void linearTicks(Axis which);
  void logTicks(Axis which);
  void linearNumbers(Axis which);
  void logNumbers(Axis which);
  int32_t axisPosition(Axis which, double value) const;
  bool insideFrame(Axis which, int32_t position, int32_t slack) const;
  void tick(Axis which, int32_t position, double length) {
    which == Axis::x ? xTick(position, length) : yTick(position, length);
  }
  void number(Axis which, int32_t position, const std::string& text) {
    which == Axis::x ? xNumber(position, text) : yNumber(position, text);
  }
  void xTick(int32_t px, double length);
  void yTick(int32_t py, double length);
  void xNumber(int32_t px, const std::string& text);
  void yNumber(int32_t py, const std::string& text);
  void text(gr::Point at, const std::string& title, const gr::SelectFont& font, gr::HAlign h, gr::VAlign v);

  int32_t frameMinX() const { return std::min(s_.frameLeft, s_.frameRight); }
  int32_t frameMaxX() const { return std::max(s_.frameLeft, s_.frameRight); }
  int32_t frameMinY() const { return std::min(s_.frameBottom, s_.frameTop); }
  int32_t frameMaxY() const { return std::max(s_.frameBottom, s_.frameTop); }

  RedrawInput& in_;
  DiagramSettings& s_;
  gr::Recording& rec_;
  RedrawResult result_;
  gr::SelectFont labelFont_;
  gr::SelectFont verticalFont_;
  int32_t textHeight_ = 0;   // the label font's character height, positive
  double tickLength_ = 0;
  int32_t widestYNumber_ = 0;
  bool legendAlone_ = false;  // "Separate Diagram": no frame, axes or samples
};

void DiagramRecorder::layOut() {
  const bool metafile = in_.output.outputDevice == OutputDevice::Wmf;
  PositionArea area = metafile && !in_.output.withPage ? in_.page.wmfArea : in_.page.area;
  area.axesCode = in_.page.axesCode;
  layoutFrame(s_, area);
  s_.pageYSign = metafile ? -1 : 1;
  if (metafile) {
    // The metafile's page y grows downwards: the frame is mirrored inside its window.
    const int32_t height = in_.output.withPage ? (in_.page.portrait ? in_.page.pageLength : in_.page.pageWidth)
                                               : wmfWindowHeight;
    const int32_t bottom = height - std::min(s_.frameBottom, s_.frameTop);
    const int32_t top = height - std::max(s_.frameBottom, s_.frameTop);
    s_.frameBottom = static_cast<int16_t>(std::clamp<int32_t>(bottom, INT16_MIN, INT16_MAX));
    s_.frameTop = static_cast<int16_t>(std::clamp<int32_t>(top, INT16_MIN, INT16_MAX));
    s_.frameHeight = static_cast<int16_t>(s_.frameTop - s_.frameBottom);
  }
}

void DiagramRecorder::setUpRecording() {
  const int32_t pageW = in_.page.portrait ? in_.page.pageWidth : in_.page.pageLength;
  const int32_t pageH = in_.page.portrait ? in_.page.pageLength : in_.page.pageWidth;
  if (in_.output.outputDevice == OutputDevice::Wmf) {
    if (in_.output.withPage) rec_.setWindow({0, 0}, {pageW, pageH});
    else rec_.setWindow({0, 0}, {wmfWindowWidth, wmfWindowHeight});
  } else {
    // Page y grows upwards: the window starts at the top of the page and runs down.
    rec_.setWindow({0, pageH}, {pageW, -pageH});
  }
}

void DiagramRecorder::drawPageAndFrame() {
  const SymbolTable& sym = in_.symbols;
  const bool white = s_.whitePage == 1;
  const int32_t pageW = in_.page.portrait ? in_.page.pageWidth : in_.page.pageLength;
  const int32_t pageH = in_.page.portrait ? in_.page.pageLength : in_.page.pageWidth;
  const OutputDevice device = in_.output.outputDevice;
  fillPage(0, pageW, pageH);
  const std::string& kind = s_.diagramKind;
  if ((kind == "XY" || kind == "HIST" || kind == "SPI") && !legendAlone_) {
    if (!(device == OutputDevice::Print && white)) {
      const int box = white ? whiteColour : sym.boxColour;
      rec_.selectPen(box, 0, gr::PenStyle::Null);
      rec_.selectBrush(box);
      rec_.rectangle(frameMinX(), frameMinY(), frameMaxX(), frameMaxY());
    }
    rec_.selectPen(sym.frameColour, sym.frameLineWidth);
    rec_.polyline({{s_.frameLeft, s_.frameBottom},
                   {s_.frameRight, s_.frameBottom},
                   {s_.frameRight, s_.frameTop},
                   {s_.frameLeft, s_.frameTop},
                   {s_.frameLeft, s_.frameBottom}});
  }
  rec_.setTextColour(sym.textColour);
  rec_.selectFont(labelFont_);
}

void DiagramRecorder::text(gr::Point at, const std::string& title, const gr::SelectFont& font, gr::HAlign h,
                           gr::VAlign v) {
  gr::recordMarkupText(rec_, at, title, font, h, v, textYDirection());
}

void DiagramRecorder::xTick(int32_t px, double length) {
  rec_.line(px, s_.frameBottom, px, up(s_.frameBottom, length));
  rec_.line(px, s_.frameTop, px, up(s_.frameTop, -length));
}

void DiagramRecorder::yTick(int32_t py, double length) {
  const int direction = s_.frameRight >= s_.frameLeft ? 1 : -1;
  rec_.line(s_.frameLeft, py, roundToUnit(s_.frameLeft + direction * length), py);
  rec_.line(s_.frameRight, py, roundToUnit(s_.frameRight - direction * length), py);
}

int32_t DiagramRecorder::axisPosition(Axis which, double value) const {
  const auto v = static_cast<float>(value);
  return which == Axis::x ? projectXY(s_, v, s_.y.start).x : projectXY(s_, s_.x.start, v).y;
}

bool DiagramRecorder::insideFrame(Axis which, int32_t position, int32_t slack) const {
  const int32_t low = which == Axis::x ? frameMinX() : frameMinY();
  const int32_t high = which == Axis::x ? frameMaxX() : frameMaxY();
  return position >= low - slack && position <= high + slack;
}

void DiagramRecorder::linearTicks(Axis which) {
  const AxisSettings& a = s_.axis(which);
  const double interval = a.tickInterval == 0 ? 1.0 : std::fabs(a.tickInterval);
  const double span = a.span == 0 ? 1.0 : a.span;
  const double direction = a.end >= a.start ? 1.0 : -1.0;
  for (int k = 0; k <= maxAxisSteps && k * interval <= span + interval; ++k) {
    const float value = static_cast<float>(a.start + direction * k * interval);
    const int32_t position = axisPosition(which, value);
    if (!insideFrame(which, position, 0)) continue;
    const bool large = a.largeTickEvery != 0 &&
                       static_cast<long>(std::floor(value / interval + 0.01)) % a.largeTickEvery == 0;
    tick(which, position, large ? 2 * tickLength_ : tickLength_);
  }
}

// Decades from floor(start) to floor(end) of a log axis, lowest first.
template <typename Visit>
void forEachDecade(const AxisSettings& a, Visit visit) {
  const double lo = std::min(a.start, a.end), hi = std::max(a.start, a.end);
  for (int d = static_cast<int>(std::floor(lo)); d <= static_cast<int>(std::floor(hi)) && d - lo < maxAxisSteps; ++d)
    visit(d, lo, hi);
}

void DiagramRecorder::logTicks(Axis which) {
  forEachDecade(s_.axis(which), [&](int d, double lo, double hi) {
    for (int k = 1; k <= 9; ++k) {
      const double v = std::log10(static_cast<double>(k)) + d;
      if (v < lo - 1e-6 || v > hi + 1e-6) continue;
      tick(which, axisPosition(which, v), k == 1 ? 2 * tickLength_ : tickLength_);
    }
  });
}

void DiagramRecorder::xNumber(int32_t px, const std::string& number) {
  text({px, up(s_.frameBottom, -0.35 * textHeight_)}, number, labelFont_, gr::HAlign::Centre, gr::VAlign::Top);
}

void DiagramRecorder::yNumber(int32_t py, const std::string& number) {
  const double gap = 0.4 * textHeight_;
  widestYNumber_ = std::max(widestYNumber_, gr::markupWidth(number, labelFont_.height, labelFont_.bold));
  // Numbers sit half a character lower than their tick's centre line would put their baseline.
  const int32_t baseline = up(py, -0.35 * textHeight_);
  if (yNumbersOnRight()) text({roundToUnit(s_.frameRight + gap), baseline}, number, labelFont_, gr::HAlign::Left, gr::VAlign::Baseline);
  else text({roundToUnit(s_.frameLeft - gap), baseline}, number, labelFont_, gr::HAlign::Right, gr::VAlign::Baseline);
}

// Linear numbers from the number start to the number end in steps of the number step.
template <typename Draw>
void forEachNumber(const AxisSettings& a, Draw draw) {
  const double step = a.numberStep;
  if (step == 0) {
    draw(a.numberStart);
    return;
  }
  const double direction = a.numberEnd >= a.numberStart ? 1.0 : -1.0;
  const double count = std::floor(std::fabs((a.numberEnd - a.numberStart) / step) + 1e-4);
  for (int k = 0; k <= count && k <= maxAxisSteps; ++k) {
    double value = a.numberStart + direction * k * std::fabs(step);
    if (std::fabs(value) < std::fabs(step) * 1e-6) value = 0;  // no "-0" from rounding
    draw(value);
  }
}

void DiagramRecorder::linearNumbers(Axis which) {
  const AxisSettings& a = s_.axis(which);
  forEachNumber(a, [&](double v) {
    const int32_t position = axisPosition(which, v);
    if (insideFrame(which, position, 1)) number(which, position, format::formatNumber(static_cast<float>(v), a.numberFormat));
  });
}

void DiagramRecorder::logNumbers(Axis which) {
  forEachDecade(s_.axis(which), [&](int d, double lo, double) {
    if (d >= lo - 1e-6) number(which, axisPosition(which, d), decadeText(d));
  });
}

void DiagramRecorder::drawXYAxes() {
  rec_.selectPen(in_.symbols.frameColour, in_.symbols.frameLineWidth);
  if (s_.plot.xLog == 1) {
    logTicks(Axis::x);
    if (axisNumbersOnX()) logNumbers(Axis::x);
  } else {
    linearTicks(Axis::x);
    if (axisNumbersOnX()) linearNumbers(Axis::x);
  }
  if (s_.plot.yLog == 1) {
    logTicks(Axis::y);
    logNumbers(Axis::y);
  } else {
    linearTicks(Axis::y);
    linearNumbers(Axis::y);
  }
}

void DiagramRecorder::drawHistogram() {
  RowFilterContext filter{s_, in_.data, in_.symbols, in_.subset, in_.zerosIn, in_.normFlag};
  result_.histogram = countHistogram(filter);
  result_.drawn.entries = result_.histogram.rows;
  rec_.selectPen(in_.symbols.frameColour, in_.symbols.frameLineWidth);
  linearTicks(Axis::x);
  linearNumbers(Axis::x);
  linearTicks(Axis::y);
  linearNumbers(Axis::y);
  const int bins = std::clamp<int>(s_.binCount, 1, maxBinCount);
  const double binWidth = (static_cast<double>(s_.x.end) - s_.x.start) / bins;
  const double ySpan = s_.y.span == 0 ? 1.0 : s_.y.span;
  for (int bin = 1; bin <= bins; ++bin) {
    const auto& line = result_.histogram.counts[static_cast<std::size_t>(bin)];
    if (line[histogramTotal] == 0) continue;
    const int32_t left = projectXY(s_, static_cast<float>(s_.x.start + (bin - 1) * binWidth), 0).x;
    const int32_t right = projectXY(s_, static_cast<float>(s_.x.start + bin * binWidth), 0).x;
    double base = s_.frameBottom;
    for (int group = 0; group < histogramGroups; ++group) {
      const int count = line[static_cast<std::size_t>(group)];
      if (count == 0) continue;
      const int symbol = group == histogramZeroGroup ? 0 : group;
      const double top = base + count * static_cast<double>(s_.frameHeight) / ySpan;
      rec_.selectPen(in_.symbols.frameColour, in_.symbols.frameLineWidth);
      rec_.selectBrush(symbolBrush(in_.symbols, symbol).hollow ? in_.symbols.symbolLineColour[static_cast<std::size_t>(std::min(symbol, symbolSlots - 1))]
                                                             : symbolBrush(in_.symbols, symbol).colour);
      const int32_t bottomY = roundToUnit(base), topY = roundToUnit(top);
      // Bars stop at the frame: a hand-set frequency axis may be lower than the counts.
      const int32_t clippedTop = std::clamp(topY, frameMinY(), frameMaxY());
      if (clippedTop != bottomY) rec_.rectangle(left, std::min(bottomY, clippedTop), right, std::max(bottomY, clippedTop));
      base = top;
    }
  }
}

void DiagramRecorder::drawSpiderAxes() {
  if (s_.spiderScale == "LIN") {
    float begin = s_.spiderYBegin, end = s_.spiderYEnd;
    if (begin > end) std::swap(begin, end);
    s_.y.start = begin;
    s_.y.end = end;
    s_.y.span = std::fabs(end - begin);
    if (s_.y.span == 0) s_.y.span = 1;
    rebuildNumberFormat(s_.y);
    s_.plot.yLog = 0;
  } else {
    const float begin = s_.spiderYBegin <= 0 ? 1.0f : s_.spiderYBegin;
    const float end = s_.spiderYEnd <= 0 ? 10.0f : s_.spiderYEnd;
    s_.y.start = std::log10(begin);
    s_.y.end = std::log10(end);
    s_.y.span = std::fabs(s_.y.end - s_.y.start);
    if (s_.y.span == 0) s_.y.span = 1;
    s_.plot.yLog = 1;
  }
  rec_.selectPen(in_.symbols.frameColour, in_.symbols.frameLineWidth);
  if (s_.plot.yLog == 1) {
    logTicks(Axis::y);
    logNumbers(Axis::y);
  } else {
    linearTicks(Axis::y);
    linearNumbers(Axis::y);
  }
  // Each element at its place along X, with a tick, so the pattern can be read.
  for (std::size_t i = 0; i < in_.spiderElements.size(); ++i) {
    const int32_t px = projectXY(s_, static_cast<float>(i + 1), s_.y.start).x;
    xTick(px, tickLength_);
    if (axisNumbersOnX()) xNumber(px, in_.spiderElements[i]);
  }
}

void DiagramRecorder::drawTernary() {
  resetClipUnlessLibrary(s_);
  const TernaryGeometry g = ternaryGeometry(s_);
  if (g.outline.size() < 3) return;
  std::vector<gr::Point> outline;
  for (const Fractions& f : g.outline) outline.push_back(g.project(f));
  outline.push_back(outline.front());
  rec_.selectPen(in_.symbols.frameColour, in_.symbols.frameLineWidth);
  rec_.selectHollowBrush();
  rec_.polygon(outline);

  // Ticks on the three outer edges, pointing into the triangle along the other edges.
  const double tick = tickLength_ / g.height;
  struct Edge {
    float Fractions::*fixed;
    float Fractions::*running;
    float Fractions::*third;
    float fixedValue, runMin, runMax, thirdMin, thirdMax;
  };
  const Edge edges[] = {
      {&Fractions::y, &Fractions::z, &Fractions::x, s_.yClipMin, s_.zClipMin, s_.zClipMax, s_.xClipMin, s_.xClipMax},
      {&Fractions::x, &Fractions::y, &Fractions::z, s_.xClipMin, s_.yClipMin, s_.yClipMax, s_.zClipMin, s_.zClipMax},
      {&Fractions::z, &Fractions::x, &Fractions::y, s_.zClipMin, s_.xClipMin, s_.xClipMax, s_.yClipMin, s_.yClipMax},
  };
  for (const Edge& e : edges) {
    float f = e.runMin;
    for (int step = 0; step <= 40 && f <= e.runMax + 1e-4f; ++step, f += 0.05f) {
      const float third = 1.0f - e.fixedValue - f;
      if ((third - e.thirdMin) * (third - e.thirdMax) >= 0.001f && !(third >= e.thirdMin && third <= e.thirdMax))
        continue;
      const int percent = static_cast<int>(third * 100.0f + 1e-3f);
      if (percent % 10 != 0) continue;
      if (f - e.runMin < 0.04f || e.runMax - f < 0.04f || third - e.thirdMin < 0.04f - 1e-5f ||
          e.thirdMax - third < 0.04f - 1e-5f)
        continue;
      const bool large = s_.x.largeTickEvery != 0 && std::fabs(f - 0.5f) < 0.01f;
      const double length = large ? 1.75 * tick : tick;
      Fractions a{}, b{};
      a.*e.fixed = e.fixedValue;
      a.*e.running = f;
      a.*e.third = third;
      b = a;
      // Into the triangle: the fixed component grows, the running one gives way.
      b.*e.fixed = static_cast<float>(a.*e.fixed + length);
      b.*e.running = static_cast<float>(a.*e.running - length);
      rec_.line(g.project(a).x, g.project(a).y, g.project(b).x, g.project(b).y);
    }
  }

  // Apex titles at the corners where each component is largest; the top one over the middle of
  // a flat top (the pyroxene quadrilateral's Wo).
  auto corner = [&](float Fractions::*component) {
    const Fractions* best = &g.outline.front();
    for (const Fractions& f : g.outline)
      if (f.*component > best->*component + 1e-6f) best = &f;
    return g.project(*best);
  };
  auto topMiddle = [&] {
    const gr::Point apex = corner(&Fractions::y);
    int32_t minX = apex.x, maxX = apex.x;
    for (const Fractions& f : g.outline)
      if (const gr::Point p = g.project(f); p.y == apex.y) minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
    return gr::Point{static_cast<int32_t>((static_cast<int64_t>(minX) + maxX) / 2), apex.y};
  };
  const gr::Point left = corner(&Fractions::x), top = topMiddle(), right = corner(&Fractions::z);
  text({left.x, up(left.y, -0.4 * textHeight_)}, s_.plot.xTitle, labelFont_, gr::HAlign::Centre, gr::VAlign::Top);
  text({top.x, up(top.y, 0.4 * textHeight_)}, s_.plot.yTitle, labelFont_, gr::HAlign::Centre, gr::VAlign::Bottom);
  text({right.x, up(right.y, -0.4 * textHeight_)}, s_.plot.zTitle, labelFont_, gr::HAlign::Centre, gr::VAlign::Top);
}

void DiagramRecorder::drawTitles() {
  const std::string& kind = s_.diagramKind;
  if (kind == "TRI") return;
  const double h = textHeight_;
  if (axisNumbersOnX() && !s_.plot.xTitle.empty())
    text({roundToUnit((s_.frameLeft + s_.frameRight) / 2.0), up(s_.frameBottom, -1.75 * h)}, s_.plot.xTitle, labelFont_,
         gr::HAlign::Centre, gr::VAlign::Top);
  // A histogram's Y axis counts rows, whatever variable was on Y before.
  const std::string yTitle = kind == "HIST" ? std::string("Frequency") : s_.plot.yTitle;
  if (!yTitle.empty()) {
    const int32_t middle = roundToUnit((s_.frameBottom + s_.frameTop) / 2.0);
    const bool vertical = s_.yLabelOrientation == 1;
    const bool right = yNumbersOnRight();
    const double numbersEdge = 0.4 * h + widestYNumber_;
    if (vertical) {
      // Text turned to read upwards lies on the left of its baseline.
      const double x = right ? s_.frameRight + numbersEdge + 1.5 * h : s_.frameLeft - numbersEdge - 1.0 * h;
      text({std::max<int32_t>(roundToUnit(x), roundToUnit(10 + h)), middle}, yTitle, verticalFont_,
           gr::HAlign::Centre, gr::VAlign::Baseline);
    } else if (right) {
      text({roundToUnit(s_.frameRight + numbersEdge + 0.5 * h), middle}, yTitle, labelFont_, gr::HAlign::Left,
           gr::VAlign::Baseline);
    } else {
      const int32_t width = gr::markupWidth(yTitle, labelFont_.height, labelFont_.bold);
      const int32_t x = std::max<int32_t>(roundToUnit(s_.frameLeft - numbersEdge - 0.5 * h - width), 10);
      text({x, middle}, yTitle, labelFont_, gr::HAlign::Left, gr::VAlign::Baseline);
    }
  }
  if (captionShown())
    text({s_.frameLeft, up(s_.frameTop, 1.5 * h)}, in_.statsCaption, labelFont_, gr::HAlign::Left, gr::VAlign::Baseline);
}

void DiagramRecorder::drawSamples() {
  const std::string& kind = s_.diagramKind;
  std::vector<int>& rows = result_.plottedRows;
  if (kind == "SPI") {
    rows = in_.spiderRows;
  } else if (kind == "XY" || kind == "TRI") {
    RowFilterContext filter{s_, in_.data, in_.symbols, in_.subset, in_.zerosIn, in_.normFlag};
    const int last = std::min<int>(in_.data.rowCount, static_cast<int>(in_.data.symbolOf.size()) - 1);
    rows.reserve(static_cast<std::size_t>(std::max(last, 0)));
    for (int row = 1; row <= last; ++row)
      if (plotsRow(filter, row, kind)) rows.push_back(row);
  } else {
    return;
  }
  for (int row : rows)
    result_.plottedNames.push_back(static_cast<std::size_t>(row) < in_.data.sampleName.size()
                                       ? in_.data.sampleName[static_cast<std::size_t>(row)]
                                       : std::string());
  if (legendAlone_) return;  // the legend needs the list, not the points

  const SymbolTable& sym = in_.symbols;
  const std::size_t n = rows.size();
  rec_.reserve(rec_.size() + 3 * n + 16);
  auto listed = [&](std::size_t i) { return s_.flipOrder ? n - 1 - i : i; };  // drawing order to list order
  if (kind == "SPI") {
    if (!in_.drawSpiderRow) return;
    std::vector<std::vector<SpiderPoint>> pointsOf(n);
    for (std::size_t i = 0; i < n; ++i) pointsOf[listed(i)] = in_.drawSpiderRow(rec_, rows[listed(i)]);
    for (std::size_t k = 0; k < n; ++k)
      for (const SpiderPoint& point : pointsOf[k]) result_.drawn.spiderPoints.push_back({rows[k], point});
    return;
  }
  // Error bars read the column after an axis variable's column when it is named "ERROR".
  auto errorColumn = [&](int16_t column) -> int {
    const int next = column + 1;
    if (column <= 0 || next > in_.data.columnCount) return 0;
    return text::toUpper(text::stripMarkup(in_.data.columnName[static_cast<std::size_t>(next)])) == "ERROR" ? next : 0;
  };
  const int xError = kind == "XY" ? errorColumn(s_.plot.xColumn) : 0;
  const int yError = kind == "XY" ? errorColumn(s_.plot.yColumn) : 0;
  auto barEnds = [](float value, float error, bool logAxis) -> std::pair<float, float> {
    if (!logAxis) return {value - error, value + error};
    const double raw = std::pow(10.0, value);
    const double low = raw - error > 0 ? std::log10(raw - error) : value;
    return {static_cast<float>(low), static_cast<float>(std::log10(raw + error))};
  };

  // The page point of each listed row; a ternary row whose three values sum to 0 has none.
  const TernaryGeometry triangle = kind == "TRI" ? ternaryGeometry(s_) : TernaryGeometry{};
  std::vector<std::optional<gr::Point>> points(n);
  for (std::size_t k = 0; k < n; ++k) {
    const int row = rows[k];
    const float x = at(s_.plot.xValue, row), y = at(s_.plot.yValue, row);
    if (kind != "TRI") points[k] = projectXY(s_, x, y);
    else if (const auto f = toFractions(x, y, at(s_.plot.zValue, row))) points[k] = triangle.project(*f);
    if (points[k]) result_.drawn.entries.push_back(row);
  }
  bool havePrevious = false;
  gr::Point previous;
  for (std::size_t i = 0; i < n; ++i) {
    if (!points[listed(i)]) continue;
    const int row = rows[listed(i)];
    const gr::Point point = *points[listed(i)];
    const float x = at(s_.plot.xValue, row), y = at(s_.plot.yValue, row);
    const int symbol = rowSymbol(sym, in_.data.symbolOf[static_cast<std::size_t>(row)]);
    const int penSymbol = symbol == noSymbol ? 0 : symbol;
    if (xError || yError) {
      rec_.add(symbolPen(sym, penSymbol));
      if (xError) {
        const auto [lo, hi] = barEnds(x, in_.data.value(row, xError), s_.plot.xLog == 1);
        rec_.line(projectXY(s_, lo, y).x, point.y, projectXY(s_, hi, y).x, point.y);
      }
      if (yError) {
        const auto [lo, hi] = barEnds(y, in_.data.value(row, yError), s_.plot.yLog == 1);
        rec_.line(point.x, projectXY(s_, x, lo).y, point.x, projectXY(s_, x, hi).y);
      }
    }
    if (sym.tiesOn && havePrevious) {
      rec_.add(symbolPen(sym, penSymbol));
      rec_.line(previous.x, previous.y, point.x, point.y);
    }
    if (!sym.lineOnly && symbol != noSymbol) drawSymbol(rec_, sym, symbol, point.x, point.y, s_.pageYSign);
    if (in_.pointText) {
      const std::string written = in_.pointText(row);
      if (!written.empty()) text(point, written, labelFont_, gr::HAlign::Left, gr::VAlign::Bottom);
    }
    previous = point;
    havePrevious = true;
  }
}

void DiagramRecorder::drawStoredLabels() {
  const OverlayTable& table = *in_.overlays;
  const int first = table.fieldLines + table.fieldLabels;
  for (int i = first; i < table.total() && static_cast<std::size_t>(i) < table.text.size(); ++i) {
    const auto at = static_cast<std::size_t>(i);
    // The label's lower-left corner sits on its position.
    text(projectData(s_, table.x[at], table.y[at]), table.text[at], labelFont_, gr::HAlign::Left, gr::VAlign::Bottom);
  }
}

void DiagramRecorder::drawLibraryFields() {
  const OverlayTable& table = *in_.overlays;
  if (table.fieldLines + table.fieldLabels > 0) {
    FieldOverlayStyle style{labelFont_, in_.smallFieldLabels, textYDirection(), in_.symbols.frameColour,
                            in_.symbols.frameLineWidth};
    recordFieldOverlay(rec_, s_, table, style);
  }
  recordDiagramNote(rec_, s_, in_.diagramNote, labelFont_, textYDirection(), captionShown() && s_.diagramKind != "TRI");
}

void DiagramRecorder::fillPage(int32_t left, int32_t right, int32_t height) {
  const bool white = s_.whitePage == 1;
  bool fill = true;
  if (in_.output.outputDevice == OutputDevice::Wmf) fill = in_.output.withPage;
  if (in_.output.outputDevice == OutputDevice::Print) fill = !white;
  if (in_.continuesPage) fill = false;
  if (!fill) return;
  const int colour = white ? whiteColour : in_.symbols.pageColour;
  rec_.selectPen(colour, 0, gr::PenStyle::Null);
  rec_.selectBrush(colour);
  rec_.rectangle(left, 0, right, height);
}

void DiagramRecorder::drawLegend() {
  const int32_t rightSide =
      yNumbersOnRight() && !legendAlone_ ? widestYNumber_ + static_cast<int32_t>(2.5 * textHeight_) : 0;
  const LegendPage page{s_, in_.symbols, labelFont_, textYDirection(), rightSide};
  // A legend outside the frame of a diagram that fills the page would fall off every picture
  // of it: the page grows to the right to hold it.
  const gr::Point extent = rec_.windowExtent();
  const int32_t width = std::abs(extent.x), height = std::abs(extent.y);
  const double right = outsideLegendRight(*in_.legend, result_.plottedRows, in_.data, page);
  const auto needed = static_cast<int32_t>(std::ceil(right + legendMargin(s_)));
  if (right > 0 && needed > width && !in_.continuesPage) {
    fillPage(width, needed, height);
    rec_.setWindow(rec_.windowOrigin(), {needed, extent.y});
  }
  recordLegend(rec_, *in_.legend, result_.plottedRows, in_.data, page);
}

void DiagramRecorder::drawModelCurves() {
  if (s_.diagramKind != "XY") return;
  // A positive symbol number lifts the pen: the start of a curve (no symbol) or a tick mark
  // (drawn with its symbol). The negative entries after it draw the line on.
  std::vector<gr::Point> piece;
  std::vector<std::pair<gr::Point, int>> ticks;
  auto drawPiece = [&] {
    if (piece.size() >= 2) {
      rec_.selectPen(in_.symbols.curveColour, in_.symbols.curveLineWidth);
      rec_.polyline(piece);
    }
    piece.clear();
  };
  for (int entry = in_.data.rowCount + 1; entry <= s_.plot.plotRowCount; ++entry) {
    const float x = at(s_.plot.xValue, entry), y = at(s_.plot.yValue, entry);
    const bool inside = (static_cast<double>(x) - s_.x.start) * (x - s_.x.end) <= 0 &&
                        (static_cast<double>(y) - s_.y.start) * (y - s_.y.end) <= 0;
    if (!inside) continue;
    result_.drawn.entries.push_back(entry);
    const gr::Point point = projectXY(s_, x, y);
    const auto e = static_cast<std::size_t>(entry);
    const int symbol = e < in_.data.symbolOf.size() ? in_.data.symbolOf[e] : curveLineSymbol;
    if (symbol > 0) {
      drawPiece();
      if (symbol != curveStartSymbol) ticks.emplace_back(point, symbol);
      continue;
    }
    piece.push_back(point);
  }
  drawPiece();
  for (const auto& [point, symbol] : ticks) drawSymbol(rec_, in_.symbols, symbol, point.x, point.y, s_.pageYSign);
}

RedrawResult DiagramRecorder::run() {
  rec_.clear();
  layOut();
  result_.labelFontHeight = labelFontHeight(s_.frameHeight, in_.style.fontPoints);
  textHeight_ = -result_.labelFontHeight;
  labelFont_ = gr::SelectFont{in_.style.fontName, result_.labelFontHeight, in_.style.bold, in_.style.italic, 0};
  verticalFont_ = labelFont_;
  verticalFont_.escapement = in_.output.outputDevice == OutputDevice::Print ? in_.style.printerYAxisAngle : 900;
  tickLength_ = in_.style.tickHeight * std::abs(static_cast<int>(s_.frameHeight));
  legendAlone_ = in_.legend && in_.legend->separate();
  setUpRecording();
  drawPageAndFrame();
  const std::string& kind = s_.diagramKind;
  if (!legendAlone_) {
    if (kind == "XY") drawXYAxes();
    else if (kind == "HIST") drawHistogram();
    else if (kind == "SPI") drawSpiderAxes();
    else if (kind == "TRI") drawTernary();
    drawTitles();
    if (in_.overlays) drawLibraryFields();
    if (in_.overlays && in_.overlays->total() > 0) drawStoredLabels();
    if (in_.drawOverlays) in_.drawOverlays(rec_);
  }
  drawSamples();
  if (!legendAlone_) drawModelCurves();
  if (in_.legend) drawLegend();
  result_.statusLine = statusLine(in_);
  return std::move(result_);
}

}  // namespace

int32_t labelFontHeight(int frameHeight, int fontPoints) {
  double s = std::abs(frameHeight);
  if (s < 3500) s = (s + 3500) / 2;
  const double points = std::nearbyint(s / 3500.0 * fontPoints);
  return -static_cast<int32_t>(std::lround(points / 72.0 * 1000.0));
}

graphics::Point projectXY(const DiagramSettings& s, float x, float y) {
  const double xSpan = s.x.span == 0 ? 1.0 : s.x.span;
  const double ySpan = s.y.span == 0 ? 1.0 : s.y.span;
  // A span is a magnitude; the direction comes from the limits.
  const double xScale = (s.x.end >= s.x.start ? 1.0 : -1.0) * s.frameWidth / xSpan;
  const double yScale = (s.y.end >= s.y.start ? 1.0 : -1.0) * s.frameHeight / ySpan;
  return {roundToUnit(s.frameLeft + (static_cast<double>(x) - s.x.start) * xScale),
          roundToUnit(s.frameBottom + (static_cast<double>(y) - s.y.start) * yScale)};
}

graphics::Point projectData(const DiagramSettings& s, float x, float y) {
  if (s.diagramKind == "TRI") return ternaryGeometry(s).project({x, y, 1.0f - x - y});
  auto axisValue = [](float v, int16_t logFlag) {
    return logFlag == 1 ? (v > 0 ? std::log10(v) : -38.0f) : v;
  };
  return projectXY(s, axisValue(x, s.plot.xLog), axisValue(y, s.plot.yLog));
}

std::pair<float, float> pageToData(const DiagramSettings& s, graphics::Point page) {
  if (s.diagramKind == "TRI") {
    const TernaryGeometry g = ternaryGeometry(s);
    if (g.width == 0 || g.height == 0) return {0.0f, 0.0f};
    const double fy = (page.y - g.originY) / (static_cast<double>(g.pageYSign) * g.height);
    const double fx = 1.0 - fy / 2.0 - (page.x - g.originX) / g.width;
    return {static_cast<float>(fx), static_cast<float>(fy)};
  }
  const double width = s.frameWidth == 0 ? 1 : s.frameWidth, height = s.frameHeight == 0 ? 1 : s.frameHeight;
  double x = s.x.start + (static_cast<double>(s.x.end) - s.x.start) * (page.x - s.frameLeft) / width;
  double y = s.y.start + (static_cast<double>(s.y.end) - s.y.start) * (page.y - s.frameBottom) / height;
  if (s.plot.xLog == 1) x = std::pow(10.0, x);
  if (s.plot.yLog == 1) y = std::pow(10.0, y);
  return {static_cast<float>(x), static_cast<float>(y)};
}

void recordHighlight(graphics::Recording& recording, const DiagramSettings& s, const data::DataStore& data,
                     const SymbolTable& symbols, int row, int32_t labelFontHeight) {
  if (row < 1 || static_cast<std::size_t>(row) >= data.symbolOf.size()) return;
  const float x = at(s.plot.xValue, row), y = at(s.plot.yValue, row);
  gr::Point point;
  if (s.diagramKind == "TRI") {
    const auto f = toFractions(x, y, at(s.plot.zValue, row));
    if (!f) return;
    point = ternaryGeometry(s).project(*f);
  } else {
    point = projectXY(s, x, y);
  }
  const int symbol = rowSymbol(symbols, data.symbolOf[static_cast<std::size_t>(row)]);
  if (symbol != noSymbol) drawSymbol(recording, symbols, symbol, point.x, point.y, s.pageYSign);
  const int32_t radius = std::max<int32_t>(60, std::abs(labelFontHeight));
  recording.selectPen(gr::rgb(220, 0, 0), std::max<int32_t>(10, radius / 8));
  recording.selectHollowBrush();
  recording.circle(point.x, point.y, radius);
}

std::string statusLine(const RedrawInput& in) {
  std::string line = in.page.positionName + " ";
  if (in.normalised) line += "/nm100 " + (in.normalisedColumns.empty() ? "" : in.normalisedColumns + " ");
  const data::SubsetCriteria& c = in.subset;
  if (c.active && (!c.limits.empty() || !c.match.empty() || !c.exclude.empty())) line += "/limits ";
  for (int s = 0; s <= in.symbols.symbolCount && s < symbolSlots; ++s)
    if (in.symbols.selectedSymbol[static_cast<std::size_t>(s)] == hiddenSymbol) {
      line += "/symbols ";
      break;
    }
  if (in.output.pageOpenCount > 0) line += "/page open";
  return line;
}

RedrawResult redrawDiagram(RedrawInput& input, graphics::Recording& recording) {
  return DiagramRecorder(input, recording).run();
}

}  // namespace lavix::diagram

// The main window's diagram commands: variables, ranges, axis dialogs, shape, position, switches.
#include "lavix/app/DiagramCommands.h"

#include <cmath>
#include <utility>

#include "lavix/app/Interaction.h"
#include "lavix/app/LibraryCommands.h"
#include "lavix/app/Messages.h"
#include "lavix/app/Redraw.h"
#include "lavix/app/Session.h"
#include "lavix/app/StatisticsCommands.h"
#include "lavix/calc/VariableCalculator.h"
#include "lavix/diagram/AxisRange.h"
#include "lavix/diagram/FrameLayout.h"
#include "lavix/diagram/Histogram.h"
#include "lavix/diagram/RowFilter.h"

namespace lavix::app {

namespace {

calc::CalculatorContext calculatorContext(Session& s) {
  return calc::CalculatorContext{s.data,       s.standard,        s.exchange,
                                 s.prompts,    s.calcResult,      s.diagram.plot,
                                 s.window.zerosIn, &s.normalisation, s.recalc.recast.recastFlags()};
}

bool chooseVariable(Session& s, const char* title) {
  calc::CalculatorContext context = calculatorContext(s);
  return !calc::selectVariable(context, title).cancelled;
}

void automaticRange(Session& s, diagram::Axis axis) {
  diagram::RangeResult range = diagram::automaticRange(s.diagram, axis, s.data.rowCount, s.window.zerosIn);
  if (!range.message.empty()) ui::say(s.prompts, range.message);
}

// The variable of one axis, then its automatic range; false when the choice was cancelled.
bool chooseAxis(Session& s, diagram::Axis axis, const char* title) {
  if (!chooseVariable(s, title)) return false;
  automaticRange(s, axis);
  return true;
}

bool haveData(const Session& s) { return s.data.rowCount != 0 && s.data.columnCount != 0; }

void finishNewDiagram(Session& s, const char* family) {
  s.diagram.diagramFamily = family;
  layoutFrame(s);
  s.diagram.diagramKind = family;
  redrawDiagram(s);
  setButtonsForKind(s);
}

// The histogram variable's range: a log variable is binned as its logarithm on a linear axis.
void histogramRange(Session& s) {
  s.diagram.plot.xLog = static_cast<int16_t>(-s.diagram.plot.xLog);
  automaticRange(s, diagram::Axis::x);
  s.diagram.binCount = diagram::defaultBinCount;
}

diagram::RowFilterContext filterOf(Session& s) {
  return {s.diagram, s.data, s.symbols, s.subset, s.window.zerosIn, s.recalc.recast.recastFlags()};
}

std::vector<float> numbersFrom(const data::DialogExchange& exchange, std::size_t count) {
  std::vector<float> values;
  for (std::size_t i = 1; i <= count; ++i) values.push_back(exchange.fieldValue[i]);
  return values;
}

// The seven fields of a linear axis, or the two of a log axis; false when cancelled or refused.
bool askAxisValues(Session& s, diagram::Axis which, const std::string& title) {
  diagram::AxisSettings& axis = s.diagram.axis(which);
  const bool logAxis = s.diagram.logFlag(which) == 1;
  const std::vector<std::string> fields = diagram::axisDialogFields(which, logAxis);
  std::vector<float> presets;
  if (logAxis) {
    const auto [start, end] = diagram::logAxisRawLimits(axis);
    presets = {start, end, 0, 0, 0, 0, 0};
  } else {
    const diagram::LinearAxisValues v = diagram::currentLinearValues(axis);
    presets = {v.start, v.end, v.tickInterval, v.largeTickEvery, v.numberStart, v.numberEnd, v.numberStep};
  }
  if (!s.exchange.askNumbers(s.prompts, title, fields, presets)) return false;
  const std::vector<float> entered = numbersFrom(s.exchange, fields.size());
  const std::string refused =
      logAxis ? diagram::applyLogAxisValues(axis, entered[0], entered[1])
              : diagram::applyLinearAxisValues(axis, {entered[0], entered[1], entered[2], entered[3], entered[4],
                                                      entered[5], entered[6]});
  if (!refused.empty()) {
    ui::say(s.prompts, refused);
    return false;
  }
  return true;
}

// "Change Bins": the bin range, count, numbers and integer units of a histogram.
bool changeBins(Session& s) {
  diagram::DiagramSettings& d = s.diagram;
  const std::vector<std::string> fields = {"Start of X-range",   "End of X-range",     "Number of Bins",
                                           "Start of X Numbers", "End of X Numbers",   "Step of X Numbers",
                                           "Integer units? 1=yes 0=no"};
  const std::vector<float> presets = {d.x.start,     d.x.end,        static_cast<float>(d.binCount),
                                      d.x.numberStart, d.x.numberEnd, d.x.numberStep,
                                      static_cast<float>(d.integerUnits)};
  if (!s.exchange.askNumbers(s.prompts, "Change Bins", fields, presets)) return false;
  const std::vector<float> v = numbersFrom(s.exchange, fields.size());
  const float bins = std::round(v[2]);
  if (!(bins >= 1 && bins <= diagram::maxBinCount)) {
    ui::say(s.prompts, "Number of Bins must be a whole number from 1 to 100");
    return false;
  }
  diagram::AxisSettings x = d.x;
  const std::string refused = diagram::applyLinearAxisValues(
      x, {v[0], v[1], x.tickInterval, static_cast<float>(x.largeTickEvery), v[3], v[4], v[5]});
  if (!refused.empty()) {
    ui::say(s.prompts, refused);
    return false;
  }
  d.x = x;
  d.binCount = static_cast<int16_t>(bins);
  d.integerUnits = v[6] == 1 ? 1 : 0;
  return true;
}

}  // namespace

bool diagramGuard(Session& s) {
  if (!haveData(s)) {
    ui::say(s.prompts, messages::readAFileFirst);
    return false;
  }
  s.overlays.clearCounts();
  forgetStatistics(s);
  s.library.librarySequence.clear();
  s.library.endPage();
  s.diagram.plot.plotRowCount = s.data.rowCount;
  s.window.zerosIn = false;
  s.diagram.pageYSign = 1;
  s.output.outputDevice = diagram::OutputDevice::Screen;
  identifyOff(s);
  s.diagram.flipOrder = false;  // a new diagram draws its rows in list order
  return true;
}

bool diagramCommandAllowed(Session& s) {
  identifyOff(s);
  return haveData(s) && !s.diagram.diagramKind.empty();
}

void rebuildHistogram(Session& s) {
  const diagram::HistogramCounts counts = diagram::countHistogram(filterOf(s));
  const diagram::HistogramStatistics statistics = diagram::histogramStatistics(filterOf(s));
  s.statsCaption = statistics.label;
  diagram::setFrequencyAxis(s.diagram, counts.largestTotal);
}

void mxy(Session& s) {
  if (!diagramGuard(s)) return;
  const diagram::DiagramSettings before = s.diagram;
  if (!chooseAxis(s, diagram::Axis::x, "X-Axis Variable") || !chooseAxis(s, diagram::Axis::y, "Y-Axis Variable")) {
    s.diagram = before;
    return;
  }
  s.diagram.shapeChoice = 1;
  s.statsCaption.clear();
  finishNewDiagram(s, "XY");
}

void mtri(Session& s) {
  if (!diagramGuard(s)) return;
  const diagram::DiagramSettings before = s.diagram;
  if (!chooseVariable(s, "X-Left Variable") || !chooseVariable(s, "Y-Top Variable") ||
      !chooseVariable(s, "Z-Right Variable")) {
    s.diagram = before;
    return;
  }
  s.statsCaption.clear();
  finishNewDiagram(s, "TRI");
}

void mhist(Session& s) {
  if (!diagramGuard(s)) return;
  const diagram::DiagramSettings before = s.diagram;
  s.diagram.pagePosition = 1;
  s.diagram.shapeChoice = 2;
  if (!chooseVariable(s, "Histogram Variable")) {
    s.diagram = before;
    return;
  }
  s.diagram.diagramKind = "HIST";  // the row filter bins by the histogram's rules
  histogramRange(s);
  rebuildHistogram(s);
  finishNewDiagram(s, "HIST");
}

void mspider(Session& s) {
  if (!diagramGuard(s)) return;
  const diagram::DiagramSettings before = s.diagram;
  const SpiderState spiderBefore = s.spider;
  startSpiderDiagram(s, s.spider);
  layoutFrame(s);
  if (!runSpiderChoice(s, s.spider, &s.subset)) {
    s.diagram = before;
    s.spider = spiderBefore;
    return;
  }
  s.statsCaption.clear();
  s.diagram.diagramKind = "SPI";
  redrawDiagram(s);
  setButtonsForKind(s);
}

void newx(Session& s) {
  if (!diagramCommandAllowed(s)) return;
  if (s.library.showing()) {
    nextDiag(s);
    return;
  }
  const diagram::DiagramSettings before = s.diagram;
  const std::string& kind = s.diagram.diagramKind;
  bool chosen = true;
  if (kind == "XY") {
    chosen = chooseAxis(s, diagram::Axis::x, "X Variable ");
  } else if (kind == "TRI") {
    chosen = chooseVariable(s, "X-Left Variable");
  } else if (kind == "HIST") {
    chosen = chooseVariable(s, "Histogram Variable");
    if (chosen) {
      histogramRange(s);
      rebuildHistogram(s);
    }
  } else if (kind == "SPI") {
    s.spider.state = "CONTINUE";
    runSpiderChoice(s, s.spider, &s.subset);
  } else {
    return;
  }
  if (!chosen) {
    s.diagram = before;
    return;
  }
  s.overlays.clearCounts();
  forgetStatistics(s);
  redrawDiagram(s);
}

void newy(Session& s) {
  if (!diagramCommandAllowed(s)) return;
  const diagram::DiagramSettings before = s.diagram;
  const std::string& kind = s.diagram.diagramKind;
  bool done = true;
  if (kind == "XY") done = chooseAxis(s, diagram::Axis::y, "Y Variable");
  else if (kind == "TRI") done = chooseVariable(s, "Y Variable");
  else if (kind == "HIST") {
    done = changeBins(s);
    if (done) rebuildHistogram(s);
  } else if (kind == "SPI") {
    s.spider.state = "NEWSPI";
    runSpiderChoice(s, s.spider, &s.subset);
  } else {
    return;
  }
  if (!done) {
    s.diagram = before;
    return;
  }
  s.overlays.clearCounts();
  forgetStatistics(s);
  redrawDiagram(s);
}

void newz(Session& s) {
  if (!diagramCommandAllowed(s)) return;
  const diagram::DiagramSettings before = s.diagram;
  const std::string& kind = s.diagram.diagramKind;
  bool done = true;
  if (kind == "XY") {
    done = askAxisValues(s, diagram::Axis::x, "Change any axis values") &&
           askAxisValues(s, diagram::Axis::y, "Change any axis values");
  } else if (kind == "HIST") {
    done = askAxisValues(s, diagram::Axis::y, "Change Y-axis values");
  } else if (kind == "TRI") {
    done = chooseVariable(s, "Z Variable");
  } else if (kind == "SPI") {
    done = spiderYScale(s);
  } else {
    return;
  }
  if (!done) {
    s.diagram = before;
    return;
  }
  // Labels move with the axes; only a new variable forgets them.
  if (kind == "TRI") s.overlays.clearCounts();
  redrawDiagram(s);
}

void switchXY(Session& s) {
  if (!diagramCommandAllowed(s)) return;
  if (s.diagram.diagramKind == "XY") {
    s.diagram.swapXY();
    forgetStatistics(s);  // a regression of Y on X is not one of X on Y
    // Field lines and labels are in data coordinates: they change axes with the data.
    std::swap(s.overlays.x, s.overlays.y);
  }
  redrawDiagram(s);
}

void menuAspect(Session& s) {
  if (!diagramCommandAllowed(s)) return;
  const int choice = s.exchange.askButton(s.prompts, "Choose a shape", {"&Slide", "&Box", "&Other", "&Quit"}, "SBOQ");
  if (choice < 1 || choice > 3) return;
  if (choice == 3) {
    const std::vector<std::string> fields = {"X value (.5 to 1.5)", "Y value (.5 to 1)"};
    if (!s.exchange.askNumbers(s.prompts, "Preset aspect ratios (X to Y) are:\nSlide (1.4 to 1), Box (1 to 1)", fields,
                               {s.diagram.aspectX, s.diagram.aspectY}))
      return;
    const float x = s.exchange.fieldValue[1], y = s.exchange.fieldValue[2];
    // A frame of no width or height cannot hold a diagram.
    if (!(x > 0 && y > 0)) {
      ui::say(s.prompts, "The aspect values must be above 0");
      return;
    }
    s.diagram.aspectX = x;
    s.diagram.aspectY = y;
  }
  s.diagram.shapeChoice = static_cast<int16_t>(choice);
  s.spider.state.clear();
  layoutFrame(s);
  redrawDiagram(s);
}

void menuPosition(Session& s) {
  if (!diagramCommandAllowed(s)) return;
  std::vector<std::string> names;
  for (int p = 1; p <= s.page.positionCount; ++p) names.push_back(" " + s.page.position[static_cast<std::size_t>(p)].name);
  const int chosen = s.exchange.pickFromList(s.prompts, "Select Position for plot", names);
  if (chosen < 1) return;
  s.library.endPage();  // the diagram leaves the shared page for the chosen position
  s.diagram.pagePosition = static_cast<int16_t>(chosen);
  layoutFrame(s);
  redrawDiagram(s);
}

void setZerosIn(Session& s, bool on) {
  // The switch holds for the next diagram too; only a diagram is redrawn.
  s.window.identifyMode = false;
  if (!haveData(s)) return;
  s.window.zerosIn = on;
  if (s.diagram.diagramKind == "HIST") {
    automaticRange(s, diagram::Axis::x);
    s.diagram.binCount = diagram::defaultBinCount;
    rebuildHistogram(s);
  }
  if (!s.diagram.diagramKind.empty()) redrawDiagram(s);
}

void setWhitePage(Session& s, bool white) {
  // The switch holds for the next diagram too; only a diagram is redrawn.
  s.window.identifyMode = false;
  if (!haveData(s)) return;
  s.diagram.whitePage = white ? 1 : 0;
  s.spider.state.clear();
  redrawDiagram(s);
}

void setYLabelOrientation(Session& s, int orientation) {
  // The switch holds for the next diagram too; only a diagram is redrawn.
  s.window.identifyMode = false;
  if (!haveData(s)) return;
  s.diagram.yLabelOrientation = static_cast<int16_t>(orientation);
  s.spider.state.clear();
  redrawDiagram(s);
}

void flipOrder(Session& s) {
  if (!diagramCommandAllowed(s)) return;
  s.diagram.flipOrder = !s.diagram.flipOrder;
  redrawDiagram(s);
}

void cmdRem(Session& s) {
  if (!diagramCommandAllowed(s)) return;
  s.diagram.statsCaptionOn = !s.diagram.statsCaptionOn;
  setButtonsForKind(s);
  redrawDiagram(s);
}

void mplot(Session& s) {
  if (!haveData(s)) ui::say(s.prompts, messages::readAFileFirst);
}

}  // namespace lavix::app

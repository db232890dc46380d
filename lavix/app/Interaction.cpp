// Identify mode, write modes, labels and clicks on the picture.
#include "lavix/app/Interaction.h"

#include <algorithm>
#include <cmath>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"
#include "lavix/app/Redraw.h"
#include "lavix/app/Session.h"
#include "lavix/app/SpiderDrawing.h"
#include "lavix/calc/VariableCalculator.h"
#include "lavix/diagram/AxisRange.h"
#include "lavix/diagram/Redraw.h"
#include "lavix/diagram/Ternary.h"

namespace lavix::app {

namespace {

bool haveDiagram(const Session& s) {
  return s.data.rowCount != 0 && s.data.columnCount != 0 && !s.diagram.diagramKind.empty();
}

int pickCount(const Session& s) { return static_cast<int>(s.plottedRows.size()); }

void clearHighlight(Session& s) {
  s.interaction.highlight.clear();
  s.interaction.highlightOn = false;
}

// showPick: the picked row drawn again on top, its name in the status label.
void showPick(Session& s) {
  InteractionState& st = s.interaction;
  clearHighlight(s);
  if (st.currentPick < 1 || st.currentPick > pickCount(s)) return;
  const int row = s.plottedRows[static_cast<std::size_t>(st.currentPick - 1)];
  s.setStatus(" " + s.plottedNames[static_cast<std::size_t>(st.currentPick - 1)]);
  st.highlightOn = true;
  st.highlight.setWindow(s.recording.windowOrigin(), s.recording.windowExtent());
  if (s.diagram.diagramKind == "SPI") {
    drawSpiderPattern(s, st.highlight, row, true);
  } else {
    diagram::recordHighlight(st.highlight, s.diagram, s.data, s.symbols, row, s.labelFontHeight);
  }
}

graphics::Point plottedPoint(const Session& s, int row) {
  const auto& p = s.diagram.plot;
  const float x = p.xValue[static_cast<std::size_t>(row)], y = p.yValue[static_cast<std::size_t>(row)];
  if (s.diagram.diagramKind == "TRI") {
    const auto f = diagram::toFractions(x, y, p.zValue[static_cast<std::size_t>(row)]);
    if (!f) return {INT32_MAX / 4, INT32_MAX / 4};
    return diagram::ternaryGeometry(s.diagram).project(*f);
  }
  return diagram::projectXY(s.diagram, x, y);
}

void writeModesOff(InteractionState& st) {
  st.writeNames = st.writeValues = st.writeField = false;
}

}  // namespace

bool writeModeOn(const Session& s) {
  const InteractionState& st = s.interaction;
  return st.writeNames || st.writeValues || st.writeField;
}

std::string pointText(const Session& s, int row) {
  const InteractionState& st = s.interaction;
  if (row < 1 || row > s.data.rowCount) return {};
  if (st.writeNames) return s.data.sampleName[static_cast<std::size_t>(row)];
  if (st.writeValues && static_cast<std::size_t>(row) < st.valueOf.size())
    return format::formatNumber(st.valueOf[static_cast<std::size_t>(row)], st.valueFormat);
  if (st.writeField) return std::string(s.data.cell(row, st.writeFieldColumn));
  return {};
}

void identifyOff(Session& s) {
  InteractionState& st = s.interaction;
  // Leaving identify mode resets the drawing order; a command run outside it keeps it, or
  // the order button could never turn the order back.
  if (s.window.identifyMode) s.diagram.flipOrder = false;
  s.window.identifyMode = false;
  st.identifyValuesAllowed = false;
  clearHighlight(s);
  s.setStatus(s.diagramStatus);
}

void identify(Session& s) {
  if (!haveDiagram(s)) return;
  if (s.window.identifyMode) {
    identifyOff(s);
    return;
  }
  InteractionState& st = s.interaction;
  st.identifyValuesAllowed = s.diagram.diagramKind != "SPI";
  s.window.identifyMode = true;
  st.currentPick = 1;
  showPick(s);
}

void nextOne(Session& s) {
  if (!s.window.identifyMode || pickCount(s) == 0) return;
  InteractionState& st = s.interaction;
  st.currentPick = static_cast<int16_t>(st.currentPick >= pickCount(s) ? 1 : st.currentPick + 1);
  showPick(s);
}

void previous(Session& s) {
  if (!s.window.identifyMode || pickCount(s) == 0) return;
  InteractionState& st = s.interaction;
  st.currentPick = static_cast<int16_t>(st.currentPick <= 1 ? pickCount(s) : st.currentPick - 1);
  showPick(s);
}

void pick(Session& s) {
  if (!s.window.identifyMode || pickCount(s) == 0) return;
  std::vector<std::string> items;
  for (const std::string& name : s.plottedNames) items.push_back(" " + name);
  const int chosen = s.exchange.pickFromList(s.prompts, interactionText::selectSample, items);
  clearHighlight(s);
  if (chosen < 1) return;
  s.interaction.currentPick = static_cast<int16_t>(chosen);
  showPick(s);
}

void wrname(Session& s) {
  if (!haveDiagram(s)) return;
  identifyOff(s);
  if (s.diagram.diagramKind == "SPI") {
    s.spider.gapMode = !s.spider.gapMode;
    setButtonsForKind(s);
  } else {
    InteractionState& st = s.interaction;
    const bool on = !st.writeNames;
    writeModesOff(st);
    st.writeNames = on;
  }
  redrawDiagram(s);
}

void menuValues(Session& s) {
  if (!haveDiagram(s)) return;
  identifyOff(s);
  InteractionState& st = s.interaction;
  if (st.writeValues) {
    st.writeValues = false;
    redrawDiagram(s);
    return;
  }
  // The parameter goes to the fourth value array, as every "P" choice of the calculator does.
  calc::CalculatorContext context{s.data,    s.standard,   s.exchange,       s.prompts,
                                  s.calcResult, s.diagram.plot, s.window.zerosIn, &s.normalisation,
                                  s.recalc.recast.recastFlags()};
  const diagram::DiagramSettings before = s.diagram;
  if (calc::selectVariable(context, interactionText::parameterToWrite).cancelled) {
    s.diagram = before;
    return;
  }
  std::vector<float> values(s.diagram.plot.pValue.begin(),
                            s.diagram.plot.pValue.begin() + std::min<std::size_t>(s.diagram.plot.pValue.size(),
                                                                                   static_cast<std::size_t>(s.data.rowCount) + 1));
  s.diagram.plot = before.plot;  // the axes keep their values and titles
  float largest = -1e30f, smallest = 1e30f;
  for (int row = 1; row < static_cast<int>(values.size()); ++row) {
    const float v = values[static_cast<std::size_t>(row)];
    if (v >= 1.0e10f) continue;
    largest = std::max(largest, v);
    smallest = std::min(smallest, v);
  }
  if (largest < smallest) largest = smallest = 0;
  diagram::AxisSettings maskRule;
  maskRule.numberEnd = largest;
  maskRule.numberStep = largest - smallest;
  maskRule.numberStart = smallest;
  diagram::rebuildNumberFormat(maskRule);
  const auto format = s.prompts.input({interactionText::setFormatPrompt, interactionText::setFormatTitle,
                                       maskRule.numberFormat + "  "});
  if (!format) return;
  writeModesOff(st);
  st.writeValues = true;
  st.valueFormat = *format;
  st.valueOf = std::move(values);
  redrawDiagram(s);
}

void menuField(Session& s) {
  if (!haveDiagram(s)) return;
  const std::string& kind = s.diagram.diagramKind;
  if (kind == "HIST" || kind == "SPI") return;
  identifyOff(s);
  InteractionState& st = s.interaction;
  if (st.writeField) {
    st.writeField = false;
    redrawDiagram(s);
    return;
  }
  std::vector<std::string> names;
  for (int column = 1; column <= s.data.columnCount; ++column)
    names.push_back(" " + text::stripMarkup(s.data.columnName[static_cast<std::size_t>(column)]));
  const int chosen = s.exchange.pickFromList(s.prompts, interactionText::selectField, names);
  if (chosen < 1) return;
  writeModesOff(st);
  st.writeField = true;
  st.writeFieldColumn = static_cast<int16_t>(chosen);
  redrawDiagram(s);
}

void menuLabel(Session& s) {
  if (!haveDiagram(s)) return;
  identifyOff(s);
  const auto label = s.prompts.input({interactionText::labelPrompt, interactionText::labelTitle, ""});
  if (!label || label->empty()) return;
  s.interaction.pendingLabel = *label;
  s.interaction.labelArmed = true;
  if (s.diagram.diagramKind == "SPI") s.spider.state.clear();
}

void clickPicture(Session& s, int32_t x, int32_t y) {
  if (!haveDiagram(s)) return;
  InteractionState& st = s.interaction;
  if (st.labelArmed) {
    const auto [dataX, dataY] = diagram::pageToData(s.diagram, {x, y});
    st.labelArmed = false;
    if (!s.overlays.addUserLabel(dataX, dataY, st.pendingLabel)) {
      ui::say(s.prompts, interactionText::labelTableFull);
      return;
    }
    redrawDiagram(s);
    return;
  }
  if (!s.window.identifyMode || !st.identifyValuesAllowed) return;
  double best = 1.0e10;
  int bestPick = 0;
  // Squared page distances; the earlier entry keeps a tie.
  for (int i = 0; i < pickCount(s); ++i) {
    const graphics::Point p = plottedPoint(s, s.plottedRows[static_cast<std::size_t>(i)]);
    const double dx = static_cast<double>(p.x) - x, dy = static_cast<double>(p.y) - y;
    const double distance = dx * dx + dy * dy;
    if (distance < best) {
      best = distance;
      bestPick = i + 1;
    }
  }
  if (bestPick == 0) return;
  st.currentPick = static_cast<int16_t>(bestPick);
  showPick(s);
}

}  // namespace lavix::app

// The spider diagram's choices: the pattern, the samples, the Y scale, and each sample's normalised line.
#include "lavix/app/SpiderCommands.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "common/text/Text.h"
#include "lavix/app/Session.h"
#include "lavix/diagram/AxisRange.h"

namespace lavix::app {

diagram::SpiderOxides spiderOxides(const data::StandardTable& standard) {
  diagram::SpiderOxides oxides;
  oxides.oxideName.assign(standard.stdName.begin(), standard.stdName.end());
  oxides.element.assign(standard.stdElement.begin(), standard.stdElement.end());
  oxides.elementFactor.assign(standard.elementFactor.begin(), standard.elementFactor.end());
  return oxides;
}

bool spiderRowAccepted(const diagram::SymbolTable& symbols, const data::DataStore& store,
                       const data::SubsetCriteria* criteria, int row, const std::vector<int16_t>* normFlag) {
  if (row < 1 || row > store.rowCount) return false;
  const auto r = static_cast<std::size_t>(row);
  const int symbol = r < store.symbolOf.size() ? store.symbolOf[r] : 0;
  if (symbol != -99) {
    const int magnitude = std::abs(symbol);
    if (magnitude >= diagram::symbolSlots) return false;
    if (symbols.selectedSymbol[static_cast<std::size_t>(magnitude)] != magnitude) return false;
  }
  return criteria == nullptr || data::rowSelected(*criteria, store, row, normFlag);
}

std::vector<std::string> spiderChooserLines(const std::vector<diagram::SpiderPattern>& patterns) {
  std::size_t nameWidth = 0;
  std::size_t referenceWidth = 0;
  for (const auto& p : patterns) {
    nameWidth = std::max(nameWidth, p.name.size());
    referenceWidth = std::max(referenceWidth, p.reference.size());
  }
  std::vector<std::string> lines;
  for (const auto& p : patterns) {
    std::string line = p.name;
    line.resize(nameWidth + 2, ' ');
    line += p.reference;
    line.resize(nameWidth + 2 + referenceWidth, ' ');
    lines.push_back(std::move(line));
  }
  lines.emplace_back("QUIT");
  return lines;
}

void startSpiderDiagram(Session& s, SpiderState& spider) {
  spider.selectedRows.clear();
  spider.state = "NEW";
  diagram::DiagramSettings& d = s.diagram;
  d.diagramFamily = "SPI";
  d.plot.yLog = 1;
  d.pageYSign = 1;
  d.spiderScale = "LOG";
  d.shapeChoice = 1;
  d.aspectX = 1.4f;
  d.aspectY = 1.0f;
  d.y.numberStart = d.y.numberEnd = d.y.numberStep = d.y.tickInterval = 0;
}

namespace {

// Blank-padded list items carry no mark.
std::vector<std::string> unmarked(const std::vector<std::string>& lines) {
  std::vector<std::string> items;
  items.reserve(lines.size());
  for (const auto& line : lines) items.push_back(" " + line);
  return items;
}

void applySpiderYRange(diagram::DiagramSettings& d, float begin, float end) {
  if (d.spiderScale == "LOG") {
    d.plot.yLog = 1;
    diagram::applyLogAxisValues(d.y, begin, end);
  }
}

}  // namespace

bool chooseSpiderPattern(Session& s, SpiderState& spider) {
  const std::string path = s.controlsPath(spider::patternFileName);
  std::vector<diagram::SpiderPattern> patterns;
  std::string failure;
  const auto result = diagram::readSpiderFile(path, patterns, failure, s.decimalSeparator);
  if (result == diagram::SpiderReadResult::openFailed) {
    ui::say(s.prompts, failure + "\n" + path);
    return false;
  }
  // The patterns read before a fault stay choosable; the user learns why the rest is missing.
  if (result == diagram::SpiderReadResult::stopped) ui::say(s.prompts, path + ": " + failure);
  if (patterns.empty()) return false;

  const int chosen = s.exchange.pickFromList(s.prompts, spider::selectPatternTitle, unmarked(spiderChooserLines(patterns)));
  if (chosen < 1 || chosen > static_cast<int>(patterns.size())) return false;
  const diagram::SpiderPattern& pattern = patterns[static_cast<std::size_t>(chosen - 1)];

  diagram::SpiderMatch match =
      diagram::matchSpiderColumns(pattern, s.data.columnName, s.data.columnCount, spiderOxides(s.standard));
  if (match.matchedCount() == 0) {
    ui::say(s.prompts, spider::noTracesNeeded);
    return false;
  }

  spider.pattern = pattern;
  spider.match = std::move(match);
  spider.patternChosen = true;
  diagram::DiagramSettings& d = s.diagram;
  d.plot.xTitle = pattern.name;
  d.plot.yTitle = "Rock/" + pattern.reference;
  d.spiderYBegin = pattern.yBegin;
  d.spiderYEnd = pattern.yEnd;
  const auto span = static_cast<float>(pattern.elementCount() + 1);
  d.plot.xLog = 0;
  d.x.start = 0;
  d.x.end = span;
  d.x.span = span;
  applySpiderYRange(d, pattern.yBegin, pattern.yEnd);
  return true;
}

std::vector<float> spiderRowValues(const data::DataStore& store, const diagram::SpiderMatch& match, int row,
                                   const std::vector<int16_t>* normFlag) {
  std::vector<float> values(match.column.size(), 0.0f);
  for (std::size_t i = 0; i < match.column.size(); ++i)
    if (match.column[i] > 0) values[i] = data::variableValue(store, match.column[i], row, normFlag);
  return values;
}

bool chooseSpiderSamples(Session& s, SpiderState& spider, const data::SubsetCriteria* criteria) {
  std::vector<int16_t> candidates;
  for (int row = 1; row <= s.data.rowCount; ++row) {
    float sum = 0;
    const std::vector<int16_t>* normFlag = s.recalc.recast.recastFlags();
    for (float v : spiderRowValues(s.data, spider.match, row, normFlag)) sum += v;
    if (sum > 0 && spiderRowAccepted(s.symbols, s.data, criteria, row, normFlag))
      candidates.push_back(static_cast<int16_t>(row));
  }
  if (candidates.empty()) {
    spider.selectedRows.clear();
    return false;
  }

  std::vector<std::string> items;
  items.reserve(candidates.size());
  for (int16_t row : candidates) {
    const bool selected = std::find(spider.selectedRows.begin(), spider.selectedRows.end(), row) !=
                          spider.selectedRows.end();
    const auto r = static_cast<std::size_t>(row);
    items.push_back((selected ? "*" : " ") + (r < s.data.sampleName.size() ? s.data.sampleName[r] : std::string()));
  }
  const bool doneCaption = s.exchange.listDoneCaption;
  s.exchange.listDoneCaption = true;
  s.exchange.pickFromList(s.prompts, spider::selectSamplesTitle, items);
  s.exchange.listDoneCaption = doneCaption;

  spider.selectedRows.clear();
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    const std::string& item = s.exchange.fieldText[i + 1];
    if (!item.empty() && item[0] == '*') spider.selectedRows.push_back(candidates[i]);
  }
  return true;
}

bool runSpiderChoice(Session& s, SpiderState& spider, const data::SubsetCriteria* criteria) {
  if (spider.state != "CONTINUE" || !spider.patternChosen) {
    if (!chooseSpiderPattern(s, spider)) return false;
  }
  if (spider.state != "NEWSPI") chooseSpiderSamples(s, spider, criteria);
  return true;
}

bool spiderYScale(Session& s) {
  diagram::DiagramSettings& d = s.diagram;
  const int choice = s.exchange.askButton(s.prompts, spider::scaleTypeTitle, {"Log Scale", "Linear scale"}, "GL");
  if (choice == 1) {
    if (!s.exchange.askNumbers(s.prompts, spider::yRangeTitle, {spider::beginPrompt, spider::endPrompt},
                               {d.spiderYBegin, d.spiderYEnd}))
      return false;
    diagram::AxisSettings y = d.y;
    const float begin = s.exchange.fieldValue[1];
    const float end = s.exchange.fieldValue[2];
    const std::string problem = diagram::applyLogAxisValues(y, begin, end);
    if (!problem.empty()) {
      ui::say(s.prompts, problem);
      return false;
    }
    d.y = y;
    d.spiderScale = "LOG";
    d.plot.yLog = 1;
    // The same replacement the log axis makes, so that the range shown next time is the one drawn.
    d.spiderYBegin = begin > 0 ? begin : 1.0f;
    d.spiderYEnd = end > 0 ? end : 10.0f;
    return true;
  }
  if (choice != 2) return false;

  diagram::LinearAxisValues now = diagram::currentLinearValues(d.y);
  if (d.plot.yLog != 0) {
    // Coming from a log axis the decade limits mean nothing as linear values: offer the raw range.
    const float span = std::abs(d.spiderYEnd - d.spiderYBegin);
    const float tick = span > 0 ? span / 10 : 1.0f;
    now = {d.spiderYBegin, d.spiderYEnd, tick, 0, d.spiderYBegin, d.spiderYEnd, diagram::linearNumberStep(span, tick)};
  }
  if (!s.exchange.askNumbers(s.prompts, spider::yRangeTitle, diagram::axisDialogFields(diagram::Axis::y, false),
                             {now.start, now.end, now.tickInterval, now.largeTickEvery, now.numberStart, now.numberEnd,
                              now.numberStep}))
    return false;
  const auto& v = s.exchange.fieldValue;
  diagram::AxisSettings y = d.y;
  const std::string problem = diagram::applyLinearAxisValues(y, {v[1], v[2], v[3], v[4], v[5], v[6], v[7]});
  if (!problem.empty()) {
    ui::say(s.prompts, problem);
    return false;
  }
  d.y = y;
  d.spiderScale = "LIN";
  d.plot.yLog = 0;
  // The redraw rebuilds the spider's Y axis from these, so they carry the range just typed.
  d.spiderYBegin = y.start;
  d.spiderYEnd = y.end;
  return true;
}

std::vector<diagram::SpiderLine> spiderRowLines(const Session& s, const SpiderState& spider, int row,
                                                const std::vector<int16_t>* normFlag) {
  if (!spider.patternChosen) return {};
  return diagram::spiderPatternLines(spider.pattern, spider.match, spiderRowValues(s.data, spider.match, row, normFlag),
                                     s.diagram.spiderScale == "LOG", spider.gapMode);
}

}  // namespace lavix::app

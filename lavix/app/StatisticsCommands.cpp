// Regression lines, distribution curves and the spider renormalisation.
#include "lavix/app/StatisticsCommands.h"

#include <algorithm>

#include "common/format/NumberFormat.h"
#include "common/text/Text.h"
#include "common/text/TextFile.h"
#include "lavix/app/CurveDrawing.h"
#include "lavix/app/DiagramCommands.h"
#include "lavix/app/Interaction.h"
#include "lavix/app/Redraw.h"
#include "lavix/app/Session.h"
#include "lavix/diagram/Histogram.h"
#include "lavix/diagram/RowFilter.h"
#include "lavix/models/Distributions.h"
#include "lavix/models/Messages.h"

namespace lavix::app {

namespace msg = models::messages;

namespace {

diagram::RowFilterContext filterOf(const Session& s) { return {s.diagram, s.data, s.symbols, s.subset, s.window.zerosIn}; }

std::vector<models::XYPoint> plottedPoints(const Session& s) {
  std::vector<models::XYPoint> points;
  const diagram::RowFilterContext filter = filterOf(s);
  for (int row = 1; row <= s.data.rowCount; ++row)
    if (diagram::plotsRow(filter, row, "XY"))
      points.push_back({s.diagram.plot.xValue[static_cast<std::size_t>(row)],
                        s.diagram.plot.yValue[static_cast<std::size_t>(row)]});
  return points;
}

int classCount(const Session& s) { return std::clamp<int>(s.diagram.binCount, 1, diagram::maxBinCount); }

int countOverClasses(const diagram::HistogramCounts& counts, int classes) {
  int total = 0;
  for (int bin = 1; bin <= classes; ++bin) total += counts.counts[static_cast<std::size_t>(bin)][diagram::histogramTotal];
  return total;
}

// A curve drawn over the diagram, then "Add this to plot" or "Delete this line".
void offerDistribution(Session& s, std::vector<models::XYPoint> curve) {
  s.statistics.keptLines.push_back(std::move(curve));
  redrawDiagram(s);
  if (!keepNewLine(s, msg::removeOrKeep)) s.statistics.keptLines.pop_back();
  redrawDiagram(s);
}

std::string withRegressionExtension(const std::string& path) {
  const std::string upper = text::toUpper(path);
  return upper.size() >= 4 && upper.compare(upper.size() - 4, 4, ".TXT") == 0 ? path : path + ".lx.txt";
}

// Appends a line to the regression data file, choosing and creating it (with its header) first
// when none is in use. False when no file was chosen or it could not be written.
bool appendRegressionFile(Session& s, const std::string& line) {
  std::vector<std::string> lines;
  std::string path = s.statistics.regressionFile;
  text::FileError error;
  if (path.empty() || !text::readLines(path, lines, error)) {
    if (path.empty()) {
      ui::FileRequest request;
      request.filter = msg::regressionFileFilter;
      request.defaultName = msg::regressionFileDefault;
      request.folder = s.dataFolder;
      request.confirmOverwrite = true;
      const std::optional<std::string> chosen = s.prompts.saveFile(request);
      if (!chosen || text::trim(*chosen).empty()) return false;
      path = withRegressionExtension(*chosen);
    }
    lines = {models::regressionFileHeader()};
  }
  lines.push_back(line);
  if (!text::writeFileAtomically(path, text::joinLinesCrLf(lines), error)) {
    ui::say(s.prompts, error.text + "\n" + path);
    return false;
  }
  s.statistics.regressionFile = path;
  return true;
}

void appendStatsFile(Session& s, const std::string& report) {
  std::string folder = s.dataFolder;
  if (!folder.empty() && folder.back() != '/') folder += '/';
  const std::string path = folder + msg::statsFileName;
  std::vector<std::string> lines;
  text::FileError error;
  if (text::fileExists(path) && !text::readLines(path, lines, error)) {
    ui::say(s.prompts, error.text + "\n" + path);
    return;
  }
  for (const std::string& line : text::splitLines(report)) lines.push_back(line);
  lines.emplace_back();
  if (!text::writeFileAtomically(path, text::joinLinesCrLf(lines), error)) ui::say(s.prompts, error.text + "\n" + path);
}

void normalCurve(Session& s) {
  const diagram::RowFilterContext filter = filterOf(s);
  const diagram::HistogramCounts counts = diagram::countHistogram(filter);
  const diagram::HistogramStatistics statistics = diagram::histogramStatistics(filter);
  const int classes = classCount(s);
  const int total = countOverClasses(counts, classes);
  std::vector<models::XYPoint> curve =
      statistics.hasSd ? models::normalCurve(classes, s.diagram.x.end - s.diagram.x.start, total, statistics.mean,
                                             statistics.sd)
                       : std::vector<models::XYPoint>{};
  if (curve.empty()) {
    ui::say(s.prompts, msg::noNormalCurve);
    return;
  }
  offerDistribution(s, std::move(curve));
}

void renormaliseToSample(Session& s) {
  if (!s.spider.patternChosen || s.plottedRows.empty()) return;
  std::vector<std::string> items;
  for (const std::string& name : s.plottedNames) items.push_back(" " + name);
  const int chosen = s.exchange.pickFromList(s.prompts, interactionText::selectSample, items);
  if (chosen < 1 || chosen > static_cast<int>(s.plottedRows.size())) {
    redrawDiagram(s);
    return;
  }
  const int row = s.plottedRows[static_cast<std::size_t>(chosen - 1)];
  const std::vector<float> values = spiderRowValues(s.data, s.spider.match, row);
  diagram::SpiderPattern& pattern = s.spider.pattern;
  for (std::size_t i = 0; i < pattern.normalisers.size() && i < values.size(); ++i) {
    const float conversion = i < s.spider.match.conversion.size() ? s.spider.match.conversion[i] : 1.0f;
    pattern.normalisers[i] = values[i] * conversion;
  }
  s.diagram.plot.yTitle = msg::rockOver + s.data.sampleName[static_cast<std::size_t>(row)];
  // The chosen sample now plots at 1: a decade either side shows the others around it, where
  // the reference's range would drop every value below 1.
  if (s.diagram.spiderScale == "LOG") {
    s.diagram.spiderYBegin = 0.1f;
    s.diagram.spiderYEnd = 10;
  }
  redrawDiagram(s);
}

}  // namespace

std::optional<models::RegressionFit> regressXY(Session& s) {
  const bool batch = s.statistics.batchRegression;
  s.overlays.clearCounts();
  const models::RegressionOutcome outcome = models::fitLine(plottedPoints(s));
  if (!outcome.fit) {
    ui::say(s.prompts, outcome.refusal);
    return std::nullopt;
  }
  const models::RegressionFit& fit = *outcome.fit;
  s.statistics.regression = fit;

  models::LineBounds bounds = models::LineBounds::xAxis;
  if (!batch &&
      s.exchange.askButton(s.prompts, msg::lineBoundsTitle, {msg::boundsEndpoints, msg::boundsXAxis}, "ex") == 1)
    bounds = models::LineBounds::endpoints;
  const diagram::DiagramSettings& d = s.diagram;
  const auto ends = models::regressionLineEnds(fit, bounds, d.x.start, d.x.end, d.y.start, d.y.end);
  const std::size_t lineIndex = s.statistics.keptLines.size();
  if (ends) s.statistics.keptLines.push_back({ends->first, ends->second});
  auto removeLine = [&] {
    std::vector<std::vector<models::XYPoint>>& lines = s.statistics.keptLines;
    if (ends && lines.size() > lineIndex) lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(lineIndex));
  };
  if (batch) s.statsCaption = models::regressionLabel(fit);
  redrawDiagram(s);

  const std::string xName = d.plot.xTitle, yName = d.plot.yTitle;
  const std::string report = models::regressionReport(fit, xName, yName);
  if (!batch) {
    const std::optional<std::string> answer = s.prompts.input({report, msg::regressionTitle, msg::pressOk});
    if (!answer || answer->empty()) {
      removeLine();
      redrawDiagram(s);
      return std::nullopt;
    }
  }

  const int written = batch ? 2
                            : s.exchange.askButton(s.prompts, msg::writeParametersTitle,
                                                   {msg::writeDiagram, msg::writeRegressionFile, msg::writeStatsFile,
                                                    msg::quit},
                                                   "dzsq");
  if (written == 1) s.statsCaption = models::regressionDiagramLabel(fit);
  if (written == 2 && !appendRegressionFile(s, models::regressionFileLine(fit, xName, yName)) && !batch) {
    redrawDiagram(s);
    return fit;
  }
  if (written == 3) appendStatsFile(s, report);

  if (!batch && s.exchange.askButton(s.prompts, msg::removeOrKeep, {msg::keepTheLine, msg::removeLine}, "kr") == 2)
    removeLine();
  redrawDiagram(s);
  return fit;
}

void linRegress(Session& s) {
  if (!diagramCommandAllowed(s)) return;
  const std::string& kind = s.diagram.diagramKind;
  if (kind == "XY") regressXY(s);
  else if (kind == "HIST") normalCurve(s);
  else if (kind == "SPI") renormaliseToSample(s);
  else redrawDiagram(s);
}

void poisson(Session& s) {
  if (!diagramCommandAllowed(s)) return;
  if (s.diagram.diagramKind != "HIST") {
    ui::say(s.prompts, msg::noPoissonHistogram);
    return;
  }
  const std::optional<std::string> typed =
      s.prompts.input({msg::enterLambda, msg::lambdaTitle, format::shortestText(s.statistics.poissonLambda)});
  if (!typed) return;
  const float lambda = text::parseNumber(*typed, s.decimalSeparator);
  if (lambda < 0) {
    ui::say(s.prompts, msg::negativeLambda);
    return;
  }
  s.statistics.poissonLambda = lambda;
  const int classes = classCount(s);
  const int total = countOverClasses(diagram::countHistogram(filterOf(s)), classes);
  offerDistribution(s, models::poissonCurve(classes, s.diagram.x.start, s.diagram.x.end, total, lambda));
}

void forgetStatistics(Session& s) {
  s.statistics.keptLines.clear();
  if (s.diagram.diagramKind == "XY") s.statsCaption.clear();
}

}  // namespace lavix::app

// The state dumps of batch mode (`@dump WHAT`): TAB-separated blocks for checking.
#include "lavix/app/Dumps.h"

#include <initializer_list>

#include "common/format/NumberFormat.h"
#include "lavix/app/Session.h"
#include "lavix/data/DataFileWriter.h"

namespace lavix::app {

namespace {

std::string joinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) out += '\n';
    out += lines[i];
  }
  return out;
}

// What the last redraw drew. A spider diagram: one line per point of a pattern, its value as
// plotted (log10 on a log scale). Other kinds: one line per entry of the plotted-value arrays
// drawn, data rows first, then curve entries; the values as the arrays hold them.
std::string plottedDump(const Session& s) {
  const auto symbolOf = [&s](int row) {
    return row >= 0 && row < static_cast<int>(s.data.symbolOf.size()) ? s.data.symbolOf[static_cast<std::size_t>(row)] : 0;
  };
  const auto line = [&](int row, std::initializer_list<float> values) {
    std::string text = "\n" + std::to_string(row) + "\t" + std::to_string(symbolOf(row));
    for (float v : values) text += "\t" + format::shortestText(v);
    return text;
  };
  if (s.diagram.diagramKind == "SPI") {
    std::string out = "row\tsymbol\tposition\tvalue";
    for (const diagram::DrawnSpiderPoint& p : s.drawn.spiderPoints) out += line(p.row, {p.point.x, p.point.y});
    return out;
  }
  const auto& plot = s.diagram.plot;
  const auto value = [](const std::vector<float>& values, int entry) {
    return entry >= 0 && entry < static_cast<int>(values.size()) ? values[static_cast<std::size_t>(entry)] : 0.0f;
  };
  std::string out = "row\tsymbol\tx\ty\tz";
  for (int entry : s.drawn.entries)
    out += line(entry, {value(plot.xValue, entry), value(plot.yValue, entry), value(plot.zValue, entry)});
  return out;
}

std::string settingsDump(const Session& s) {
  const diagram::DiagramSettings& d = s.diagram;
  const diagram::PlotValues& plot = d.plot;
  std::vector<std::pair<std::string, std::string>> settings = {
      {"diagramKind", d.diagramKind}, {"diagramFamily", d.diagramFamily}};
  auto number = [](auto value) { return format::shortestText(value); };
  auto addAxis = [&](const std::string& a, const std::string& A, const diagram::AxisSettings& axis, int16_t log,
                     const std::string& title) {
    settings.insert(settings.end(), {{a + "Log", number(log)},
                                     {a + "Start", number(axis.start)},
                                     {a + "End", number(axis.end)},
                                     {a + "Span", number(axis.span)},
                                     {a + "TickInterval", number(axis.tickInterval)},
                                     {"large" + A + "TickEvery", number(axis.largeTickEvery)},
                                     {a + "NumberStart", number(axis.numberStart)},
                                     {a + "NumberEnd", number(axis.numberEnd)},
                                     {a + "NumberStep", number(axis.numberStep)},
                                     {a + "NumberFormat", axis.numberFormat},
                                     {a + "Title", title}});
  };
  addAxis("x", "X", d.x, plot.xLog, plot.xTitle);
  addAxis("y", "Y", d.y, plot.yLog, plot.yTitle);
  settings.insert(settings.end(), {{"zLog", number(plot.zLog)},
                                   {"zTitle", plot.zTitle},
                                   {"pTitle", plot.pTitle},
                                   {"xColumn", number(plot.xColumn)},
                                   {"yColumn", number(plot.yColumn)},
                                   {"frameLeft", number(d.frameLeft)},
                                   {"frameRight", number(d.frameRight)},
                                   {"frameBottom", number(d.frameBottom)},
                                   {"frameTop", number(d.frameTop)},
                                   {"pagePosition", number(d.pagePosition)},
                                   {"shapeChoice", number(d.shapeChoice)},
                                   {"zerosIn", s.window.zerosIn ? "1" : "0"},
                                   {"plotRowCount", number(plot.plotRowCount)},
                                   {"statsCaption", s.statsCaption},
                                   {"frameWidth", number(d.frameWidth)},
                                   {"frameHeight", number(d.frameHeight)},
                                   {"pageYSign", number(d.pageYSign)},
                                   {"aspectX", number(d.aspectX)},
                                   {"aspectY", number(d.aspectY)},
                                   {"flipOrder", d.flipOrder ? "1" : "0"},
                                   {"statsCaptionOn", d.statsCaptionOn ? "1" : "0"},
                                   {"whitePage", number(d.whitePage)},
                                   {"yLabelOrientation", number(d.yLabelOrientation)},
                                   {"binCount", number(d.binCount)},
                                   {"integerUnits", number(d.integerUnits)},
                                   {"xClipMin", number(d.xClipMin)},
                                   {"xClipMax", number(d.xClipMax)},
                                   {"yClipMin", number(d.yClipMin)},
                                   {"yClipMax", number(d.yClipMax)},
                                   {"zClipMin", number(d.zClipMin)},
                                   {"zClipMax", number(d.zClipMax)},
                                   {"spiderScale", d.spiderScale},
                                   {"spiderYBegin", number(d.spiderYBegin)},
                                   {"spiderYEnd", number(d.spiderYEnd)},
                                   {"spiderState", s.spider.state},
                                   {"spiderGapMode", s.spider.gapMode ? "1" : "0"},
                                   {"identifyMode", s.window.identifyMode ? "1" : "0"},
                                   {"currentPick", number(s.interaction.currentPick)},
                                   {"userLabels", number(s.overlays.userLabels)},
                                   {"pageOpenCount", number(s.output.pageOpenCount)},
                                   {"librarySequence", s.library.librarySequence},
                                   {"libraryFamily", s.library.showing() ? d.diagramFamily : std::string()},
                                   {"libraryRecordCount", number(s.library.file.records.size())},
                                   {"libraryDiagramCount",
                                    number(s.library.showing() ? s.library.pageDiagrams.size() + 1 : 0)},
                                   {"libraryName", s.library.showing() ? s.library.currentName : std::string()},
                                   {"diagramNote", s.library.showing() ? s.library.diagramNote : std::string()},
                                   {"fieldPointCount", number(s.overlays.fieldLines)},
                                   {"fieldLabelCount", number(s.overlays.fieldLabels)},
                                   {"legendLoaded", s.legend.legendLoaded ? "1" : "0"},
                                   {"legendPosition", number(s.legend.legendPosition)},
                                   {"legendCount", number(s.legend.entries.size())},
                                   {"outputDevice", s.output.outputDevice == diagram::OutputDevice::Screen  ? "SCREEN"
                                                    : s.output.outputDevice == diagram::OutputDevice::Print ? "PRINT"
                                                                                                            : "WMF"}});
  // The recalculations' switches, so a script can tell recast from raw values.
  const recalc::RecalcState& r = s.recalc;
  std::string recast;
  for (const std::string& name : recalc::recastColumnNames(s.data, r.recast))
    recast += (recast.empty() ? "" : " ") + name;
  settings.insert(settings.end(), {{"normOn", number(r.recast.normOn)},
                                   {"recastColumns", r.recast.normOn == 1 ? recast : std::string()},
                                   {"feRatioMode", r.iron.feRatioMode},
                                   {"feTempC", number(r.iron.feTempC)},
                                   {"feLogFO2", number(r.iron.feLogFO2)},
                                   {"feRatioTerm", number(r.iron.feRatioTerm)},
                                   {"feLabel", r.iron.feLabel},
                                   {"pearceDone", r.pearceDone ? "1" : "0"}});
  std::string out;
  for (const auto& [name, value] : settings) {
    if (!out.empty()) out += '\n';
    out += name + '\t' + value;
  }
  return out;
}

}  // namespace

std::optional<std::string> dump(const Session& session, const std::string& what) {
  // The data in memory exactly as Save writes them.
  if (what == "matrix") return joinLines(data::dataFileLines(session.data));
  if (what == "plotted") return plottedDump(session);
  if (what == "settings") return settingsDump(session);
  return std::nullopt;
}

}  // namespace lavix::app

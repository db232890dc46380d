// The state dumps of batch mode (`@dump WHAT`): TAB-separated blocks for checking.
#include "lavix/app/Dumps.h"

#include <algorithm>

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

std::string plottedDump(const Session& s) {
  const auto& plot = s.diagram.plot;
  std::string out = "row\tsymbol\tx\ty\tz";
  const int last = std::min<int>(plot.plotRowCount, static_cast<int>(plot.xValue.size()) - 1);
  for (int row = 1; row <= last; ++row) {
    const int symbol = row < static_cast<int>(s.data.symbolOf.size()) ? s.data.symbolOf[static_cast<std::size_t>(row)] : 0;
    out += "\n" + std::to_string(row) + "\t" + std::to_string(symbol);
    for (const auto* values : {&plot.xValue, &plot.yValue, &plot.zValue})
      out += "\t" + format::shortestText((*values)[static_cast<std::size_t>(row)]);
  }
  return out;
}

std::string settingsDump(const Session& s) {
  const auto& plot = s.diagram.plot;
  std::vector<std::pair<std::string, std::string>> settings = {
      {"diagramKind", s.diagram.diagramKind},
      {"xLog", std::to_string(plot.xLog)},
      {"xTitle", plot.xTitle},
      {"xColumn", std::to_string(plot.xColumn)},
      {"yLog", std::to_string(plot.yLog)},
      {"yTitle", plot.yTitle},
      {"yColumn", std::to_string(plot.yColumn)},
      {"zLog", std::to_string(plot.zLog)},
      {"zTitle", plot.zTitle},
      {"pTitle", plot.pTitle},
      {"zerosIn", s.window.zerosIn ? "1" : "0"},
      {"plotRowCount", std::to_string(plot.plotRowCount)},
  };
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

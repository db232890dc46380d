// Curves into the spare plotted entries.
#include "lavix/models/CurveEntries.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace lavix::models {

namespace {

std::optional<float> axisValue(double value, int16_t logFlag) {
  if (!std::isfinite(value)) return std::nullopt;
  if (logFlag == 1) {
    if (!(value > 0)) return std::nullopt;
    value = std::log10(value);
  }
  if (std::fabs(value) > 1e30) return std::nullopt;
  return static_cast<float>(value);
}

bool insideAxis(float value, const diagram::AxisSettings& axis) {
  return (static_cast<double>(value) - axis.start) * (static_cast<double>(value) - axis.end) <= 0;
}

}  // namespace

std::vector<CurveEntry> curveEntries(const std::vector<CurvePoint>& points, const diagram::DiagramSettings& settings,
                                     int16_t tickSymbol) {
  std::vector<CurveEntry> entries;
  bool lineOpen = false;
  for (const CurvePoint& p : points) {
    const std::optional<float> x = axisValue(p.x, settings.plot.xLog), y = axisValue(p.y, settings.plot.yLog);
    if (!x || !y || !insideAxis(*x, settings.x) || !insideAxis(*y, settings.y)) {
      if (p.marker != Marker::tick) lineOpen = false;
      continue;
    }
    if (p.marker == Marker::tick) {
      entries.push_back({*x, *y, tickSymbol});
      lineOpen = false;  // the redraw lifts the pen at a tick
      continue;
    }
    if (!lineOpen || p.breakBefore) entries.push_back({*x, *y, diagram::curveStartSymbol});
    entries.push_back({*x, *y, diagram::curveLineSymbol});
    lineOpen = true;
    if (p.marker == Marker::tickOnLine) {
      entries.push_back({*x, *y, tickSymbol});
      entries.push_back({*x, *y, diagram::curveLineSymbol});
    }
  }
  return entries;
}

int curveRoom(const diagram::PlotValues& plot, const std::vector<int16_t>& symbolOf, int rowCount) {
  const std::size_t size =
      std::min({plot.xValue.size(), plot.yValue.size(), plot.zValue.size(), symbolOf.size()});
  const int lastEntry = static_cast<int>(size) - 1;
  const int firstFree = std::max(plot.plotRowCount, rowCount) + 1;
  return std::max(0, lastEntry - firstFree + 1);
}

bool appendCurveEntries(diagram::PlotValues& plot, std::vector<int16_t>& symbolOf, int rowCount,
                        const std::vector<CurveEntry>& entries) {
  if (static_cast<int>(entries.size()) > curveRoom(plot, symbolOf, rowCount)) return false;
  int entry = std::max(plot.plotRowCount, rowCount);
  for (const CurveEntry& e : entries) {
    const auto at = static_cast<std::size_t>(++entry);
    plot.xValue[at] = e.x;
    plot.yValue[at] = e.y;
    plot.zValue[at] = 0;
    symbolOf[at] = e.symbol;
  }
  plot.plotRowCount = entry;
  return true;
}

}  // namespace lavix::models

// Kept lines over the diagram, clipped to the axis ranges.
#include "lavix/app/StatisticsDrawing.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "lavix/app/Session.h"
#include "lavix/diagram/Redraw.h"

namespace lavix::app {

namespace {

using models::XYPoint;

// The part of segment a-b inside [x0, x1] × [y0, y1] (Liang and Barsky); nullopt when none.
std::optional<std::pair<XYPoint, XYPoint>> clipped(XYPoint a, XYPoint b, double x0, double x1, double y0, double y1) {
  double t0 = 0, t1 = 1;
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {a.x - x0, x1 - a.x, a.y - y0, y1 - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return std::nullopt;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
  }
  if (t0 > t1) return std::nullopt;
  return std::pair{XYPoint{a.x + t0 * dx, a.y + t0 * dy}, XYPoint{a.x + t1 * dx, a.y + t1 * dy}};
}

}  // namespace

void drawStatisticsLines(const Session& s, graphics::Recording& recording) {
  const diagram::DiagramSettings& d = s.diagram;
  const double x0 = std::min(d.x.start, d.x.end), x1 = std::max(d.x.start, d.x.end);
  const double y0 = std::min(d.y.start, d.y.end), y1 = std::max(d.y.start, d.y.end);
  auto page = [&](const XYPoint& p) {
    return diagram::projectXY(d, static_cast<float>(p.x), static_cast<float>(p.y));
  };
  for (const std::vector<XYPoint>& line : s.statistics.keptLines) {
    std::vector<graphics::Point> piece;
    auto flush = [&] {
      if (piece.size() >= 2) {
        recording.selectPen(s.symbols.curveColour, s.symbols.curveLineWidth);
        recording.polyline(piece);
      }
      piece.clear();
    };
    for (std::size_t i = 1; i < line.size(); ++i) {
      const auto part = clipped(line[i - 1], line[i], x0, x1, y0, y1);
      if (!part) {
        flush();
        continue;
      }
      const graphics::Point from = page(part->first), to = page(part->second);
      if (piece.empty() || piece.back().x != from.x || piece.back().y != from.y) {
        flush();
        piece.push_back(from);
      }
      piece.push_back(to);
    }
    flush();
  }
}

}  // namespace lavix::app

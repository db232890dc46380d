// Kept lines over the diagram, clipped to the axis ranges.
#include "lavix/app/StatisticsDrawing.h"

#include <algorithm>
#include <cmath>

#include "lavix/app/Session.h"
#include "lavix/diagram/Redraw.h"
#include "lavix/models/SegmentClip.h"

namespace lavix::app {

using models::XYPoint;

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
      const auto part = models::clipSegment(line[i - 1], line[i], x0, x1, y0, y1);
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

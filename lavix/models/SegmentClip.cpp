#include "lavix/models/SegmentClip.h"

#include <algorithm>

namespace lavix::models {

std::optional<std::pair<XYPoint, XYPoint>> clipSegment(XYPoint a, XYPoint b, double x0, double x1, double y0,
                                                       double y1) {
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

}  // namespace lavix::models

// Plane geometry: polygon area and clipping to a convex polygon (Cyrus-Beck).
#include "lavix/diagram/PlaneGeometry.h"

#include <algorithm>
#include <cmath>

namespace lavix::diagram {

namespace {

double cross(PlanePoint o, PlanePoint a, PlanePoint b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }

}  // namespace

double signedArea2(const std::vector<PlanePoint>& polygon) {
  double sum = 0;
  for (std::size_t i = 0, n = polygon.size(); i < n; ++i) {
    const PlanePoint& a = polygon[i];
    const PlanePoint& b = polygon[(i + 1) % n];
    sum += a.x * b.y - b.x * a.y;
  }
  return sum;
}

bool clipToConvex(const std::vector<PlanePoint>& polygon, PlanePoint& a, PlanePoint& b) {
  const std::size_t n = polygon.size();
  if (n < 3) return false;
  const double orientation = signedArea2(polygon) >= 0 ? 1.0 : -1.0;
  double scale = 0;
  for (const PlanePoint& p : polygon) scale = std::max({scale, std::fabs(p.x), std::fabs(p.y)});
  const double slack = 1e-12 * std::max(scale, 1.0);
  double enter = 0, leave = 1;
  const PlanePoint d{b.x - a.x, b.y - a.y};
  for (std::size_t i = 0; i < n; ++i) {
    const PlanePoint& p = polygon[i];
    const PlanePoint& q = polygon[(i + 1) % n];
    // Inside is where the edge's cross product has the polygon's orientation.
    const double start = orientation * cross(p, q, a) + slack;
    const double change = orientation * ((q.x - p.x) * d.y - (q.y - p.y) * d.x);
    if (change == 0) {
      if (start < 0) return false;
      continue;
    }
    const double t = -start / change;
    if (change > 0) enter = std::max(enter, t);
    else leave = std::min(leave, t);
    if (enter > leave) return false;
  }
  const PlanePoint from = a;
  a = {from.x + enter * d.x, from.y + enter * d.y};
  b = {from.x + leave * d.x, from.y + leave * d.y};
  return true;
}

bool insideConvex(const std::vector<PlanePoint>& polygon, PlanePoint p, double tolerance) {
  const std::size_t n = polygon.size();
  if (n < 3 || !std::isfinite(p.x) || !std::isfinite(p.y)) return false;
  const double orientation = signedArea2(polygon) >= 0 ? 1.0 : -1.0;
  for (std::size_t i = 0; i < n; ++i) {
    const PlanePoint& a = polygon[i];
    const PlanePoint& b = polygon[(i + 1) % n];
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    if (length == 0) continue;
    if (orientation * cross(a, b, p) / length < -tolerance) return false;
  }
  return true;
}

}  // namespace lavix::diagram

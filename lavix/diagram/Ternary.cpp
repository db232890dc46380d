// Ternary geometry.
#include "lavix/diagram/Ternary.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lavix::diagram {

namespace {

float range(float minimum, float maximum) {
  const float r = maximum - minimum;
  return r == 0.0f ? 1.0f : r;
}

// Keeps the part of a convex polygon (in fractions) where component(f) lies on the kept side
// of `limit`: above it when `lower`, below it otherwise.
std::vector<Fractions> clip(const std::vector<Fractions>& polygon, float Fractions::*component, float limit,
                            bool lower) {
  std::vector<Fractions> out;
  const std::size_t n = polygon.size();
  auto inside = [&](const Fractions& f) { return lower ? f.*component >= limit - 1e-6f : f.*component <= limit + 1e-6f; };
  for (std::size_t i = 0; i < n; ++i) {
    const Fractions& a = polygon[i];
    const Fractions& b = polygon[(i + 1) % n];
    const bool ia = inside(a), ib = inside(b);
    if (ia) out.push_back(a);
    if (ia != ib) {
      const float t = (limit - a.*component) / (b.*component - a.*component);
      out.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), a.z + t * (b.z - a.z)});
    }
  }
  return out;
}

// The triangle's height in frame heights: the X and Z clip ranges set it; a Y range that leaves
// the clipped shape lower than the frame (the pyroxene quadrilateral, Wo 0 to 0.5) enlarges it
// as far as the frame's width allows.
float scaleToFrame(const DiagramSettings& s, const std::vector<Fractions>& outline) {
  const float m = std::min(1.0f / range(s.zClipMin, s.zClipMax), 1.0f / range(s.xClipMin, s.xClipMax));
  if (outline.size() < 3 || s.frameHeight == 0) return m;
  float low = 1, high = 0, left = 1, right = 0;
  for (const Fractions& f : outline) {
    low = std::min(low, f.y), high = std::max(high, f.y);
    left = std::min(left, 0.5f * f.y + f.z), right = std::max(right, 0.5f * f.y + f.z);
  }
  if (high - low <= 0 || right - left <= 0) return m;
  const float byWidth = 0.86603f * std::fabs(static_cast<float>(s.frameRight - s.frameLeft)) /
                        (std::fabs(static_cast<float>(s.frameHeight)) * (right - left));
  return std::max(m, std::min(1.0f / (high - low), byWidth));
}

}  // namespace

graphics::Point TernaryGeometry::project(const Fractions& f) const {
  return {static_cast<int32_t>(std::lround((0.5 * f.y + f.z) * width + originX)),
          static_cast<int32_t>(std::lround(pageYSign * f.y * height + originY))};
}

void resetClipUnlessLibrary(DiagramSettings& s) {
  const std::string& family = s.diagramFamily;
  if (family == "DDIAGS" || family == "CDIAGS" || family == "QUAD" || family == "MDIAGS") return;
  s.xClipMin = s.yClipMin = s.zClipMin = 0;
  s.xClipMax = s.yClipMax = s.zClipMax = 1;
}

TernaryGeometry ternaryGeometry(const DiagramSettings& s) {
  TernaryGeometry g;
  g.pageYSign = s.pageYSign;
  std::vector<Fractions> polygon{{1, 0, 0}, {0, 0, 1}, {0, 1, 0}};
  polygon = clip(polygon, &Fractions::x, s.xClipMin, true);
  polygon = clip(polygon, &Fractions::x, s.xClipMax, false);
  polygon = clip(polygon, &Fractions::y, s.yClipMin, true);
  polygon = clip(polygon, &Fractions::y, s.yClipMax, false);
  polygon = clip(polygon, &Fractions::z, s.zClipMin, true);
  polygon = clip(polygon, &Fractions::z, s.zClipMax, false);
  // A limit through a corner leaves that corner twice.
  std::vector<Fractions> corners;
  for (const Fractions& f : polygon) {
    const Fractions& last = corners.empty() ? polygon.back() : corners.back();
    if (std::fabs(f.x - last.x) + std::fabs(f.y - last.y) + std::fabs(f.z - last.z) > 1e-5f || corners.empty())
      corners.push_back(f);
  }
  if (corners.size() > 1) {
    const Fractions &a = corners.front(), &b = corners.back();
    if (std::fabs(a.x - b.x) + std::fabs(a.y - b.y) + std::fabs(a.z - b.z) <= 1e-5f) corners.pop_back();
  }
  g.outline = corners;
  const float m = scaleToFrame(s, corners);
  g.height = static_cast<int>(std::lround(static_cast<double>(s.pageYSign) * s.frameHeight * m));
  g.width = static_cast<int>(std::lround(g.height / 0.86603));
  g.originX = s.frameLeft;
  g.originY = s.frameBottom - static_cast<double>(s.pageYSign) * g.height * s.yClipMin;
  polygon = corners;
  if (!polygon.empty()) {
    double leftmost = 1e300;
    for (const Fractions& f : polygon) leftmost = std::min(leftmost, (0.5 * f.y + f.z) * g.width + g.originX);
    g.originX += s.frameLeft - leftmost;
  }
  return g;
}

std::optional<Fractions> toFractions(float x, float y, float z) {
  const float sum = x + y + z;
  if (sum == 0.0f) return std::nullopt;
  return Fractions{x / sum, y / sum, z / sum};
}

}  // namespace lavix::diagram

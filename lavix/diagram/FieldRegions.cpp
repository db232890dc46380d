// The planar subdivision of field lines and frame: snapped ends, split crossings, faces.
#include "lavix/diagram/FieldRegions.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace lavix::diagram {

namespace {

// Points closer than this are one vertex once the lines are split at their crossings.
constexpr double mergeDistance = 1e-9;
constexpr double mergeCell = 1e-6;
// A point on a boundary is looked up a little above it, and a little to the right of a
// vertical one: far below the snapping distance, far above rounding.
constexpr double upNudge = 1e-4;
constexpr double sideNudge = 1e-7;

PlanePoint operator-(PlanePoint a, PlanePoint b) { return {a.x - b.x, a.y - b.y}; }
double cross(PlanePoint a, PlanePoint b) { return a.x * b.y - a.y * b.x; }
double dot(PlanePoint a, PlanePoint b) { return a.x * b.x + a.y * b.y; }
double distance(PlanePoint a, PlanePoint b) { return std::hypot(a.x - b.x, a.y - b.y); }

// The parameter of the point of segment a-b nearest to p, 0..1.
double nearestOn(PlanePoint p, PlanePoint a, PlanePoint b) {
  const PlanePoint d = b - a;
  const double length2 = dot(d, d);
  return length2 == 0 ? 0 : std::clamp(dot(p - a, d) / length2, 0.0, 1.0);
}

PlanePoint along(PlanePoint a, PlanePoint b, double t) { return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)}; }

struct Segment {
  int a = 0, b = 0;
};

// The vertices and segments before they are split at their crossings.
class Arrangement {
 public:
  std::vector<PlanePoint> vertex;
  std::vector<bool> onFrame;
  std::vector<Segment> segments;

  // A vertex within `tolerance` of p, or a new one (linear: there are at most a few hundred).
  int endAt(PlanePoint p, double tolerance, bool frameCorner = false) {
    for (std::size_t i = 0; i < vertex.size(); ++i)
      if (distance(vertex[i], p) <= tolerance) return static_cast<int>(i);
    vertex.push_back(p);
    onFrame.push_back(frameCorner);
    return static_cast<int>(vertex.size()) - 1;
  }

  // A line end that stops just short of a line, or runs just past it, is moved onto it.
  void snapEndsToLines(double tolerance) {
    for (std::size_t v = 0; v < vertex.size(); ++v) {
      if (onFrame[v]) continue;
      double best = tolerance;
      PlanePoint target = vertex[v];
      for (const Segment& s : segments) {
        if (s.a == static_cast<int>(v) || s.b == static_cast<int>(v)) continue;
        const PlanePoint a = vertex[static_cast<std::size_t>(s.a)], b = vertex[static_cast<std::size_t>(s.b)];
        const PlanePoint nearest = along(a, b, nearestOn(vertex[v], a, b));
        const double d = distance(nearest, vertex[v]);
        if (d > 0 && d < best) {
          best = d;
          target = nearest;
        }
      }
      vertex[v] = target;
    }
  }
};

// Split points (as vertices) along each segment, merged on a grid so that crossings found
// from different pairs become one vertex.
class SplitVertices {
 public:
  explicit SplitVertices(std::vector<PlanePoint>& vertex) : vertex_(vertex) {
    for (std::size_t i = 0; i < vertex_.size(); ++i) index(static_cast<int>(i));
  }

  int at(PlanePoint p) {
    const auto [cx, cy] = cell(p);
    for (long long dx = -1; dx <= 1; ++dx)
      for (long long dy = -1; dy <= 1; ++dy) {
        const auto found = grid_.find({cx + dx, cy + dy});
        if (found == grid_.end()) continue;
        for (int v : found->second)
          if (distance(vertex_[static_cast<std::size_t>(v)], p) <= mergeDistance) return v;
      }
    vertex_.push_back(p);
    index(static_cast<int>(vertex_.size()) - 1);
    return static_cast<int>(vertex_.size()) - 1;
  }

 private:
  static std::pair<long long, long long> cell(PlanePoint p) {
    return {static_cast<long long>(std::floor(p.x / mergeCell)), static_cast<long long>(std::floor(p.y / mergeCell))};
  }
  void index(int v) { grid_[cell(vertex_[static_cast<std::size_t>(v)])].push_back(v); }

  std::vector<PlanePoint>& vertex_;
  std::map<std::pair<long long, long long>, std::vector<int>> grid_;
};

struct Split {
  double t;
  PlanePoint at;
};

// Where segments i and j meet: crossings, touching ends and collinear overlaps.
void findMeetings(const std::vector<PlanePoint>& v, const std::vector<Segment>& segments,
                  std::vector<std::vector<Split>>& splits) {
  const double tolerance = 1e-12;
  for (std::size_t i = 0; i < segments.size(); ++i) {
    const PlanePoint p = v[static_cast<std::size_t>(segments[i].a)], q = v[static_cast<std::size_t>(segments[i].b)];
    const PlanePoint r1 = q - p;
    for (std::size_t j = i + 1; j < segments.size(); ++j) {
      const PlanePoint s0 = v[static_cast<std::size_t>(segments[j].a)], s1 = v[static_cast<std::size_t>(segments[j].b)];
      if (std::max(p.x, q.x) < std::min(s0.x, s1.x) - tolerance || std::min(p.x, q.x) > std::max(s0.x, s1.x) + tolerance ||
          std::max(p.y, q.y) < std::min(s0.y, s1.y) - tolerance || std::min(p.y, q.y) > std::max(s0.y, s1.y) + tolerance)
        continue;
      const PlanePoint r2 = s1 - s0;
      const double denominator = cross(r1, r2);
      const double scale = std::sqrt(dot(r1, r1) * dot(r2, r2));
      if (std::fabs(denominator) > 1e-12 * scale) {
        const double t = cross(s0 - p, r2) / denominator;
        const double u = cross(s0 - p, r1) / denominator;
        const double slack = 1e-9;
        if (t < -slack || t > 1 + slack || u < -slack || u > 1 + slack) continue;
        const double tc = std::clamp(t, 0.0, 1.0), uc = std::clamp(u, 0.0, 1.0);
        const PlanePoint meet = along(p, q, tc);
        splits[i].push_back({tc, meet});
        splits[j].push_back({uc, meet});
        continue;
      }
      // Parallel: only collinear overlaps meet, at the ends of each other.
      const double length1 = std::sqrt(dot(r1, r1));
      if (length1 == 0 || std::fabs(cross(r1, s0 - p)) / length1 > 1e-9) continue;
      auto endOn = [](PlanePoint end, PlanePoint a, PlanePoint b, std::vector<Split>& into) {
        const double t = nearestOn(end, a, b);
        if (t > 0 && t < 1 && distance(along(a, b, t), end) <= 1e-9) into.push_back({t, end});
      };
      endOn(s0, p, q, splits[i]);
      endOn(s1, p, q, splits[i]);
      endOn(p, s0, s1, splits[j]);
      endOn(q, s0, s1, splits[j]);
    }
  }
}

// Faces of the planar graph, each walked with its inside on the left.
std::vector<std::vector<int>> facesOf(const std::vector<PlanePoint>& v, const std::set<std::pair<int, int>>& edges) {
  std::vector<std::vector<int>> around(v.size());
  for (const auto& [a, b] : edges) {
    around[static_cast<std::size_t>(a)].push_back(b);
    around[static_cast<std::size_t>(b)].push_back(a);
  }
  for (std::size_t i = 0; i < around.size(); ++i) {
    auto angle = [&](int to) {
      const PlanePoint d = v[static_cast<std::size_t>(to)] - v[i];
      return std::atan2(d.y, d.x);
    };
    std::sort(around[i].begin(), around[i].end(), [&](int a, int b) { return angle(a) < angle(b); });
  }
  std::set<std::pair<int, int>> walked;
  std::vector<std::vector<int>> faces;
  for (const auto& [a, b] : edges)
    for (const auto& start : {std::pair<int, int>{a, b}, std::pair<int, int>{b, a}}) {
      if (walked.count(start)) continue;
      std::vector<int> face;
      std::pair<int, int> e = start;
      while (!walked.count(e)) {
        walked.insert(e);
        face.push_back(e.first);
        // At the far end turn to the edge next clockwise from the way back.
        const std::vector<int>& next = around[static_cast<std::size_t>(e.second)];
        const auto back = std::find(next.begin(), next.end(), e.first);
        const std::size_t k = static_cast<std::size_t>(back - next.begin());
        e = {e.second, next[(k + next.size() - 1) % next.size()]};
      }
      faces.push_back(std::move(face));
    }
  return faces;
}

bool containsPoint(const std::vector<PlanePoint>& polygon, PlanePoint p) {
  bool inside = false;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const PlanePoint& a = polygon[i];
    const PlanePoint& b = polygon[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) inside = !inside;
  }
  return inside;
}

}  // namespace

FieldMap::FieldMap(const std::vector<std::pair<PlanePoint, PlanePoint>>& lines, std::vector<PlanePoint> frame)
    : frame_(std::move(frame)) {
  for (const PlanePoint& p : frame_)
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || std::fabs(p.x) > 1e6 || std::fabs(p.y) > 1e6) frame_.clear();
  if (frame_.size() < 3) return;
  if (signedArea2(frame_) < 0) std::reverse(frame_.begin(), frame_.end());

  Arrangement arrangement;
  std::vector<int> corners;
  for (const PlanePoint& p : frame_) corners.push_back(arrangement.endAt(p, mergeDistance, true));
  for (std::size_t i = 0; i < corners.size(); ++i)
    if (corners[i] != corners[(i + 1) % corners.size()])
      arrangement.segments.push_back({corners[i], corners[(i + 1) % corners.size()]});
  for (auto [a, b] : lines) {
    if (!clipToConvex(frame_, a, b) || distance(a, b) <= mergeDistance) continue;
    // Clipping keeps a line inside the frame, unless its numbers were too large to work with.
    if (!insideConvex(frame_, a, 1e-6) || !insideConvex(frame_, b, 1e-6)) continue;
    const int from = arrangement.endAt(a, snapDistance), to = arrangement.endAt(b, snapDistance);
    if (from != to) arrangement.segments.push_back({from, to});
  }
  arrangement.snapEndsToLines(snapDistance);

  std::vector<PlanePoint>& vertex = arrangement.vertex;
  std::vector<std::vector<Split>> splits(arrangement.segments.size());
  findMeetings(vertex, arrangement.segments, splits);
  SplitVertices merged(vertex);
  std::set<std::pair<int, int>> edges;
  for (std::size_t i = 0; i < arrangement.segments.size(); ++i) {
    std::vector<Split>& along = splits[i];
    std::sort(along.begin(), along.end(), [](const Split& a, const Split& b) { return a.t < b.t; });
    int previous = merged.at(vertex[static_cast<std::size_t>(arrangement.segments[i].a)]);
    along.push_back({1.0, vertex[static_cast<std::size_t>(arrangement.segments[i].b)]});
    for (const Split& split : along) {
      const int here = merged.at(split.at);
      if (here != previous) edges.insert({std::min(previous, here), std::max(previous, here)});
      previous = here;
    }
  }

  // Pieces that end in the open bound nothing.
  std::vector<std::set<int>> neighbours(vertex.size());
  for (const auto& [a, b] : edges) {
    neighbours[static_cast<std::size_t>(a)].insert(b);
    neighbours[static_cast<std::size_t>(b)].insert(a);
  }
  std::vector<int> loose;
  for (std::size_t v = 0; v < vertex.size(); ++v)
    if (neighbours[v].size() == 1) loose.push_back(static_cast<int>(v));
  while (!loose.empty()) {
    const auto v = static_cast<std::size_t>(loose.back());
    loose.pop_back();
    if (neighbours[v].size() != 1) continue;
    const int other = *neighbours[v].begin();
    neighbours[v].clear();
    edges.erase({std::min(static_cast<int>(v), other), std::max(static_cast<int>(v), other)});
    std::set<int>& across = neighbours[static_cast<std::size_t>(other)];
    across.erase(static_cast<int>(v));
    if (across.size() == 1) loose.push_back(other);
  }

  for (const std::vector<int>& face : facesOf(vertex, edges)) {
    FieldRegion region;
    for (int v : face) region.outline.push_back(vertex[static_cast<std::size_t>(v)]);
    region.area = signedArea2(region.outline) / 2;
    if (region.area > 1e-12) regions_.push_back(std::move(region));
  }
}

int FieldMap::regionContaining(PlanePoint p) const {
  int best = -1;
  for (std::size_t i = 0; i < regions_.size(); ++i) {
    const FieldRegion& r = regions_[i];
    if (best >= 0 && r.area >= regions_[static_cast<std::size_t>(best)].area) continue;
    if (containsPoint(r.outline, p)) best = static_cast<int>(i);
  }
  return best;
}

int FieldMap::locate(PlanePoint p) const {
  if (!std::isfinite(p.x) || !std::isfinite(p.y) || !insideConvex(frame_, p, 1e-9)) return -1;
  const PlanePoint nudges[] = {{sideNudge, upNudge}, {-sideNudge, upNudge}, {sideNudge, -upNudge}, {-sideNudge, -upNudge}};
  for (const PlanePoint& d : nudges) {
    const PlanePoint q{p.x + d.x, p.y + d.y};
    if (insideConvex(frame_, q, 0)) return regionContaining(q);
  }
  return -1;
}

void FieldMap::addLabel(PlanePoint anchor, const std::string& text) {
  const int region = locate(anchor);
  if (region >= 0) regions_[static_cast<std::size_t>(region)].labels.push_back(text);
}

}  // namespace lavix::diagram

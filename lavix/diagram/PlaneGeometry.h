// Small plane geometry shared by the field lines and the field classification.
#pragma once

#include <vector>

namespace lavix::diagram {

struct PlanePoint {
  double x = 0, y = 0;
  friend bool operator==(const PlanePoint&, const PlanePoint&) = default;
};

// Twice the signed area of a polygon: positive when its corners run anticlockwise (y up).
double signedArea2(const std::vector<PlanePoint>& polygon);

// Cuts the segment a-b to the inside of a convex polygon (corners in either order). False when
// nothing of it is inside. A segment lying along an edge is kept.
bool clipToConvex(const std::vector<PlanePoint>& polygon, PlanePoint& a, PlanePoint& b);

// True when p lies inside the convex polygon or on its edges, within `tolerance`.
bool insideConvex(const std::vector<PlanePoint>& polygon, PlanePoint p, double tolerance);

}  // namespace lavix::diagram

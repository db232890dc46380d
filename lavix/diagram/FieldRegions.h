// The closed regions into which a diagram's field lines and its frame cut the plane (a planar
// subdivision of the segments), the labels that name them, and which region holds a point.
//
// Coordinates are expected in frame units: the frame spans about 0..1 on both axes, since the
// tolerances are absolute. Line ends closer than `snapDistance` to another end or to a line are
// taken to touch it; pieces that end in the open (dangling ends) bound nothing.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "lavix/diagram/PlaneGeometry.h"

namespace lavix::diagram {

struct FieldRegion {
  std::vector<PlanePoint> outline;  // anticlockwise
  double area = 0;
  std::vector<std::string> labels;  // the texts of the labels whose anchor lies inside, in order
};

class FieldMap {
 public:
  static constexpr double snapDistance = 0.01;

  // `frame`: the convex outline of the diagram; `segments`: the field lines, cut to the frame here.
  FieldMap(const std::vector<std::pair<PlanePoint, PlanePoint>>& segments, std::vector<PlanePoint> frame);

  // The region a point lies in, or -1 when it lies off the frame or in no closed region.
  // A point on a boundary belongs to the region just above it (towards larger y); on a
  // vertical boundary, to the region on its right. A point on the frame's top or right edge
  // takes the region inside the frame next to it.
  int locate(PlanePoint p) const;

  // Gives the label to the region that holds its anchor (by the rule of locate).
  void addLabel(PlanePoint anchor, const std::string& text);

  const std::vector<FieldRegion>& regions() const { return regions_; }

 private:
  int regionContaining(PlanePoint p) const;

  std::vector<PlanePoint> frame_;
  std::vector<FieldRegion> regions_;
};

}  // namespace lavix::diagram

// The part of a straight segment inside a box: kept lines drawn only within the axis ranges.
#pragma once

#include <optional>
#include <utility>

#include "lavix/models/Regression.h"

namespace lavix::models {

// The part of segment a-b inside [x0, x1] × [y0, y1] (Liang and Barsky); nullopt when none.
std::optional<std::pair<XYPoint, XYPoint>> clipSegment(XYPoint a, XYPoint b, double x0, double x1, double y0,
                                                       double y1);

}  // namespace lavix::models

// Classifying samples by the fields of the library diagram shown: the field (closed region of
// its field lines and frame) that holds each row's plotted point, named by the field label
// inside it. Worked in frame units of the axes as drawn: logarithms on log axes, and on a
// ternary the triangle's own geometry cut by its clip limits.
#pragma once

#include <string>
#include <vector>

#include "lavix/diagram/DiagramSettings.h"
#include "lavix/diagram/Overlays.h"

namespace lavix::diagram {

struct FieldClassification {
  // Not empty when the diagram's lines do not close its fields: two labels in one region, or
  // no label in any region. Nothing is classified then.
  std::string problem;
  std::vector<std::string> fieldOf;  // rows 0..rowCount: the field name, "" for none
  int classified = 0;                // rows that have a name
};

// Rows 1..rowCount of the current plotted values. A row whose point is off the diagram, in no
// closed region, in an unnamed one, or rejected by the zero test (`zerosIn` off and a value of
// exactly 0 on a linear axis) gets "". A point on a boundary takes the region above it (towards
// the top apex on a ternary), on a vertical boundary the one on its right (FieldMap::locate).
FieldClassification classifyRows(const DiagramSettings& settings, const OverlayTable& overlays, int rowCount,
                                 bool zerosIn);

}  // namespace lavix::diagram

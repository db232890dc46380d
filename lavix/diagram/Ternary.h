// The ternary triangle in page units: its size and origin from the frame and clip limits, the
// projection of a fraction triple, and the outline cut by the six limits.
#pragma once

#include <optional>
#include <vector>

#include "common/graphics/Recording.h"
#include "lavix/diagram/DiagramSettings.h"

namespace lavix::diagram {

struct Fractions {
  float x = 0, y = 0, z = 0;  // X-left, Y-top, Z-right; they add up to 1
};

struct TernaryGeometry {
  int width = 0;   // W: page units of the full triangle's base
  int height = 0;  // H: page units of its height (positive)
  double originX = 0, originY = 0;
  int pageYSign = 1;

  graphics::Point project(const Fractions& f) const;
  // Corners of the triangle cut by the clip limits, in order (closed by the caller), at most six.
  std::vector<Fractions> outline;
};

// Resets the clip limits to the full triangle unless the diagram is a library or clipped one.
void resetClipUnlessLibrary(DiagramSettings& settings);

TernaryGeometry ternaryGeometry(const DiagramSettings& settings);

// A row's three values as fractions of their sum; nullopt when the sum is 0.
std::optional<Fractions> toFractions(float x, float y, float z);

}  // namespace lavix::diagram

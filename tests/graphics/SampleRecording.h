// A small diagram-like recording shared by the writer tests.
#pragma once

#include "common/graphics/Recording.h"

namespace lavix::graphics::testing {

// Frame 1000..5000 × 500..4000, four ticks on the bottom edge, three circles, two
// polygons (one filled, one hollow), a title with markup and a Y title turned by 90 degrees.
Recording sampleRecording();

inline constexpr int sampleCircles = 3;
inline constexpr int sampleTicks = 4;
inline constexpr int samplePolygons = 2;

}  // namespace lavix::graphics::testing

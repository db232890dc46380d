// drawSpiderPattern: one sample's spider pattern projected onto the current frame.
#pragma once

#include <vector>

#include "common/graphics/Recording.h"
#include "lavix/diagram/SpiderPattern.h"

namespace lavix::app {

class Session;

// The row's pattern as polylines in its symbol's pen, with its symbol at every point unless
// line-only is on. Points outside the frame's height are dropped, not clipped. `highlighted`
// draws the lines in a wide red pen, as identify shows the picked sample. A model or mix row
// (after the rows of the last load) gets its label ("F=5%") before the start of its pattern.
// Returns the points drawn, in data coordinates.
std::vector<diagram::SpiderPoint> drawSpiderPattern(const Session& session, graphics::Recording& recording, int row,
                                                    bool highlighted = false);

}  // namespace lavix::app

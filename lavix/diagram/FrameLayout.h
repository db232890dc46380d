// Places the frame of the diagram inside its page position, by the chosen shape.
#pragma once

#include <cstdint>
#include <string>

#include "lavix/diagram/DiagramSettings.h"

namespace lavix::diagram {

// The area a page position gives the frame, in page units (y up: bottom < top).
struct PositionArea {
  int16_t left = 0, bottom = 0, right = 0, top = 0;
  std::string axesCode;  // a code containing "R" shifts a Box frame to the left
};

// Sets frameLeft/Right/Bottom/Top/Width/Height from the area and shapeChoice: 1 Slide (the
// area, aspect 1.4:1), 2 Box (a square as high as the area, centred sideways), 3 Other
// (aspectX and aspectY times the area's height, from its left and bottom edges); any other
// choice keeps the present frame.
void layoutFrame(DiagramSettings& settings, const PositionArea& area);

}  // namespace lavix::diagram

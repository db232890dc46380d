// Several library diagrams on one page: the cells of a grid over the landscape page, each
// holding one diagram's frame area in the slide shape's 1.4 : 1 proportions.
#pragma once

#include <cstdint>
#include <vector>

#include "lavix/diagram/FrameLayout.h"

namespace lavix::diagram {

// The frame areas of `count` diagrams (1..30), left to right and top to bottom, on a
// landscape page `pageLength` wide and `pageWidth` high (page units, y up). The grid takes
// the number of columns that gives the largest frames; each area leaves room on its left for
// the Y numbers and title, below for the X numbers and title and above for the note.
std::vector<PositionArea> libraryPageCells(int count, int32_t pageLength, int32_t pageWidth);

}  // namespace lavix::diagram

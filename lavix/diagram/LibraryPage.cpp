// The grid of a page of library diagrams.
#include "lavix/diagram/LibraryPage.h"

#include <algorithm>
#include <cmath>

namespace lavix::diagram {

namespace {

// Page margins and the room each cell keeps around its frame, in page units.
constexpr double pageMargin = 500;
constexpr double roomLeft = 800, roomRight = 150, roomBelow = 550, roomAbove = 300;
constexpr double slideAspect = 1.4;

int16_t unit(double v) { return static_cast<int16_t>(std::clamp<long>(std::lround(v), INT16_MIN, INT16_MAX)); }

}  // namespace

std::vector<PositionArea> libraryPageCells(int count, int32_t pageLength, int32_t pageWidth) {
  count = std::clamp(count, 1, 30);
  const double width = std::max(pageLength - 2 * pageMargin, 1000.0);
  const double height = std::max(pageWidth - 2 * pageMargin, 1000.0);
  int bestColumns = count;
  double bestFrame = -1;
  // Side by side suits a landscape page: fewer columns only for clearly larger frames.
  for (int columns = count; columns >= 1; --columns) {
    const int rows = (count + columns - 1) / columns;
    const double frame = std::min(height / rows - roomBelow - roomAbove,
                                  (width / columns - roomLeft - roomRight) / slideAspect);
    if (frame > bestFrame * 1.05) {
      bestFrame = frame;
      bestColumns = columns;
    }
  }
  const int rows = (count + bestColumns - 1) / bestColumns;
  const double cellWidth = width / bestColumns, cellHeight = height / rows;
  const double frameHeight = std::max(bestFrame, 100.0), frameWidth = frameHeight * slideAspect;
  std::vector<PositionArea> cells;
  for (int i = 0; i < count; ++i) {
    const int column = i % bestColumns, row = i / bestColumns;
    const double cellLeft = pageMargin + column * cellWidth;
    const double cellTop = pageMargin + height - row * cellHeight;
    // The frame sits in the middle of the room the cell leaves for it.
    const double left = cellLeft + roomLeft + (cellWidth - roomLeft - roomRight - frameWidth) / 2;
    const double top = cellTop - roomAbove - (cellHeight - roomAbove - roomBelow - frameHeight) / 2;
    cells.push_back({unit(left), unit(top - frameHeight), unit(left + frameWidth), unit(top), "XYL"});
  }
  return cells;
}

}  // namespace lavix::diagram

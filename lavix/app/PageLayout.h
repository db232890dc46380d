// The page layout Controls/page.txt: page size and the named plot positions, in page
// units of 1/1000 inch.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/text/TextFile.h"

namespace lavix::app {

inline constexpr int maxPagePositions = 20;

// The area a frame gets at one position (y grows upwards: bottom < top).
struct PagePosition {
  std::string name;      // a name containing "POR" (any case) lies on a portrait page
  int16_t left = 0;
  int16_t bottom = 0;
  int16_t right = 0;
  int16_t top = 0;
  std::string axesCode;  // "XYL", "XYR", "-YR" ...: which axis numbers and titles are written
};

struct PageLayout {
  int32_t pageWidth = 8500;    // the short side of the page
  int32_t pageLength = 11000;  // the long side
  int16_t positionCount = 0;   // N, at most 20
  std::array<PagePosition, maxPagePositions + 1> position{};  // 1..N in file order; 0 unused
};

// Line 1: pageWidth TAB pageLength; line 2: N; then N lines: name TAB left TAB bottom TAB
// right TAB top TAB axes code (the code may be missing). N above 20 reads 20 positions.
// A malformed or missing line gives false with a message naming the line, and leaves
// `layout` unchanged.
bool readPageLayout(const std::string& path, PageLayout& layout, text::FileError& error);

}  // namespace lavix::app

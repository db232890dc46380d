// Places the frame of the diagram inside its page position, by the chosen shape.
#include "lavix/diagram/FrameLayout.h"

#include <cmath>
#include <cstdlib>

namespace lavix::diagram {

namespace {
int16_t clampToPage(double value) {
  return static_cast<int16_t>(std::lround(std::fmax(-32768.0, std::fmin(32767.0, value))));
}
}  // namespace

void layoutFrame(DiagramSettings& s, const PositionArea& area) {
  if (s.shapeChoice < 1 || s.shapeChoice > 3) return;
  s.frameLeft = area.left;
  s.frameBottom = area.bottom;
  s.frameRight = area.right;
  s.frameTop = area.top;
  const int height = std::abs(static_cast<int>(area.top) - static_cast<int>(area.bottom));
  switch (s.shapeChoice) {
    case 1:
      s.aspectX = 1.4f;
      s.aspectY = 1.0f;
      break;
    case 2: {
      s.frameRight = clampToPage(static_cast<double>(area.left) + height);
      const auto shift = static_cast<int16_t>(std::lround((static_cast<double>(area.right) - s.frameRight) / 2.0));
      const int direction = area.axesCode.find('R') != std::string::npos ? -1 : 1;
      s.frameLeft = clampToPage(s.frameLeft + direction * shift);
      s.frameRight = clampToPage(s.frameRight + direction * shift);
      s.aspectX = s.aspectY = 1.0f;
      break;
    }
    default:
      s.frameRight = clampToPage(area.left + static_cast<double>(height) * s.aspectX);
      s.frameTop = clampToPage(area.bottom + static_cast<double>(height) * s.aspectY);
      break;
  }
  s.frameWidth = static_cast<int16_t>(s.frameRight - s.frameLeft);
  s.frameHeight = static_cast<int16_t>(s.frameTop - s.frameBottom);
}

}  // namespace lavix::diagram

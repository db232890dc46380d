// Window sizing arithmetic, kept free of Qt so that it can be checked on its own.
#include "lavix/qt/WindowGeometry.h"

#include <algorithm>
#include <cmath>

namespace lavix::qt {

namespace {
constexpr int minimumWidth = 320;
constexpr int minimumHeight = 240;
constexpr double widthOfBase = 0.8;

float usableScale(float scale) { return std::isfinite(scale) && scale > 0 ? scale : 1.0f; }
}  // namespace

int screenBase(int screenWidth, int screenHeight) {
  if (screenWidth * 0.75 > screenHeight) return static_cast<int>(std::lround(screenHeight / 0.75));
  return screenWidth;
}

WindowSize mainWindowSize(int screenWidth, int screenHeight, float windowScale) {
  const double width = screenBase(screenWidth, screenHeight) * widthOfBase * usableScale(windowScale);
  WindowSize size{static_cast<int>(std::lround(width)), static_cast<int>(std::lround(width * 0.75))};
  size.width = std::max(minimumWidth, std::min(size.width, screenWidth));
  size.height = std::max(minimumHeight, std::min(size.height, screenHeight));
  return size;
}

float dialogScale(float windowScale, int base, double pixelsPerInchY) {
  const double ppi = pixelsPerInchY > 0 ? pixelsPerInchY : 96.0;
  return static_cast<float>(usableScale(windowScale) * (0.75 * base / 480.0) * (96.0 / ppi));
}

}  // namespace lavix::qt

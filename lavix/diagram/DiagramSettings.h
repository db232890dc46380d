// The settings that describe the current diagram: kind, axes, frame shape and place, display switches.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lavix/diagram/PlotValues.h"

namespace lavix::diagram {

inline constexpr int pagePositionCount = 21;  // pagePosition 0..20
inline constexpr int16_t defaultBinCount = 10;
inline constexpr int16_t maxBinCount = 100;

enum class Axis { x, y };

// The range, ticks and numbers of one axis (xStart, xEnd, xSpan, xTickInterval, largeXTickEvery,
// xNumberStart, xNumberEnd, xNumberStep, xNumberFormat and their y twins). On a logarithmic axis
// start, end and span are in decades. The log flag, title and column live in PlotValues.
struct AxisSettings {
  float start = 0;
  float end = 0;
  float span = 0;           // |end - start|
  float tickInterval = 0;   // distance between small ticks
  int16_t largeTickEvery = 0;  // every n-th tick is large, 0 none (a preference at start-up)
  float numberStart = 0;
  float numberEnd = 0;
  float numberStep = 0;
  std::string numberFormat;  // the number mask of the axis numbers

  friend bool operator==(const AxisSettings&, const AxisSettings&) = default;
};

struct DiagramSettings {
  // Plotted values, titles, log flags (xLog, yLog, zLog), xColumn, yColumn and plotRowCount.
  PlotValues plot;

  std::string diagramKind;    // "XY", "TRI", "HIST", "SPI"; empty until the first diagram
  std::string diagramFamily;  // "XY", "TRI", "HIST", "SPI", "DDIAGS", "CDIAGS", "MDIAGS", "QUAD"

  AxisSettings x;
  AxisSettings y;

  bool flipOrder = false;       // draw the plotted rows last to first ("1-n n-1")
  bool statsCaptionOn = true;   // histogram / regression caption above the frame
  int16_t whitePage = 0;        // 1 white page, 0 colour page
  int16_t yLabelOrientation = 1;  // -1 horizontal Y title, 1 vertical (a preference at start-up)

  float aspectX = 1.4f;  // frame shape X to Y: Slide 1.4 to 1, Box 1 to 1
  float aspectY = 1.0f;
  int16_t shapeChoice = 1;   // 1 Slide, 2 Box, 3 Other (aspectX, aspectY), else keep the frame
  int16_t pagePosition = 1;  // index into the page-position table, 0..20

  // The frame in page units (1/1000 inch).
  int16_t frameLeft = 0;
  int16_t frameRight = 0;
  int16_t frameBottom = 0;
  int16_t frameTop = 0;
  int16_t frameWidth = 0;   // right - left
  int16_t frameHeight = 0;  // top - bottom, signed
  int16_t pageYSign = 1;    // direction in which page y grows

  // Histogram; the bin range reuses x.start, x.end and the X numbers.
  int16_t binCount = defaultBinCount;
  int16_t integerUnits = 0;  // 1 = the variable takes whole-number values

  // Ternary clip limits as fractions of the X-left, Y-top and Z-right apexes (full triangle 0..1).
  float xClipMin = 0, xClipMax = 1;
  float yClipMin = 0, yClipMax = 1;
  float zClipMin = 0, zClipMax = 1;

  // Spider Y range in raw (not log) units.
  std::string spiderScale = "LOG";  // "LOG" or "LIN"
  float spiderYBegin = 0;
  float spiderYEnd = 0;

  AxisSettings& axis(Axis which) { return which == Axis::x ? x : y; }
  const AxisSettings& axis(Axis which) const { return which == Axis::x ? x : y; }
  int16_t& logFlag(Axis which) { return which == Axis::x ? plot.xLog : plot.yLog; }
  std::vector<float>& values(Axis which) { return which == Axis::x ? plot.xValue : plot.yValue; }
  const std::vector<float>& values(Axis which) const { return which == Axis::x ? plot.xValue : plot.yValue; }

  // SwitchXY: exchanges every X setting with its Y twin and the plotted X and Y values of
  // entries 1..plotRowCount (entries beyond the arrays are left alone).
  void swapXY();
};

}  // namespace lavix::diagram

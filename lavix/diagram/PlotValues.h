// The per-row plotted values of the current diagram and their axis titles, as the
// variable selector fills them (the diagram settings own them).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lavix/data/DataStore.h"

namespace lavix::diagram {

// Entries beyond the last row that model curves may use.
inline constexpr int spareCurveEntries = data::spareCurveEntries;
// The symbol numbers of curve entries: the first point of each curve, the points after it.
inline constexpr int16_t curveStartSymbol = 30;
inline constexpr int16_t curveLineSymbol = -30;

struct PlotValues {
  // Rows 1..maxRows plus spareCurveEntries; on a log axis the values are base-10 logarithms.
  std::vector<float> xValue, yValue, zValue;
  std::vector<float> pValue;  // the fourth per-row array (scalable parameter "P")
  std::string xTitle, yTitle, zTitle, pTitle;
  int16_t xLog = 0, yLog = 0, zLog = 0;
  int16_t xColumn = 0, yColumn = 0;  // the data column of the axis variable when it is a plain column
  int plotRowCount = 0;              // entries the redraw walks

  void allocate(int maxRows) {
    const std::size_t size = static_cast<std::size_t>(maxRows) + 1 + spareCurveEntries;
    xValue.assign(size, 0.0f);
    yValue.assign(size, 0.0f);
    zValue.assign(size, 0.0f);
    pValue.assign(size, 0.0f);
    plotRowCount = 0;
  }
};

}  // namespace lavix::diagram

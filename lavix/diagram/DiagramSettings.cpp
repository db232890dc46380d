// SwitchXY's exchange of the X and Y settings of the diagram.
#include "lavix/diagram/DiagramSettings.h"

#include <algorithm>
#include <utility>

namespace lavix::diagram {

void DiagramSettings::swapXY() {
  std::swap(x, y);
  std::swap(plot.xLog, plot.yLog);
  std::swap(plot.xColumn, plot.yColumn);
  std::swap(plot.xTitle, plot.yTitle);
  // plotRowCount may run past arrays that were never allocated for it; swap only what exists.
  const std::size_t held = std::min(plot.xValue.size(), plot.yValue.size());
  if (plot.plotRowCount < 1 || held < 2) return;
  const std::size_t last = std::min(static_cast<std::size_t>(plot.plotRowCount), held - 1);
  std::swap_ranges(plot.xValue.begin() + 1, plot.xValue.begin() + static_cast<std::ptrdiff_t>(last) + 1,
                   plot.yValue.begin() + 1);
}

}  // namespace lavix::diagram

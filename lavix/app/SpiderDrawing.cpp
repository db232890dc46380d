// Spider patterns drawn into a recording.
#include "lavix/app/SpiderDrawing.h"

#include <algorithm>
#include <cstdlib>

#include "lavix/app/Session.h"
#include "lavix/diagram/DrawSymbol.h"
#include "lavix/diagram/Redraw.h"

namespace lavix::app {

std::vector<diagram::SpiderPoint> drawSpiderPattern(const Session& s, graphics::Recording& recording, int row,
                                                    bool highlighted) {
  const diagram::DiagramSettings& d = s.diagram;
  const auto lines = spiderRowLines(s, s.spider, row, s.recalc.recast.recastFlags());
  auto project = [&d](float x, float y) {
    const graphics::Point p = diagram::projectXY(d, x, y);
    return diagram::SpiderPagePoint{p.x, p.y};
  };
  const int32_t lowY = std::min(d.frameBottom, d.frameTop), highY = std::max(d.frameBottom, d.frameTop);
  const auto pieces = diagram::projectSpiderLines(lines, project, lowY, highY);
  const int16_t symbolOf = s.data.symbolOf[static_cast<std::size_t>(row)];
  const diagram::SpiderPen pen = diagram::spiderPenOf(s.symbols, symbolOf, row <= s.data.rowCount);
  for (const auto& piece : pieces) {
    std::vector<graphics::Point> points;
    for (const auto& p : piece) points.push_back({p.x, p.y});
    if (points.size() > 1) {
      if (highlighted) recording.selectPen(graphics::rgb(220, 0, 0), std::max<int32_t>(20, std::abs(s.labelFontHeight) / 6));
      else recording.add(diagram::symbolPen(s.symbols, pen.symbol));
      recording.polyline(points);
    }
    if (s.symbols.lineOnly) continue;
    for (const auto& p : points) diagram::drawSymbol(recording, s.symbols, pen.symbol, p.x, p.y, d.pageYSign);
  }
  return diagram::keptSpiderPoints(lines, project, lowY, highY);
}

}  // namespace lavix::app

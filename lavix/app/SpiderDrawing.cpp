// Spider patterns drawn into a recording.
#include "lavix/app/SpiderDrawing.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "lavix/app/Session.h"
#include "lavix/diagram/DrawSymbol.h"
#include "lavix/diagram/Redraw.h"

namespace lavix::app {

namespace {

// A model or mix row says which F (or mixture) it is before the start of its pattern, where
// the curves of a series lie furthest apart.
void drawModelLabel(const Session& s, graphics::Recording& recording, int row, graphics::Point start) {
  if (row <= s.data.dataRowCount) return;
  const auto found = s.spiderModels.rowLabels.find(row);
  if (found == s.spiderModels.rowLabels.end() || found->second.empty()) return;
  const int32_t height = s.labelFontHeight != 0 ? s.labelFontHeight * 3 / 4 : -125;
  const Preferences& p = s.preferences;
  recording.selectFont({p.labelFontName, height, p.labelFontBold != 0, p.labelFontItalic != 0, 0});
  // The baseline a third of the height below the point centres the text on the line.
  const int32_t drop = std::abs(height) / 3 * (s.diagram.pageYSign < 0 ? -1 : 1);
  recording.text(start.x - std::abs(height) / 2, start.y - drop, found->second, graphics::HAlign::Right,
                 graphics::VAlign::Baseline);
}

}  // namespace

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
  std::optional<graphics::Point> firstPoint;
  for (const auto& piece : pieces) {
    if (!firstPoint && !piece.empty()) firstPoint = graphics::Point{piece.front().x, piece.front().y};
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
  if (!highlighted && firstPoint) drawModelLabel(s, recording, row, *firstPoint);
  return diagram::keptSpiderPoints(lines, project, lowY, highY);
}

}  // namespace lavix::app

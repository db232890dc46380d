// Field lines, field labels and the note of a library diagram.
#include "lavix/diagram/FieldOverlay.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <vector>

#include "common/graphics/TextMetrics.h"
#include "lavix/diagram/PlaneGeometry.h"
#include "lavix/diagram/Redraw.h"
#include "lavix/diagram/Ternary.h"

namespace lavix::diagram {

namespace gr = lavix::graphics;

namespace {

std::optional<PlanePoint> pagePoint(const DiagramSettings& s, float x, float y) {
  const gr::Point p = projectData(s, x, y);
  if (std::hypot(static_cast<double>(p.x), static_cast<double>(p.y)) > farthestFieldPoint) return std::nullopt;
  return PlanePoint{static_cast<double>(p.x), static_cast<double>(p.y)};
}

// Where field lines may go: the frame, or the ternary's outline.
std::vector<PlanePoint> drawingArea(const DiagramSettings& s) {
  if (s.diagramKind == "TRI") {
    const TernaryGeometry g = ternaryGeometry(s);
    std::vector<PlanePoint> outline;
    for (const Fractions& f : g.outline) {
      const gr::Point p = g.project(f);
      outline.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
    }
    return outline;
  }
  return {{static_cast<double>(s.frameLeft), static_cast<double>(s.frameBottom)},
          {static_cast<double>(s.frameRight), static_cast<double>(s.frameBottom)},
          {static_cast<double>(s.frameRight), static_cast<double>(s.frameTop)},
          {static_cast<double>(s.frameLeft), static_cast<double>(s.frameTop)}};
}

gr::Point rounded(PlanePoint p) {
  return {static_cast<int32_t>(std::lround(p.x)), static_cast<int32_t>(std::lround(p.y))};
}

}  // namespace

void recordFieldOverlay(gr::Recording& rec, const DiagramSettings& s, const OverlayTable& table,
                        const FieldOverlayStyle& style) {
  const std::vector<PlanePoint> area = drawingArea(s);
  const auto at = [&](int i) { return static_cast<std::size_t>(i); };
  std::vector<gr::Point> line;
  const auto flush = [&] {
    if (line.size() >= 2) rec.polyline(line);
    line.clear();
  };
  rec.selectPen(style.lineColour, style.lineWidth);
  std::optional<PlanePoint> previous;
  const int points = std::min<int>(table.fieldLines, static_cast<int>(table.x.size()));
  for (int i = 0; i < points; ++i) {
    const float pen = at(i) < table.pen.size() ? table.pen[at(i)] : 0.0f;
    const std::optional<PlanePoint> here = pagePoint(s, table.x[at(i)], table.y[at(i)]);
    if (!here) {
      // A line whose start cannot be drawn starts again at its next point.
      if (pen == 0) previous.reset();
      continue;
    }
    if (pen == 0 || !previous) {
      previous = here;
      continue;
    }
    PlanePoint a = *previous, b = *here;
    previous = here;
    if (!clipToConvex(area, a, b)) continue;
    const gr::Point from = rounded(a), to = rounded(b);
    if (line.empty() || !(line.back() == from)) {
      flush();
      line.push_back(from);
    }
    line.push_back(to);
  }
  flush();

  gr::SelectFont font = style.labelFont;
  if (style.smallLabels) font.height = static_cast<int32_t>(std::lround(font.height * 0.75));
  const int last = std::min<int>(table.fieldLines + table.fieldLabels, static_cast<int>(table.text.size()));
  for (int i = table.fieldLines; i < last; ++i) {
    const std::optional<PlanePoint> here = pagePoint(s, table.x[at(i)], table.y[at(i)]);
    if (!here) continue;
    // "|" breaks a label into lines, the last one at the anchor: long names in narrow fields.
    const std::vector<std::string> lines = labelLines(table.text[at(i)]);
    const double step = 1.15 * std::abs(font.height) * s.pageYSign;
    for (std::size_t k = 0; k < lines.size(); ++k) {
      const PlanePoint p{here->x, here->y + step * static_cast<double>(lines.size() - 1 - k)};
      gr::recordMarkupText(rec, rounded(p), lines[k], font, gr::HAlign::Left, gr::VAlign::Bottom, style.textYDirection);
    }
  }
  if (style.smallLabels) rec.selectFont(style.labelFont);
}

std::vector<std::string> labelLines(const std::string& label) {
  std::vector<std::string> lines(1);
  for (char c : label)
    if (c == '|')
      lines.emplace_back();
    else
      lines.back() += c;
  return lines;
}

std::string fieldName(const std::string& label) {
  std::string name;
  for (const std::string& line : labelLines(label)) {
    // "Tephrite/|basanite" names the field "Tephrite/basanite", "Picro-|basalt" "Picrobasalt".
    if (!name.empty() && name.back() == '-') name.pop_back();
    else if (!name.empty() && name.back() != '/') name += ' ';
    name += line;
  }
  return name;
}

void recordDiagramNote(gr::Recording& rec, const DiagramSettings& s, const std::string& note,
                       const gr::SelectFont& font, int textYDirection, bool overCaption) {
  if (note.empty()) return;
  const double height = std::abs(font.height);
  double top = s.frameTop;
  // A clipped triangle may end well below its frame: the note goes above what is drawn.
  if (s.diagramKind == "TRI") {
    const TernaryGeometry g = ternaryGeometry(s);
    if (!g.outline.empty()) top = s.pageYSign * -1.0e9;
    for (const Fractions& f : g.outline) top = s.pageYSign > 0 ? std::max<double>(top, g.project(f).y)
                                                               : std::min<double>(top, g.project(f).y);
  }
  // Over a triangle the top apex's title comes first.
  const double above = s.diagramKind == "TRI" || overCaption ? 2.7 : 1.5;
  const gr::Point at{s.frameLeft, static_cast<int32_t>(std::lround(top + s.pageYSign * above * height))};
  gr::recordMarkupText(rec, at, note, font, gr::HAlign::Left, gr::VAlign::Baseline, textYDirection);
}

}  // namespace lavix::diagram

// Samples classified by the closed fields of the library diagram shown.
#include "lavix/diagram/FieldClassification.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "lavix/diagram/FieldOverlay.h"
#include "lavix/diagram/FieldRegions.h"
#include "lavix/diagram/Ternary.h"

namespace lavix::diagram {

namespace {

constexpr double triangleHeight = 0.86603;  // of a triangle with a base of 1
constexpr float logMissingMarker = 14.9f;

float at(const std::vector<float>& values, int row) {
  return row >= 0 && static_cast<std::size_t>(row) < values.size() ? values[static_cast<std::size_t>(row)] : 0.0f;
}

// Frame units: the frame spans 0..1 on both axes.
class FramePlane {
 public:
  explicit FramePlane(const DiagramSettings& s) : s_(s), ternary_(s.diagramKind == "TRI") {
    if (!ternary_) {
      frame = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
      return;
    }
    std::vector<PlanePoint> corners;
    for (const Fractions& f : ternaryGeometry(s).outline) corners.push_back(triangle(f.x, f.y));
    if (corners.empty()) return;
    double minX = corners[0].x, maxX = minX, minY = corners[0].y, maxY = minY;
    for (const PlanePoint& p : corners) {
      minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
      minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    }
    left_ = minX, bottom_ = minY;
    width_ = maxX - minX > 0 ? maxX - minX : 1;
    height_ = maxY - minY > 0 ? maxY - minY : 1;
    for (const PlanePoint& p : corners) frame.push_back(scaled(p));
  }

  // A field point: raw values on log axes, the X-left and Y-top fractions on a ternary.
  std::optional<PlanePoint> fieldPoint(float x, float y) const {
    if (ternary_) return scaled(triangle(x, y));
    const auto axisValue = [](float v, int16_t log) -> std::optional<double> {
      if (log != 1) return v;
      if (!(v > 0)) return std::nullopt;
      return std::log10(static_cast<double>(v));
    };
    const auto ax = axisValue(x, s_.plot.xLog), ay = axisValue(y, s_.plot.yLog);
    if (!ax || !ay) return std::nullopt;
    return onAxes(*ax, *ay);
  }

  // A row's plotted point, unless the diagram's zero tests reject it.
  std::optional<PlanePoint> rowPoint(int row, bool zerosIn) const {
    const PlotValues& p = s_.plot;
    const float x = at(p.xValue, row), y = at(p.yValue, row), z = at(p.zValue, row);
    const auto rejected = [&](float v, int16_t log) {
      return (!zerosIn && log == 0 && v == 0.0f) || (log != 0 && v > logMissingMarker) || !std::isfinite(v);
    };
    if (rejected(x, p.xLog) || rejected(y, p.yLog)) return std::nullopt;
    if (!ternary_) return onAxes(x, y);
    if (rejected(z, p.zLog)) return std::nullopt;
    const auto f = toFractions(x, y, z);
    if (!f) return std::nullopt;
    return scaled(triangle(f->x, f->y));
  }

  std::vector<PlanePoint> frame;

 private:
  static PlanePoint triangle(double fx, double fy) { return {1.0 - fx - 0.5 * fy, triangleHeight * fy}; }
  PlanePoint scaled(PlanePoint p) const { return {(p.x - left_) / width_, (p.y - bottom_) / height_}; }
  PlanePoint onAxes(double x, double y) const {
    const double xSpan = s_.x.end != s_.x.start ? static_cast<double>(s_.x.end) - s_.x.start : 1.0;
    const double ySpan = s_.y.end != s_.y.start ? static_cast<double>(s_.y.end) - s_.y.start : 1.0;
    return {(x - s_.x.start) / xSpan, (y - s_.y.start) / ySpan};
  }

  const DiagramSettings& s_;
  bool ternary_;
  double left_ = 0, bottom_ = 0, width_ = 1, height_ = 1;
};

// The field-line segments by the pen rule; a point that cannot be placed breaks its line.
std::vector<std::pair<PlanePoint, PlanePoint>> fieldSegments(const FramePlane& plane, const OverlayTable& table) {
  std::vector<std::pair<PlanePoint, PlanePoint>> segments;
  std::optional<PlanePoint> previous;
  const int points = std::min<int>(table.fieldLines, static_cast<int>(std::min(table.x.size(), table.y.size())));
  for (int i = 0; i < points; ++i) {
    const auto at = static_cast<std::size_t>(i);
    const float pen = at < table.pen.size() ? table.pen[at] : 0.0f;
    const std::optional<PlanePoint> here = plane.fieldPoint(table.x[at], table.y[at]);
    if (here && pen != 0 && previous) segments.emplace_back(*previous, *here);
    if (here || pen == 0) previous = here;
  }
  return segments;
}

// "A", "B" and "C": quoted, since labels hold "and" and commas themselves.
std::string joined(const std::vector<std::string>& labels) {
  std::string out;
  for (std::size_t i = 0; i < labels.size(); ++i) {
    if (i > 0) out += i + 1 == labels.size() ? " and " : ", ";
    out += "\"" + labels[i] + "\"";
  }
  return out;
}

}  // namespace

FieldClassification classifyRows(const DiagramSettings& settings, const OverlayTable& overlays, int rowCount,
                                 bool zerosIn) {
  FieldClassification result;
  const FramePlane plane(settings);
  FieldMap map(fieldSegments(plane, overlays), plane.frame);
  const int last = std::min<int>(overlays.fieldLines + overlays.fieldLabels, static_cast<int>(overlays.text.size()));
  for (int i = overlays.fieldLines; i < last; ++i) {
    const auto at = static_cast<std::size_t>(i);
    if (const auto anchor = plane.fieldPoint(overlays.x[at], overlays.y[at])) map.addLabel(*anchor, fieldName(overlays.text[at]));
  }
  bool named = false;
  for (const FieldRegion& region : map.regions()) {
    if (region.labels.size() > 1) {
      result.problem = "the labels " + joined(region.labels) + " lie in one region";
      return result;
    }
    named = named || !region.labels.empty();
  }
  if (!named) {
    result.problem = "no field label lies in a closed region";
    return result;
  }
  result.fieldOf.assign(static_cast<std::size_t>(std::max(rowCount, 0)) + 1, std::string());
  for (int row = 1; row <= rowCount; ++row) {
    const std::optional<PlanePoint> p = plane.rowPoint(row, zerosIn);
    if (!p) continue;
    const int region = map.locate(*p);
    if (region < 0 || map.regions()[static_cast<std::size_t>(region)].labels.empty()) continue;
    result.fieldOf[static_cast<std::size_t>(row)] = map.regions()[static_cast<std::size_t>(region)].labels.front();
    ++result.classified;
  }
  return result;
}

}  // namespace lavix::diagram

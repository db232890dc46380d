// The row filter of every diagram.
#include "lavix/diagram/RowFilter.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

#include "lavix/diagram/Ternary.h"

namespace lavix::diagram {

namespace {

// log10 of the missing-value marker: a log variable above it holds no value.
constexpr float logMissingMarker = 14.9f;

bool symbolShown(const SymbolTable& symbols, int symbol) {
  if (symbol == -99) return true;
  const int magnitude = std::abs(symbol);
  // Slot s holds s while symbol s is shown: one look, not a search, at 32767 rows a redraw.
  if (magnitude < symbolSlots && symbols.selectedSymbol[static_cast<std::size_t>(magnitude)] == magnitude) return true;
  for (int s = 0; s < symbolSlots; ++s)
    if (symbols.selectedSymbol[static_cast<std::size_t>(s)] == magnitude) return true;
  return false;
}

bool zeroRejected(float value, int16_t logFlag, bool zerosIn) { return !zerosIn && logFlag == 0 && value == 0.0f; }

bool outside(float value, const AxisSettings& axis) {
  return (static_cast<double>(value) - axis.start) * (static_cast<double>(value) - axis.end) > 0.0;
}

// A library or clipped ternary shows only the part of the triangle inside its clip limits; a
// point beyond them (a projection can give negative fractions) would land on the page around it.
bool outsideClippedTriangle(const DiagramSettings& s, float x, float y, float z) {
  const std::string& family = s.diagramFamily;
  if (family != "DDIAGS" && family != "CDIAGS" && family != "MDIAGS" && family != "QUAD") return false;
  const std::optional<Fractions> f = toFractions(x, y, z);
  if (!f) return false;
  constexpr float slack = 1e-6f;
  const auto beyond = [](float v, float low, float high) {
    return v < std::min(low, high) - slack || v > std::max(low, high) + slack;
  };
  return beyond(f->x, s.xClipMin, s.xClipMax) || beyond(f->y, s.yClipMin, s.yClipMax) ||
         beyond(f->z, s.zClipMin, s.zClipMax);
}

float at(const std::vector<float>& values, int row) {
  return row >= 0 && static_cast<std::size_t>(row) < values.size() ? values[static_cast<std::size_t>(row)] : 0.0f;
}

}  // namespace

bool plotsRow(const RowFilterContext& c, int row, std::string_view kind) {
  if (row > c.data.rowCount) return true;
  const int symbol = row >= 0 && static_cast<std::size_t>(row) < c.data.symbolOf.size()
                         ? c.data.symbolOf[static_cast<std::size_t>(row)]
                         : 0;
  if (!symbolShown(c.symbols, symbol)) return false;
  const PlotValues& p = c.settings.plot;
  const float x = at(p.xValue, row), y = at(p.yValue, row), z = at(p.zValue, row);
  if (kind == "XY") {
    if (zeroRejected(x, p.xLog, c.zerosIn) || zeroRejected(y, p.yLog, c.zerosIn)) return false;
    if (outside(x, c.settings.x) || outside(y, c.settings.y)) return false;
  } else if (kind == "TRI") {
    if (zeroRejected(x, p.xLog, c.zerosIn) || zeroRejected(y, p.yLog, c.zerosIn) ||
        zeroRejected(z, p.zLog, c.zerosIn))
      return false;
    if ((p.xLog != 0 && x > logMissingMarker) || (p.yLog != 0 && y > logMissingMarker) ||
        (p.zLog != 0 && z > logMissingMarker))
      return false;
    if (outsideClippedTriangle(c.settings, x, y, z)) return false;
  } else if (kind == "HIST") {
    if (zeroRejected(x, p.xLog, c.zerosIn) || outside(x, c.settings.x)) return false;
  }
  const data::SubsetCriteria& subset = c.subset;
  if (subset.limits.empty() && subset.match.empty() && subset.exclude.empty()) return true;
  return data::rowSelected(subset, c.data, row, c.normFlag);
}

}  // namespace lavix::diagram

// Model and mixing curves kept in the spare entries after the rows of the plotted values, where
// every redraw finds them again: axis units, range filter, symbol numbers, room.
#pragma once

#include <cstdint>
#include <vector>

#include "lavix/diagram/DiagramSettings.h"

namespace lavix::models {

inline constexpr int maxCurvePoints = 1001;

enum class Marker {
  plain,       // a point of the line
  tick,        // a separate tick mark, not joined to the line
  tickOnLine,  // a tick mark the line runs through
};

struct CurvePoint {
  double x = 0;  // data units (raw values on a log axis)
  double y = 0;
  Marker marker = Marker::plain;
  bool breakBefore = false;  // the line does not join this point to the one before (an asymptote)
};

struct CurveEntry {
  float x = 0;  // axis units (base-10 logarithms on a log axis)
  float y = 0;
  int16_t symbol = diagram::curveLineSymbol;
};

// The most entries a curve of `points` points can take: each a tick and a pen change, plus its start.
constexpr int maxCurveEntries(int points) { return 3 * points + 1; }
static_assert(diagram::spareCurveEntries >= maxCurveEntries(maxCurvePoints),
              "the spare entries must hold the longest curve");

// The entries of a curve on the current axes. Points that are not finite, that a log axis
// cannot show (0 or less) or that lie outside either axis range are left out; the line goes
// on from the next point inside, starting afresh (curveStartSymbol) after a point left out.
// A tick takes `tickSymbol`: a separate tick alone, a tick on the line between two line entries.
std::vector<CurveEntry> curveEntries(const std::vector<CurvePoint>& points, const diagram::DiagramSettings& settings,
                                     int16_t tickSymbol);

// Entries after the rows a curve may still use (the arrays' size limits them).
int curveRoom(const diagram::PlotValues& plot, const std::vector<int16_t>& symbolOf, int rowCount);

// Appends the entries after the last one in use (never over a data row); plotRowCount grows.
// False, with nothing written, when there is no room for all of them.
bool appendCurveEntries(diagram::PlotValues& plot, std::vector<int16_t>& symbolOf, int rowCount,
                        const std::vector<CurveEntry>& entries);

}  // namespace lavix::models

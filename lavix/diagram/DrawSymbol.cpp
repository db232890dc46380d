// Drawing one plotting symbol of the symbol table into a recording.
#include "lavix/diagram/DrawSymbol.h"

#include <algorithm>
#include <cstdlib>
#include <variant>
#include <vector>

namespace lavix::diagram {

namespace {

// How far back the current pen and brush are looked for; past that they are selected again,
// which is always correct and keeps the look-up constant per symbol.
constexpr std::size_t lookBack = 8;

int slotOf(const SymbolTable& table, int symbolNumber) {
  const int s = std::abs(symbolNumber);
  return s > table.symbolCount || s >= symbolSlots ? 0 : s;
}

template <typename Selection>
bool isCurrent(const graphics::Recording& recording, const Selection& wanted) {
  const auto& ops = recording.operations();
  const std::size_t stop = ops.size() > lookBack ? ops.size() - lookBack : 0;
  for (std::size_t i = ops.size(); i > stop; --i) {
    if (const auto* selected = std::get_if<Selection>(&ops[i - 1])) return *selected == wanted;
  }
  return false;
}

}  // namespace

int rowSymbol(const SymbolTable& table, int16_t symbolOfRow) {
  if (symbolOfRow == noSymbol) return noSymbol;
  return table.oneSymbol >= 0 ? table.oneSymbol : symbolOfRow;
}

int16_t limitSymbolNumber(int value, int highest) {
  if (value == noSymbol) return noSymbol;
  if (std::abs(value) > highest) return 0;
  return static_cast<int16_t>(value);
}

graphics::SelectPen symbolPen(const SymbolTable& table, int symbolNumber) {
  const int s = slotOf(table, symbolNumber);
  const int32_t width = s == 0 ? table.symbolPenWidth / 2 : table.symbolPenWidth;
  return {table.symbolLineColour[static_cast<std::size_t>(s)], width, graphics::PenStyle::Solid};
}

graphics::SelectBrush symbolBrush(const SymbolTable& table, int symbolNumber) {
  const int s = slotOf(table, symbolNumber);
  if (table.isFilled(s) || s == table.symbolCount) return {table.symbolFillColour[static_cast<std::size_t>(s)], false};
  return {0, true};
}

namespace {

// The shape alone, with the pen and brush already selected.
void drawShape(graphics::Recording& recording, const SymbolTable& table, int s, int x, int y, int pageYSign) {
  const auto slot = static_cast<std::size_t>(s);
  const auto& vertices = table.symbolVertex[slot];
  if (table.isCircle(s)) {
    // A negative radius in the file would turn the circle's box inside out.
    recording.circle(x, y, std::abs(vertices[0].x));
    return;
  }
  const int count = std::min(table.symbolVertexCount[slot], static_cast<int32_t>(maxSymbolVertices));
  if (count <= 0) return;
  std::vector<graphics::Point> points(static_cast<std::size_t>(count));
  for (int v = 0; v < count; ++v) {
    const auto& vertex = vertices[static_cast<std::size_t>(v)];
    points[static_cast<std::size_t>(v)] = {x + vertex.x, y + pageYSign * vertex.y};
  }
  recording.polygon(std::move(points));
}

}  // namespace

void drawSymbol(graphics::Recording& recording, const SymbolTable& table, int symbolNumber, int x, int y,
                int pageYSign) {
  if (symbolNumber == noSymbol) return;
  const int s = slotOf(table, symbolNumber);
  const graphics::SelectPen pen = symbolPen(table, s);
  if (!isCurrent(recording, pen)) recording.add(pen);
  const graphics::SelectBrush brush = symbolBrush(table, s);
  if (!isCurrent(recording, brush)) recording.add(brush);
  drawShape(recording, table, s, x, y, pageYSign);
}

void SymbolPainter::catchUp() {
  const auto& ops = recording_.operations();
  if (ops.size() < seen_) {  // cleared since: nothing is known to be selected
    pen_.reset();
    brush_.reset();
    seen_ = 0;
  }
  for (; seen_ < ops.size(); ++seen_) {
    if (const auto* pen = std::get_if<graphics::SelectPen>(&ops[seen_])) pen_ = *pen;
    else if (const auto* brush = std::get_if<graphics::SelectBrush>(&ops[seen_])) brush_ = *brush;
  }
}

void SymbolPainter::draw(int symbolNumber, int x, int y) {
  if (symbolNumber == noSymbol) return;
  catchUp();
  const int s = slotOf(table_, symbolNumber);
  const graphics::SelectPen pen = symbolPen(table_, s);
  if (pen_ != pen) {
    recording_.add(pen);
    pen_ = pen;
  }
  const graphics::SelectBrush brush = symbolBrush(table_, s);
  if (brush_ != brush) {
    recording_.add(brush);
    brush_ = brush;
  }
  drawShape(recording_, table_, s, x, y, pageYSign_);
  seen_ = recording_.size();
}

}  // namespace lavix::diagram

// Drawing one plotting symbol of the symbol table into a recording.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "common/graphics/Recording.h"
#include "lavix/diagram/SymbolTable.h"

namespace lavix::diagram {

inline constexpr int16_t noSymbol = -99;  // a row drawn without a symbol (it still takes part in ties)

// The symbol a row is drawn with: noSymbol for a row whose own number is -99, else
// `oneSymbol` when it is 0 or more, else the row's own number.
int rowSymbol(const SymbolTable& table, int16_t symbolOfRow);

// The rule every stored symbol number follows: -99 stays, a number whose absolute value
// exceeds `highest` becomes 0.
int16_t limitSymbolNumber(int value, int highest);

// Draws symbol `symbolNumber` centred on page point (x, y): vertex offsets are (x + vx,
// y + pageYSign * vy); a circle has vertex 0's x as its radius. Symbol 0 takes half the pen
// width; the highest symbol keeps its fill brush whatever its name. noSymbol draws nothing;
// another negative number draws its absolute value, and a number above the table's highest
// draws symbol 0. The pen and brush are selected only when the recording's current ones
// differ, so runs of one symbol cost one operation each.
void drawSymbol(graphics::Recording& recording, const SymbolTable& table, int symbolNumber, int x, int y,
                int pageYSign);

// Draws many symbols into one recording, as the redraw's row loop does: it remembers the pen
// and brush that are current (also when the caller selects others in between, such as for
// ties), so a run of one symbol costs one shape operation each.
class SymbolPainter {
 public:
  SymbolPainter(graphics::Recording& recording, const SymbolTable& table, int pageYSign)
      : recording_(recording), table_(table), pageYSign_(pageYSign) {}

  void draw(int symbolNumber, int x, int y);

 private:
  void catchUp();

  graphics::Recording& recording_;
  const SymbolTable& table_;
  int pageYSign_;
  std::size_t seen_ = 0;  // operations of the recording already looked at
  std::optional<graphics::SelectPen> pen_;
  std::optional<graphics::SelectBrush> brush_;
};

// The pen and brush symbol `symbolNumber` is drawn with (after the number rules above).
graphics::SelectPen symbolPen(const SymbolTable& table, int symbolNumber);
graphics::SelectBrush symbolBrush(const SymbolTable& table, int symbolNumber);

}  // namespace lavix::diagram

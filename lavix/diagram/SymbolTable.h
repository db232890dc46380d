// The symbol table: shape, size and colours of symbols 0..51 and the page colours kept
// with them, plus the switches that choose which symbols are drawn.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace lavix::diagram {

inline constexpr int symbolSlots = 52;         // symbol numbers 0..51
inline constexpr int maxSymbolVertices = 33;   // vertices 0..32
inline constexpr int maxSymbolNumber = 46;     // N + the five colour entries must fit in 52 slots
inline constexpr int16_t hiddenSymbol = -90;   // selectedSymbol of a symbol that is not shown

struct SymbolRgb {
  int16_t red = 0;
  int16_t green = 0;
  int16_t blue = 0;
};

struct SymbolVertex {
  int32_t x = 0;  // page units from the symbol's centre; for a circle vertex 0's x is the radius
  int32_t y = 0;
};

// r + 256 g + 65536 b.
inline int32_t symbolColour(const SymbolRgb& rgb) {
  return static_cast<int32_t>(rgb.red) + 256 * static_cast<int32_t>(rgb.green) +
         65536 * static_cast<int32_t>(rgb.blue);
}

struct SymbolTable {
  SymbolTable();

  std::array<std::string, symbolSlots> symbolShape{};  // upper-cased shape name
  std::array<int32_t, symbolSlots> symbolVertexCount{};
  std::array<std::array<SymbolVertex, maxSymbolVertices>, symbolSlots> symbolVertex{};
  // As read from the file; entries N+1..N+5 hold the frame, curve, page, box and text colours.
  std::array<SymbolRgb, symbolSlots> symbolLineRGB{};
  std::array<SymbolRgb, symbolSlots> symbolFillRGB{};
  std::array<int32_t, symbolSlots> symbolLineColour{};
  std::array<int32_t, symbolSlots> symbolFillColour{};
  float symbolScale = 1.0f;      // applied to the vertices when the file is read
  int32_t symbolPenWidth = 1;    // page units; symbol 0 is drawn with half of it
  int16_t symbolCount = 0;       // N, the highest symbol number of the file

  int32_t frameColour = 0;       // frame and ticks
  int32_t frameLineWidth = 1;
  int32_t curveColour = 0;       // model curves and mixing lines
  int32_t curveLineWidth = 1;
  int32_t pageColour = 0xFFFFFF;
  int32_t boxColour = 0xFFFFFF;  // inside of the frame
  int32_t textColour = 0;

  bool blackSymbols = false;     // every colour read from the file is taken as black
  int16_t oneSymbol = -1;        // draw every row with this symbol; -1: each row its own
  std::array<int16_t, symbolSlots> selectedSymbol{};  // s when shown, hiddenSymbol when not
  bool tiesOn = false;           // join consecutive plotted rows
  bool lineOnly = false;         // the joining lines and no symbols
  float pendingSymbolSize = 0.0f;         // "Resize": above 0 it replaces the file's scale
  int16_t symbolLineWidthOverride = 0;    // above 0 it replaces the file's pen width

  // The row filter's symbol test: |symbolOfRow| is one of the selected symbols, or the row
  // has no symbol (-99).
  bool symbolShown(int symbolOfRow) const;
  // False when the check boxes hide any of the symbols 0..N (the status line's "/symbols ").
  bool allSymbolsShown() const;

  // Plain substring tests on the upper-cased shape name.
  bool isFilled(int symbol) const;  // contains "F"
  bool isCircle(int symbol) const;  // contains "CIR"
};

}  // namespace lavix::diagram

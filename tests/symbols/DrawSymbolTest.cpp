// Tests of drawing one symbol: pens, brushes, shapes, offsets and the symbol-number rules.
#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "lavix/diagram/DrawSymbol.h"
#include "lavix/diagram/SymbolFile.h"

namespace lavix::diagram {
namespace {

using graphics::Ellipse;
using graphics::Polygon;
using graphics::Recording;
using graphics::SelectBrush;
using graphics::SelectPen;

// Symbols 0..3 of the four shape kinds, then 4 (the highest, an open square); pen width 10.
const char* fourShapes = R"(1, 10
4
1, 2, 3
10, 20, 30
"filled circle"
1
30, 0
4, 5, 6
40, 50, 60
"open circle"
1
20, 0
7, 8, 9
70, 80, 90
"Filled Square"
4
-5, 5
5, 5
5, -5
-5, -5
0, 0, 0
11, 12, 13
"open triangle"
3
0, 10
-8, -6
8, -6
0, 0, 0
99, 98, 97
"open square"
2
-1, 1
1, -1
0, 0, 0, 10, "frame"
0, 0, 255, 15, "curves"
255, 255, 255, 0, "page"
255, 255, 255, 0, "box"
0, 0, 0, 0, "text"
)";

SymbolTable readTable(const char* content) {
  SymbolTable table;
  text::FileError error;
  EXPECT_EQ(readSymbolText(content, "default", table, error), SymbolReadResult::complete) << error.text;
  return table;
}

template <typename T>
const T* lastOf(const Recording& r) {
  for (auto it = r.operations().rbegin(); it != r.operations().rend(); ++it)
    if (const T* op = std::get_if<T>(&*it)) return op;
  return nullptr;
}

TEST(DrawSymbol, FileWithOnlySymbolZeroDrawsItWithHalfWidth) {
  const SymbolTable table = readTable("1, 7\n0\n0,0,0\n0,0,0\n\"OPEN CIRCLE\"\n1\n25, 0\n"
                                      "0,0,0,1,\"a\"\n0,0,0,1,\"b\"\n0,0,0,0,\"c\"\n0,0,0,0,\"d\"\n0,0,0,0,\"e\"\n");
  Recording r;
  drawSymbol(r, table, 0, 100, 100, 1);
  ASSERT_NE(lastOf<SelectPen>(r), nullptr);
  EXPECT_EQ(lastOf<SelectPen>(r)->width, 3);
  EXPECT_EQ(*lastOf<Ellipse>(r), (Ellipse{75, 75, 125, 125}));
}

TEST(DrawSymbol, PolygonVerticesFollowThePageDirection) {
  const SymbolTable table = readTable(fourShapes);
  for (int sign : {1, -1}) {
    Recording r;
    drawSymbol(r, table, 3, 1000, 2000, sign);
    const auto* polygon = lastOf<Polygon>(r);
    ASSERT_NE(polygon, nullptr);
    EXPECT_EQ(polygon->points,
              (std::vector<graphics::Point>{{1000, 2000 + sign * 10}, {992, 2000 - sign * 6}, {1008, 2000 - sign * 6}}));
  }
}

TEST(DrawSymbol, HighestSymbolKeepsItsFillBrush) {
  const SymbolTable table = readTable(fourShapes);
  Recording r;
  drawSymbol(r, table, 4, 0, 0, 1);
  ASSERT_NE(lastOf<SelectBrush>(r), nullptr);
  EXPECT_EQ(*lastOf<SelectBrush>(r), (SelectBrush{graphics::rgb(99, 98, 97), false}));
}

TEST(DrawSymbol, NumbersOutsideTheTable) {
  const SymbolTable table = readTable(fourShapes);
  Recording none;
  drawSymbol(none, table, noSymbol, 0, 0, 1);
  EXPECT_TRUE(none.empty());

  // A negative number draws its absolute value; one beyond N draws symbol 0.
  struct Case {
    int number;
    int drawn;
  } cases[] = {{-2, 2}, {5, 0}, {51, 0}, {1000, 0}, {-1000, 0}};
  for (const Case& c : cases) {
    Recording got, expected;
    drawSymbol(got, table, c.number, 10, 10, 1);
    drawSymbol(expected, table, c.drawn, 10, 10, 1);
    EXPECT_EQ(got.operations(), expected.operations()) << c.number;
  }
}

TEST(DrawSymbol, PainterSelectsPenAndBrushOnlyWhenTheyChange) {
  const SymbolTable table = readTable(fourShapes);
  Recording r;
  SymbolPainter painter(r, table, 1);
  for (int i = 0; i < 100; ++i) painter.draw(2, i, i);
  EXPECT_EQ(r.size(), 102u);  // one pen, one brush, 100 polygons

  // Once the caller selects another pen (a tie line), the symbol's own is selected again.
  r.selectPen(0, 1);
  r.line(0, 0, 5, 5);
  painter.draw(2, 0, 0);
  EXPECT_EQ(r.size(), 106u);
  EXPECT_EQ(std::get<SelectPen>(r.operations()[104]), symbolPen(table, 2));

  // Symbol 0 differs in pen and brush; after a clear everything is selected afresh.
  painter.draw(0, 0, 0);
  EXPECT_EQ(r.size(), 109u);
  r.clear();
  painter.draw(0, 0, 0);
  EXPECT_EQ(r.size(), 3u);

  // The painter draws what drawSymbol draws.
  Recording a, b;
  SymbolPainter other(a, table, -1);
  for (int s : {0, 1, 2, 3, 4, -2, int{noSymbol}, 60}) {
    other.draw(s, 10 * s, 20);
    drawSymbol(b, table, s, 10 * s, 20, -1);
  }
  EXPECT_EQ(a.operations(), b.operations());
}

TEST(DrawSymbol, NegativeRadiusDrawsTheSameCircle) {
  SymbolTable table = readTable(fourShapes);
  table.symbolVertex[1][0].x = -20;
  Recording r;
  drawSymbol(r, table, 1, 100, 100, 1);
  EXPECT_EQ(*lastOf<Ellipse>(r), (Ellipse{80, 80, 120, 120}));
}

TEST(SymbolTable, RowFilterTakesSelectedSymbolsByAbsoluteValue) {
  SymbolTable table = readTable(fourShapes);
  EXPECT_TRUE(table.allSymbolsShown());
  table.selectedSymbol[3] = hiddenSymbol;
  EXPECT_FALSE(table.allSymbolsShown());
  struct Case {
    int symbolOf;
    bool shown;
  } cases[] = {{3, false}, {-3, false}, {2, true}, {-2, true}, {-99, true}, {-90, false}, {90, false}, {51, true}};
  for (const Case& c : cases) EXPECT_EQ(table.symbolShown(c.symbolOf), c.shown) << c.symbolOf;
  table.selectedSymbol[3] = 3;
  table.selectedSymbol[40] = hiddenSymbol;  // beyond N: not a check box of this file
  EXPECT_TRUE(table.allSymbolsShown());
}

TEST(DrawSymbol, RowSymbolAndTheStoredNumberRule) {
  SymbolTable table = readTable(fourShapes);
  EXPECT_EQ(rowSymbol(table, 3), 3);
  EXPECT_EQ(rowSymbol(table, noSymbol), noSymbol);
  table.oneSymbol = 2;
  EXPECT_EQ(rowSymbol(table, 3), 2);
  EXPECT_EQ(rowSymbol(table, noSymbol), noSymbol);
  table.oneSymbol = 0;
  EXPECT_EQ(rowSymbol(table, 3), 0);

  struct Case {
    int value, highest;
    int16_t expected;
  } cases[] = {{-99, 4, -99}, {4, 4, 4}, {5, 4, 0}, {-4, 4, -4}, {-5, 4, 0}, {0, 0, 0}, {1, 0, 0}, {32767, 36, 0}};
  for (const Case& c : cases) EXPECT_EQ(limitSymbolNumber(c.value, c.highest), c.expected) << c.value;
}

}  // namespace
}  // namespace lavix::diagram

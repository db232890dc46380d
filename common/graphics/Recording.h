// The display list a diagram is recorded into, in page units, before any device sees it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace lavix::graphics {

// A colour as the system stores it: red + 256 × green + 65536 × blue (0x00BBGGRR).
using Colour = std::int32_t;

constexpr Colour rgb(int red, int green, int blue) {
  return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}
constexpr int redOf(Colour c) { return c & 0xFF; }
constexpr int greenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr int blueOf(Colour c) { return (c >> 16) & 0xFF; }

// Page units: 1000 per inch; y grows downwards unless the caller flips it through the window.
struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

enum class PenStyle { Solid, Null };

// Width 0 is the thinnest line the device can draw.
struct SelectPen {
  Colour colour = 0;
  std::int32_t width = 0;
  PenStyle style = PenStyle::Solid;
  friend bool operator==(const SelectPen&, const SelectPen&) = default;
};

// A hollow brush is the empty stock brush: outlines only.
struct SelectBrush {
  Colour colour = 0;
  bool hollow = false;
  friend bool operator==(const SelectBrush&, const SelectBrush&) = default;
};

// Height in page units: negative is the character (em) height, positive the cell height
// (ascent + descent), as fonts are asked for on the platform. Escapement in tenths of a
// degree, counter-clockwise as seen on the page (2700 reads downwards).
struct SelectFont {
  std::string name = "Arial";
  std::int32_t height = -167;
  bool bold = false;
  bool italic = false;
  std::int32_t escapement = 0;
  friend bool operator==(const SelectFont&, const SelectFont&) = default;
};

struct SetTextColour {
  Colour colour = 0;
  friend bool operator==(const SetTextColour&, const SetTextColour&) = default;
};

struct MoveTo {
  Point to;
  friend bool operator==(const MoveTo&, const MoveTo&) = default;
};

// Draws from the current position with the current pen and moves there.
struct LineTo {
  Point to;
  friend bool operator==(const LineTo&, const LineTo&) = default;
};

// A segment; leaves the current position at `to`.
struct Line {
  Point from;
  Point to;
  friend bool operator==(const Line&, const Line&) = default;
};

struct Polyline {
  std::vector<Point> points;
  friend bool operator==(const Polyline&, const Polyline&) = default;
};

// Closed and filled with the current brush (alternate filling), outlined with the current pen.
struct Polygon {
  std::vector<Point> points;
  friend bool operator==(const Polygon&, const Polygon&) = default;
};

// Both shapes take their bounding box; filled with the current brush.
struct Ellipse {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const Ellipse&, const Ellipse&) = default;
};

struct Rectangle {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const Rectangle&, const Rectangle&) = default;
};

enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Baseline, Bottom };

// One run of plain text (markup already resolved) at the reference point (x, y), drawn
// with a transparent background in the current text colour and font.
struct Text {
  Point at;
  std::string text;
  HAlign hAlign = HAlign::Left;
  VAlign vAlign = VAlign::Baseline;
  friend bool operator==(const Text&, const Text&) = default;
};

using Operation = std::variant<SelectPen, SelectBrush, SelectFont, SetTextColour, MoveTo, LineTo, Line,
                               Polyline, Polygon, Ellipse, Rectangle, Text>;

// The recorded picture. Before any selection the devices start with a black hairline pen, a
// white solid brush, black text and the default SelectFont.
class Recording {
 public:
  // The logical window the picture is drawn in; 6000 × 4500 units (6 × 4.5 inches) at the
  // origin until set. A negative extent flips that axis.
  void setWindow(Point origin, Point extent) {
    windowOrigin_ = origin;
    windowExtent_ = extent;
  }
  Point windowOrigin() const { return windowOrigin_; }
  Point windowExtent() const { return windowExtent_; }

  void add(Operation operation);

  void selectPen(Colour colour, std::int32_t width, PenStyle style = PenStyle::Solid);
  void selectBrush(Colour colour);
  void selectHollowBrush();
  void selectFont(SelectFont font);
  void setTextColour(Colour colour);
  void moveTo(std::int32_t x, std::int32_t y);
  void lineTo(std::int32_t x, std::int32_t y);
  void line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
  void polyline(std::vector<Point> points);
  void polygon(std::vector<Point> points);
  void ellipse(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
  void circle(std::int32_t cx, std::int32_t cy, std::int32_t radius);
  void rectangle(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
  void text(std::int32_t x, std::int32_t y, std::string text, HAlign hAlign = HAlign::Left,
            VAlign vAlign = VAlign::Baseline);

  const std::vector<Operation>& operations() const { return operations_; }
  std::size_t size() const { return operations_.size(); }
  bool empty() const { return operations_.empty(); }
  void reserve(std::size_t count) { operations_.reserve(count); }
  // Forgets the operations; the window stays.
  void clear() { operations_.clear(); }

 private:
  Point windowOrigin_{0, 0};
  Point windowExtent_{6000, 4500};
  std::vector<Operation> operations_;
};

}  // namespace lavix::graphics

// The display list a diagram is recorded into.
#include "common/graphics/Recording.h"

#include <utility>

namespace lavix::graphics {

void Recording::add(Operation operation) { operations_.push_back(std::move(operation)); }

void Recording::selectPen(Colour colour, std::int32_t width, PenStyle style) {
  operations_.emplace_back(SelectPen{colour, width, style});
}

void Recording::selectBrush(Colour colour) { operations_.emplace_back(SelectBrush{colour, false}); }

void Recording::selectHollowBrush() { operations_.emplace_back(SelectBrush{0, true}); }

void Recording::selectFont(SelectFont font) { operations_.emplace_back(std::move(font)); }

void Recording::setTextColour(Colour colour) { operations_.emplace_back(SetTextColour{colour}); }

void Recording::moveTo(std::int32_t x, std::int32_t y) { operations_.emplace_back(MoveTo{{x, y}}); }

void Recording::lineTo(std::int32_t x, std::int32_t y) { operations_.emplace_back(LineTo{{x, y}}); }

void Recording::line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  operations_.emplace_back(Line{{x1, y1}, {x2, y2}});
}

void Recording::polyline(std::vector<Point> points) { operations_.emplace_back(Polyline{std::move(points)}); }

void Recording::polygon(std::vector<Point> points) { operations_.emplace_back(Polygon{std::move(points)}); }

void Recording::ellipse(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
  operations_.emplace_back(Ellipse{left, top, right, bottom});
}

void Recording::circle(std::int32_t cx, std::int32_t cy, std::int32_t radius) {
  operations_.emplace_back(Ellipse{cx - radius, cy - radius, cx + radius, cy + radius});
}

void Recording::rectangle(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
  operations_.emplace_back(Rectangle{left, top, right, bottom});
}

void Recording::text(std::int32_t x, std::int32_t y, std::string text, HAlign hAlign, VAlign vAlign) {
  operations_.emplace_back(Text{{x, y}, std::move(text), hAlign, vAlign});
}

}  // namespace lavix::graphics

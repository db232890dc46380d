// SVG 1.1 text of a recording, byte for byte the same for the same recording (golden files).
#include "common/graphics/SvgWriter.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "common/format/NumberFormat.h"
#include "common/graphics/TextMetrics.h"

namespace lavix::graphics {

namespace {

std::string number(std::int64_t value) { return format::formatNumber(static_cast<double>(value), "0"); }

// Half of an integer sum: the centre of a box may lie on a half unit.
std::string half(std::int64_t twice) {
  std::string sign = twice < 0 ? "-" : "";
  std::int64_t magnitude = twice < 0 ? -twice : twice;
  return sign + number(magnitude / 2) + (magnitude % 2 != 0 ? ".5" : "");
}

std::string colourText(Colour c) {
  return "rgb(" + number(redOf(c)) + "," + number(greenOf(c)) + "," + number(blueOf(c)) + ")";
}

// Length of the UTF-8 sequence starting at text[i], or 0 when it is not well formed.
std::size_t utf8Length(std::string_view text, std::size_t i) {
  unsigned char c = static_cast<unsigned char>(text[i]);
  std::size_t length = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
  if (length == 0 || i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
  }
  return length;
}

// Escapes for XML; bytes that are not UTF-8 are taken as Latin-1 (the data files' usual
// code page) and control characters, invalid in XML 1.0, are dropped.
std::string escapeXml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    switch (c) {
      case '&': out += "&amp;"; continue;
      case '<': out += "&lt;"; continue;
      case '>': out += "&gt;"; continue;
      case '"': out += "&quot;"; continue;
      default: break;
    }
    if (c < 0x20) {
      if (c == '\t') out += c;
      continue;
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
      continue;
    }
    if (std::size_t length = utf8Length(text, i); length > 0) {
      out.append(text.substr(i, length));
      i += length - 1;
      continue;
    }
    out += "&#" + number(c) + ";";
  }
  return out;
}

class SvgWriter {
 public:
  SvgWriter(const Recording& recording, std::int32_t width, std::int32_t height)
      : recording_(recording), width_(width), height_(height) {}

  std::string write() {
    header();
    for (const auto& operation : recording_.operations()) {
      std::visit([this](const auto& op) { draw(op); }, operation);
    }
    out_ += flipped_ ? "</g>\n</g>\n</svg>\n" : "</g>\n</svg>\n";
    return std::move(out_);
  }

 private:
  void header() {
    Point origin = recording_.windowOrigin();
    Point extent = recording_.windowExtent();
    std::int64_t ex = extent.x == 0 ? 1 : extent.x;
    std::int64_t ey = extent.y == 0 ? 1 : extent.y;
    out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
    out_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
            format::formatNumber(width_ / 1000.0, "0.000") + "in\" height=\"" +
            format::formatNumber(height_ / 1000.0, "0.000") + "in\" viewBox=\"";
    if (ex > 0 && ey > 0) {
      out_ += number(origin.x) + " " + number(origin.y) + " " + number(ex) + " " + number(ey) + "\">\n";
    } else {
      // A negative extent flips that axis, as the window of a metafile does.
      flipped_ = true;
      sx_ = ex < 0 ? -1 : 1;
      sy_ = ey < 0 ? -1 : 1;
      out_ += "0 0 " + number(std::llabs(ex)) + " " + number(std::llabs(ey)) + "\">\n";
      out_ += "<g transform=\"matrix(" + number(sx_) + " 0 0 " + number(sy_) + " " + number(-origin.x * sx_) + " " +
              number(-origin.y * sy_) + ")\">\n";
    }
    out_ += "<g fill-rule=\"evenodd\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
    draw(SelectPen{});
    draw(SelectBrush{rgb(255, 255, 255), false});
    draw(SelectFont{});
    draw(SetTextColour{0});
  }

  void draw(const SelectPen& pen) {
    if (pen.style == PenStyle::Null) {
      stroke_ = " stroke=\"none\"";
      return;
    }
    stroke_ = " stroke=\"" + colourText(pen.colour) + "\" stroke-width=\"" + number(pen.width > 0 ? pen.width : 1) + "\"";
  }
  void draw(const SelectBrush& brush) {
    fill_ = brush.hollow ? " fill=\"none\"" : " fill=\"" + colourText(brush.colour) + "\"";
  }
  void draw(const SelectFont& font) {
    font_ = font;
    fontAttributes_ = " font-family=\"" + escapeXml(font.name) + ", sans-serif\" font-size=\"" +
                      number(emHeight(font.height)) + "\"";
    if (font.bold) fontAttributes_ += " font-weight=\"bold\"";
    if (font.italic) fontAttributes_ += " font-style=\"italic\"";
  }
  void draw(const SetTextColour& colour) { textFill_ = " fill=\"" + colourText(colour.colour) + "\""; }
  void draw(const MoveTo& move) { position_ = move.to; }
  void draw(const LineTo& line) {
    segment(position_, line.to);
    position_ = line.to;
  }
  void draw(const Line& line) {
    segment(line.from, line.to);
    position_ = line.to;
  }
  void draw(const Polyline& polyline) {
    if (polyline.points.size() < 2) return;
    out_ += "<polyline points=\"" + pointList(polyline.points) + "\" fill=\"none\"" + stroke_ + "/>\n";
  }
  void draw(const Polygon& polygon) {
    if (polygon.points.size() < 2) return;
    out_ += "<polygon points=\"" + pointList(polygon.points) + "\"" + fill_ + stroke_ + "/>\n";
  }
  void draw(const Ellipse& e) {
    std::int64_t width = std::llabs(static_cast<std::int64_t>(e.right) - e.left);
    std::int64_t height = std::llabs(static_cast<std::int64_t>(e.bottom) - e.top);
    std::string cx = half(static_cast<std::int64_t>(e.left) + e.right);
    std::string cy = half(static_cast<std::int64_t>(e.top) + e.bottom);
    if (width == height) {
      out_ += "<circle cx=\"" + cx + "\" cy=\"" + cy + "\" r=\"" + half(width) + "\"" + fill_ + stroke_ + "/>\n";
    } else {
      out_ += "<ellipse cx=\"" + cx + "\" cy=\"" + cy + "\" rx=\"" + half(width) + "\" ry=\"" + half(height) + "\"" +
              fill_ + stroke_ + "/>\n";
    }
  }
  void draw(const Rectangle& r) {
    std::int64_t left = std::min(r.left, r.right), top = std::min(r.top, r.bottom);
    out_ += "<rect x=\"" + number(left) + "\" y=\"" + number(top) + "\" width=\"" +
            number(std::llabs(static_cast<std::int64_t>(r.right) - r.left)) + "\" height=\"" +
            number(std::llabs(static_cast<std::int64_t>(r.bottom) - r.top)) + "\"" + fill_ + stroke_ + "/>\n";
  }
  void draw(const Text& text) {
    if (text.text.empty()) return;
    std::int64_t dy = text.vAlign == VAlign::Top      ? ascentOf(font_.height)
                      : text.vAlign == VAlign::Bottom ? -descentOf(font_.height)
                                                      : 0;
    out_ += "<text xml:space=\"preserve\"";
    if (font_.escapement % 3600 != 0 || flipped_) {
      out_ += " transform=\"translate(" + number(text.at.x) + "," + number(text.at.y) + ")";
      if (flipped_) out_ += " scale(" + number(sx_) + "," + number(sy_) + ")";
      if (font_.escapement % 3600 != 0) out_ += " rotate(" + format::formatNumber(-font_.escapement / 10.0, "0.0") + ")";
      out_ += "\" x=\"0\" y=\"" + number(dy) + "\"";
    } else {
      out_ += " x=\"" + number(text.at.x) + "\" y=\"" + number(text.at.y + dy) + "\"";
    }
    if (text.hAlign == HAlign::Centre) out_ += " text-anchor=\"middle\"";
    if (text.hAlign == HAlign::Right) out_ += " text-anchor=\"end\"";
    out_ += fontAttributes_ + textFill_ + ">" + escapeXml(text.text) + "</text>\n";
  }

  void segment(Point from, Point to) {
    out_ += "<line x1=\"" + number(from.x) + "\" y1=\"" + number(from.y) + "\" x2=\"" + number(to.x) + "\" y2=\"" +
            number(to.y) + "\"" + stroke_ + "/>\n";
  }

  static std::string pointList(const std::vector<Point>& points) {
    std::string list;
    for (const auto& p : points) {
      if (!list.empty()) list += ' ';
      list += number(p.x) + "," + number(p.y);
    }
    return list;
  }

  const Recording& recording_;
  std::int32_t width_;
  std::int32_t height_;
  std::string out_;
  bool flipped_ = false;
  std::int64_t sx_ = 1, sy_ = 1;
  std::string stroke_, fill_, fontAttributes_, textFill_;
  SelectFont font_;
  Point position_;
};

}  // namespace

std::string toSvg(const Recording& recording, std::int32_t width, std::int32_t height) {
  return SvgWriter(recording, width, height).write();
}

}  // namespace lavix::graphics

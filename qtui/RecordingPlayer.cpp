// Replays a drawing recording onto a QPainter (screen, PNG, PDF), drawn as the SVG writer draws it.
#include "qtui/RecordingPlayer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPen>
#include <QPolygonF>
#include <QBuffer>

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <variant>

#include "common/graphics/TextMetrics.h"
#include "common/text/TextFile.h"
#include "qtui/ShapeStamps.h"

namespace lavix::qtui {

namespace gr = lavix::graphics;

PageMapping::PageMapping(const gr::Recording& recording, const QRectF& target, Mapping mapping)
    : deviceOrigin_(target.topLeft()) {
  gr::Point origin = recording.windowOrigin();
  gr::Point extent = recording.windowExtent();
  // A zero extent would divide by zero; the SVG writer reads it as one unit too.
  double ex = extent.x == 0 ? 1.0 : extent.x;
  double ey = extent.y == 0 ? 1.0 : extent.y;
  originX_ = origin.x;
  originY_ = origin.y;
  double sx = target.width() / std::abs(ex);
  double sy = target.height() / std::abs(ey);
  if (mapping == Mapping::Isotropic) sx = sy = std::min(sx, sy);
  scaleX_ = ex < 0 ? -sx : sx;
  scaleY_ = ey < 0 ? -sy : sy;
}

QPointF PageMapping::toDevice(double x, double y) const {
  return {deviceOrigin_.x() + (x - originX_) * scaleX_, deviceOrigin_.y() + (y - originY_) * scaleY_};
}

QPointF PageMapping::toPage(QPointF device) const {
  double x = scaleX_ == 0 ? originX_ : originX_ + (device.x() - deviceOrigin_.x()) / scaleX_;
  double y = scaleY_ == 0 ? originY_ : originY_ + (device.y() - deviceOrigin_.y()) / scaleY_;
  return {x, y};
}

namespace {

QColor toQColor(gr::Colour c) { return QColor(gr::redOf(c), gr::greenOf(c), gr::blueOf(c)); }

// Length of the UTF-8 sequence starting at text[i], or 0 when it is not well formed.
std::size_t utf8Length(std::string_view text, std::size_t i) {
  unsigned char c = static_cast<unsigned char>(text[i]);
  std::size_t length = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 && c < 0xF0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
  if (length == 0 || i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
  }
  return length;
}

// As the SVG writer reads text: UTF-8 where well formed, other bytes as Latin-1 (the data
// files' usual code page), control characters other than TAB dropped.
QString decodeText(std::string_view text) {
  QString out;
  out.reserve(static_cast<qsizetype>(text.size()));
  for (std::size_t i = 0; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x20) {
      if (c == '\t') out += QChar(c);
      continue;
    }
    if (c < 0x80) {
      out += QChar(c);
      continue;
    }
    if (std::size_t length = utf8Length(text, i); length > 0) {
      out += QString::fromUtf8(text.data() + i, static_cast<qsizetype>(length));
      i += length - 1;
      continue;
    }
    out += QChar(c);
  }
  return out;
}

// The bytes of a value, for the keys of shape stamps.
template <typename T>
void appendBytes(std::string& key, const T& value) {
  key.append(reinterpret_cast<const char*>(&value), sizeof value);
}

class Player {
 public:
  // With `stamps`, small ellipses and polygons are stamped (a raster target only).
  Player(QPainter& painter, const gr::Recording& recording, const QRectF& target, Mapping mapping,
         ShapeStamps* stamps = nullptr)
      : painter_(painter), recording_(recording), map_(recording, target, mapping), stamps_(stamps) {}

  void play() {
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setBackgroundMode(Qt::TransparentMode);
    draw(gr::SelectPen{});
    draw(gr::SelectBrush{gr::rgb(255, 255, 255), false});
    draw(gr::SelectFont{});
    draw(gr::SetTextColour{0});
    for (const auto& operation : recording_.operations()) {
      std::visit([this](const auto& op) { draw(op); }, operation);
    }
  }

 private:
  void draw(const gr::SelectPen& pen) {
    penKey_.clear();
    appendBytes(penKey_, pen.colour);
    appendBytes(penKey_, pen.width);
    appendBytes(penKey_, pen.style);
    if (pen.style == gr::PenStyle::Null) {
      pen_ = QPen(Qt::NoPen);
      penWidth_ = 0;
      return;
    }
    // Width 0 is one page unit as in the SVG output, and no line is thinner than one device pixel.
    penWidth_ = std::max(1.0, (pen.width > 0 ? pen.width : 1) * map_.scaleX());
    pen_ = QPen(QBrush(toQColor(pen.colour)), penWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  }
  void draw(const gr::SelectBrush& brush) {
    brushKey_.clear();
    appendBytes(brushKey_, brush.colour);
    appendBytes(brushKey_, brush.hollow);
    brush_ = brush.hollow ? QBrush(Qt::NoBrush) : QBrush(toQColor(brush.colour));
  }
  void draw(const gr::SelectFont& font) {
    font_ = font;
    qfont_ = QFont();
    QString family = decodeText(font.name);
    qfont_.setFamilies(family.isEmpty() ? QStringList{QStringLiteral("Arial")} : QStringList{family});
    qfont_.setStyleHint(QFont::SansSerif);
    // Laid out in page units and scaled by the mapping, so the size is not rounded to whole pixels.
    qfont_.setPixelSize(std::clamp(gr::emHeight(font.height), 1, 100000));
    qfont_.setBold(font.bold);
    qfont_.setItalic(font.italic);
  }
  void draw(const gr::SetTextColour& colour) { textColour_ = toQColor(colour.colour); }
  void draw(const gr::MoveTo& move) { position_ = move.to; }
  void draw(const gr::LineTo& line) {
    segment(position_, line.to);
    position_ = line.to;
  }
  void draw(const gr::Line& line) {
    segment(line.from, line.to);
    position_ = line.to;
  }
  void draw(const gr::Polyline& polyline) {
    if (polyline.points.size() < 2) return;
    use(pen_, Qt::NoBrush);
    painter_.drawPolyline(devicePolygon(polyline.points));
  }
  void draw(const gr::Polygon& polygon) {
    if (polygon.points.size() < 2) return;
    use(pen_, brush_);
    if (!stamps_) {
      painter_.drawPolygon(devicePolygon(polygon.points), Qt::OddEvenFill);
      return;
    }
    const gr::Point first = polygon.points.front();
    std::string key = shapeKey('P');
    QPolygonF shape;
    shape.reserve(static_cast<qsizetype>(polygon.points.size()));
    for (const auto& p : polygon.points) {
      appendBytes(key, p.x - first.x);
      appendBytes(key, p.y - first.y);
      shape << map_.toDeviceOffset(p.x - first.x, p.y - first.y);
    }
    stamps_->draw(painter_, key, map_.toDevice(first), shape.boundingRect(), penWidth_,
                  [&](QPainter& p, QPointF at) { p.drawPolygon(shape.translated(at), Qt::OddEvenFill); });
  }
  void draw(const gr::Ellipse& e) {
    use(pen_, brush_);
    if (!stamps_) {
      painter_.drawEllipse(deviceBox(e.left, e.top, e.right, e.bottom));
      return;
    }
    std::string key = shapeKey('E');
    appendBytes(key, e.right - e.left);
    appendBytes(key, e.bottom - e.top);
    const QRectF box = QRectF(QPointF(0, 0), map_.toDeviceOffset(e.right - e.left, e.bottom - e.top)).normalized();
    stamps_->draw(painter_, key, map_.toDevice(e.left, e.top), box, penWidth_,
                  [&](QPainter& p, QPointF at) { p.drawEllipse(box.translated(at)); });
  }
  void draw(const gr::Rectangle& r) {
    use(pen_, brush_);
    painter_.drawRect(deviceBox(r.left, r.top, r.right, r.bottom));
  }
  void draw(const gr::Text& text) {
    if (text.text.empty()) return;
    QString string = decodeText(text.text);
    if (string.isEmpty()) return;
    double dy = text.vAlign == gr::VAlign::Top      ? gr::ascentOf(font_.height)
                : text.vAlign == gr::VAlign::Bottom ? -gr::descentOf(font_.height)
                                                    : 0.0;
    QFontMetricsF metrics(qfont_);
    double advance = metrics.horizontalAdvance(string);
    double dx = text.hAlign == gr::HAlign::Centre ? -advance / 2 : text.hAlign == gr::HAlign::Right ? -advance : 0.0;
    painter_.save();
    // Text reads upright whatever the window's flips; the escapement turns it counter-clockwise.
    painter_.translate(map_.toDevice(text.at));
    if (font_.escapement % 3600 != 0) painter_.rotate(-font_.escapement / 10.0);
    painter_.scale(map_.scaleY(), map_.scaleY());
    painter_.setFont(qfont_);
    painter_.setPen(textColour_);
    painter_.drawText(QPointF(dx, dy), string);
    painter_.restore();
  }

  void segment(gr::Point from, gr::Point to) {
    use(pen_, Qt::NoBrush);
    painter_.drawLine(map_.toDevice(from), map_.toDevice(to));
  }
  void use(const QPen& pen, const QBrush& brush) {
    painter_.setPen(pen);
    painter_.setBrush(brush);
  }
  QPolygonF devicePolygon(const std::vector<gr::Point>& points) const {
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const auto& p : points) polygon << map_.toDevice(p);
    return polygon;
  }
  QRectF deviceBox(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) const {
    return QRectF(map_.toDevice(left, top), map_.toDevice(right, bottom)).normalized();
  }
  std::string shapeKey(char kind) const {
    std::string key(1, kind);
    key += penKey_;
    key += brushKey_;
    return key;
  }

  QPainter& painter_;
  const gr::Recording& recording_;
  PageMapping map_;
  ShapeStamps* stamps_;
  QPen pen_;
  double penWidth_ = 0;  // device pixels
  std::string penKey_, brushKey_;
  QBrush brush_;
  gr::SelectFont font_;
  QFont qfont_;
  QColor textColour_;
  gr::Point position_;
};

}  // namespace

void playRecording(QPainter& painter, const gr::Recording& recording, const QRectF& target, Mapping mapping) {
  if (!target.isValid()) return;
  painter.save();
  Player(painter, recording, target, mapping).play();
  painter.restore();
}

QImage renderRecording(const gr::Recording& recording, QSize size, Mapping mapping) {
  if (size.isEmpty()) return {};
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) return {};
  image.fill(Qt::white);
  QPainter painter(&image);
  ShapeStamps stamps;
  Player(painter, recording, QRectF(QPointF(0, 0), QSizeF(size)), mapping, &stamps).play();
  painter.end();
  return image;
}

bool writePdf(const gr::Recording& recording, const QString& path, bool landscape) {
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(1000);  // one device unit per page unit
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter),
                                     landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    playRecording(painter, recording, QRectF(0, 0, writer.width(), writer.height()), Mapping::Isotropic);
    if (!painter.end()) return false;
  }
  text::FileError error;
  const std::string_view content(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  return text::writeFileAtomically(path.toStdString(), content, error);
}

}  // namespace lavix::qtui

// Small shapes drawn again and again alike, such as a diagram's symbols, stamped from sprites.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>

#include <functional>
#include <string>
#include <unordered_map>

namespace lavix::qtui {

// Antialiased stroking is what a raster picture of thousands of symbols spends its time in.
// A small shape is drawn once per quarter-pixel position into a sprite with the painter's pen
// and brush, and the sprite is stamped wherever the same shape comes again: the picture differs
// from drawing each shape by at most an eighth of a pixel in where an edge falls.
class ShapeStamps {
 public:
  // Paints the shape whose extent around the device point `anchor` is `extent` (relative to
  // the anchor). `key` must tell apart everything that makes two shapes look different except
  // where they are: the shape relative to its anchor, the pen and the brush. `paint` draws the
  // shape with its anchor at the point it is given, on the painter it is given.
  void draw(QPainter& painter, const std::string& key, QPointF anchor, QRectF extent, double penWidth,
            const std::function<void(QPainter&, QPointF)>& paint);

 private:
  struct Sprite {
    QImage image;
    QPoint offset;  // of the sprite's top-left corner from the anchor's pixel
  };
  std::unordered_map<std::string, Sprite> sprites_;
};

}  // namespace lavix::qtui

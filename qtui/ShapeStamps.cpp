// Small shapes drawn again and again alike, such as a diagram's symbols, stamped from sprites.
#include "qtui/ShapeStamps.h"

#include <cmath>

namespace lavix::qtui {

namespace {

constexpr int phases = 4;            // sprite positions per pixel along each axis
constexpr double largestSide = 64;   // pixels: larger shapes are drawn as they come
constexpr std::size_t mostSprites = 4096;

}  // namespace

void ShapeStamps::draw(QPainter& painter, const std::string& key, QPointF anchor, QRectF extent, double penWidth,
                       const std::function<void(QPainter&, QPointF)>& paint) {
  const double margin = std::ceil(penWidth / 2) + 2;
  const bool small = extent.width() + 2 * margin <= largestSide && extent.height() + 2 * margin <= largestSide;
  if (!small || !std::isfinite(anchor.x()) || !std::isfinite(anchor.y()) || std::abs(anchor.x()) > 1e6 ||
      std::abs(anchor.y()) > 1e6) {
    paint(painter, anchor);
    return;
  }
  QPoint pixel(static_cast<int>(std::floor(anchor.x())), static_cast<int>(std::floor(anchor.y())));
  int phaseX = static_cast<int>(std::lround((anchor.x() - pixel.x()) * phases));
  int phaseY = static_cast<int>(std::lround((anchor.y() - pixel.y()) * phases));
  if (phaseX == phases) phaseX = 0, pixel.rx() += 1;
  if (phaseY == phases) phaseY = 0, pixel.ry() += 1;

  std::string spriteKey = key;
  spriteKey += static_cast<char>(phaseX * phases + phaseY);
  auto found = sprites_.find(spriteKey);
  if (found == sprites_.end()) {
    if (sprites_.size() >= mostSprites) {
      paint(painter, anchor);
      return;
    }
    Sprite sprite;
    const int left = static_cast<int>(std::floor(extent.left() - margin));
    const int top = static_cast<int>(std::floor(extent.top() - margin));
    const int right = static_cast<int>(std::ceil(extent.right() + margin));
    const int bottom = static_cast<int>(std::ceil(extent.bottom() + margin));
    sprite.offset = {left, top};
    sprite.image = QImage(right - left + 1, bottom - top + 1, QImage::Format_ARGB32_Premultiplied);
    sprite.image.fill(Qt::transparent);
    QPainter spritePainter(&sprite.image);
    spritePainter.setRenderHints(painter.renderHints());
    spritePainter.setPen(painter.pen());
    spritePainter.setBrush(painter.brush());
    paint(spritePainter, QPointF(static_cast<double>(phaseX) / phases - left, static_cast<double>(phaseY) / phases - top));
    spritePainter.end();
    found = sprites_.emplace(std::move(spriteKey), std::move(sprite)).first;
  }
  painter.drawImage(pixel + found->second.offset, found->second.image);
}

}  // namespace lavix::qtui

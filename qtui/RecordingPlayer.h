// Replays a drawing recording onto a QPainter (screen, PNG, PDF), drawn as the SVG writer draws it.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>

#include "common/graphics/Recording.h"

namespace lavix::qtui {

// Isotropic: one page unit is as long on both axes; the window is scaled to fit the target and
// anchored at the target's top-left corner (where the window origin lands), as the picture box
// shows a page. Anisotropic: the window is stretched over the whole target (metafile output).
enum class Mapping { Isotropic, Anisotropic };

// Page units to device coordinates for one recording window and target; the inverse turns a
// click in the target into page units.
class PageMapping {
 public:
  PageMapping(const graphics::Recording& recording, const QRectF& target, Mapping mapping);

  QPointF toDevice(double x, double y) const;
  QPointF toDevice(graphics::Point p) const { return toDevice(p.x, p.y); }
  QPointF toPage(QPointF device) const;
  // The device offset of a page-unit offset (toDevice(a + d) - toDevice(a), free of rounding).
  QPointF toDeviceOffset(double dx, double dy) const { return {dx * scaleX_, dy * scaleY_}; }
  // Device length of one page unit along each axis (always positive).
  double scaleX() const { return scaleX_ < 0 ? -scaleX_ : scaleX_; }
  double scaleY() const { return scaleY_ < 0 ? -scaleY_ : scaleY_; }

 private:
  QPointF deviceOrigin_;
  double originX_ = 0, originY_ = 0;
  double scaleX_ = 1, scaleY_ = 1;  // signed: a negative window extent flips the axis
};

// Draws the recording into `target` of the painter's device; the painter's state is saved
// and restored around the replay.
void playRecording(QPainter& painter, const graphics::Recording& recording, const QRectF& target,
                   Mapping mapping);

// The recording on a white image of `size` pixels (a null image when the size is empty).
QImage renderRecording(const graphics::Recording& recording, QSize size, Mapping mapping);

// A one-page PDF (US Letter, no margins, portrait or landscape) with the recording mapped
// isotropically onto the page. The file is replaced only when complete; false on failure.
bool writePdf(const graphics::Recording& recording, const QString& path, bool landscape);

}  // namespace lavix::qtui

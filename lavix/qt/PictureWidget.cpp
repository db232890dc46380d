// The picture box: white background, an optional painter, mouse presses as a signal.
#include "lavix/qt/PictureWidget.h"

#include <QMouseEvent>
#include <QPainter>

namespace lavix::qt {

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("lxpic"));
  setAutoFillBackground(true);
  QPalette page = palette();
  page.setColor(QPalette::Window, Qt::white);
  setPalette(page);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PictureWidget::setPainter(Painter painter) {
  painter_ = std::move(painter);
  update();
}

void PictureWidget::paintEvent(QPaintEvent*) {
  if (!painter_) return;
  QPainter painter(this);
  painter_(painter, rect());
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
  Q_EMIT pressed(event->position().toPoint(), event->button());
  QWidget::mousePressEvent(event);
}

}  // namespace lavix::qt

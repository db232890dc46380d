// The picture box `lxpic`: a white page that later replays the diagram recording.
#pragma once

#include <QWidget>

#include <functional>

namespace lavix::qt {

class PictureWidget : public QWidget {
  Q_OBJECT
 public:
  explicit PictureWidget(QWidget* parent = nullptr);

  // Paints the picture over the white page; empty: the page stays blank.
  using Painter = std::function<void(QPainter& painter, const QRect& area)>;
  void setPainter(Painter painter);

  QSize sizeHint() const override { return {640, 448}; }

 Q_SIGNALS:
  // A mouse press on the picture, in widget pixels.
  void pressed(QPoint position, Qt::MouseButton button);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  Painter painter_;
};

}  // namespace lavix::qt

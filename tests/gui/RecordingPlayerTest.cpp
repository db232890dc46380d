// Replaying recordings onto images and PDF: placement, flips, fills, text and its turning.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "qtui/RecordingPlayer.h"

namespace lavix::qtui {
namespace {

using graphics::Recording;
using graphics::rgb;

bool isWhite(QRgb pixel) { return qRed(pixel) > 240 && qGreen(pixel) > 240 && qBlue(pixel) > 240; }
bool isRed(QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60; }

// The box around every pixel that is not white (empty when there is none).
QRect inkBounds(const QImage& image, const QRect& area) {
  QRect bounds;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (!isWhite(image.pixel(x, y))) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

// A 1000 × 1000 window with a red square from (200, 200) to (400, 400) and no outline.
Recording redSquare() {
  Recording recording;
  recording.setWindow({0, 0}, {1000, 1000});
  recording.selectPen(0, 0, graphics::PenStyle::Null);
  recording.selectBrush(rgb(255, 0, 0));
  recording.rectangle(200, 200, 400, 400);
  return recording;
}

TEST(RecordingPlayerTest, FilledSquareLandsWhereTheMappingPutsIt) {
  struct Case {
    Mapping mapping;
    QSize size;
    QPoint inside;
    std::vector<QPoint> outside;
  };
  // 200 × 100 pixels: isotropic is 0.1 px per unit on both axes, anchored top-left (square at
  // 20..40); anisotropic stretches x to 0.2 (square at x 40..80, y 20..40).
  const Case cases[] = {
      {Mapping::Isotropic, {200, 100}, {30, 30}, {{60, 30}, {10, 10}, {150, 50}, {30, 50}}},
      {Mapping::Isotropic, {100, 200}, {30, 30}, {{30, 60}, {10, 10}, {50, 150}}},
      {Mapping::Anisotropic, {200, 100}, {60, 30}, {{30, 30}, {90, 30}, {60, 50}, {150, 90}}},
      {Mapping::Anisotropic, {100, 200}, {30, 60}, {{30, 30}, {30, 90}, {50, 150}}},
  };
  for (const auto& c : cases) {
    QImage image = renderRecording(redSquare(), c.size, c.mapping);
    ASSERT_EQ(image.size(), c.size);
    EXPECT_TRUE(isRed(image.pixel(c.inside))) << c.inside.x() << "," << c.inside.y();
    for (QPoint p : c.outside) EXPECT_TRUE(isWhite(image.pixel(p))) << p.x() << "," << p.y();
  }
}

TEST(RecordingPlayerTest, NegativeWindowExtentFlipsTheAxis) {
  Recording upright = redSquare();
  upright.clear();
  upright.selectPen(0, 0, graphics::PenStyle::Null);
  upright.selectBrush(rgb(255, 0, 0));
  upright.rectangle(400, 100, 600, 200);
  Recording flipped = upright;
  flipped.setWindow({0, 1000}, {1000, -1000});

  QImage top = renderRecording(upright, {100, 100}, Mapping::Isotropic);
  QImage bottom = renderRecording(flipped, {100, 100}, Mapping::Isotropic);
  EXPECT_TRUE(isRed(top.pixel(50, 15)));
  EXPECT_TRUE(isWhite(top.pixel(50, 85)));
  EXPECT_TRUE(isRed(bottom.pixel(50, 85)));
  EXPECT_TRUE(isWhite(bottom.pixel(50, 15)));

  // A click maps back to the page unit it shows, through the flip.
  PageMapping mapping(flipped, QRectF(0, 0, 100, 100), Mapping::Isotropic);
  QPointF device = mapping.toDevice(250, 900);
  EXPECT_DOUBLE_EQ(device.x(), 25.0);
  EXPECT_DOUBLE_EQ(device.y(), 10.0);
  QPointF page = mapping.toPage(device);
  EXPECT_DOUBLE_EQ(page.x(), 250.0);
  EXPECT_DOUBLE_EQ(page.y(), 900.0);
}

TEST(RecordingPlayerTest, HollowBrushDrawsOutlineOnly) {
  Recording recording;
  recording.setWindow({0, 0}, {1000, 1000});
  recording.selectPen(rgb(0, 0, 0), 30);
  recording.selectHollowBrush();
  recording.rectangle(200, 200, 800, 800);
  QImage image = renderRecording(recording, {100, 100}, Mapping::Isotropic);
  EXPECT_TRUE(isWhite(image.pixel(50, 50)));
  EXPECT_FALSE(isWhite(image.pixel(20, 50)));
  EXPECT_FALSE(isWhite(image.pixel(50, 80)));
  EXPECT_TRUE(isWhite(image.pixel(10, 50)));
}

TEST(RecordingPlayerTest, TextInksNearItsAnchorOnTheAlignedSide) {
  struct Case {
    graphics::HAlign align;
    QRect inked;
    QRect blank;
  };
  // Anchor at (500, 500) = pixel (50, 50); em 200 units = 20 px.
  const Case cases[] = {
      {graphics::HAlign::Left, QRect(50, 30, 50, 25), QRect(0, 0, 48, 100)},
      {graphics::HAlign::Right, QRect(0, 30, 50, 25), QRect(52, 0, 48, 100)},
      {graphics::HAlign::Centre, QRect(30, 30, 40, 25), QRect(0, 0, 100, 25)},
  };
  for (const auto& c : cases) {
    Recording recording;
    recording.setWindow({0, 0}, {1000, 1000});
    graphics::SelectFont font;
    font.height = -200;
    recording.selectFont(font);
    recording.setTextColour(rgb(255, 0, 0));
    recording.text(500, 500, "HH", c.align);
    QImage image = renderRecording(recording, {100, 100}, Mapping::Isotropic);
    QRect ink = inkBounds(image, image.rect());
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(c.inked.contains(ink)) << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
    EXPECT_TRUE(inkBounds(image, c.blank).isEmpty());
    EXPECT_LE(ink.bottom(), 51);  // sits on the baseline
    EXPECT_GE(ink.height(), 10);
  }
}

TEST(RecordingPlayerTest, TopAndBottomAlignmentHangTextBelowOrAboveTheAnchor) {
  for (auto align : {graphics::VAlign::Top, graphics::VAlign::Bottom}) {
    Recording recording;
    recording.setWindow({0, 0}, {1000, 1000});
    graphics::SelectFont font;
    font.height = -200;
    recording.selectFont(font);
    recording.text(500, 500, "Hg", graphics::HAlign::Left, align);
    QImage image = renderRecording(recording, {100, 100}, Mapping::Isotropic);
    QRect ink = inkBounds(image, image.rect());
    ASSERT_FALSE(ink.isEmpty());
    if (align == graphics::VAlign::Top) {
      EXPECT_GE(ink.top(), 49);
    } else {
      EXPECT_LE(ink.bottom(), 51);
      EXPECT_LT(ink.top(), 40);
    }
  }
}

TEST(RecordingPlayerTest, EscapementTurnsTextCounterClockwise) {
  Recording recording;
  recording.setWindow({0, 0}, {1000, 1000});
  graphics::SelectFont font;
  font.height = -150;
  font.escapement = 900;
  recording.selectFont(font);
  recording.text(500, 900, "HHHHHH");
  QImage image = renderRecording(recording, {100, 100}, Mapping::Isotropic);
  QRect ink = inkBounds(image, image.rect());
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GT(ink.height(), ink.width());
  // Reads upwards from the anchor, the glyphs standing on the left of the baseline.
  EXPECT_LE(ink.bottom(), 91);
  EXPECT_LT(ink.top(), 60);
  EXPECT_LE(ink.right(), 51);
}

TEST(RecordingPlayerTest, PainterStateSurvivesTheReplay) {
  QImage image(50, 50, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setPen(QPen(Qt::blue, 3));
  painter.setBrush(Qt::green);
  playRecording(painter, redSquare(), QRectF(0, 0, 50, 50), Mapping::Isotropic);
  EXPECT_EQ(painter.pen().color(), QColor(Qt::blue));
  EXPECT_EQ(painter.pen().widthF(), 3.0);
  EXPECT_EQ(painter.brush().color(), QColor(Qt::green));
  painter.end();
  EXPECT_TRUE(isRed(image.pixel(15, 15)));
}

TEST(RecordingPlayerTest, PdfIsWrittenWholeOrNotAtAll) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (bool landscape : {false, true}) {
    QString path = dir.filePath(landscape ? "wide.pdf" : "tall.pdf");
    ASSERT_TRUE(writePdf(redSquare(), path, landscape));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(4) == "%PDF");
  }
  QString unwritable = dir.filePath("missing/folder/out.pdf");
  EXPECT_FALSE(writePdf(redSquare(), unwritable, false));
  EXPECT_FALSE(QFile::exists(unwritable));
}

TEST(RecordingPlayerTest, EmptySizeGivesNullImage) {
  EXPECT_TRUE(renderRecording(redSquare(), {0, 10}, Mapping::Isotropic).isNull());
}

}  // namespace
}  // namespace lavix::qtui

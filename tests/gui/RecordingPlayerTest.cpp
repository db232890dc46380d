// Replaying recordings onto images and PDF: placement, flips, fills, text and its turning.
#include <gtest/gtest.h>

#include <QImage>

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

TEST(RecordingPlayerTest, TextInksOnTheSideItsAlignmentAndEscapementSay) {
  using graphics::HAlign;
  using graphics::VAlign;
  struct Case {
    const char* text;
    HAlign h;
    VAlign v;
    int16_t escapement;
    int anchorY;    // page units; x is 500 (pixel 50)
    QRect inked;    // the ink lies inside
    int minHeight;  // and is this tall at least
  };
  // 10 page units a pixel; an em of 200 units is 20 px.
  const Case cases[] = {
      {"HH", HAlign::Left, VAlign::Baseline, 0, 500, QRect(50, 30, 50, 22), 10},
      {"HH", HAlign::Right, VAlign::Baseline, 0, 500, QRect(0, 30, 50, 22), 10},
      {"HH", HAlign::Centre, VAlign::Baseline, 0, 500, QRect(30, 30, 40, 22), 10},
      {"Hg", HAlign::Left, VAlign::Top, 0, 500, QRect(50, 49, 50, 51), 10},
      {"Hg", HAlign::Left, VAlign::Bottom, 0, 500, QRect(50, 0, 50, 52), 12},
      // A quarter turn reads upwards from the anchor, the glyphs on the left of the baseline.
      {"HHHHHH", HAlign::Left, VAlign::Baseline, 900, 900, QRect(0, 0, 52, 92), 40},
  };
  for (const auto& c : cases) {
    Recording recording;
    recording.setWindow({0, 0}, {1000, 1000});
    graphics::SelectFont font;
    font.height = -200;
    font.escapement = c.escapement;
    recording.selectFont(font);
    recording.text(500, c.anchorY, c.text, c.h, c.v);
    const QImage image = renderRecording(recording, {100, 100}, Mapping::Isotropic);
    const QRect ink = inkBounds(image, image.rect());
    ASSERT_FALSE(ink.isEmpty()) << c.text;
    EXPECT_TRUE(c.inked.contains(ink)) << c.text << ": " << ink.x() << "," << ink.y() << " " << ink.width() << "x"
                                       << ink.height();
    EXPECT_GE(ink.height(), c.minHeight) << c.text;
  }
}

}  // namespace
}  // namespace lavix::qtui

// The frame inside its page position for the three shapes.
#include <gtest/gtest.h>

#include "lavix/diagram/FrameLayout.h"

namespace lavix::diagram {
namespace {

struct Frame {
  int left, bottom, right, top;
};

Frame frameOf(const DiagramSettings& s) { return {s.frameLeft, s.frameBottom, s.frameRight, s.frameTop}; }

TEST(FrameLayout, SlideTakesTheAreaAndSetsTheSlideAspect) {
  DiagramSettings s;
  s.aspectX = 0.7f;
  layoutFrame(s, {1000, 1000, 8000, 5000, "XYL"});
  EXPECT_EQ(frameOf(s).right, 8000);
  EXPECT_EQ(frameOf(s).top, 5000);
  EXPECT_EQ(s.frameWidth, 7000);
  EXPECT_EQ(s.frameHeight, 4000);
  EXPECT_FLOAT_EQ(s.aspectX, 1.4f);
}

TEST(FrameLayout, BoxIsASquareAsHighAsTheAreaCentredSideways) {
  DiagramSettings s;
  s.shapeChoice = 2;
  layoutFrame(s, {1000, 1000, 8000, 5000, "XYL"});
  // 4000 high gives 4000 wide; the 3000 left over moves it 1500 to the right.
  EXPECT_EQ(s.frameWidth, 4000);
  EXPECT_EQ(frameOf(s).left, 2500);
  EXPECT_EQ(frameOf(s).right, 6500);
  layoutFrame(s, {1000, 1000, 8000, 5000, "XYR"});  // "R": the shift goes to the left
  EXPECT_EQ(frameOf(s).left, -500);
  EXPECT_EQ(frameOf(s).right, 3500);
}

TEST(FrameLayout, OtherScalesTheAreaHeightFromItsLeftAndBottom) {
  DiagramSettings s;
  s.shapeChoice = 3;
  s.aspectX = 1.25f;
  s.aspectY = 0.5f;
  layoutFrame(s, {1000, 1000, 8000, 5000, "XYL"});
  EXPECT_EQ(frameOf(s).left, 1000);
  EXPECT_EQ(frameOf(s).right, 6000);
  EXPECT_EQ(frameOf(s).top, 3000);
}

}  // namespace
}  // namespace lavix::diagram
